// N_Shape, the kit's graphical button: properties, persistence, pointer/keyboard/focus behaviour and layout,
// in portable C++ against the platform interfaces. A host window feeds it input and paints what it describes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "controls/common/property_bag.h"
#include "platform/platform.h"

namespace kit {

// Looks that ButtonState selects.
enum class ButtonLook : std::int16_t { Normal = 0, Hover = 1, Down = 2 };

// Which element reports a pointer notification.
enum class NShapeSource { Surface, Caption, Picture };

// Figure kinds of Shape1 (the Style property).
enum class FigureKind : std::int16_t {
    Rectangle = 0,
    Square = 1,
    Oval = 2,
    Circle = 3,
    RoundedRectangle = 4,
    RoundedSquare = 5
};

// Arguments of the pointer events; handlers receive them by reference, as the events declare.
struct MouseArgs {
    std::int16_t button = 0;  // 1 left, 2 right, 4 middle
    std::int16_t shift = 0;   // 1 Shift, 2 Ctrl, 4 Alt
    float x = 0;              // pixels, relative to the reporting element
    float y = 0;
};

// The container's side: every event the button raises, synchronously. Unset handlers are skipped.
struct NShapeEvents {
    std::function<void()> click;
    std::function<void()> dblClick;
    std::function<void(MouseArgs&)> mouseMove;
    std::function<void(MouseArgs&)> mouseUp;
    std::function<void(MouseArgs&)> mouseDown;
    std::function<void()> mouseEnter;
    std::function<void()> mouseLeave;
    std::function<void()> mouseOver;  // declared by the control, never raised
    std::function<void()> mouseOut;
    std::function<void()> resize;
    std::function<void(std::int16_t& keyAscii)> keyPress;
    std::function<void(std::int16_t& keyCode, std::int16_t& shift)> keyDown;
    std::function<void(std::int16_t& keyCode, std::int16_t& shift)> keyUp;
    // A property was written (the name as the property is called), so a designer can mark its design modified.
    std::function<void(const wchar_t* property)> propertyChanged;
};

// The host window's side, implemented by the Win32 host (and by fakes in tests).
class NShapeSite {
public:
    virtual ~NShapeSite() = default;
    // Something visible changed; repaint when convenient.
    virtual void Invalidate() = 0;
    // Repaint now (the paint calls NShape::OnPaint before drawing).
    virtual void Refresh() = 0;
    // The layout wants the control this wide (96-dpi pixels); the host resizes its window and reports the new
    // size through NShape::SizeChanged before returning.
    virtual void RequestWidth(int width) = 0;
    // The surface's enabled flag changed: the host stops or resumes input to its window.
    virtual void EnabledChanged(bool enabled) = 0;
    // The caption text changed: the host shows it at once, even if the thread then blocks.
    virtual void CaptionChanged(const std::wstring& caption) = 0;
};

// Natural size (96-dpi pixels) of the image a picture refers to, or nothing when the host cannot resolve it.
using PictureSizer = std::function<std::optional<plat::Size>(const Picture&)>;

// A rectangle in floating-point 96-dpi pixels, as the elements hold their positions.
struct RectF {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The figure to draw for a kind in a box of whole pixels: its own box and, for rounded kinds, the diameter of
// the corner ellipse (0 for sharp corners). Kind Oval and Circle are ellipses inscribed in `box`.
struct FigureGeometry {
    bool ellipse = false;
    int left = 0, top = 0, width = 0, height = 0;
    int corner = 0;
};
FigureGeometry FigureFor(FigureKind kind, int boxWidth, int boxHeight);

// Identity of a picture's image for comparisons: 0 for an empty picture, otherwise derived from its reference,
// so two pictures of the same image compare equal.
std::uint64_t PictureHandle(const Picture& picture);

// A half pixel rounds up (toward positive infinity), the one rule for placing elements.
int RoundPixel(double value);

class NShape {
public:
    static constexpr unsigned kLeaveTimerId = 1;
    static constexpr unsigned kLeavePeriodMs = 1;
    static constexpr OleColor kDisabledText = 0x00B3B3B3;
    static constexpr const wchar_t* kCaptionFace = L"微软雅黑";

    // `window` is the control's own window (what WindowFromPoint returns over it); `width` and `height` its
    // starting size in 96-dpi pixels. `site` may be null (nothing repaints; width requests apply directly).
    NShape(const plat::Services& services, plat::WindowId window, int width, int height, NShapeSite* site);
    NShape(const NShape&) = delete;
    NShape& operator=(const NShape&) = delete;

    NShapeEvents& events() { return events_; }
    void SetPictureSizer(PictureSizer sizer) { pictureSizer_ = std::move(sizer); }
    void SetWindow(plat::WindowId window) { window_ = window; }
    plat::WindowId window() const { return window_; }
    // The window's DPI, to turn element positions back into the window's client pixels for ClientToScreen.
    void SetDpi(unsigned dpi) { dpi_ = dpi ? dpi : 96; }

    // Creation by a container: a new instance, or one loaded from the container's bag. Load returns whether every
    // key was applied (it stops silently at the first that fails). Save writes the keys and returns whether all
    // were written.
    void InitProperties(const std::wstring& instanceName);
    bool ReadProperties(const PropertyBag& bag);
    bool WriteProperties(PropertyBag& bag) const;

    // ---- Properties, in the control's declared order. Writes that an element refuses return false and change
    // nothing (no notification).
    std::wstring Caption() const { return label_.text; }
    void SetCaption(const std::wstring& caption);
    std::int32_t Style() const { return static_cast<std::int32_t>(shape_.kind); }
    bool SetStyle(std::int32_t style);
    std::int16_t FontSize() const;
    bool SetFontSize(std::int16_t points);
    bool FontBold() const { return label_.bold; }
    void SetFontBold(bool bold);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool BorderGotFocus() const { return borderGotFocus_; }
    void SetBorderGotFocus(bool on);
    const Picture& PictureNormal() const { return pictureNormal_; }
    void SetPictureNormal(const Picture& picture);
    const Picture& PictureDown() const { return pictureDown_; }
    void SetPictureDown(const Picture& picture);
    const Picture& PictureHover() const { return pictureHover_; }
    void SetPictureHover(const Picture& picture);
    bool Graphical() const { return graphical_; }
    void SetGraphical(bool on);
    bool StretchToText() const { return stretchToText_; }
    void SetStretchToText(bool on);
    bool TextVisible() const { return textVisible_; }
    void SetTextVisible(bool on);
    bool Stretch() const { return image_.stretch; }
    void SetStretch(bool on);
    std::int32_t CurPicture() const;
    bool MouseInside() const { return mouseInside_; }
    void Ajustar_Botao();
    OleColor ForeColorNormal() const { return foreNormal_; }
    void SetForeColorNormal(OleColor c);
    OleColor ForeColorHover() const { return foreHover_; }
    void SetForeColorHover(OleColor c);
    OleColor ForeColorDown() const { return foreDown_; }
    void SetForeColorDown(OleColor c);
    OleColor BackGround() const { return backGround_; }
    void SetBackGround(OleColor c);
    OleColor BackColorNormal() const { return backNormal_; }
    void SetBackColorNormal(OleColor c);
    OleColor BackColorHover() const { return backHover_; }
    void SetBackColorHover(OleColor c);
    OleColor BackColorDown() const { return backDown_; }
    void SetBackColorDown(OleColor c);
    OleColor BorderCustom() const { return borderCustom_; }
    void SetBorderCustom(OleColor c);
    OleColor BorderColorNormal() const { return borderNormal_; }
    void SetBorderColorNormal(OleColor c);
    OleColor BorderColorHover() const { return borderHover_; }
    void SetBorderColorHover(OleColor c);
    OleColor BorderColorDown() const { return borderDown_; }
    void SetBorderColorDown(OleColor c);
    // The control-level font: stored with the instance, used by no element.
    const Font& ControlFont() const { return font_; }
    void SetControlFont(const Font& font) { font_ = font; }

    // ---- State the looks and tests read.
    ButtonLook ButtonState() const { return state_; }
    bool EnterRaised() const { return enterRaised_; }
    const Picture& ShownPicture() const { return image_.shown; }

    // ---- Input from the host. Positions are in the control's 96-dpi client pixels; the model finds the element
    // under them. `buttons` of a move is the mask of held buttons; `button` of a press or release the one button.
    NShapeSource SourceAt(float x, float y) const;
    void PointerMove(std::int16_t buttons, std::int16_t shift, float x, float y);
    void PointerDown(std::int16_t button, std::int16_t shift, float x, float y);
    void PointerUp(std::int16_t button, std::int16_t shift, float x, float y);
    void PointerDoubleClick(std::int16_t button, std::int16_t shift, float x, float y);
    void KeyDown(std::int16_t keyCode, std::int16_t shift);
    void KeyPress(std::int16_t keyAscii);
    void KeyUp(std::int16_t keyCode, std::int16_t shift);
    void GotFocus();
    void LostFocus();
    void TimerTick(unsigned timerId);
    // The window's size changed (96-dpi pixels): Resize, then the layout, when it differs from the last one.
    void SizeChanged(int width, int height);
    // Called by the host at the start of every repaint, whatever caused it.
    void OnPaint();

    // ---- What a repaint draws, bottom to top.
    int Width() const { return width_; }
    int Height() const { return height_; }
    OleColor SurfaceColor() const { return backGround_; }
    FigureKind Figure() const { return shape_.kind; }
    RectF FigureBox() const { return shape_.box; }
    OleColor FillColor() const { return shape_.fill; }
    OleColor BorderColor() const { return shape_.border; }
    bool DrawsPicture() const { return graphical_; }
    RectF PictureBox() const { return image_.box; }
    bool DrawsCaption() const { return textVisible_; }
    RectF CaptionBox() const { return label_.box; }
    OleColor TextColor() const { return label_.color; }
    double CaptionPoints() const { return label_.points; }

private:
    struct ShapeElement {
        FigureKind kind = FigureKind::RoundedRectangle;
        OleColor fill = 0x00EFF1F2;
        OleColor border = 0x00B3B3B3;
        RectF box;
    };
    struct ImageElement {
        Picture shown;
        bool stretch = false;
        bool visible = true;
        RectF box{8, 8, 17, 17};
    };
    struct LabelElement {
        std::wstring text = L"NShape1";
        OleColor color = 0x00000000;
        double points = 8;
        bool bold = false;
        bool visible = true;
        RectF box;
    };

    void Notify(const wchar_t* property);
    void Changed();
    void Refresh();
    void ShowPicture(const Picture& picture);
    void MeasureCaption();
    void ApplyStateColors();
    bool IsMouseOver() const;
    void MoveLogic(NShapeSource source, MouseArgs& args);
    void PressCapture();
    void ReleaseCaptureAfterPress();
    MouseArgs ArgsFor(NShapeSource source, std::int16_t button, std::int16_t shift, float x, float y) const;
    void Raise(const std::function<void()>& handler);
    void Raise(const std::function<void(MouseArgs&)>& handler, MouseArgs& args);

    const plat::Services& services_;
    plat::WindowId window_;
    NShapeSite* site_;
    NShapeEvents events_;
    PictureSizer pictureSizer_;
    unsigned dpi_ = 96;

    int width_;
    int height_;
    OleColor backGround_ = 0x00EFF1F2;
    bool enabled_ = true;
    ShapeElement shape_;
    ImageElement image_;
    LabelElement label_;

    Picture pictureNormal_, pictureDown_, pictureHover_;
    OleColor backNormal_ = 0, backHover_ = 0, backDown_ = 0;
    OleColor borderNormal_ = 0, borderHover_ = 0, borderDown_ = 0;
    OleColor foreNormal_ = 0, foreHover_ = 0, foreDown_ = 0;
    OleColor borderCustom_ = 0;
    bool borderGotFocus_ = false;
    bool graphical_ = false;
    bool textVisible_ = false;
    bool stretchToText_ = false;
    Font font_;

    ButtonLook state_ = ButtonLook::Normal;
    bool enterRaised_ = false;
    bool pollRunning_ = false;  // a tick already queued when the poll stopped must not raise MouseLeave again
    bool mouseInside_ = false;

    std::int16_t heldButtons_ = 0;                      // buttons pressed on this control and not yet released
    NShapeSource pressSource_ = NShapeSource::Surface;  // the element that saw the first of them
    bool tookPressCapture_ = false;
    float lastX_ = 0;  // the latest pointer position, control-relative
    float lastY_ = 0;
    bool requestingWidth_ = false;
};

}  // namespace kit
