// The one look of the kit's controls that hover and press: what ButtonState holds and which colour set a button or
// entry shows; a look other than the normal one lights its parts in high contrast. The check box adds its disabled
// box image.
#pragma once

#include <cstdint>

namespace kit {

enum class ButtonLook : std::int16_t {
    Normal = 0,
    Hover = 1,
    Down = 2,
    Disabled = 3,  // the check box's disabled image; the buttons and entries show no look of their own for it
};

// One value for each look a button or entry shows in colour, read and written by the look; any other look (a
// stored ButtonState out of range, Disabled) reads Normal's.
template <typename T>
class PerLook {
public:
    T& operator[](ButtonLook look) { return values_[Slot(look)]; }
    const T& operator[](ButtonLook look) const { return values_[Slot(look)]; }

private:
    static int Slot(ButtonLook look) {
        return look == ButtonLook::Hover || look == ButtonLook::Down ? static_cast<int>(look) : 0;
    }
    T values_[3] = {};
};

}  // namespace kit
