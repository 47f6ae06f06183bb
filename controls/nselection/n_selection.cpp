// Selection entry N_Selection: looks, pointer and keyboard logic, layout and persistence.
#include "controls/nselection/n_selection.h"

#include <cmath>
#include <optional>

namespace kit {
namespace {

// Font sizes the caption element accepts, in points.
constexpr double kMinPoints = 1;
constexpr double kMaxPoints = 2160;

constexpr OleColor kBlack = 0x00000000;
constexpr OleColor kWhite = 0x00FFFFFF;
constexpr OleColor kDarkGrey = 0x002D2D2D;

}  // namespace

const wchar_t* const NSelection::kDefaultDescription = L"Descrição";

std::int16_t NSelection::RoundPoints(double points) {
    const double whole = std::floor(points);
    const double fraction = points - whole;
    double r = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) r = whole + 1;
    return static_cast<std::int16_t>(r);
}

NSelection::NSelection(const plat::Services& services, Events events)
    : services_(services), events_(std::move(events)) {
    // The elements as designed, until a new instance or a load replaces their values.
    label1_.text = L"NSelection1";
    label1_.color = 0x80000012;  // button text
    label1_.left = 8;
    label1_.top = 8;
    labelDescricao_.text = L"NDescricao1";
    labelDescricao_.color = 0x00808080;
    labelDescricao_.points = 6.75;
    labelDescricao_.left = 8;
    labelDescricao_.top = 24;
    Measure(label1_);
    Measure(labelDescricao_);
}

void NSelection::Attach(plat::WindowId window, View* view) {
    window_ = window;
    view_ = view;
}

void NSelection::Notify(const wchar_t* property) {
    if (events_.PropertyChanged) events_.PropertyChanged(property);
}

void NSelection::Measure(Label& label) {
    if (!services_.text) return;
    const plat::Size size = services_.text->Measure(label.text, label.face, label.points, label.bold);
    label.width = size.cx;
    label.height = size.cy;
}

void NSelection::Redraw() {
    if (view_) view_->Repaint();
}

void NSelection::SetCaption(const std::wstring& text) {
    label1_.text = text;
    Measure(label1_);
    Redraw();
    Notify(L"Caption");
}

void NSelection::SetDescription(const std::wstring& text) {
    labelDescricao_.text = text;
    Measure(labelDescricao_);
    Redraw();
    Notify(L"Description");
}

std::int16_t NSelection::FontSize() const { return RoundPoints(label1_.points); }

bool NSelection::SetFontSize(std::int16_t points) {
    if (points < kMinPoints || points > kMaxPoints) return false;
    label1_.points = points;
    Measure(label1_);
    Redraw();
    Notify(L"FontSize");
    return true;
}

void NSelection::SetFontBold(bool bold) {
    label1_.bold = bold;
    Measure(label1_);
    Redraw();
    Notify(L"FontBold");
}

void NSelection::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (view_) view_->SetInputEnabled(enabled);
    Notify(L"Enabled");
}

void NSelection::SetForeColorNormal(OleColor c) {
    foreNormal_ = c;
    label1_.color = c;
    Redraw();
    Notify(L"ForeColorNormal");
}

void NSelection::SetForeColorHover(OleColor c) {
    foreHover_ = c;
    Notify(L"ForeColorHover");
}

void NSelection::SetForeColorDown(OleColor c) {
    foreDown_ = c;
    Notify(L"ForeColorDown");
}

void NSelection::SetBackColorNormal(OleColor c) {
    backNormal_ = c;
    surfaceColor_ = c;
    Redraw();
    Notify(L"BackColorNormal");
}

void NSelection::SetBackColorHover(OleColor c) {
    backHover_ = c;
    Notify(L"BackColorHover");
}

void NSelection::SetBackColorDown(OleColor c) {
    backDown_ = c;
    Notify(L"BackColorDown");
}

void NSelection::SetForeColorNormal_2(OleColor c) {
    foreNormal2_ = c;
    labelDescricao_.color = c;
    Redraw();
    Notify(L"ForeColorNormal_2");
}

void NSelection::SetForeColorHover_2(OleColor c) {
    foreHover2_ = c;
    Notify(L"ForeColorHover_2");
}

void NSelection::SetForeColorDown_2(OleColor c) {
    foreDown2_ = c;
    Notify(L"ForeColorDown_2");
}

void NSelection::Ajustar_Botao() {
    // The hidden picture fixes the height; the container answers the request with a size change, which lays
    // the control out again before the steps below run with the final height.
    if (height_ != kImage1Height) {
        if (view_)
            view_->RequestHeight(kImage1Height);
        else
            Resize(width_, kImage1Height);
    }
    // The caption's bottom edge and the description's top edge both sit on the middle line.
    const double middle = height_ / 2.0;
    label1_.top = middle - label1_.height;
    label1_.left = kLabelLeft;
    labelDescricao_.top = middle;
    labelDescricao_.left = label1_.left;
    Redraw();
}

void NSelection::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    if (events_.Resize) events_.Resize();
    Ajustar_Botao();
}

bool NSelection::IsMouseOver() const {
    if (!services_.pointer || window_ == 0) return false;
    return services_.pointer->WindowFromPoint(services_.pointer->CursorPos()) == window_;
}

void NSelection::ApplyStateColors() {
    switch (buttonState_) {
        case kHover:
            surfaceColor_ = backHover_;
            label1_.color = foreHover_;
            labelDescricao_.color = foreHover2_;
            break;
        case kDown:
            surfaceColor_ = backDown_;
            label1_.color = foreDown_;
            labelDescricao_.color = foreDown2_;
            break;
        default:
            surfaceColor_ = backNormal_;
            label1_.color = foreNormal_;
            labelDescricao_.color = foreNormal2_;
            break;
    }
    Redraw();
}

void NSelection::StartTimer1() {
    if (services_.timers && window_) services_.timers->Start(window_, kTimer1, kTimer1PeriodMs);
    timerRunning_ = true;
}

void NSelection::StopTimer1() {
    if (services_.timers && window_) services_.timers->Stop(window_, kTimer1);
    timerRunning_ = false;
}

NSelection::Source NSelection::HitTest(float x, float y, float* relX, float* relY) const {
    auto inside = [&](const Label& l) {
        return l.width > 0 && l.height > 0 && x >= l.left && x < l.left + l.width && y >= l.top && y < l.top + l.height;
    };
    if (inside(label1_)) {
        *relX = static_cast<float>(x - label1_.left);
        *relY = static_cast<float>(y - label1_.top);
        return Source::Caption;
    }
    if (inside(labelDescricao_)) {
        *relX = static_cast<float>(x - labelDescricao_.left);
        *relY = static_cast<float>(y - labelDescricao_.top);
        return Source::Description;
    }
    *relX = x;
    *relY = y;
    return Source::Surface;
}

void NSelection::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    HitTest(x, y, &x, &y);
    if (events_.MouseDown) events_.MouseDown(button, shift, x, y);
    if (button == 1) {
        buttonState_ = kDown;
        ApplyStateColors();
    }
}

void NSelection::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    HitTest(x, y, &x, &y);
    if (events_.MouseMove) events_.MouseMove(button, shift, x, y);
    if (button >= 2) return;  // another button than the left one takes part: the look stays
    if (!IsMouseOver()) {
        enterRaised_ = false;
        buttonState_ = kNormal;
        ApplyStateColors();
    } else if (button == 0 && !enterRaised_) {
        StartTimer1();
        enterRaised_ = true;
        if (events_.MouseEnter) events_.MouseEnter();
        buttonState_ = kHover;
        ApplyStateColors();
    } else if (button == 1) {
        buttonState_ = kDown;
        ApplyStateColors();
        enterRaised_ = false;
    }
}

void NSelection::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    HitTest(x, y, &x, &y);
    if (events_.MouseUp) events_.MouseUp(button, shift, x, y);
    buttonState_ = IsMouseOver() ? kHover : kNormal;
    if (events_.Click) events_.Click();
    ApplyStateColors();
}

void NSelection::RaiseClick() {
    if (events_.Click) events_.Click();
}

void NSelection::ClickNotified() {}

void NSelection::DblClick() {
    if (events_.DblClick) events_.DblClick();
}

void NSelection::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (keyCode == 39 || keyCode == 40) {
        if (services_.keys) services_.keys->Send(L"{TAB}");
    } else if (keyCode == 37 || keyCode == 38) {
        if (services_.keys) services_.keys->Send(L"+{TAB}");
    } else if (keyCode == 13) {
        ClickNotified();
    }
    if (events_.KeyDown) events_.KeyDown(keyCode, shift);
}

void NSelection::KeyPress(std::int16_t keyAscii) {
    if (events_.KeyPress) events_.KeyPress(keyAscii);
}

void NSelection::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (events_.KeyUp) events_.KeyUp(keyCode, shift);
    Redraw();
}

void NSelection::Timer1Tick() {
    // A tick already queued when the poll stopped must not raise MouseLeave a second time.
    if (!timerRunning_ || IsMouseOver()) return;
    StopTimer1();
    enterRaised_ = false;
    if (events_.MouseLeave) events_.MouseLeave();
    buttonState_ = kNormal;
    ApplyStateColors();
}

void NSelection::InitNew(const std::wstring& instanceName) {
    SetCaption(instanceName);
    SetDescription(kDefaultDescription);
    SetEnabled(true);
    SetBackColorNormal(kBlack);
    SetBackColorHover(kDarkGrey);
    SetBackColorDown(kWhite);
    SetFontSize(8);
    SetFontBold(false);
    font_.name = L"Verdana";
    SetForeColorNormal(kWhite);
    SetForeColorHover(kWhite);
    SetForeColorDown(kBlack);
    SetForeColorNormal_2(kWhite);
    SetForeColorHover_2(kWhite);
    SetForeColorDown_2(kBlack);
    Ajustar_Botao();
}

namespace {

// One default per key, shared by load and save, so that every saved value loads back unchanged.
const wchar_t kCaptionDefault[] = L"NSelection1";
const wchar_t kBlackText[] = L"&H00000000&";
const wchar_t kWhiteText[] = L"&H00FFFFFF&";

}  // namespace

bool NSelection::Load(const PropertyBag& bag) {
    auto text = [&](const wchar_t* key, const Value& fallback) { return ToText(bag.Read(key, fallback)); };
    auto color = [&](const wchar_t* key, const wchar_t* fallback) { return ToColor(bag.Read(key, fallback)); };

    auto caption = text(L"Caption", kCaptionDefault);
    if (!caption) return false;
    SetCaption(*caption);
    auto description = text(L"Description", kDefaultDescription);
    if (!description) return false;
    SetDescription(*description);

    struct ColorKey {
        const wchar_t* key;
        const wchar_t* fallback;
        void (NSelection::*set)(OleColor);
    };
    const ColorKey backs[] = {{L"BackColorNormal", kBlackText, &NSelection::SetBackColorNormal},
                              {L"BackColorHover", L"&H002D2D2D&", &NSelection::SetBackColorHover},
                              {L"BackColorDown", L"&H80FFFF", &NSelection::SetBackColorDown}};
    for (const ColorKey& k : backs) {
        auto c = color(k.key, k.fallback);
        if (!c) return false;
        (this->*k.set)(*c);
    }
    auto size = ToInt16(bag.Read(L"FontSize", L"8"));
    if (!size || !SetFontSize(*size)) return false;
    auto bold = ToBool16(bag.Read(L"FontBold", L"False"));
    if (!bold) return false;
    SetFontBold(*bold != 0);
    auto font = ToFont(bag.Read(L"Font", L"MS Sans Serif"));
    if (!font) return false;
    font_.name = font->name;
    auto enabled = ToBool16(bag.Read(L"Enabled", L"True"));
    if (!enabled) return false;
    SetEnabled(*enabled != 0);

    const ColorKey fores[] = {{L"ForeColorNormal", kBlackText, &NSelection::SetForeColorNormal},
                              {L"ForeColorHover", kBlackText, &NSelection::SetForeColorHover},
                              {L"ForeColorDown", kWhiteText, &NSelection::SetForeColorDown},
                              {L"ForeColorNormal_2", kBlackText, &NSelection::SetForeColorNormal_2},
                              {L"ForeColorHover_2", kBlackText, &NSelection::SetForeColorHover_2},
                              {L"ForeColorDown_2", kWhiteText, &NSelection::SetForeColorDown_2}};
    for (const ColorKey& k : fores) {
        auto c = color(k.key, k.fallback);
        if (!c) return false;
        (this->*k.set)(*c);
    }
    return true;
}

bool NSelection::Save(PropertyBag& bag) const {
    bag.Write(L"Caption", Value(Caption()), Value(kCaptionDefault));
    bag.Write(L"Description", Value(Description()), Value(kDefaultDescription));
    bag.Write(L"BackColorNormal", Value::Color(backNormal_), Value(kBlackText));
    bag.Write(L"BackColorHover", Value::Color(backHover_), Value(L"&H002D2D2D&"));
    bag.Write(L"BackColorDown", Value::Color(backDown_), Value(L"&H80FFFF"));
    bag.Write(L"FontSize", Value(static_cast<int>(FontSize())), Value(L"8"));
    bag.Write(L"FontBold", Value::Bool16(FontBold() ? kTrue : kFalse), Value(L"False"));
    bag.WriteAlways(L"Font", Value(font_));
    bag.Write(L"Enabled", Value::Bool16(enabled_ ? kTrue : kFalse), Value(L"True"));
    bag.Write(L"ForeColorNormal", Value::Color(foreNormal_), Value(kBlackText));
    bag.Write(L"ForeColorHover", Value::Color(foreHover_), Value(kBlackText));
    bag.Write(L"ForeColorDown", Value::Color(foreDown_), Value(kWhiteText));
    bag.Write(L"ForeColorNormal_2", Value::Color(foreNormal2_), Value(kBlackText));
    bag.Write(L"ForeColorHover_2", Value::Color(foreHover2_), Value(kBlackText));
    bag.Write(L"ForeColorDown_2", Value::Color(foreDown2_), Value(kWhiteText));
    return true;
}

}  // namespace kit
