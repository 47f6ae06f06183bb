// Win32 helpers shared by the kit's control hosts.
#include "controls/common/kit_host_win.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace host {

std::int16_t ButtonMask(WPARAM keyFlags) {
    std::int16_t mask = 0;
    if (keyFlags & MK_LBUTTON) mask |= 1;
    if (keyFlags & MK_RBUTTON) mask |= 2;
    if (keyFlags & MK_MBUTTON) mask |= 4;
    return mask;
}

std::int16_t ShiftMask() {
    std::int16_t mask = 0;
    if (GetKeyState(VK_SHIFT) < 0) mask |= 1;
    if (GetKeyState(VK_CONTROL) < 0) mask |= 2;
    if (GetKeyState(VK_MENU) < 0) mask |= 4;
    return mask;
}

plat::GdiObject<HFONT> MakeFont(const Font& font, UINT dpi) {
    LOGFONTW lf = {};
    // A stored font may carry any size; drawing stays within what a font can sensibly be.
    const double points = std::isfinite(font.size) ? std::min(std::max(font.size, 0.0), kMaxPoints) : 0.0;
    lf.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    lf.lfWeight = font.weight > 0 && font.weight <= 1000 ? font.weight : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikethrough ? TRUE : FALSE;
    lf.lfCharSet = font.charset >= 0 && font.charset <= 255 ? static_cast<BYTE>(font.charset) : DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
    return plat::GdiObject<HFONT>(CreateFontIndirectW(&lf));
}

plat::GdiObject<HFONT> MakeFont(const std::wstring& face, double points, bool bold, UINT dpi) {
    Font f;
    f.name = face;
    f.size = points;
    f.weight = bold ? FW_BOLD : FW_NORMAL;
    f.charset = DEFAULT_CHARSET;
    return MakeFont(f, dpi);
}

HFONT FontCache::Get(const std::wstring& face, double points, bool bold, UINT dpi) {
    Font f;
    f.name = face;
    f.size = points;
    f.weight = bold ? FW_BOLD : FW_NORMAL;
    f.charset = DEFAULT_CHARSET;
    return Get(f, dpi);
}

HFONT FontCache::Get(const Font& font, UINT dpi) {
    for (Entry& e : entries_)
        if (e.handle && e.dpi == dpi && e.font == font) return e.handle.get();
    Entry& slot = entries_[next_];
    next_ = (next_ + 1) % 4;
    slot.font = font;
    slot.dpi = dpi;
    slot.handle = MakeFont(font, dpi);
    return slot.handle.get();
}

float To96(int pixels, UINT dpi) { return static_cast<float>(pixels * 96.0 / dpi); }

int From96(double pixels96, UINT dpi) { return static_cast<int>(std::lround(pixels96 * dpi / 96.0)); }

int TwipsFromPixels(int pixels, UINT dpi) { return MulDiv(pixels, 1440, static_cast<int>(dpi)); }

int PixelsFromTwips(double twips, UINT dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

bool RegisterControlClass(const wchar_t* name, WNDPROC proc, UINT style, HCURSOR cursor) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) return true;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = sizeof(void*);
    wc.hInstance = instance;
    wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace host
}  // namespace kit
