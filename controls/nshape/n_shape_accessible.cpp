// N_Shape reads as a push button named by its caption; its default action is a left click.
#include "controls/common/kit_accessible.h"
#include "controls/nshape/n_shape.h"

namespace kit {

AccessibleInfo Describe(const NShape& button, bool focused) {
    AccessibleInfo info;
    info.role = AccRole::PushButton;
    info.name = button.Caption();
    info.defaultAction = kActionPress;
    info.states = ControlStates(button.Enabled(), focused) | LookStates(static_cast<int>(button.ButtonState()));
    return info;
}

bool DoDefaultAction(NShape& button) {
    if (!button.Enabled()) return false;
    auto click = button.events().click;
    if (click) click();
    return true;
}

}  // namespace kit
