// The Win32 canvas: each part of a look as GDI draws it, at the window's DPI.
#include "platform/canvas_win.h"

#include <algorithm>

#include "platform/platform_win.h"
#include "platform/window_win.h"

namespace plat {

const DibImage* PictureCache::Get(std::wstring_view ref) {
    if (ref.empty()) return nullptr;
    auto it = images_.find(ref);
    if (it == images_.end()) {
        std::string bytes;
        const std::wstring name(ref);
        std::unique_ptr<DibImage> image = std::make_unique<DibImage>();
        const bool found = source_ ? source_(name, &bytes) : ProgramPictureBytes(name, &bytes);
        if (!found || !DecodeImage(bytes, image.get())) image.reset();
        it = images_.emplace(name, std::move(image)).first;
    }
    return it->second.get();
}

namespace {

SIZE Extent(HDC dc, HFONT font, std::wstring_view text) {
    SelectObj use(dc, font);
    SIZE size = {};
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, tm.tmHeight};
}

SizeF InUnit(SIZE pixels, const UnitScale& units) {
    return {FromDevice({static_cast<double>(pixels.cx)}, units.unit, units.dpi),
            FromDevice({static_cast<double>(pixels.cy)}, units.unit, units.dpi)};
}

}  // namespace

SizeF MeasureText(FontCache& fonts, const UnitScale& units, std::wstring_view text, const FontSpec& font) {
    // Layouts measure a few fonts over and over: one memory DC for them all.
    static MemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc) return {};
    return InUnit(Extent(dc.get(), fonts.Get(font, units.dpi.value()), text), units);
}

HBRUSH SolidBrush::Of(const Ink& ink, DisplayScheme* scheme) {
    const COLORREF color = OleToColorRef(Resolve(ink, scheme));
    if (!brush_ || color_ != color) {
        brush_.reset(CreateSolidBrush(color));
        color_ = color;
    }
    return brush_.get();
}

HBRUSH ControlColors(WPARAM dc, const Ink& text, const Ink& back, DisplayScheme* scheme, SolidBrush& brush) {
    HDC target = reinterpret_cast<HDC>(dc);
    SetTextColor(target, OleToColorRef(Resolve(text, scheme)));
    SetBkColor(target, OleToColorRef(Resolve(back, scheme)));
    return brush.Of(back, scheme);
}

namespace {

// The portable canvas drawn with GDI into a back buffer of a window's client area.
class GdiCanvas final : public Canvas {
public:
    GdiCanvas(HDC dc, const RECT& client, const UnitScale& units, DisplayScheme* scheme, PaintCache& cache,
              bool focusShown)
        : dc_(dc), client_(client), units_(units), scheme_(scheme), cache_(cache), focusShown_(focusShown) {
        SetBkMode(dc_, TRANSPARENT);
    }

    RectF Area() const override {
        const SizeF size = InUnit({client_.right - client_.left, client_.bottom - client_.top}, units_);
        return {0, 0, size.cx, size.cy};
    }

    void Fill(const RectF& box, const Ink& ink) override {
        const RECT r = Edges(box);
        FillRect(dc_, &r, Brush(ink).get());
    }

    void Frame(const RectF& box, const Ink& ink) override {
        const RECT r = Edges(box);
        FrameRect(dc_, &r, Brush(ink).get());
    }

    void Figure(FigureKind kind, const RectF& box, const Ink& fill, const Ink& border, double borderWidth) override {
        // The figure is fitted to the box in whole pixels, so its corners and sides are the same at every place.
        const RECT r = Edges(box);
        const FigureGeometry g = FigureFor(kind, r.right - r.left, r.bottom - r.top);
        GdiObject<HBRUSH> brush = Brush(fill);
        GdiObject<HPEN> pen(CreatePen(PS_SOLID | PS_INSIDEFRAME, std::max(1, Length(borderWidth)), Color(border)));
        SelectObj selectFill(dc_, brush.get());
        SelectObj selectPen(dc_, pen.get());
        const int left = r.left + g.left, top = r.top + g.top, right = left + g.width, bottom = top + g.height;
        if (g.width <= 0 || g.height <= 0) return;
        if (g.ellipse)
            Ellipse(dc_, left, top, right, bottom);
        else if (g.corner > 0)
            RoundRect(dc_, left, top, right, bottom, g.corner, g.corner);
        else
            Rectangle(dc_, left, top, right, bottom);
    }

    void Text(const RectF& box, std::wstring_view text, const FontSpec& font, const Ink& ink, TextAlign align,
              TextFlow flow) override {
        SelectObj use(dc_, cache_.fonts.Get(font, units_.dpi.value()));
        SetTextColor(dc_, Color(ink));
        const int length = static_cast<int>(text.size());
        if (flow == TextFlow::Line && align == TextAlign::Left) {
            TextOutW(dc_, Place(box.left), Place(box.top), text.data(), length);
            return;
        }
        UINT format = DT_NOPREFIX | (align == TextAlign::Centre  ? DT_CENTER
                                     : align == TextAlign::Right ? DT_RIGHT
                                                                 : DT_LEFT);
        format |= flow == TextFlow::Wrapped ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
        if (flow == TextFlow::Line) format |= DT_NOCLIP;
        RECT r = Edges(box);
        DrawTextW(dc_, text.data(), length, &r, format);
    }

    SizeF MeasureText(std::wstring_view text, const FontSpec& font) override {
        return InUnit(Extent(dc_, cache_.fonts.Get(font, units_.dpi.value()), text), units_);
    }

    void Picture(std::wstring_view ref, const RectF& box, bool naturalSize) override {
        const DibImage* image = cache_.pictures.Get(ref);
        if (!image) return;
        RECT r = Edges(box);
        if (naturalSize) {
            // Scaled only for the display.
            r.right = r.left + NearestPixels(Pixels96(image->width), units_.dpi);
            r.bottom = r.top + NearestPixels(Pixels96(image->height), units_.dpi);
        }
        DrawImage(dc_, *image, r);
    }

    void Pixels(const std::uint32_t* pixels, int width, int height, double left, double top) override {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height /* rows top-down */, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const int w = NearestPixels(Pixels96(width), units_.dpi), h = NearestPixels(Pixels96(height), units_.dpi);
        // Pixel for pixel at 96 dpi; smoothed where they are scaled.
        SetStretchBltMode(dc_, w == width && h == height ? COLORONCOLOR : HALFTONE);
        SetBrushOrgEx(dc_, 0, 0, nullptr);
        StretchDIBits(dc_, Place(left), Place(top), w, h, 0, 0, width, height, pixels, &info, DIB_RGB_COLORS, SRCCOPY);
    }

    void Line(double x1, double y1, double x2, double y2, const Ink& ink) override {
        GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, Color(ink)));
        SelectObj select(dc_, pen.get());
        MoveToEx(dc_, Place(x1), Place(y1), nullptr);
        LineTo(dc_, Place(x2), Place(y2));
    }

    bool FocusShown() const override { return focusShown_; }

    void FocusCue(const RectF& box, double insetX, double insetY) override {
        RECT r = Edges(box);
        InflateRect(&r, -Length(insetX), -Length(insetY));
        if (r.right <= r.left || r.bottom <= r.top) return;
        // The dots take the text and back colours: black and white invert to a visible pattern anywhere. Every
        // other part sets the colours it uses.
        SetTextColor(dc_, RGB(0, 0, 0));
        SetBkColor(dc_, RGB(255, 255, 255));
        DrawFocusRect(dc_, &r);
    }

private:
    COLORREF Color(const Ink& ink) const { return OleToColorRef(Resolve(ink, scheme_)); }
    GdiObject<HBRUSH> Brush(const Ink& ink) const { return GdiObject<HBRUSH>(CreateSolidBrush(Color(ink))); }
    int Place(double v) const { return units_.PlaceToPixels(v); }
    RECT Edges(const RectF& box) const { return PixelEdges(units_, box.left, box.top, box.width, box.height); }
    // A length in the unit, in whole pixels.
    int Length(double v) const { return Nearest(ToDevice(v, units_.unit, units_.dpi).value); }

    HDC dc_;
    RECT client_;
    UnitScale units_;
    DisplayScheme* scheme_;
    PaintCache& cache_;
    bool focusShown_;
};

}  // namespace

void PaintWindow(HWND window, const UnitScale& units, DisplayScheme* scheme, PaintCache& cache, bool focusShown,
                 const std::function<void(Canvas&)>& paint) {
    BufferedPaint buffer(window);
    if (!buffer.ok()) return;
    GdiCanvas canvas(buffer.dc(), buffer.client(), units, scheme, cache, focusShown);
    paint(canvas);
    buffer.Blit();
}

}  // namespace plat
