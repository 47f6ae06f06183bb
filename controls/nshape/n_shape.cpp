// N_Shape's portable model: property writes with their notifications, the looks, pointer tracking with the
// leave poll, keyboard and focus, the layout, and the 25 persisted keys.
#include "controls/nshape/n_shape.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

// One default per key for load and save, so that a saved value always loads back unchanged. Caption and the
// three text colours keep the values an absent key has always loaded as.
const wchar_t* const kCaptionDefault = L"NShape1";
const wchar_t* const kForeColorDefault = L"&H8080FF";

constexpr int kMargin = 8;
constexpr int kEmptyPictureSide = 17;

bool InRect(const RectF& r, float x, float y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

}  // namespace

FigureGeometry FigureFor(FigureKind kind, int boxWidth, int boxHeight) {
    FigureGeometry g;
    const int w = std::max(boxWidth, 0);
    const int h = std::max(boxHeight, 0);
    const int side = std::min(w, h);
    const bool square = kind == FigureKind::Square || kind == FigureKind::Circle || kind == FigureKind::RoundedSquare;
    if (square) {
        g.left = (w - side) / 2;
        g.top = (h - side) / 2;
        g.width = side;
        g.height = side;
    } else {
        g.width = w;
        g.height = h;
    }
    g.ellipse = kind == FigureKind::Oval || kind == FigureKind::Circle;
    // Rounded corners: a corner radius of one sixth of the smaller side, so the ellipse spans a third of it.
    if (kind == FigureKind::RoundedRectangle || kind == FigureKind::RoundedSquare)
        g.corner = std::min(g.width, g.height) / 3;
    return g;
}

std::uint64_t PictureHandle(const Picture& picture) {
    if (picture.empty()) return 0;
    std::uint64_t h = 1469598103934665603ull;
    for (wchar_t c : picture.ref) {
        h ^= static_cast<std::uint32_t>(c);
        h *= 1099511628211ull;
    }
    return h ? h : 1;
}

int RoundPixel(double value) { return static_cast<int>(std::floor(value + 0.5)); }

NShape::NShape(const plat::Services& services, plat::WindowId window, int width, int height, NShapeSite* site)
    : services_(services), window_(window), site_(site), width_(width), height_(height) {
    // Image1 starts with Picture_Normal, an empty picture at this point.
    image_.shown = pictureNormal_;
    MeasureCaption();
}

// ---------------------------------------------------------------------------------------------------------------
// Helpers

void NShape::Notify(const wchar_t* property) {
    auto handler = events_.propertyChanged;
    if (handler) handler(property);
}

void NShape::Changed() {
    if (site_) site_->Invalidate();
}

void NShape::Refresh() {
    if (site_)
        site_->Refresh();
    else
        OnPaint();
}

void NShape::Raise(const std::function<void()>& handler) {
    auto h = handler;  // a handler may replace itself while it runs
    if (h) h();
}

void NShape::Raise(const std::function<void(MouseArgs&)>& handler, MouseArgs& args) {
    auto h = handler;
    if (h) h(args);
}

void NShape::ShowPicture(const Picture& picture) {
    image_.shown = picture;
    if (!image_.stretch) {
        std::optional<plat::Size> natural;
        if (!picture.empty() && pictureSizer_) natural = pictureSizer_(picture);
        image_.box.width = natural ? natural->cx : kEmptyPictureSide;
        image_.box.height = natural ? natural->cy : kEmptyPictureSide;
    }
    Changed();
}

void NShape::MeasureCaption() {
    if (!services_.text) return;
    const plat::Size s = services_.text->Measure(label_.text, kCaptionFace, label_.points, label_.bold);
    label_.box.width = s.cx;
    label_.box.height = s.cy;
}

void NShape::ApplyStateColors() {
    switch (state_) {
        case ButtonLook::Hover:
            shape_.fill = backHover_;
            label_.color = foreHover_;
            shape_.border = borderHover_;
            break;
        case ButtonLook::Down:
            shape_.fill = backDown_;
            label_.color = foreDown_;
            shape_.border = borderDown_;
            break;
        default:
            shape_.fill = backNormal_;
            label_.color = foreNormal_;
            shape_.border = borderNormal_;
            break;
    }
    // A disabled caption stays grey whatever look a late leave poll applies.
    if (!enabled_) label_.color = kDisabledText;
    Changed();
}

bool NShape::IsMouseOver() const {
    plat::Pointer* pointer = services_.pointer;
    if (!pointer || !window_) return false;
    return pointer->WindowFromPoint(pointer->CursorPos()) == window_;
}

// ---------------------------------------------------------------------------------------------------------------
// Creation and persistence

void NShape::InitProperties(const std::wstring& instanceName) {
    SetCaption(instanceName);
    SetEnabled(true);
    SetBackGround(0x00EFF1F2);
    SetBackColorNormal(0x00EFF1F2);
    SetBackColorHover(0x00E0E0E0);
    SetBackColorDown(0x00FFFFFF);
    SetBorderColorNormal(0x00B3B3B3);
    SetBorderColorHover(0x00B3B3B3);
    SetBorderColorDown(0x00B3B3B3);
    SetFontSize(8);
    SetFontBold(false);
    font_.name = L"Verdana";
    SetBorderGotFocus(false);
    SetBorderCustom(0x00B3B3B3);
    SetForeColorNormal(0x00000000);
    SetForeColorHover(0x00000000);
    SetForeColorDown(0x00000000);
    ShowPicture(pictureNormal_);
    Ajustar_Botao();
    SetGraphical(false);
    SetTextVisible(true);
    SetStretchToText(true);
}

bool NShape::ReadProperties(const PropertyBag& bag) {
    auto picture = [&](const wchar_t* key, Picture* into) {
        auto p = ToPicture(bag.Read(key, Value()));
        if (!p) return false;
        *into = *p;
        return true;
    };
    auto colour = [&](const wchar_t* key, const wchar_t* fallback, void (NShape::*set)(OleColor)) {
        auto c = ToColor(bag.Read(key, Value(fallback)));
        if (!c) return false;
        (this->*set)(*c);
        return true;
    };
    auto flag = [&](const wchar_t* key, const wchar_t* fallback, void (NShape::*set)(bool)) {
        auto b = ToBool16(bag.Read(key, Value(fallback)));
        if (!b) return false;
        (this->*set)(*b != 0);
        return true;
    };

    if (!picture(L"Picture_Normal", &pictureNormal_)) return false;
    if (!picture(L"Picture_Down", &pictureDown_)) return false;
    if (!picture(L"Picture_Hover", &pictureHover_)) return false;
    {
        auto stretch = ToBool16(bag.Read(L"Stretch", Value(false)));
        if (!stretch) return false;
        // Set on the element itself: no notification.
        image_.stretch = *stretch != 0;
        if (!image_.stretch) ShowPicture(image_.shown);
    }
    {
        auto caption = ToText(bag.Read(L"Caption", Value(kCaptionDefault)));
        if (!caption) return false;
        SetCaption(*caption);
    }
    if (!colour(L"BackGround", L"&HFF8080", &NShape::SetBackGround)) return false;
    if (!colour(L"BackColorNormal", L"&H8080FF", &NShape::SetBackColorNormal)) return false;
    if (!colour(L"BackColorHover", L"&H80C0FF", &NShape::SetBackColorHover)) return false;
    if (!colour(L"BackColorDown", L"&H80FFFF", &NShape::SetBackColorDown)) return false;
    if (!colour(L"BorderColorNormal", L"&H00FFFF80&", &NShape::SetBorderColorNormal)) return false;
    if (!colour(L"BorderColorHover", L"&H00FFFF80&", &NShape::SetBorderColorHover)) return false;
    if (!colour(L"BorderColorDown", L"&H00FFFF80&", &NShape::SetBorderColorDown)) return false;
    {
        auto size = ToInt16(bag.Read(L"FontSize", Value(L"8")));
        if (!size || !SetFontSize(*size)) return false;
    }
    if (!flag(L"FontBold", L"False", &NShape::SetFontBold)) return false;
    {
        // The whole stored font is kept, so that saving after loading writes back what was loaded.
        auto font = ToFont(bag.Read(L"Font", Value(L"MS Sans Serif")));
        if (!font) return false;
        font_ = *font;
    }
    if (!flag(L"Enabled", L"True", &NShape::SetEnabled)) return false;
    if (!flag(L"BorderGotFocus", L"False", &NShape::SetBorderGotFocus)) return false;
    if (!colour(L"BorderCustom", L"&H80FF80", &NShape::SetBorderCustom)) return false;
    {
        auto style = ToInt32(bag.Read(L"Style", Value(L"4")));
        if (!style || !SetStyle(*style)) return false;
    }
    if (!flag(L"Graphical", L"False", &NShape::SetGraphical)) return false;
    if (!colour(L"ForeColorNormal", kForeColorDefault, &NShape::SetForeColorNormal)) return false;
    if (!colour(L"ForeColorHover", kForeColorDefault, &NShape::SetForeColorHover)) return false;
    if (!colour(L"ForeColorDown", kForeColorDefault, &NShape::SetForeColorDown)) return false;
    if (!flag(L"Text_Visible", L"False", &NShape::SetTextVisible)) return false;
    if (!flag(L"StretchToText", L"True", &NShape::SetStretchToText)) return false;
    return true;
}

bool NShape::WriteProperties(PropertyBag& bag) const {
    auto boolean = [](bool b) { return Value::Bool16(b ? kTrue : kFalse); };
    bag.WriteAlways(L"Picture_Normal", Value(pictureNormal_));
    bag.WriteAlways(L"Picture_Down", Value(pictureDown_));
    bag.WriteAlways(L"Picture_Hover", Value(pictureHover_));
    bag.WriteAlways(L"Stretch", boolean(image_.stretch));
    bag.Write(L"Caption", Value(Caption()), Value(kCaptionDefault));
    bag.Write(L"BackGround", Value::Color(backGround_), Value(L"&HFF8080"));
    bag.Write(L"BackColorNormal", Value::Color(backNormal_), Value(L"&H8080FF"));
    bag.Write(L"BackColorHover", Value::Color(backHover_), Value(L"&H80C0FF"));
    bag.Write(L"BackColorDown", Value::Color(backDown_), Value(L"&H80FFFF"));
    bag.Write(L"BorderColorNormal", Value::Color(borderNormal_), Value(L"&H00FFFF80&"));
    bag.Write(L"BorderColorHover", Value::Color(borderHover_), Value(L"&H00FFFF80&"));
    bag.Write(L"BorderColorDown", Value::Color(borderDown_), Value(L"&H00FFFF80&"));
    bag.Write(L"FontSize", Value(static_cast<int>(FontSize())), Value(L"8"));
    bag.Write(L"FontBold", boolean(label_.bold), Value(L"False"));
    bag.WriteAlways(L"Font", Value(font_));
    bag.Write(L"Enabled", boolean(enabled_), Value(L"True"));
    bag.Write(L"BorderGotFocus", boolean(borderGotFocus_), Value(L"False"));
    bag.Write(L"BorderCustom", Value::Color(borderCustom_), Value(L"&H80FF80"));
    bag.Write(L"Style", Value(static_cast<int>(Style())), Value(L"4"));
    bag.Write(L"Graphical", boolean(graphical_), Value(L"False"));
    bag.Write(L"ForeColorNormal", Value::Color(foreNormal_), Value(kForeColorDefault));
    bag.Write(L"ForeColorHover", Value::Color(foreHover_), Value(kForeColorDefault));
    bag.Write(L"ForeColorDown", Value::Color(foreDown_), Value(kForeColorDefault));
    bag.Write(L"Text_Visible", boolean(textVisible_), Value(L"False"));
    bag.Write(L"StretchToText", boolean(stretchToText_), Value(L"True"));
    return true;
}

// ---------------------------------------------------------------------------------------------------------------
// Properties

void NShape::SetCaption(const std::wstring& caption) {
    if (caption != label_.text) {
        label_.text = caption;
        MeasureCaption();
        Changed();
        Ajustar_Botao();
        if (site_) site_->CaptionChanged(label_.text);
    }
    Notify(L"Caption");
}

bool NShape::SetStyle(std::int32_t style) {
    // Narrowing to 16 bits overflows outside its range; Shape1 takes only its six kinds.
    if (style < -32768 || style > 32767) return false;
    if (style < 0 || style > 5) return false;
    shape_.kind = static_cast<FigureKind>(style);
    Changed();
    Notify(L"Style");
    return true;
}

std::int16_t NShape::FontSize() const { return static_cast<std::int16_t>(std::nearbyint(label_.points)); }

bool NShape::SetFontSize(std::int16_t points) {
    // The caption element takes sizes from 1 to 2160 points.
    if (points < 1 || points > 2160) return false;
    label_.points = points;
    MeasureCaption();
    Changed();
    Notify(L"FontSize");
    return true;
}

void NShape::SetFontBold(bool bold) {
    label_.bold = bold;
    MeasureCaption();
    Changed();
    Notify(L"FontBold");
}

void NShape::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled) heldButtons_ = 0;
    if (site_) site_->EnabledChanged(enabled);
    Notify(L"Enabled");
    label_.color = enabled ? foreNormal_ : kDisabledText;
    Changed();
    Refresh();
}

void NShape::SetBorderGotFocus(bool on) {
    borderGotFocus_ = on;
    Notify(L"BorderGotFocus");
}

void NShape::SetPictureNormal(const Picture& picture) {
    pictureNormal_ = picture;
    Notify(L"Picture_Normal");
    ShowPicture(pictureNormal_);
}

void NShape::SetPictureDown(const Picture& picture) {
    pictureDown_ = picture;
    Notify(L"Picture_Down");
}

void NShape::SetPictureHover(const Picture& picture) {
    pictureHover_ = picture;
    Notify(L"Picture_Hover");
}

void NShape::SetGraphical(bool on) {
    graphical_ = on;
    Notify(L"Graphical");
    image_.visible = on;
    Changed();
    Ajustar_Botao();
}

void NShape::SetStretchToText(bool on) {
    stretchToText_ = on;
    Notify(L"StretchToText");
    Ajustar_Botao();
}

void NShape::SetTextVisible(bool on) {
    textVisible_ = on;
    Notify(L"Text_Visible");
    label_.visible = on;
    Changed();
    Ajustar_Botao();
}

void NShape::SetStretch(bool on) {
    image_.stretch = on;
    // Without stretching the element takes the natural size of its picture again.
    if (!on) ShowPicture(image_.shown);
    Changed();
    Notify(L"Stretch");
}

std::int32_t NShape::CurPicture() const {
    const std::uint64_t shown = PictureHandle(image_.shown);
    if (shown == 0) return 0;
    if (shown == PictureHandle(pictureNormal_)) return 3;
    if (shown == PictureHandle(pictureDown_)) return 1;
    if (shown == PictureHandle(pictureHover_)) return 2;
    return 0;
}

void NShape::SetForeColorNormal(OleColor c) {
    foreNormal_ = c;
    label_.color = enabled_ ? c : kDisabledText;
    Changed();
    Notify(L"ForeColorNormal");
}

void NShape::SetForeColorHover(OleColor c) {
    foreHover_ = c;
    Notify(L"ForeColorHover");
}

void NShape::SetForeColorDown(OleColor c) {
    foreDown_ = c;
    Notify(L"ForeColorDown");
}

void NShape::SetBackGround(OleColor c) {
    backGround_ = c;
    Changed();
    Notify(L"BackGround");
}

void NShape::SetBackColorNormal(OleColor c) {
    backNormal_ = c;
    shape_.fill = c;
    Changed();
    Notify(L"BackColorNormal");
}

void NShape::SetBackColorHover(OleColor c) {
    backHover_ = c;
    Notify(L"BackColorHover");
}

void NShape::SetBackColorDown(OleColor c) {
    backDown_ = c;
    Notify(L"BackColorDown");
}

void NShape::SetBorderCustom(OleColor c) {
    borderCustom_ = c;
    Notify(L"BorderCustom");
}

void NShape::SetBorderColorNormal(OleColor c) {
    borderNormal_ = c;
    shape_.border = c;
    Changed();
    Notify(L"BorderColorNormal");
}

void NShape::SetBorderColorHover(OleColor c) {
    borderHover_ = c;
    Notify(L"BorderColorHover");
}

void NShape::SetBorderColorDown(OleColor c) {
    borderDown_ = c;
    Notify(L"BorderColorDown");
}

// ---------------------------------------------------------------------------------------------------------------
// Layout

void NShape::Ajustar_Botao() {
    const double lw = label_.box.width;
    const double lh = label_.box.height;
    const double iw = image_.box.width;
    const double ih = image_.box.height;

    if (stretchToText_ && !requestingWidth_) {
        double content;
        if (textVisible_ && graphical_)
            content = lw + 2 * kMargin + iw + kMargin;
        else if (textVisible_)
            content = lw + 2 * kMargin;
        else if (graphical_)
            content = iw + 2 * kMargin;
        else
            content = 2 * kMargin;
        const int wanted = RoundPixel(content);
        if (wanted != width_) {
            // The resize comes back through SizeChanged, which raises Resize and lays out again inside this step.
            requestingWidth_ = true;
            if (site_)
                site_->RequestWidth(wanted);
            else
                SizeChanged(wanted, height_);
            requestingWidth_ = false;
        }
    }

    const double sw = width_;
    const double sh = height_;
    shape_.box.top = 0;
    shape_.box.height = sh;
    shape_.box.left = 0;
    shape_.box.width = sw;
    image_.box.top = (sh - ih) / 2.0;
    image_.box.left = kMargin;
    label_.box.top = (sh - lh) / 2.0;
    if (stretchToText_)
        label_.box.left = graphical_ ? image_.box.left + iw + kMargin : kMargin;
    else
        label_.box.left = (sw - lw) / 2.0;
    Changed();
}

void NShape::SizeChanged(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Raise(events_.resize);
    Ajustar_Botao();
}

void NShape::OnPaint() {
    // Every repaint puts Picture_Normal back; the paint itself follows, so no further invalidation.
    image_.shown = pictureNormal_;
    if (!image_.stretch) {
        std::optional<plat::Size> natural;
        if (!pictureNormal_.empty() && pictureSizer_) natural = pictureSizer_(pictureNormal_);
        image_.box.width = natural ? natural->cx : kEmptyPictureSide;
        image_.box.height = natural ? natural->cy : kEmptyPictureSide;
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Pointer

NShapeSource NShape::SourceAt(float x, float y) const {
    if (label_.visible && InRect(label_.box, x, y)) return NShapeSource::Caption;
    if (image_.visible && InRect(image_.box, x, y)) return NShapeSource::Picture;
    return NShapeSource::Surface;
}

MouseArgs NShape::ArgsFor(NShapeSource source, std::int16_t button, std::int16_t shift, float x, float y) const {
    MouseArgs a;
    a.button = button;
    a.shift = shift;
    a.x = x;
    a.y = y;
    if (source == NShapeSource::Caption) {
        a.x = static_cast<float>(x - label_.box.left);
        a.y = static_cast<float>(y - label_.box.top);
    } else if (source == NShapeSource::Picture) {
        a.x = static_cast<float>(x - image_.box.left);
        a.y = static_cast<float>(y - image_.box.top);
    }
    return a;
}

void NShape::MoveLogic(NShapeSource source, MouseArgs& args) {
    const std::int16_t button = args.button;
    const bool picture = source == NShapeSource::Picture;
    Raise(events_.mouseMove, args);

    if (!picture && button < 2) {
        if (!IsMouseOver()) {
            enterRaised_ = false;
            state_ = ButtonLook::Normal;
            ApplyStateColors();
        } else if (button == 0 && !enterRaised_) {
            if (services_.timers) services_.timers->Start(window_, kLeaveTimerId, kLeavePeriodMs);
            pollRunning_ = true;
            enterRaised_ = true;
            Raise(events_.mouseEnter);
            state_ = ButtonLook::Hover;
            ApplyStateColors();
        } else if (button == 1) {
            state_ = ButtonLook::Down;
            ApplyStateColors();
            enterRaised_ = false;
        }
    }

    if (button != 1) {
        plat::Pointer* pointer = services_.pointer;
        if (!pointer) return;
        if (pointer->Capture() == window_ && window_) {
            const double scale = dpi_ / 96.0;
            const plat::Point client{RoundPixel(lastX_ * scale), RoundPixel(lastY_ * scale)};
            const plat::Point screen = pointer->ClientToScreen(window_, client);
            if (pointer->WindowFromPoint(screen) != window_) {
                Refresh();
                pointer->ReleaseCapture();
                ShowPicture(pictureNormal_);
                if (!picture) mouseInside_ = false;
                Raise(events_.mouseOut);
            }
        } else {
            pointer->SetCapture(window_);
            if (PictureHandle(image_.shown) != PictureHandle(pictureHover_)) {
                ShowPicture(pictureHover_);
                if (!picture) mouseInside_ = true;
            }
        }
    }
}

void NShape::PointerMove(std::int16_t buttons, std::int16_t shift, float x, float y) {
    if (!enabled_) return;
    lastX_ = x;
    lastY_ = y;
    const NShapeSource source = heldButtons_ ? pressSource_ : SourceAt(x, y);
    MouseArgs args = ArgsFor(source, buttons, shift, x, y);
    MoveLogic(source, args);
}

void NShape::PressCapture() {
    // While a button is held the platform keeps the pointer input with the window that saw the press.
    plat::Pointer* pointer = services_.pointer;
    tookPressCapture_ = false;
    if (pointer && window_ && pointer->Capture() != window_) {
        pointer->SetCapture(window_);
        tookPressCapture_ = true;
    }
}

void NShape::ReleaseCaptureAfterPress() {
    plat::Pointer* pointer = services_.pointer;
    if (tookPressCapture_ && pointer && pointer->Capture() == window_) pointer->ReleaseCapture();
    tookPressCapture_ = false;
}

void NShape::PointerDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!enabled_) return;
    if (heldButtons_ == 0) {
        pressSource_ = SourceAt(x, y);
        PressCapture();
    }
    heldButtons_ = static_cast<std::int16_t>(heldButtons_ | button);
    const NShapeSource source = pressSource_;
    MouseArgs args = ArgsFor(source, button, shift, x, y);
    switch (source) {
        case NShapeSource::Surface:
            ShowPicture(pictureDown_);
            Raise(events_.mouseDown, args);
            if (button == 1) {
                state_ = ButtonLook::Down;
                ApplyStateColors();
            }
            break;
        case NShapeSource::Caption:
            Raise(events_.mouseDown, args);
            if (button == 1) {
                state_ = ButtonLook::Down;
                ApplyStateColors();
            }
            break;
        case NShapeSource::Picture:
            Raise(events_.mouseDown, args);
            break;
    }
}

void NShape::PointerUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!enabled_) {
        heldButtons_ = 0;
        return;
    }
    const NShapeSource source = heldButtons_ ? pressSource_ : SourceAt(x, y);
    heldButtons_ = static_cast<std::int16_t>(heldButtons_ & ~button);
    MouseArgs args = ArgsFor(source, button, shift, x, y);
    switch (source) {
        case NShapeSource::Surface:
            ShowPicture(pictureHover_);
            Raise(events_.mouseUp, args);
            state_ = IsMouseOver() ? ButtonLook::Hover : ButtonLook::Normal;
            Raise(events_.click);
            ApplyStateColors();
            break;
        case NShapeSource::Caption:
            Raise(events_.mouseUp, args);
            state_ = IsMouseOver() ? ButtonLook::Hover : ButtonLook::Normal;
            Raise(events_.click);
            ApplyStateColors();
            break;
        case NShapeSource::Picture:
            Raise(events_.mouseUp, args);
            Raise(events_.click);
            break;
    }
    if (heldButtons_ == 0) ReleaseCaptureAfterPress();
}

void NShape::PointerDoubleClick(std::int16_t button, std::int16_t /*shift*/, float x, float y) {
    if (!enabled_) return;
    // The second press of a double-click raises DblClick instead of MouseDown; its release follows as usual.
    if (heldButtons_ == 0) {
        pressSource_ = SourceAt(x, y);
        PressCapture();
    }
    heldButtons_ = static_cast<std::int16_t>(heldButtons_ | button);
    Raise(events_.dblClick);
}

// ---------------------------------------------------------------------------------------------------------------
// Keyboard, focus, timer

void NShape::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (!enabled_) return;
    if (services_.keys) {
        if (keyCode == 39 || keyCode == 40)
            services_.keys->Send(L"{TAB}");
        else if (keyCode == 37 || keyCode == 38)
            services_.keys->Send(L"+{TAB}");
    }
    std::int16_t code = keyCode;
    std::int16_t mods = shift;
    auto h = events_.keyDown;
    if (h) h(code, mods);
}

void NShape::KeyPress(std::int16_t keyAscii) {
    if (!enabled_) return;
    std::int16_t ascii = keyAscii;
    auto h = events_.keyPress;
    if (h) h(ascii);
}

void NShape::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (!enabled_) return;
    std::int16_t code = keyCode;
    std::int16_t mods = shift;
    auto h = events_.keyUp;
    if (h) h(code, mods);
    Refresh();
}

void NShape::GotFocus() {
    if (!borderGotFocus_) return;
    shape_.border = borderCustom_;
    Changed();
}

void NShape::LostFocus() {
    if (!borderGotFocus_) return;
    // Back to the border of the current look.
    switch (state_) {
        case ButtonLook::Hover:
            shape_.border = borderHover_;
            break;
        case ButtonLook::Down:
            shape_.border = borderDown_;
            break;
        default:
            shape_.border = borderNormal_;
            break;
    }
    Changed();
}

void NShape::TimerTick(unsigned timerId) {
    if (timerId != kLeaveTimerId || !pollRunning_) return;
    if (IsMouseOver()) return;
    if (services_.timers) services_.timers->Stop(window_, kLeaveTimerId);
    pollRunning_ = false;
    enterRaised_ = false;
    Raise(events_.mouseLeave);
    state_ = ButtonLook::Normal;
    ApplyStateColors();
}

}  // namespace kit
