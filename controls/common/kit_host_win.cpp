// Win32 helpers shared by the kit's control hosts.
#include "controls/common/kit_host_win.h"

namespace kit {
namespace host {

std::int16_t ButtonMask(WPARAM keyFlags) {
    std::int16_t mask = 0;
    if (keyFlags & MK_LBUTTON) mask |= buttons::kLeft;
    if (keyFlags & MK_RBUTTON) mask |= buttons::kRight;
    if (keyFlags & MK_MBUTTON) mask |= buttons::kMiddle;
    return mask;
}

std::int16_t ShiftMask() {
    std::int16_t mask = 0;
    if (GetKeyState(VK_SHIFT) < 0) mask |= 1;
    if (GetKeyState(VK_CONTROL) < 0) mask |= 2;
    if (GetKeyState(VK_MENU) < 0) mask |= 4;
    return mask;
}

void PaintFocusRect(HDC dc, const RECT& r) {
    // The rectangle's dots take the text and back colours: black and white invert to a visible pattern anywhere.
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &r);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

plat::FontSpec SpecOf(const Font& font) {
    plat::FontSpec spec;
    spec.face = font.name;
    spec.points = font.size;
    spec.weight = font.weight;
    spec.italic = font.italic;
    spec.underline = font.underline;
    spec.strikeout = font.strikethrough;
    spec.charset = font.charset;
    return spec;
}

plat::FontSpec SpecOf(const std::wstring& face, double points, bool bold) {
    plat::FontSpec spec;
    spec.face = face;
    spec.points = points;
    spec.weight = bold ? FW_BOLD : FW_NORMAL;
    spec.charset = DEFAULT_CHARSET;
    return spec;
}

}  // namespace host
}  // namespace kit
