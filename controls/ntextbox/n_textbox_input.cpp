// Captioned text box N_TextBox: the text box part's mouse, key and focus notifications, raised only outside label
// mode, and the digits-only filter.
#include "controls/ntextbox/n_textbox.h"

namespace kit {
namespace {

// The codes the digits-only filter lets through.
constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kDigitZero = 48;
constexpr std::int16_t kDigitNine = 57;

}  // namespace

void NTextBox::RaiseMouse(const PointerEvent& event, std::int16_t button, std::int16_t shift, float x, float y) {
    if (!Raising()) return;
    x = plat::TwipsAt(x, dpi_);
    y = plat::TwipsAt(y, dpi_);
    Raise(event, button, shift, x, y);
}

void NTextBox::TxtMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouse(events_.MouseDown, button, shift, x, y);
}

void NTextBox::TxtMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouse(events_.MouseMove, button, shift, x, y);
}

void NTextBox::TxtMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouse(events_.MouseUp, button, shift, x, y);
}

void NTextBox::TxtClick() {
    if (Raising()) Raise(events_.Click);
}

void NTextBox::TxtDblClick() {
    if (Raising()) Raise(events_.DblClick);
}

void NTextBox::TxtKeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (Raising()) Raise(events_.KeyDown, keyCode, shift);
}

void NTextBox::TxtKeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (Raising()) Raise(events_.KeyUp, keyCode, shift);
}

std::int16_t NTextBox::TxtKeyPress(std::int16_t keyAscii) {
    if (!Raising()) return 0;
    Raise(events_.KeyPress, keyAscii);
    if (numberBox_ && !((keyAscii >= kDigitZero && keyAscii <= kDigitNine) || keyAscii == kBackspace)) keyAscii = 0;
    return keyAscii;
}

void NTextBox::TxtEdited(const std::wstring& text) { ApplyText(text); }

void NTextBox::TxtGotFocus() {
    if (selOnFocus_ && site_) site_->SelectAllTxt();
}

}  // namespace kit
