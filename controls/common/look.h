// The one look of the kit's controls that hover and press: what ButtonState holds, which colour set a button or
// entry shows, and which system colours high contrast gives a part. The check box adds its disabled box image.
#pragma once

#include <cstdint>

namespace kit {

enum class ButtonLook : std::int16_t {
    Normal = 0,
    Hover = 1,
    Down = 2,
    Disabled = 3,  // the check box's disabled image; the buttons and entries show no look of their own for it
};

}  // namespace kit
