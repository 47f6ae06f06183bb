// Win32 host of the graphical button: a child window of its own class that feeds input to the N_Shape model
// and paints it double-buffered at the window's DPI.
#pragma once

#include <functional>
#include <string>

#include "controls/common/kit_host_win.h"
#include "controls/common/property_bag.h"
#include "controls/nshape/n_shape.h"
#include "platform/platform.h"

namespace kit {

extern const wchar_t kNShapeClass[];

// Fetches the encoded image (PNG, JPEG or BMP file bytes) a picture reference names; false when there is none.
// The default source is the program's own pictures: an RCDATA resource of the running program with the reference
// as its name, else the file of that name (relative names are taken from the program's folder).
using PictureSource = std::function<bool(const std::wstring& ref, std::string* bytes)>;

struct NShapeArgs : host::ControlArgs {
    NShape::Events events;
    PictureSource pictures;  // null: the program's own pictures
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
