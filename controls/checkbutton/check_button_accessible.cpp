// CheckButton reads as a three-state check box; its default action advances Value as a click does.
#include "controls/checkbutton/check_button.h"
#include "controls/common/kit_accessible.h"

namespace kit {

AccessibleInfo Describe(const CheckButton& box, bool focused) {
    const std::int32_t value = box.Value();
    const unsigned mark = value == kChecked ? accstate::kChecked : value == kIndeterminate ? accstate::kMixed : 0u;
    return Info(AccRole::CheckBox, box.Caption(), value == kChecked ? kActionUncheck : kActionCheck,
                ControlStates(box.Enabled(), focused) | mark);
}

bool DoDefaultAction(CheckButton& box) {
    if (box.Enabled()) box.Click();
    return box.Enabled();
}

}  // namespace kit
