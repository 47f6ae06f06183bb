// Captioned text box N_TextBox: the text box part's mouse, key and focus notifications, raised only outside label
// mode, and the digits-only filter.
#include "controls/ntextbox/n_textbox.h"

#include <utility>

namespace kit {
namespace {

// The codes the digits-only filter lets through.
constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kDigitZero = 48;
constexpr std::int16_t kDigitNine = 57;

}  // namespace

void NTextBox::RaiseMouse(const PointerEvent& event, std::int16_t button, std::int16_t shift, float x, float y) {
    if (!Raising()) return;
    Raise(event, button, shift, x, y);
}

void NTextBox::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (button == buttons::kLeft) clickPending_ = true;
    RaiseMouse(events_.MouseDown, button, shift, x, y);
}

void NTextBox::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouse(events_.MouseMove, button, shift, x, y);
}

void NTextBox::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    releasedLeft_ = button == buttons::kLeft;
    RaiseMouse(events_.MouseUp, button, shift, x, y);
}

void NTextBox::TxtClick() {
    if (!std::exchange(releasedLeft_, false)) return;
    if (std::exchange(clickPending_, false) && Raising()) Raise(events_.Click);
}

void NTextBox::DblClick(std::int16_t button, std::int16_t shift, float x, float y) {
    // Only the left button's second press is a double-click, as on a Windows text box; another button's is a
    // press like its first.
    if (button != buttons::kLeft) return MouseDown(button, shift, x, y);
    // The second press of a double-click makes no click.
    clickPending_ = false;
    if (Raising()) Raise(events_.DblClick);
}

void NTextBox::KeyDown(std::int16_t keyCode, std::int16_t shift, bool) {
    if (Raising()) Raise(events_.KeyDown, keyCode, shift);
}

void NTextBox::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (Raising()) Raise(events_.KeyUp, keyCode, shift);
}

std::int16_t NTextBox::KeyPress(std::int16_t keyAscii) {
    if (!Raising()) return 0;
    Raise(events_.KeyPress, keyAscii);
    if (numberBox_ && !((keyAscii >= kDigitZero && keyAscii <= kDigitNine) || keyAscii == kBackspace)) keyAscii = 0;
    return keyAscii;
}

void NTextBox::TxtEdited(const std::wstring& text) { ApplyText(text); }

void NTextBox::TxtGotFocus() {
    if (!selOnFocus_) return;
    if (TextField* field = site_->Field()) field->SelectAll();
}

std::int16_t NTextBox::Take(const Input& input) {
    // Only txt raises events: the control's own window takes nothing.
    if (input.part != parts::kTextField) return 0;
    switch (input.kind) {
        case Input::Handled:
            TxtClick();
            return 0;
        case Input::Edited:
            if (TextField* field = site_->Field()) TxtEdited(field->Text());
            return 0;
        case Input::Focus:
            TxtGotFocus();
            return 0;
        default:
            return Dispatch(input);
    }
}

}  // namespace kit
