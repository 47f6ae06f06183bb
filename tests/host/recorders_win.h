// Creation arguments and recording handlers the host tables share.
#pragma once

#include "controls/nshape/n_shape_win.h"
#include "tests/host/host_rig_win.h"

namespace hosttest {

// Creation arguments of any control: its place in the parent (twips), its names and, when given, its services.
template <typename Args>
Args Placed(HWND parent, int id, const wchar_t* name, int width, int height, const plat::Services* services = nullptr) {
    Args a;
    a.parent = parent;
    a.id = id;
    a.name = name;
    a.left = 300, a.top = 300, a.width = width, a.height = height;
    a.services = services;
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

// An N_Shape on the recording services, so captures, the leave poll and sent keys show in order, with every
// event recording itself.
inline HWND MakeRecordedShape(HWND parent, int id) {
    HWND window = kit::CreateNShape(Placed<kit::NShapeArgs>(parent, id, L"NShape1", 1500, 450, &RecordingServices()));
    kit::NShape* model = kit::NShapeOf(window);
    if (!model) return nullptr;
    kit::NShape::Events& e = model->events();
    RecordShared(e);
    e.DblClick = Plain("DblClick");
    e.MouseEnter = Plain("MouseEnter");
    e.MouseLeave = Plain("MouseLeave");
    e.MouseOver = Plain("MouseOver");
    e.MouseOut = Plain("MouseOut");
    e.Resize = Plain("Resize");
    return window;
}

}  // namespace hosttest
