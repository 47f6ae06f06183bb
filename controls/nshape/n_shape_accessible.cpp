// N_Shape reads as a push button named by its caption; its default action is a left click's Click.
#include "controls/common/kit_accessible.h"
#include "controls/nshape/n_shape.h"

namespace kit {

AccessibleInfo Describe(const NShape& button, bool focused) {
    return Info(AccRole::PushButton, button.Caption(), kActionPress,
                ControlStates(button.Enabled(), focused) | LookStates(static_cast<int>(button.ButtonState())));
}

bool DoDefaultAction(NShape& button) {
    if (!button.Enabled()) return false;
    Raise(button.events().Click);
    return true;
}

}  // namespace kit
