// Captioned text box N_TextBox: properties on its parts, the digits-only filter, focus selection, layout,
// the about box and persistence.
#include "controls/ntextbox/n_textbox.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kit {
namespace {

constexpr OleColor kBlueText = 0x00D05C28;
constexpr OleColor kWhite = 0x00FFFFFF;

kit::Font MakeFont(const wchar_t* face, double size, bool bold) {
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

NTextBox::NTextBox(const plat::Services& services, Events events) : services_(services), events_(std::move(events)) {
    // The parts as designed; a new instance keeps these until properties are set.
    shp_.r = {0, 0, 2535, 615};
    shp_.fill = kWhite;
    shp_.border = kBlueText;
    txt_.r = {45, 30, 2295, 375};
    txt_.text = L"Vovoz OvidUvi";
    txt_.back = kWhite;
    txt_.fore = kBlueText;
    txt_.font = MakeFont(L"Arial", 9, false);
    lbl_.r = {45, 30, 1575, 375};
    lbl_.caption = L"Vovoz OvidUvi";
    lbl_.fore = kBlueText;
    lbl_.back = kWhite;
    lbl_.font = MakeFont(L"Arial", 8.25, true);
    lbl_.alignment = kCentre;
    hdr_.r = {0, 720, 2535, 255};
    hdr_.caption = L"Header";
    hdr_.fore = 0x80000008;
    hdr_.back = 0x8000000F;
    hdr_.font = MakeFont(L"Verdana", 6.75, false);
    hdr_.alignment = kCentre;
    hdr_.opaque = true;
}

void NTextBox::Notify(const wchar_t* property) {
    if (events_.PropertyChanged) events_.PropertyChanged(property);
}

void NTextBox::Redraw() {
    if (view_) view_->Repaint();
}

void NTextBox::SyncTxt() {
    if (view_) view_->SyncTxt();
}

plat::Size NTextBox::MeasureLine(const std::wstring& text, const kit::Font& font) const {
    if (!services_.text) return {};
    // A stored font may carry any size; it is measured and drawn at no more than the largest size a font takes.
    const double points = std::isfinite(font.size) ? std::min(std::max(font.size, 0.0), 2160.0) : 0.0;
    const plat::Size px = services_.text->Measure(text, font.name, points, font.weight >= 600);
    return {px.cx * 15, px.cy * 15};
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

void NTextBox::SetForeColor(OleColor c) {
    txt_.fore = c;
    lbl_.fore = c;
    SyncTxt();
    Redraw();
    Notify(L"ForeColor");
}

void NTextBox::SetBorderColor(OleColor c) {
    shp_.border = c;
    Redraw();
    Notify(L"BorderColor");
}

void NTextBox::SetBackColor(OleColor c) {
    shp_.fill = c;
    txt_.back = c;
    SyncTxt();
    Redraw();
    Notify(L"BackColor");
}

void NTextBox::ApplyText(const std::wstring& text) {
    if (text == txt_.text) return;  // the text box raises no change for the same text
    txt_.text = text;
    SyncTxt();
    lbl_.caption = text;
    Redraw();
    if (events_.Change) events_.Change();
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
    if (!ApplyAlignementHorizontal(value)) return false;
    Notify(L"AlignementHorizontal");
    return true;
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

void NTextBox::SetNumberBox(bool on) {
    numberBox_ = on;
    Notify(L"NumberBox");
}

void NTextBox::SetSelOnFocus(bool on) {
    selOnFocus_ = on;
    Notify(L"SelOnFocus");
}

void NTextBox::ApplyLabelBox(bool on) {
    lbl_.visible = on;
    txt_.visible = !on;
    SyncTxt();
    Redraw();
}

void NTextBox::SetLabelBox(bool on) {
    ApplyLabelBox(on);
    Notify(L"LabelBox");
}

void NTextBox::ApplyEnabled(bool on) {
    txt_.enabled = on;
    lbl_.enabled = on;
    SyncTxt();
    Redraw();
}

void NTextBox::SetEnabled(bool on) {
    ApplyEnabled(on);
    Notify(L"Enabled");
}

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
    ApplyPasswordChar(mask);
    Notify(L"PasswordChar");
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
    if (!ApplyHeaderAlignement(value)) return false;
    Notify(L"HeaderAlignement");
    return true;
}

void NTextBox::SetHeaderForeColor(OleColor c) {
    hdr_.fore = c;
    Redraw();
    Notify(L"HeaderForeColor");
}

void NTextBox::ApplyHeaderBackColor(OleColor c) {
    hdr_.back = c;
    controlBack_ = c;  // shows in the gap between the header and the border
    Redraw();
}

void NTextBox::SetHeaderBackColor(OleColor c) {
    ApplyHeaderBackColor(c);
    Notify(L"HeaderBackColor");
}

void NTextBox::SetHeaderFont(const kit::Font& font) {
    hdr_.font = font;
    RefreshLayout(vAlign_);
    Notify(L"HeaderFont");
}

void NTextBox::SetHeaderCaption(const std::wstring& caption) {
    hdr_.caption = caption;
    Redraw();
    Notify(L"HeaderCaption");
}

void NTextBox::About() {
    try {
        if (services_.messages)
            services_.messages->Show(kAboutText, appTitle_, plat::MsgButtons::Ok, plat::MsgIcon::Information);
    } catch (...) {
        // The about box never reports an error.
    }
}

// ---- layout ----

void NTextBox::Resize(int widthTwips, int heightTwips) {
    const int w = std::max(widthTwips, kMinWidth);
    const int h = std::max(heightTwips, kMinHeight);
    width_ = w;
    height_ = h;
    if ((w != widthTwips || h != heightTwips) && view_ && resizing_ == 0) {
        // The container grows the control; the size it reports back lays the control out again.
        ++resizing_;
        view_->RequestSize(w, h);
        --resizing_;
    }
    shp_.r.width = width_;
    txt_.r.width = shp_.r.width - 90;
    RefreshLayout(vAlign_);
}

void NTextBox::RefreshLayout(std::int32_t a) {
    // The header sizes itself to its caption once: one line high in its font.
    const plat::Size header = MeasureLine(hdr_.caption, hdr_.font);
    hdr_.r.width = header.cx;
    hdr_.r.height = header.cy;
    const double h = hdr_.visible ? std::nearbyint(hdr_.r.height + 15) : 0;
    hdr_.r.left = 0;
    hdr_.r.top = 0;
    hdr_.r.width = shp_.r.width;
    shp_.r.top = h;
    shp_.r.height = height_ - h;
    const plat::Size label = MeasureLine(lbl_.caption, lbl_.font);
    lbl_.r.width = label.cx;
    lbl_.r.height = label.cy;
    switch (a) {
        case kTop:
            txt_.r.top = shp_.r.top + 15;
            lbl_.r.top = shp_.r.top + 15;
            break;
        case kMiddle:
            lbl_.r.top = (shp_.r.height - lbl_.r.height) / 2 + shp_.r.top;
            txt_.r.top = lbl_.r.top;
            break;
        case kBottom:
            lbl_.r.top = shp_.r.height - lbl_.r.height + shp_.r.top - 15;
            txt_.r.top = lbl_.r.top;
            break;
        default:
            break;
    }
    lbl_.r.width = txt_.r.width;
    lbl_.r.left = txt_.r.left;
    // The edit box shows one line of its own font at that top.
    txt_.r.height = MeasureLine(L"Ag", txt_.font).cy;
    SyncTxt();
    Redraw();
}

// ---- the text box part's notifications ----

void NTextBox::TxtMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (Raising() && events_.MouseDown) events_.MouseDown(button, shift, x, y);
}

void NTextBox::TxtMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (Raising() && events_.MouseMove) events_.MouseMove(button, shift, x, y);
}

void NTextBox::TxtMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (Raising() && events_.MouseUp) events_.MouseUp(button, shift, x, y);
}

void NTextBox::TxtClick() {
    if (Raising() && events_.Click) events_.Click();
}

void NTextBox::TxtDblClick() {
    if (Raising() && events_.DblClick) events_.DblClick();
}

void NTextBox::TxtKeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (Raising() && events_.KeyDown) events_.KeyDown(keyCode, shift);
}

void NTextBox::TxtKeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (Raising() && events_.KeyUp) events_.KeyUp(keyCode, shift);
}

std::int16_t NTextBox::TxtKeyPress(std::int16_t keyAscii) {
    if (!Raising()) return 0;
    if (events_.KeyPress) events_.KeyPress(keyAscii);
    if (numberBox_ && !((keyAscii >= 48 && keyAscii <= 57) || keyAscii == 8)) keyAscii = 0;
    return keyAscii;
}

void NTextBox::TxtEdited(const std::wstring& text) { ApplyText(text); }

void NTextBox::TxtGotFocus() {
    if (selOnFocus_ && view_) view_->SelectAllTxt();
}

// ---- persistence ----

void NTextBox::InitNew() {
    numberBox_ = false;
    selOnFocus_ = true;
    vAlign_ = kMiddle;
}

bool NTextBox::Load(const PropertyBag& bag) {
    const bool complete = LoadKeys(bag);
    // Whatever was applied before a failing key stays, and the edit box shows it.
    SyncTxt();
    Redraw();
    return complete;
}

bool NTextBox::LoadKeys(const PropertyBag& bag) {
    // Properties are applied to the parts directly: loading raises no events and notifies nothing.
    auto text = ToText(bag.Read(L"Text", L""));
    if (!text) return false;
    if (*text != txt_.text) {
        txt_.text = *text;
        SyncTxt();
    }
    lbl_.caption = *text;
    auto ha = ToInt16(bag.Read(L"AlignementHorizontal", 1));
    if (!ha || !ApplyAlignementHorizontal(*ha)) return false;
    auto number = ToBool16(bag.Read(L"NumberBox", false));
    if (!number) return false;
    numberBox_ = *number != 0;
    auto va = ToInt32(bag.Read(L"AlignementVertical", 1));
    if (!va || *va < 0 || *va > 255 || !ApplyAlignementVertical(*va)) return false;
    RefreshLayout(vAlign_);
    auto locked = ToBool16(bag.Read(L"Locked", false));
    if (!locked) return false;
    txt_.locked = *locked != 0;
    auto enabled = ToBool16(bag.Read(L"Enabled", true));
    if (!enabled) return false;
    ApplyEnabled(*enabled != 0);
    auto fore = ToColor(bag.Read(L"ForeColor", kit::Value::Color(kBlueText)));
    if (!fore) return false;
    txt_.fore = *fore;
    lbl_.fore = *fore;
    auto border = ToColor(bag.Read(L"BorderColor", kit::Value::Color(kBlueText)));
    if (!border) return false;
    shp_.border = *border;
    auto back = ToColor(bag.Read(L"BackColor", kit::Value::Color(kWhite)));
    if (!back) return false;
    shp_.fill = *back;
    txt_.back = *back;
    lbl_.back = *back;
    auto font = ToFont(bag.Read(L"FONT", kit::Value(txt_.font)));
    if (!font) return false;
    ApplyFont(*font);
    auto mask = ToText(bag.Read(L"PasswordChar", L""));
    if (!mask) return false;
    ApplyPasswordChar(*mask);
    auto labelBox = ToBool16(bag.Read(L"LabelBox", false));
    if (!labelBox) return false;
    ApplyLabelBox(*labelBox != 0);
    auto sel = ToBool16(bag.Read(L"SelOnFocus", true));
    if (!sel) return false;
    selOnFocus_ = *sel != 0;
    auto header = ToBool16(bag.Read(L"Header", false));
    if (!header) return false;
    hdr_.visible = *header != 0;
    auto hAlign = ToInt16(bag.Read(L"HeaderAlignement", 1));
    if (!hAlign || !ApplyHeaderAlignement(*hAlign)) return false;
    auto hFore = ToColor(bag.Read(L"HeaderForeColor", kit::Value::Color(kBlueText)));
    if (!hFore) return false;
    hdr_.fore = *hFore;
    auto hBack = ToColor(bag.Read(L"HeaderBackColor", kit::Value::Color(kWhite)));
    if (!hBack) return false;
    ApplyHeaderBackColor(*hBack);
    auto hFont = ToFont(bag.Read(L"HeaderFont", kit::Value(hdr_.font)));
    if (!hFont) return false;
    hdr_.font = *hFont;
    auto caption = ToText(bag.Read(L"HeaderCaption", kit::Value(hdr_.caption)));
    if (!caption) return false;
    hdr_.caption = *caption;
    return true;
}

bool NTextBox::Save(PropertyBag& bag) const {
    auto flag = [](bool b) { return kit::Value::Bool16(b ? kTrue : kFalse); };
    bag.WriteAlways(L"Text", kit::Value(txt_.text));
    bag.WriteAlways(L"AlignementHorizontal", kit::Value(static_cast<int>(txt_.alignment)));
    bag.WriteAlways(L"NumberBox", flag(numberBox_));
    bag.WriteAlways(L"AlignementVertical", kit::Value(static_cast<int>(vAlign_)));
    bag.WriteAlways(L"Locked", flag(txt_.locked));
    bag.WriteAlways(L"Enabled", flag(txt_.enabled));
    bag.WriteAlways(L"ForeColor", kit::Value::Color(txt_.fore));
    bag.WriteAlways(L"BorderColor", kit::Value::Color(shp_.border));
    bag.WriteAlways(L"BackColor", kit::Value::Color(shp_.fill));
    bag.WriteAlways(L"FONT", kit::Value(txt_.font));
    bag.WriteAlways(L"PasswordChar", kit::Value(txt_.passwordChar));
    bag.WriteAlways(L"LabelBox", flag(lbl_.visible));
    bag.WriteAlways(L"SelOnFocus", flag(selOnFocus_));
    bag.WriteAlways(L"Header", flag(hdr_.visible));
    bag.WriteAlways(L"HeaderAlignement", kit::Value(static_cast<int>(hdr_.alignment)));
    bag.WriteAlways(L"HeaderForeColor", kit::Value::Color(hdr_.fore));
    bag.WriteAlways(L"HeaderBackColor", kit::Value::Color(hdr_.back));
    bag.WriteAlways(L"HeaderFont", kit::Value(hdr_.font));
    bag.WriteAlways(L"HeaderCaption", kit::Value(hdr_.caption));
    return true;
}

}  // namespace kit
