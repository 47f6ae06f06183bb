// Captioned text box N_TextBox: the parts as designed, the properties on them, the published descriptions and
// the about box.
#include "controls/ntextbox/n_textbox.h"

#include <algorithm>
#include <type_traits>

#include "platform/trace.h"

namespace kit {
namespace {

kit::Font DesignFont(const wchar_t* face, double size, bool bold) {
    kit::Font f;
    f.name = face;
    f.size = size;
    f.weight = bold ? 700 : 400;
    return f;
}

}  // namespace

const wchar_t* const NTextBox::kAboutText =
    L"Vovoz OvidUvi\r\n\r\nWritten by:\r\nBrenvali\r\n\r\nYou can freely use this control as you want!";

const std::vector<std::pair<std::wstring_view, std::wstring_view>>& NTextBox::Descriptions() {
    static const std::vector<std::pair<std::wstring_view, std::wstring_view>> table = {
        {L"Font", L"The box font"},
        {L"ForeColor", L"Text color"},
        {L"BorderColor", L"Border color"},
        {L"BackColor", L"Text back color"},
        {L"Text", L"Guess what..."},
        {L"AlignementHorizontal", L"Text horizonal alignement"},
        {L"AlignementVertical", L"Text vertical alignement"},
        {L"NumberBox", L"If TRUE, only numbers are allowed in the box"},
        {L"SelOnFocus", L"If TRUE, when the box gets focus all text inside is selected"},
        {L"LabelBox", L"If TRUE, this control becomes a normal label"},
        {L"Enabled", L"Enable/disable the box"},
        {L"Locked", L"Enable/disable typing in the text box"},
        {L"PasswordChar", L"Character to show to hide typed ones"},
        {L"Header", L"Show/hide the header"},
        {L"HeaderAlignement", L"Header alignement"},
        {L"HeaderForeColor", L"Header color"},
        {L"HeaderBackColor", L"Header back color"},
        {L"HeaderFont", L"Header font"},
        {L"HeaderCaption", L"Header caption (if used)"},
        {L"About", L"Informazioni sul MIO codice"},
    };
    return table;
}

std::wstring_view NTextBox::DescriptionOf(std::wstring_view property) {
    for (const auto& entry : Descriptions())
        if (entry.first == property) return entry.second;
    return {};
}

NTextBox::NTextBox(const plat::Services& services, Events events) : Stored(services, std::move(events)) {
    // The parts as designed; a new instance keeps these until properties are set.
    shp_.r = {0, 0, 2535, 615};
    shp_.fill = kWhite;
    shp_.border = kBlueText;
    txt_.r = {45, 30, 2295, 375};
    txt_.text = L"Vovoz OvidUvi";
    txt_.back = kWhite;
    txt_.fore = kBlueText;
    txt_.font = DesignFont(L"Arial", 9, false);
    lbl_.r = {45, 30, 1575, 375};
    lbl_.caption = L"Vovoz OvidUvi";
    lbl_.fore = kBlueText;
    lbl_.back = kWhite;
    lbl_.font = DesignFont(L"Arial", 8.25, true);
    lbl_.alignment = kCentre;
    hdr_.r = {0, 720, 2535, 255};
    hdr_.caption = L"Header";
    hdr_.fore = 0x80000008;
    hdr_.back = 0x8000000F;
    hdr_.font = DesignFont(L"Verdana", 6.75, false);
    hdr_.alignment = kCentre;
    hdr_.opaque = true;
}

template <typename Result, typename Param, typename Arg>
Result NTextBox::Notified(Result (NTextBox::*apply)(Param), const Arg& value, const wchar_t* property) {
    if constexpr (std::is_same_v<Result, bool>) {
        if (!(this->*apply)(value)) return false;  // a refused value notifies nothing
        Notify(property);
        return true;
    } else {
        (this->*apply)(value);
        Notify(property);
    }
}

void NTextBox::SyncTxt() {
    TextField* field = site_->Field();
    if (!field) return;
    // The field shows the first character of the password mask for each typed one.
    const wchar_t mask = txt_.passwordChar.empty() ? L'\0' : txt_.passwordChar[0];
    const plat::Ink fore{plat::Role::PageText, txt_.fore}, back{plat::Role::PageBack, txt_.back};
    field->Show(TextField::Look{txt_.text, SpecOf(txt_.font), fore, back, AlignOf(txt_.alignment), mask, txt_.locked,
                                txt_.enabled, txt_.visible, txt_.r});
}

plat::TextAlign NTextBox::AlignOf(std::int32_t alignment) {
    return alignment == kRight    ? plat::TextAlign::Right
           : alignment == kCentre ? plat::TextAlign::Centre
                                  : plat::TextAlign::Left;
}

void NTextBox::PaintLabel(plat::Canvas& canvas, const LabelPart& part, bool onBox) const {
    // The label-mode text lies on the box and takes its colours in high contrast; the header the face's.
    if (part.opaque) canvas.Fill(part.r, {onBox ? plat::Role::PageBack : plat::Role::Surface, part.back});
    const plat::Ink ink = part.enabled ? plat::Ink{onBox ? plat::Role::PageText : plat::Role::Text, part.fore}
                                       : plat::Ink{plat::Role::DisabledText, plat::syscolor::kGrayText};
    canvas.Text(part.r, part.caption, SpecOf(part.font), ink, AlignOf(part.alignment), plat::TextFlow::Clipped);
}

void NTextBox::Paint(plat::Canvas& canvas) {
    canvas.Fill(canvas.Area(), {plat::Role::Surface, controlBack_});
    if (hdr_.visible) PaintLabel(canvas, hdr_, false);
    canvas.Fill(shp_.r, {plat::Role::PageBack, shp_.fill});
    canvas.Frame(shp_.r, {plat::Role::Border, shp_.border});
    if (lbl_.visible) PaintLabel(canvas, lbl_, true);
    // In label mode the control's own window keeps the focus, and shows it as a button does.
    PaintFocusCue(canvas);
}

// ---- properties ----

void NTextBox::ApplyFont(const kit::Font& font) {
    txt_.font = font;
    lbl_.font = font;
    SyncTxt();
}

void NTextBox::SetFont(const kit::Font& font) {
    ApplyFont(font);
    RefreshLayout(vAlign_);
    Notify(L"FONT");
}

void NTextBox::ShowInTxt(OleColor& txtColor, OleColor& otherPart, OleColor c, const wchar_t* property) {
    txtColor = c;
    otherPart = c;
    SyncTxt();
    Redraw();
    Notify(property);
}

void NTextBox::SetForeColor(OleColor c) { ShowInTxt(txt_.fore, lbl_.fore, c, L"ForeColor"); }

void NTextBox::SetBackColor(OleColor c) { ShowInTxt(txt_.back, shp_.fill, c, L"BackColor"); }

// Change tells of a new text in txt, whoever wrote it: typing, pasting, or the Text property, in label mode too
// (txt still holds the text the label shows; what label mode silences is the input events of the hidden box).
// Loading writes txt directly without Change: the container is still building the control and has nothing to
// react to.
void NTextBox::ApplyText(const std::wstring& text) {
    if (text == txt_.text) return;  // the text box raises no change for the same text
    txt_.text = text;
    SyncTxt();
    lbl_.caption = text;
    Redraw();
    Raise(events_.Change);
}

void NTextBox::SetText(const std::wstring& text) {
    ApplyText(text);
    lbl_.caption = text;
    Notify(L"Text");
}

bool NTextBox::ApplyAlignementHorizontal(std::int32_t value) {
    if (value < 0) return false;
    txt_.alignment = std::min(value, static_cast<std::int32_t>(kCentre));
    lbl_.alignment = txt_.alignment;
    SyncTxt();
    Redraw();
    return true;
}

bool NTextBox::SetAlignementHorizontal(std::int32_t value) {
    return Notified(&NTextBox::ApplyAlignementHorizontal, value, L"AlignementHorizontal");
}

bool NTextBox::ApplyAlignementVertical(std::int32_t value) {
    if (value < 0) return false;
    vAlign_ = static_cast<std::uint8_t>(std::min(value, static_cast<std::int32_t>(kBottom)));
    return true;
}

bool NTextBox::SetAlignementVertical(std::int32_t value) {
    if (!ApplyAlignementVertical(value)) return false;
    RefreshLayout(vAlign_);
    Notify(L"AlignementVertical");
    return true;
}

void NTextBox::ApplyLabelBox(bool on) {
    lbl_.visible = on;
    txt_.visible = !on;
    SyncTxt();
    Redraw();
}

void NTextBox::SetLabelBox(bool on) { Notified(&NTextBox::ApplyLabelBox, on, L"LabelBox"); }

void NTextBox::ApplyEnabled(bool on) {
    enabled_ = on;
    txt_.enabled = on;
    lbl_.enabled = on;
    SyncTxt();
    Redraw();
}

void NTextBox::EnabledChanged() { Notified(&NTextBox::ApplyEnabled, Enabled(), L"Enabled"); }

void NTextBox::SetLocked(bool on) {
    txt_.locked = on;
    SyncTxt();
    Notify(L"Locked");
}

void NTextBox::ApplyPasswordChar(const std::wstring& mask) {
    txt_.passwordChar = mask.substr(0, 1);
    SyncTxt();
}

void NTextBox::SetPasswordChar(const std::wstring& mask) {
    Notified(&NTextBox::ApplyPasswordChar, mask, L"PasswordChar");
}

void NTextBox::SetHeader(bool on) {
    hdr_.visible = on;
    RefreshLayout(vAlign_);
    Notify(L"Header");
}

bool NTextBox::ApplyHeaderAlignement(std::int32_t value) {
    if (value < 0) return false;
    hdr_.alignment = std::min(value, static_cast<std::int32_t>(kCentre));
    Redraw();
    return true;
}

bool NTextBox::SetHeaderAlignement(std::int32_t value) {
    return Notified(&NTextBox::ApplyHeaderAlignement, value, L"HeaderAlignement");
}

void NTextBox::ApplyHeaderBackColor(OleColor c) {
    hdr_.back = c;
    controlBack_ = c;  // shows in the gap between the header and the border
    Redraw();
}

void NTextBox::SetHeaderBackColor(OleColor c) { Notified(&NTextBox::ApplyHeaderBackColor, c, L"HeaderBackColor"); }

void NTextBox::SetHeaderFont(const kit::Font& font) {
    hdr_.font = font;
    RefreshLayout(vAlign_);
    Notify(L"HeaderFont");
}

void NTextBox::SetHeaderCaption(const std::wstring& caption) {
    ShowNow<std::wstring>(hdr_.caption, nullptr, caption, L"HeaderCaption");
}

void NTextBox::About() {
    try {
        if (services_.messages)
            services_.messages->Show(kAboutText, appTitle_, plat::MsgButtons::Ok, plat::MsgIcon::Information, 0);
    } catch (...) {
        // The about box never reports an error, but the failure leaves a trace.
        plat::RecordCaught("N_TextBox About", plat::DescribeCurrentException());
    }
}

// Screen readers: N_TextBox: in label mode its text reads as static text; otherwise the edit box is named by the
// header.

AccessibleInfo NTextBox::Describe(bool focused) const {
    const unsigned unavailable = Enabled() ? 0u : accstate::kUnavailable;
    if (LabelBox()) return Info(AccRole::StaticText, lbl_.caption, nullptr, accstate::kReadOnly | unavailable);
    const unsigned locked = Locked() ? accstate::kReadOnly : 0u;
    return Info(AccRole::EditableText, HeaderCaption(), nullptr, ControlStates(Enabled(), focused) | locked);
}

}  // namespace kit
