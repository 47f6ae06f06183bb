// Creation arguments and recording handlers the host tables share.
#pragma once

#include <utility>

#include "controls/nshape/n_shape_win.h"
#include "platform/platform_win.h"
#include "tests/host/host_rig_win.h"

namespace hosttest {

// Creation arguments of any control: its place in the parent (twips), its names and its services (the Win32 ones
// unless given).
template <typename Args>
Args Placed(HWND parent, int id, const wchar_t* name, int width, int height, const plat::Services* services = nullptr) {
    Args a;
    a.parent = parent;
    a.id = id;
    a.name = name;
    a.place = {300, 300, width, height};
    a.services = services ? services : &plat::Win32Services();
    return a;
}

// The events every control of the kit raises, each recording itself.
template <typename Events>
void RecordShared(Events& e) {
    e.Click = [] { Clicked("Click"); };
    e.MouseMove = Pointer("MouseMove");
    e.MouseDown = Pointer("MouseDown");
    e.MouseUp = Pointer("MouseUp");
    e.KeyDown = KeyCode("KeyDown");
    e.KeyUp = KeyCode("KeyUp");
    e.KeyPress = KeyAscii("KeyPress");
}

// The events of the kit's buttons, each recording itself.
inline void RecordButton(kit::ButtonEvents& e) {
    RecordShared(e);
    for (const auto& plain : {std::make_pair(&e.DblClick, "DblClick"), std::make_pair(&e.MouseEnter, "MouseEnter"),
                              std::make_pair(&e.MouseLeave, "MouseLeave"), std::make_pair(&e.MouseOver, "MouseOver"),
                              std::make_pair(&e.MouseOut, "MouseOut"), std::make_pair(&e.Resize, "Resize")})
        *plain.first = Plain(plain.second);
}

// An N_Shape on the recording services, so captures, the leave poll and sent keys show in order, with every
// event recording itself.
inline HWND MakeRecordedShape(HWND parent, int id) {
    kit::NShapeArgs a = Placed<kit::NShapeArgs>(parent, id, L"NShape1", 1500, 450, &RecordingServices());
    RecordButton(a.events);
    return kit::CreateNShape(a);
}

}  // namespace hosttest
