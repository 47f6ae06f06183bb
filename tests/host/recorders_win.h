// Creation arguments and recording handlers the host tables share.
#pragma once

#include "controls/nshape/n_shape_win.h"
#include "tests/host/host_rig_win.h"

namespace hosttest {

// Creation arguments of any control: its place in the parent (twips), its names and, when given, its services.
template <typename Args>
Args Placed(HWND parent, int id, const wchar_t* name, int width, int height,
            const plat::Services* services = nullptr) {
    Args a;
    a.parent = parent;
    a.id = id;
    a.name = name;
    a.left = 300, a.top = 300, a.width = width, a.height = height;
    a.services = services;
    return a;
}

// The events CheckButton, N_Selection and N_TextBox share, each recording itself.
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

inline std::function<void(kit::MouseArgs&)> ShapePointer(const char* name) {
    auto record = Pointer(name);
    return [record](kit::MouseArgs& a) { record(a.button, a.shift, a.x, a.y); };
}

// An N_Shape on the recording services, so captures, the leave poll and sent keys show in order, with every
// event recording itself.
inline HWND MakeRecordedShape(HWND parent, int id) {
    HWND window = kit::CreateNShape(Placed<kit::NShapeArgs>(parent, id, L"NShape1", 1500, 450, &RecordingServices()));
    kit::NShape* model = kit::NShapeOf(window);
    if (!model) return nullptr;
    kit::NShapeEvents& e = model->events();
    e.click = [] { Clicked("Click"); };
    e.dblClick = Plain("DblClick");
    e.mouseMove = ShapePointer("MouseMove");
    e.mouseDown = ShapePointer("MouseDown");
    e.mouseUp = ShapePointer("MouseUp");
    e.mouseEnter = Plain("MouseEnter");
    e.mouseLeave = Plain("MouseLeave");
    e.mouseOver = Plain("MouseOver");
    e.mouseOut = Plain("MouseOut");
    e.resize = Plain("Resize");
    e.keyDown = KeyCode("KeyDown");
    e.keyUp = KeyCode("KeyUp");
    e.keyPress = KeyAscii("KeyPress");
    return window;
}

}  // namespace hosttest
