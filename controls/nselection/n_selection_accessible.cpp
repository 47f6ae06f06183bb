// N_Selection reads as a push button named by its caption and described by its second line.
#include "controls/common/kit_accessible.h"
#include "controls/nselection/n_selection.h"

namespace kit {

AccessibleInfo Describe(const NSelection& entry, bool focused) {
    return Info(AccRole::PushButton, entry.Caption(), kActionPress,
                ControlStates(entry.Enabled(), focused) | LookStates(static_cast<int>(entry.ButtonState())),
                entry.Description());
}

bool DoDefaultAction(NSelection& entry) {
    if (entry.Enabled()) entry.RaiseClick();
    return entry.Enabled();
}

}  // namespace kit
