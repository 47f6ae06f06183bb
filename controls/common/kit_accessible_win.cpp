// MSAA roles and state bits for the kit's descriptions.
#include "controls/common/kit_accessible_win.h"

#include <oleacc.h>

#include <cstddef>

namespace kit {

long MsaaRole(AccRole role) {
    // Indexed by AccRole.
    static const long kRoles[] = {ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_CHECKBUTTON, ROLE_SYSTEM_STATICTEXT,
                                  ROLE_SYSTEM_GRAPHIC, ROLE_SYSTEM_TEXT};
    const auto i = static_cast<std::size_t>(role);
    return i < sizeof(kRoles) / sizeof(kRoles[0]) ? kRoles[i] : ROLE_SYSTEM_CLIENT;
}

long MsaaStates(unsigned states) {
    static const struct {
        unsigned ours;
        long msaa;
    } kMap[] = {
        {accstate::kUnavailable, STATE_SYSTEM_UNAVAILABLE},
        {accstate::kFocusable, STATE_SYSTEM_FOCUSABLE},
        {accstate::kFocused, STATE_SYSTEM_FOCUSED},
        {accstate::kHot, STATE_SYSTEM_HOTTRACKED},
        {accstate::kPressed, STATE_SYSTEM_PRESSED},
        {accstate::kChecked, STATE_SYSTEM_CHECKED},
        {accstate::kMixed, STATE_SYSTEM_MIXED},
        {accstate::kReadOnly, STATE_SYSTEM_READONLY},
    };
    long msaa = 0;
    for (const auto& m : kMap)
        if (states & m.ours) msaa |= m.msaa;
    return msaa;
}

plat::AccessibleElement ToElement(const AccessibleInfo& info) {
    plat::AccessibleElement e;
    e.role = MsaaRole(info.role);
    e.state = MsaaStates(info.states);
    e.name = info.name;
    e.description = info.description;
    e.defaultAction = info.defaultAction;
    return e;
}

}  // namespace kit
