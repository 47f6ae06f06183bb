// The graphical button's window: a child window of its own class, hosted by the kit's one host.
#pragma once

#include <functional>
#include <string>

#include "controls/common/kit_host_win.h"
#include "controls/common/property_bag.h"
#include "controls/nshape/n_shape.h"
#include "platform/platform.h"

namespace kit {

extern const wchar_t kNShapeClass[];

struct NShapeArgs : host::ControlArgs {
    NShape::Events events;
};

// Creates the button as a visible tab stop (tab order follows creation order) and loads it; null on failure.
HWND CreateNShape(const NShapeArgs& args);

// The model behind a window made by CreateNShape (null for any other window). Property writes through it
// repaint the window; its events() may be rebound at any time.
NShape* NShapeOf(HWND button);

// The caption at run time. Setting it repaints the button before returning, so it shows even if the thread
// then blocks; the window text follows it.
void SetNShapeCaption(HWND button, const std::wstring& caption);
std::wstring NShapeCaption(HWND button);

}  // namespace kit
