// Creation arguments and recording handlers the host tables share.
#pragma once

#include <string>

#include "controls/nshape/n_shape_win.h"
#include "platform/platform_win.h"
#include "tests/event_recorder.h"
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

// Where the shared recorder writes the host tables' events: the log, and Click as a click handler does.
inline recorder::Sink Recorded() {
    return [](const std::wstring& line) {
        const std::string narrow(line.begin(), line.end());
        if (narrow == "Click")
            Clicked(narrow);
        else
            Log(narrow);
    };
}

// An N_Shape on the recording services, so captures, the leave poll and sent keys show in order, with every
// event recording itself.
inline HWND MakeRecordedShape(HWND parent, int id) {
    kit::NShapeArgs a = Placed<kit::NShapeArgs>(parent, id, L"NShape1", 1500, 450, &RecordingServices());
    recorder::Record(a.events, Recorded());
    return kit::CreateNShape(a);
}

}  // namespace hosttest
