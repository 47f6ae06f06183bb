// Captioned text box N_TextBox: a single-line text box in a drawn border, with an optional header caption, a
// digits-only mode, select-all on focus, a label mode and an about box.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/common/control_events.h"
#include "controls/common/control_model.h"
#include "controls/common/look.h"
#include "controls/common/control_site.h"
#include "controls/common/property_bag.h"
#include "controls/common/property_table.h"
#include "platform/platform.h"
#include "platform/units.h"

namespace kit {

// The events the text box raises to its container.
struct NTextBoxEvents {
    PlainEvent DblClick;
    PointerEvent MouseDown;
    PointerEvent MouseMove;
    PointerEvent MouseUp;
    PlainEvent Change;
    PlainEvent Click;
    KeyEvent KeyUp;
    KeyEvent KeyDown;
    // The container may change the code; the digits-only filter then judges the changed code.
    KeyAsciiEvent KeyPress;
    PropertyEvent PropertyChanged;
};

// The portable model of the captioned text box. Every measure is in twips.
class NTextBox final : public Stored<NTextBox, ControlModel<NTextBoxEvents, plat::SizeUnit::Twips>> {
public:
    enum HAlign : std::int32_t { kLeft = 0, kRight = 1, kCentre = 2 };
    enum VAlign : std::int32_t { kTop = 0, kMiddle = 1, kBottom = 2 };

    static constexpr int kMinWidth = 300;
    static constexpr int kMinHeight = 60;
    // The colours the parts are designed with, which are also the defaults of their keys.
    static constexpr OleColor kBlueText = 0x00D05C28;
    static constexpr OleColor kWhite = 0x00FFFFFF;

    using Events = NTextBoxEvents;

    struct Shape {  // shpBorder
        RectF r;
        OleColor fill = 0;
        OleColor border = 0;
    };
    struct TextPart {  // txt
        RectF r;
        std::wstring text;
        OleColor back = 0, fore = 0;
        kit::Font font;
        std::int32_t alignment = kLeft;
        bool locked = false, enabled = true, visible = true;
        std::wstring passwordChar;
    };
    struct LabelPart {  // lbl and lblHeader
        RectF r;
        std::wstring caption;
        OleColor fore = 0, back = 0;
        kit::Font font;
        std::int32_t alignment = kCentre;
        bool enabled = true, visible = false, opaque = false;
    };

    NTextBox(const plat::Services& services, Events events = {});
    // The title the about box shows: the application's own.
    void SetApplicationTitle(std::wstring title) { appTitle_ = std::move(title); }

    // Properties, in declared order. Writes that are refused return false and change nothing.
    const kit::Font& Font() const { return txt_.font; }
    void SetFont(const kit::Font& font);
    OleColor ForeColor() const { return txt_.fore; }
    void SetForeColor(OleColor c);
    OleColor BorderColor() const { return shp_.border; }
    void SetBorderColor(OleColor c) { ShowNow<OleColor>(shp_.border, nullptr, c, L"BorderColor"); }
    OleColor BackColor() const { return shp_.fill; }
    void SetBackColor(OleColor c);
    const std::wstring& Text() const { return txt_.text; }
    void SetText(const std::wstring& text);
    std::int32_t AlignementHorizontal() const { return txt_.alignment; }
    bool SetAlignementHorizontal(std::int32_t value);
    std::int32_t AlignementVertical() const { return vAlign_; }
    bool SetAlignementVertical(std::int32_t value);
    bool NumberBox() const { return numberBox_; }
    void SetNumberBox(bool on) { Keep(numberBox_, on, L"NumberBox"); }
    bool SelOnFocus() const { return selOnFocus_; }
    void SetSelOnFocus(bool on) { Keep(selOnFocus_, on, L"SelOnFocus"); }
    bool LabelBox() const { return lbl_.visible; }
    void SetLabelBox(bool on);
    bool Locked() const { return txt_.locked; }
    void SetLocked(bool on);
    const std::wstring& PasswordChar() const { return txt_.passwordChar; }
    void SetPasswordChar(const std::wstring& mask);
    bool Header() const { return hdr_.visible; }
    void SetHeader(bool on);
    std::int32_t HeaderAlignement() const { return hdr_.alignment; }
    bool SetHeaderAlignement(std::int32_t value);
    OleColor HeaderForeColor() const { return hdr_.fore; }
    void SetHeaderForeColor(OleColor c) { ShowNow<OleColor>(hdr_.fore, nullptr, c, L"HeaderForeColor"); }
    OleColor HeaderBackColor() const { return hdr_.back; }
    void SetHeaderBackColor(OleColor c);
    const kit::Font& HeaderFont() const { return hdr_.font; }
    void SetHeaderFont(const kit::Font& font);
    const std::wstring& HeaderCaption() const { return hdr_.caption; }
    void SetHeaderCaption(const std::wstring& caption);

    // The standard about box; never reports an error.
    void About();

    // The description the control publishes for a property (or for About); empty for an unknown name.
    static std::wstring_view DescriptionOf(std::wstring_view property);
    // Every property with its description, in declared order.
    static const std::vector<std::pair<std::wstring_view, std::wstring_view>>& Descriptions();
    static const wchar_t* const kAboutText;

    // Persistence: every key is written always; a load applies the values to the parts without notifying.
    static const PropertyTable<NTextBox, Ambient> kStoredKeys;

    // Size changes from the container, and the layout.
    void Resize(int widthTwips, int heightTwips) override;
    void RefreshLayout(std::int32_t verticalAlignment);

    // The pointer and the keys come from the text box part txt, the text field the site offers (its part id
    // parts::kTextField): positions are relative to txt, in twips. The control's own window takes no input.
    std::int16_t Take(const Input& input) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void DblClick(std::int16_t button, std::int16_t shift, float x, float y) override;
    // Another window took the pointer during a press: its release makes no click. The edit box gives the pointer
    // up itself as it handles the left release, which still clicks.
    void CaptureLost() override {
        if (!releasedLeft_) clickPending_ = false;
    }
    bool WindowTakesKeys() const override { return false; }
    void KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    std::int16_t KeyPress(std::int16_t keyAscii) override;
    // The edit box has handled the release MouseUp announced (its caret and selection are the system's): a click
    // when it was the left button's and a left press on the box began it.
    void TxtClick();
    // The text of the edit box changed by typing or pasting.
    void TxtEdited(const std::wstring& text);
    // The focus is txt's: the control's own window hears of it only to hand it on.
    void TxtGotFocus();
    void GotFocus() override {}
    void LostFocus() override {}
    void TimerTick(unsigned) override {}

    std::wstring Caption() const override { return hdr_.caption; }  // what readers hear the edit box called
    void SetCaption(const std::wstring& caption) override { SetHeaderCaption(caption); }
    bool CaptionIsWindowText() const override { return false; }
    void Placed() override {}
    // The control's back colour, the header, the border filled with the back colour, and the label of label mode;
    // txt is the text field, which draws itself.
    void Paint(plat::Canvas& canvas) override;
    AccessibleInfo Describe(bool focused) const override;
    bool DoDefaultAction() override { return false; }  // static text and edit boxes have none of their own

    // The parts, for painting and tests.
    int Width() const { return width_; }
    int Height() const { return height_; }
    OleColor ControlBackColor() const { return controlBack_; }
    const Shape& ShpBorder() const { return shp_; }
    const TextPart& Txt() const { return txt_; }
    const LabelPart& Lbl() const { return lbl_; }
    const LabelPart& LblHeader() const { return hdr_; }

private:
    // Whatever a load applied, even one a failing key stopped, the edit box shows.
    void Loaded() override {
        SyncTxt();
        Redraw();
    }
    static const PropertyKey<NTextBox, Ambient> kKeys[];
    static const NewInstanceStep<NTextBox, Ambient> kNewInstance[];
    void EnabledChanged() override;
    // Applies a value to the parts, then notifies the container under the property's name.
    template <typename Result, typename Param, typename Arg>
    Result Notified(Result (NTextBox::*apply)(Param), const Arg& value, const wchar_t* property);
    void RaiseMouse(const PointerEvent& event, std::int16_t button, std::int16_t shift, float x, float y);
    void SyncTxt();
    void PaintLabel(plat::Canvas& canvas, const LabelPart& part, bool onBox) const;
    // Stores a colour that the text box and one other part show alike, repaints and notifies.
    void ShowInTxt(OleColor& txtColor, OleColor& otherPart, OleColor c, const wchar_t* property);
    void ApplyText(const std::wstring& text);
    bool ApplyAlignementHorizontal(std::int32_t value);
    bool ApplyAlignementVertical(std::int32_t value);
    bool ApplyHeaderAlignement(std::int32_t value);
    void ApplyFont(const kit::Font& font);
    void ApplyPasswordChar(const std::wstring& mask);
    void ApplyLabelBox(bool on);
    void ApplyEnabled(bool on);
    void ApplyHeaderBackColor(OleColor c);
    bool Raising() const { return !lbl_.visible; }  // only txt raises events, and it is hidden in label mode
    static plat::TextAlign AlignOf(std::int32_t alignment);

    std::wstring appTitle_;

    Shape shp_;
    TextPart txt_;
    LabelPart lbl_;
    LabelPart hdr_;
    OleColor controlBack_ = 0x8000000F;
    int width_ = 2610;
    int height_ = 1020;

    bool numberBox_ = false;
    std::uint8_t vAlign_ = 0;
    bool selOnFocus_ = false;
    int resizing_ = 0;
    bool clickPending_ = false;  // a left press whose release clicks
    bool releasedLeft_ = false;  // the release the edit box is handling is the left button's
};

}  // namespace kit
