// N_Shape, the kit's graphical button: properties, persistence, pointer/keyboard/focus behaviour, layout and its
// look, in portable C++ against the platform interfaces. A host window feeds it input and a canvas to paint on.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "controls/common/button_press.h"
#include "controls/common/control_model.h"
#include "controls/common/control_site.h"
#include "controls/common/look.h"
#include "controls/common/property_bag.h"
#include "controls/common/property_table.h"
#include "platform/platform.h"

namespace kit {

// What CurPicture reports: which of the three pictures Image1 shows.
enum class ShownPictureKind : std::int32_t { None = 0, Down = 1, Hover = 2, Normal = 3 };

// Which element reports a pointer notification.
enum class NShapeSource { Surface, Caption, Picture };

// Figure kinds of Shape1 (the Style property).
using FigureKind = plat::FigureKind;

// Identity of a picture's image for comparisons: 0 for an empty picture, otherwise derived from its reference,
// so two pictures of the same image compare equal.
std::uint64_t PictureHandle(const Picture& picture);

class NShape final : public Stored<NShape, ButtonModel> {
public:
    static constexpr unsigned kLeaveTimerId = 1;
    static constexpr unsigned kLeavePeriodMs = 1;
    static constexpr OleColor kDisabledText = 0x00B3B3B3;
    static constexpr const wchar_t* kCaptionFace = L"微软雅黑";

    // The container's side: every event the button raises, in its declared order. Pointer positions are 96-dpi
    // pixels relative to the reporting element; the button does not read arguments back after raising.
    using Events = ButtonEvents;

    // The container's handlers; the window, its size and the site come with Attach.
    NShape(const plat::Services& services, Events events);

    // The stored keys in load order, and the steps of a new instance (InitNew, Load and Save run them).
    static const PropertyTable<NShape, Ambient> kStoredKeys;

    // ---- Properties, in the control's declared order. Writes that an element refuses return false and change
    // nothing (no notification).
    std::wstring Caption() const override { return label_.text; }
    void SetCaption(const std::wstring& caption) override;
    std::int32_t Style() const { return static_cast<std::int32_t>(shape_.kind); }
    bool SetStyle(std::int32_t style);
    std::int16_t FontSize() const;
    bool SetFontSize(std::int16_t points);
    bool FontBold() const { return label_.bold; }
    void SetFontBold(bool bold);
    bool BorderGotFocus() const { return borderGotFocus_; }
    void SetBorderGotFocus(bool on) { Keep(borderGotFocus_, on, L"BorderGotFocus"); }
    const Picture& PictureNormal() const { return pictureNormal_; }
    void SetPictureNormal(const Picture& picture);
    const Picture& PictureDown() const { return pictureDown_; }
    void SetPictureDown(const Picture& picture) { Keep(pictureDown_, picture, L"Picture_Down"); }
    const Picture& PictureHover() const { return pictureHover_; }
    void SetPictureHover(const Picture& picture) { Keep(pictureHover_, picture, L"Picture_Hover"); }
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
    void SetForeColorNormal(OleColor c);
    OleColor BackGround() const { return backGround_; }
    void SetBackGround(OleColor c) { ShowNow<OleColor>(backGround_, nullptr, c, L"BackGround"); }
    void SetBackColorNormal(OleColor c);
    OleColor BorderCustom() const { return borderCustom_; }
    void SetBorderCustom(OleColor c) { Keep(borderCustom_, c, L"BorderCustom"); }
    OleColor BorderColorNormal() const { return looks_[ButtonLook::Normal].third; }
    void SetBorderColorNormal(OleColor c);
    OleColor BorderColorHover() const { return looks_[ButtonLook::Hover].third; }
    void SetBorderColorHover(OleColor c) { Keep(looks_[ButtonLook::Hover].third, c, L"BorderColorHover"); }
    OleColor BorderColorDown() const { return looks_[ButtonLook::Down].third; }
    void SetBorderColorDown(OleColor c) { Keep(looks_[ButtonLook::Down].third, c, L"BorderColorDown"); }

    // ---- State the looks and tests read.
    const Picture& ShownPicture() const { return image_.shown; }

    // ---- Input from the host. Positions are 96-dpi pixels of the control; the model finds the element under
    // them. `buttons` of a move is the mask of held buttons; `button` of a press or release the one button.
    NShapeSource SourceAt(float x96, float y96) const;
    void GotFocus() override;
    // The focus left: a Space press still held makes no click; the border returns to the look's.
    void LostFocus() override;
    // Every repaint, whatever caused it, shows Picture_Normal again, then draws the look: the surface, the figure,
    // the picture and the caption, bottom to top, and the focus cue.
    void Paint(plat::Canvas& canvas) override;
    // The elements as they show now, bottom to top, and the focus cue: what Paint draws once Picture_Normal is back.
    void PaintElements(plat::Canvas& canvas) const;

    // ---- Creation and screen readers. The button takes the size its window was made at before its properties.
    void Placed() override {}
    AccessibleInfo Describe(bool focused) const override;
    bool DoDefaultAction() override;

    // ---- The elements a repaint draws.
    OleColor SurfaceColor() const { return backGround_; }
    RectF FigureBox() const { return shape_.box; }
    OleColor FillColor() const { return shape_.fill; }
    OleColor BorderColor() const { return shape_.border; }
    RectF PictureBox() const { return image_.box; }
    bool DrawsCaption() const { return label_.visible; }
    RectF CaptionBox() const { return label_.box; }
    OleColor TextColor() const { return label_.color; }
    double CaptionPoints() const { return label_.points; }
    plat::FontSpec CaptionFont() const { return SpecOf(kCaptionFace, label_.points, label_.bold); }

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

    struct StoredParts;  // what the keys that go straight to the parts do
    static const PropertyKey<NShape, Ambient> kKeys[];
    static const NewInstanceStep<NShape, Ambient> kNewInstance[];
    static constexpr int kMargin = 8;
    static constexpr int kEmptyPictureSide = 17;
    void SizePictureElement();

    // Stores whether an element shows, notifies, then shows or hides it and lays the control out again.
    void ShowElement(bool& stored, bool& elementVisible, bool on, const wchar_t* property);
    void Refresh();
    void ShowPicture(const Picture& picture);
    void MeasureCaption();
    void ApplyStateColors();
    // The caption shows a text colour only while enabled; a disabled caption is grey whatever the look.
    OleColor CaptionShows(OleColor text) const { return Enabled() ? text : kDisabledText; }

    // The press: the elements are NShapeSource's.
    int ElementAt(float x96, float y96) const override { return static_cast<int>(SourceAt(x96, y96)); }
    void RelativeTo(int element, float* x96, float* y96) const override;
    bool LookFollows(int element) const override { return element != static_cast<int>(NShapeSource::Picture); }
    void ShowLook() override { ApplyStateColors(); }
    void PressedOn(int element) override;
    void SpacePressed() override { ShowPicture(pictureDown_); }
    void ReleasedOn(int element) override;
    void HoverMove(int element, float x, float y) override;
    void KeyReleased() override { Refresh(); }
    void LayOut() override { Ajustar_Botao(); }
    void EnabledChanged() override;
    void Attached(plat::WindowId window) override;

    OleColor backGround_ = 0x00EFF1F2;
    ShapeElement shape_;
    ImageElement image_;
    LabelElement label_;

    Picture pictureNormal_, pictureDown_, pictureHover_;
    OleColor borderCustom_ = 0;
    bool borderGotFocus_ = false;
    bool graphical_ = false;
    bool textVisible_ = false;
    bool stretchToText_ = false;

    bool mouseInside_ = false;
    bool requestingWidth_ = false;
};

}  // namespace kit
