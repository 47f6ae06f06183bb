// The one event recorder of the native tables and the host tables: it binds every event a control raises for its
// input (its property notifications aside) to write one line to a sink, in the order the events come. A line is
// the event's name and its arguments: "Click", "MouseDown 1 0 12.5 3", "KeyDown 32 0", "KeyPress 97". A table
// that watches one event differently binds that event again after recording.
#pragma once

#include <cstdint>
#include <cwchar>
#include <functional>
#include <string>

#include "controls/checkbutton/check_button.h"
#include "controls/common/button_press.h"
#include "controls/ntextbox/n_textbox.h"

namespace recorder {

using Sink = std::function<void(const std::wstring& line)>;

// How much of its arguments a line carries: none, the first (the button or the key), or all.
enum class Detail { Name, First, All };

inline std::wstring Num(double v) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"%g", v);
    return buffer;
}

namespace detail {

inline std::function<void()> Plain(const Sink& sink, const wchar_t* name) {
    return [sink, name] { sink(name); };
}

inline kit::PointerEvent Pointer(const Sink& sink, const wchar_t* name, Detail d) {
    return [sink, name, d](std::int16_t& b, std::int16_t& s, float& x, float& y) {
        std::wstring line = name;
        if (d != Detail::Name) line += L" " + std::to_wstring(b);
        if (d == Detail::All) line += L" " + std::to_wstring(s) + L" " + Num(x) + L" " + Num(y);
        sink(line);
    };
}

inline kit::KeyEvent Key(const Sink& sink, const wchar_t* name, Detail d) {
    return [sink, name, d](std::int16_t& k, std::int16_t& s) {
        std::wstring line = name;
        if (d != Detail::Name) line += L" " + std::to_wstring(k);
        if (d == Detail::All) line += L" " + std::to_wstring(s);
        sink(line);
    };
}

// The events every control of the kit raises.
template <typename Events>
void Shared(Events& e, const Sink& sink, Detail d) {
    e.Click = Plain(sink, L"Click");
    e.MouseMove = Pointer(sink, L"MouseMove", d);
    e.MouseDown = Pointer(sink, L"MouseDown", d);
    e.MouseUp = Pointer(sink, L"MouseUp", d);
    e.KeyDown = Key(sink, L"KeyDown", d);
    e.KeyUp = Key(sink, L"KeyUp", d);
    e.KeyPress = [sink, d](std::int16_t& a) {
        sink(d == Detail::Name ? L"KeyPress" : L"KeyPress " + std::to_wstring(a));
    };
}

}  // namespace detail

inline void Record(kit::ButtonEvents& e, const Sink& sink, Detail d = Detail::All) {
    detail::Shared(e, sink, d);
    for (auto [event, name] : {std::make_pair(&e.DblClick, L"DblClick"), std::make_pair(&e.MouseEnter, L"MouseEnter"),
                               std::make_pair(&e.MouseLeave, L"MouseLeave"), std::make_pair(&e.MouseOver, L"MouseOver"),
                               std::make_pair(&e.MouseOut, L"MouseOut"), std::make_pair(&e.Resize, L"Resize")})
        *event = detail::Plain(sink, name);
}

inline void Record(kit::CheckButtonEvents& e, const Sink& sink, Detail d = Detail::All) {
    detail::Shared(e, sink, d);
    e.MouseOut = detail::Plain(sink, L"MouseOut");
}

inline void Record(kit::NTextBoxEvents& e, const Sink& sink, Detail d = Detail::All) {
    detail::Shared(e, sink, d);
    e.DblClick = detail::Plain(sink, L"DblClick");
    e.Change = detail::Plain(sink, L"Change");
}

}  // namespace recorder
