// The one shape of the events the kit's controls raise to their container: each event is a handler slot named as
// the control declares it, with its arguments by reference, and every event goes out through Raise.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kit {

// The bits of a pointer event's `Button` mask.
namespace buttons {
enum : std::int16_t { kLeft = 1, kRight = 2, kMiddle = 4 };
// No button held, or the left one alone: the moves whose look follows the pointer.
constexpr bool NoneOrLeftAlone(std::int16_t mask) { return mask < kRight; }
}  // namespace buttons

using PlainEvent = std::function<void()>;
// Button (1 left, 2 right, 4 middle), Shift (1 Shift, 2 Ctrl, 4 Alt), x, y in the unit the control reports.
using PointerEvent = std::function<void(std::int16_t& button, std::int16_t& shift, float& x, float& y)>;
using KeyEvent = std::function<void(std::int16_t& keyCode, std::int16_t& shift)>;
using KeyAsciiEvent = std::function<void(std::int16_t& keyAscii)>;
// A property was written, under the property's name, so a designer can mark its design modified.
using PropertyEvent = std::function<void(const std::wstring& property)>;

// Raises an event synchronously; an unset handler is skipped. The handler runs from a copy, so it may rebind or
// clear its own slot while it runs; a handler that destroys the control is safe too, because the window skeleton
// frees the control only once the message that raised the event returns.
template <typename Handler, typename... Args>
void Raise(const Handler& handler, Args&&... args) {
    const Handler copy = handler;
    if (copy) copy(args...);
}

}  // namespace kit
