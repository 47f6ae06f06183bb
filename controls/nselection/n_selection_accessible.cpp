// N_Selection reads as a push button named by its caption and described by its second line.
#include "controls/common/kit_accessible.h"
#include "controls/nselection/n_selection.h"

namespace kit {

AccessibleInfo Describe(const NSelection& entry, bool focused) {
    AccessibleInfo info;
    info.role = AccRole::PushButton;
    info.name = entry.Caption();
    info.description = entry.Description();
    info.defaultAction = kActionPress;
    info.states = ControlStates(entry.Enabled(), focused) | LookStates(entry.ButtonState());
    return info;
}

bool DoDefaultAction(NSelection& entry) {
    if (!entry.Enabled()) return false;
    entry.RaiseClick();
    return true;
}

}  // namespace kit
