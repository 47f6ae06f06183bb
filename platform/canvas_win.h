// The Win32 canvas: GDI into a window's back buffer at its DPI. It converts the painter's unit through one
// UnitScale, makes fonts at that DPI and measures text with the very font it draws with.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/image_win.h"
#include "platform/scoped_win.h"
#include "platform/units.h"
#include "platform/window_host_win.h"

namespace plat {

// Fetches the encoded image (PNG, JPEG or BMP file bytes) a picture reference names; false when there is none.
using PictureSource = std::function<bool(const std::wstring& ref, std::string* bytes)>;

// The pictures a window paints, each decoded once (a failure too). Without a source: the program's RCDATA resource
// of that name, else the file.
class PictureCache {
public:
    explicit PictureCache(PictureSource source = nullptr) : source_(std::move(source)) {}
    const DibImage* Get(std::wstring_view ref);

private:
    PictureSource source_;
    std::map<std::wstring, std::unique_ptr<DibImage>, std::less<>> images_;
};

// What a window keeps from one paint to the next.
struct PaintCache {
    FontCache fonts;
    PictureCache pictures;
};

// One line of text as a font of the cache draws it at the scale's DPI: its width and the line height, in the unit.
SizeF MeasureText(FontCache& fonts, const UnitScale& units, std::wstring_view text, const FontSpec& font);

// A brush of an ink's colour, made again only when the colour changes.
class SolidBrush {
public:
    HBRUSH Of(const Ink& ink, DisplayScheme* scheme);

private:
    GdiObject<HBRUSH> brush_;
    COLORREF color_ = 0;
};

// A standard control's colours for WM_CTLCOLOR*: set on its DC (the message's wParam), and the back colour's brush.
HBRUSH ControlColors(WPARAM dc, const Ink& text, const Ink& back, DisplayScheme* scheme, SolidBrush& brush);

// Paints a window double-buffered: `paint` draws its whole client area on a GDI canvas in `units`, at their DPI;
// `focusShown`: the window has the focus with focus cues showing.
void PaintWindow(HWND window, const UnitScale& units, DisplayScheme* scheme, PaintCache& cache, bool focusShown,
                 const std::function<void(Canvas&)>& paint);

}  // namespace plat
