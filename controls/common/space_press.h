// The Space key as the kit's buttons take it, the way Windows' push buttons do: Space down presses the focused
// control once however long the key repeats, Space up clicks, and a press the focus leaves behind, or that the
// control is disabled during, ends without a click.
#pragma once

#include <cstdint>

#include "controls/common/control_site.h"

namespace kit {

class SpacePress {
public:
    // A key went down: true when it is Space beginning a press (the control shows its pressed look). A system
    // key (Alt+Space opens the system menu, whose loop takes the key's release) presses nothing.
    bool Down(std::int16_t keyCode, bool systemKey) {
        if (keyCode != keys::kSpace || systemKey || pressed_) return false;
        pressed_ = true;
        return true;
    }
    // A key went up: true when it is Space ending a press (the control clicks).
    bool Up(std::int16_t keyCode) {
        if (keyCode != keys::kSpace || !pressed_) return false;
        pressed_ = false;
        return true;
    }
    // The focus left or the control was disabled: true when a press was held (the control drops its pressed look).
    bool Cancel() {
        const bool held = pressed_;
        pressed_ = false;
        return held;
    }

private:
    bool pressed_ = false;
};

}  // namespace kit
