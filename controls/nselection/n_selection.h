// Selection entry N_Selection: a flat two-line entry (caption over description) whose colours follow the pointer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/common/button_press.h"
#include "controls/common/control_model.h"
#include "controls/common/control_site.h"
#include "controls/common/look.h"
#include "controls/common/property_bag.h"
#include "controls/common/property_table.h"
#include "platform/platform.h"

namespace kit {

// The portable model of the selection entry. Sizes and pointer positions are 96-dpi pixels.
class NSelection final : public Stored<NSelection, ButtonModel> {
public:
    // Which element a pointer notification came from; the labels are windowless, so the model finds them.
    enum class Source { Surface, Caption, Description };

    static constexpr unsigned kTimer1 = 1;
    static constexpr unsigned kTimer1PeriodMs = 1;
    static constexpr int kImage1Height = 41;  // the hidden picture whose height fixes the control's height
    static constexpr int kLabelLeft = 35;
    static constexpr int kDesignWidth = 182, kDesignHeight = 52;  // the size until the first size report

    // Events raised to the container. Arguments are by reference: the model reads Button back after MouseMove,
    // MouseDown and MouseUp, so a handler that changes it changes the control's reaction. MouseOver and MouseOut
    // are declared for containers that bind them, never raised.
    using Events = ButtonEvents;

    // A transparent label that sizes itself to its text.
    struct Label {
        std::wstring text;
        OleColor color = 0;
        std::wstring face = L"Verdana";
        double points = 8;
        bool bold = false;
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
    };

    NSelection(const plat::Services& services, Events events = {});

    // Properties, in the control's declared order. Writes that the element refuses return false and change
    // nothing, the notification included.
    std::wstring Caption() const override { return label1_.text; }
    void SetCaption(const std::wstring& text) override;
    const std::wstring& Description() const { return labelDescricao_.text; }
    void SetDescription(const std::wstring& text);
    std::int16_t FontSize() const;
    bool SetFontSize(std::int16_t points);
    bool FontBold() const { return label1_.bold; }
    void SetFontBold(bool bold);
    bool MouseInside() const { return EnterRaised(); }
    void Ajustar_Botao();
    void SetForeColorNormal(OleColor c);
    void SetBackColorNormal(OleColor c);
    OleColor ForeColorNormal_2() const { return looks_[ButtonLook::Normal].third; }
    void SetForeColorNormal_2(OleColor c);
    OleColor ForeColorHover_2() const { return looks_[ButtonLook::Hover].third; }
    void SetForeColorHover_2(OleColor c) { Keep(looks_[ButtonLook::Hover].third, c, L"ForeColorHover_2"); }
    OleColor ForeColorDown_2() const { return looks_[ButtonLook::Down].third; }
    void SetForeColorDown_2(OleColor c) { Keep(looks_[ButtonLook::Down].third, c, L"ForeColorDown_2"); }

    // The stored keys in load order, and the steps of a new instance (InitNew, Load and Save run them).
    static const PropertyTable<NSelection, Ambient> kStoredKeys;

    // Notifications from the window. Pointer positions are 96-dpi pixels of the control.
    void RaiseClick();           // a click without the pointer: a screen reader's default action
    void ClickNotified();        // the platform's click: the control's own click routine, which has nothing to do
    void GotFocus() override {}  // nothing shows the focus but the focus cue
    // The surface in the look's colour, the caption, the description, and the focus cue.
    void Paint(plat::Canvas& canvas) override;
    // Creation: the entry takes the height its layout keeps before its first size, so a new or loaded entry, at any
    // size, raises one Resize and lays out at its final size.
    void Placed() override { Ajustar_Botao(); }
    AccessibleInfo Describe(bool focused) const override;
    bool DoDefaultAction() override;

    // State for the host's painting and for tests.
    bool Timer1Running() const { return tracker_.Polling(); }
    OleColor SurfaceColor() const { return surfaceColor_; }
    const Label& Label1() const { return label1_; }
    const Label& Label_Descricao() const { return labelDescricao_; }

private:
    void ApplyStateColors();
    void MeasureLabel(Label& label);
    void Attached(plat::WindowId window) override;
    void PaintLabel(plat::Canvas& canvas, const Label& label) const;

    // The press: the elements are Source's.
    int ElementAt(float x96, float y96) const override;
    void RelativeTo(int element, float* x96, float* y96) const override;
    void ShowLook() override { ApplyStateColors(); }
    void KeyReleased() override { site_->Refresh(); }
    void LayOut() override { Ajustar_Botao(); }

    Label label1_;
    Label labelDescricao_;
    OleColor surfaceColor_ = 0x00EFF1F2;
};

}  // namespace kit
