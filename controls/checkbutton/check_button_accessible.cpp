// CheckButton reads as a three-state check box; its default action advances Value as a click does.
#include "controls/common/kit_accessible.h"
#include "controls/checkbutton/check_button.h"

namespace kit {

AccessibleInfo Describe(const CheckButton& box, bool focused) {
    AccessibleInfo info;
    info.role = AccRole::CheckBox;
    info.name = box.Caption();
    info.defaultAction = box.Value() == 1 ? kActionUncheck : kActionCheck;
    info.states = ControlStates(box.Enabled(), focused);
    if (box.Value() == 1) info.states |= accstate::kChecked;
    if (box.Value() == 2) info.states |= accstate::kMixed;
    return info;
}

bool DoDefaultAction(CheckButton& box) {
    if (!box.Enabled()) return false;
    box.Click();
    return true;
}

}  // namespace kit
