// The Win32 canvas: the portable canvas drawn with GDI into a window's back buffer at the window's DPI. It converts
// the painter's unit through one UnitScale, makes fonts at that DPI and measures text with the very font it draws
// with, turns colour roles into colours, and draws the focus rectangle.
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

// The pictures a window paints, each decoded once (a failure is remembered too). Without a source: the program's
// own pictures, an RCDATA resource with the reference as its name, else the file of that name.
class PictureCache {
public:
    explicit PictureCache(PictureSource source = nullptr) : source_(std::move(source)) {}
    const DibImage* Get(std::wstring_view ref);

private:
    PictureSource source_;
    std::map<std::wstring, std::unique_ptr<DibImage>, std::less<>> images_;
};

// What a window keeps from one paint to the next: the fonts it draws with, at its DPI, and its pictures.
struct PaintCache {
    FontCache fonts;
    PictureCache pictures;
};

// One line of text in a font of the cache at a DPI, in the painter's unit: the width the font draws it with and the
// font's line height.
SizeF MeasureText(FontCache& fonts, const UnitScale& units, std::wstring_view text, const FontSpec& font);

// A brush of an ink's colour, made again only when the colour changes.
class SolidBrush {
public:
    HBRUSH Of(const Ink& ink, DisplayScheme* scheme);

private:
    GdiObject<HBRUSH> brush_;
    COLORREF color_ = 0;
};

// A standard control's colours for WM_CTLCOLOR*: the text and back colours set on its DC (`dc`, the message's
// wParam), and the brush of the back colour that fills the rest.
HBRUSH ControlColors(WPARAM dc, const Ink& text, const Ink& back, DisplayScheme* scheme, SolidBrush& brush);

class GdiCanvas final : public Canvas {
public:
    // `dc` is the back buffer of a client area of `client` pixels; `focusShown` whether the window has the focus
    // with focus cues showing.
    GdiCanvas(HDC dc, const RECT& client, const UnitScale& units, DisplayScheme* scheme, PaintCache& cache,
              bool focusShown);

    RectF Area() const override;
    void Fill(const RectF& box, const Ink& ink) override;
    void Frame(const RectF& box, const Ink& ink) override;
    void Figure(FigureKind kind, const RectF& box, const Ink& fill, const Ink& border, double borderWidth) override;
    void Text(const RectF& box, std::wstring_view text, const FontSpec& font, const Ink& ink, TextAlign align,
              TextFlow flow) override;
    SizeF MeasureText(std::wstring_view text, const FontSpec& font) override;
    void Picture(std::wstring_view ref, const RectF& box, bool naturalSize) override;
    void Pixels(const std::uint32_t* pixels, int width, int height, double left, double top) override;
    void Line(double x1, double y1, double x2, double y2, const Ink& ink) override;
    bool FocusShown() const override { return focusShown_; }
    void FocusCue(const RectF& box, double insetX, double insetY) override;

private:
    COLORREF Color(const Ink& ink) const;
    int Place(double v) const { return units_.PlaceToPixels(v); }
    // Each edge on its own, so boxes that meet in the unit meet on screen.
    RECT Edges(const RectF& box) const;
    // A length in the unit, in whole pixels.
    int Length(double v) const { return Nearest(ToDevice(v, units_.unit, units_.dpi).value); }

    HDC dc_;
    RECT client_;
    UnitScale units_;
    DisplayScheme* scheme_;
    PaintCache& cache_;
    bool focusShown_;
};

}  // namespace plat
