// Check button CheckButton: a three-state check box drawn from twelve box images, with a caption and leave
// detection by a 50 ms pointer poll.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "controls/common/control_events.h"
#include "controls/common/control_model.h"
#include "controls/common/control_site.h"
#include "controls/common/look.h"
#include "controls/common/pointer_tracker.h"
#include "controls/common/property_bag.h"
#include "controls/common/property_table.h"
#include "platform/platform.h"
#include "platform/units.h"

namespace kit {

// One 13 x 13 box image, rows top-down, each pixel 0x00RRGGBB (the byte order of a 32-bit DIB).
struct BoxImage {
    static constexpr int kSide = 13;
    std::array<std::uint32_t, kSide * kSide> pixels{};
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * kSide + x)]; }
};

// The values that have box images; other values have none. A click cycles 1 to 0, 0 to 1 and 2 to 0.
enum CheckValue : std::int32_t { kUnchecked = 0, kChecked = 1, kIndeterminate = 2 };

// The image of a value in a look: normal, hover, pressed (Down) and disabled for each value.
constexpr int kLooksPerValue = 4;
constexpr int kBoxValues = kIndeterminate + 1;
constexpr int kBoxImageCount = kLooksPerValue * kBoxValues;
constexpr int BoxImageIndex(int value, ButtonLook look) { return kLooksPerValue * value + static_cast<int>(look); }

// The twelve box images, made once, at BoxImageIndex(value, look).
const std::array<BoxImage, kBoxImageCount>& CheckBoxImages();

// Events the check button raises to its container; key and mouse arguments are by reference and not read back.
struct CheckButtonEvents {
    PlainEvent Click;
    KeyEvent KeyDown;
    KeyAsciiEvent KeyPress;
    KeyEvent KeyUp;
    PlainEvent MouseOut;
    PointerEvent MouseDown;
    PointerEvent MouseMove;
    PointerEvent MouseUp;
    PropertyEvent PropertyChanged;
};

// The portable model of the check button. Its measures and event positions are twips, like the container's.
// A new check button takes two keys' defaults from its container: the name it gave the instance and its font.
class CheckButton final : public Stored<CheckButton, ControlModel<CheckButtonEvents, plat::SizeUnit::Twips>> {
public:
    using Events = CheckButtonEvents;
    enum class Source { Surface, Picture, Caption };

    // The leave poll.
    static constexpr unsigned kTimer1 = 1;
    static constexpr unsigned kTimer1PeriodMs = 50;
    static constexpr int kBoxTwips = 195;                     // the picture area p, 13 x 13 pixels
    static constexpr int kCaptionLeft = 240;                  // the caption lbl
    static constexpr OleColor kDisabledCaption = 0x0092A1A1;  // RGB(161,161,146)
    static constexpr double kCueMargin = 30;                  // twips beside the caption
    static constexpr double kEmptyCueWidth = 60;

    CheckButton(const plat::Services& services, Events events = {});

    // Properties.
    std::int32_t Value() const { return value_; }
    void SetValue(std::int32_t value);
    std::wstring Caption() const override { return caption_; }
    void SetCaption(const std::wstring& text) override;
    const kit::Font& Font() const { return font_; }
    void SetFont(const kit::Font& font);
    OleColor BackColor() const { return backColor_; }
    // The background as painted, which takes a new BackColor after its notification.
    OleColor SurfaceColor() const { return surfaceColor_; }
    void SetBackColor(OleColor c);
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor c);

    // The stored keys in load order, the order they are saved in, and the steps of a new instance (InitNew, Load
    // and Save run them).
    static const PropertyTable<CheckButton, Ambient> kStoredKeys;

    // Notifications from the window; positions are twips of the control, as events report them.
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    // The second press of a double-click: it keeps the pointer until its release but raises nothing, and the
    // release that follows makes no click.
    void DblClick(std::int16_t button, std::int16_t shift, float x, float y) override;
    // The pointer was taken away while held (another window captured it): the press ends, so the next press
    // holds the pointer again.
    void CaptureLost() override;
    void Click();  // a click on the surface, the box or the caption
    // The keyboard never presses the check button: system keys are raised as any other.
    bool WindowTakesKeys() const override { return true; }
    void KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) override;
    std::int16_t KeyPress(std::int16_t keyAscii) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    void TimerTick(unsigned timerId) override;
    void Resize(int widthTwips, int heightTwips) override;
    void GotFocus() override {}  // the focus shows only as the host's focus cue
    void LostFocus() override {}

    void Placed() override {}
    bool CaptionIsWindowText() const override { return false; }
    // The background, the box image of the value and look, the caption and, as on Windows' check boxes, the focus
    // cue around the caption (or a small area beside the box when it is empty). The box images carry the looks.
    void Paint(plat::Canvas& canvas) override;
    AccessibleInfo Describe(bool focused) const override;
    bool DoDefaultAction() override;

    // State for painting and tests.
    int ShownImage() const { return shownImage_; }  // -1 before any image was shown
    OleColor CaptionColor() const { return captionColor_; }
    bool Polling() const { return tracker_.Polling(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BoxTop() const { return boxTop_; }
    int CaptionTop() const { return captionTop_; }
    double CaptionWidth() const { return captionWidth_; }
    double CaptionHeight() const { return captionHeight_; }
    Source HitTest(float x, float y) const;

private:
    TrackerParams PollParams();
    void RefreshPicture();
    void ShowLook(ButtonLook look);
    void Layout();
    void MeasureCaption();
    // Creation: shows the first image, lays out and starts the poll.
    void Attached(plat::WindowId window) override;
    void EnabledChanged() override;
    // The event position: relative to the part the press began on, or to the part under the pointer.
    Source PartFor(float x, float y) const;
    void Relative(Source part, float* x, float* y) const;
    // A press whose release will not come ends: the look the pointer calls for, no click.
    void EndPress(bool pressed);
    // Whether a point of the control lies in its window's client area.
    bool OnClient(float x, float y) const;

    PointerTracker tracker_;

    kit::Font font_;
    std::int32_t value_ = 0;
    OleColor backColor_ = 0;
    OleColor surfaceColor_ = 0;
    OleColor foreColor_ = 0;
    std::wstring caption_ = L"Check1";
    OleColor captionColor_ = 0x80000012;  // a label's default text colour until the properties set it

    int width_ = 1410;
    int height_ = 975;
    int boxTop_ = 0;
    int captionTop_ = 0;
    double captionWidth_ = 555;
    double captionHeight_ = 180;
    int shownImage_ = -1;
    Source pressPart_ = Source::Surface;
    bool clickPending_ = false;  // a left press whose release on the control clicks
    struct LastMove {
        float x, y;
        std::int16_t buttons;
    };
    std::optional<LastMove> lastMove_;  // the last move taken, which the system may repeat
};

}  // namespace kit
