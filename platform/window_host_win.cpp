// The non-template parts of the window skeleton: class registration, the state slot, fonts.
#include "platform/window_host_win.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace plat {

bool RegisterWindowClass(const WindowClass& windowClass) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, windowClass.name, &existing)) return true;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = windowClass.style;
    wc.lpfnWndProc = windowClass.proc;
    wc.cbWndExtra = sizeof(void*);
    wc.hInstance = instance;
    wc.hIcon = windowClass.icon;
    wc.hIconSm = windowClass.smallIcon;
    wc.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = windowClass.background;
    wc.lpszClassName = windowClass.name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

namespace hostdetail {

Slot* SlotOf(HWND window) { return reinterpret_cast<Slot*>(GetWindowLongPtrW(window, 0)); }

Slot* Attach(HWND window, void* state, void (*destroy)(void*)) {
    Slot* slot = new (std::nothrow) Slot;
    if (!slot) return nullptr;
    slot->state = state;
    slot->destroy = destroy;
    LastAttached() = state;
    SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(slot));
    return slot;
}

void Detach(HWND window) { SetWindowLongPtrW(window, 0, 0); }

const void*& LastAttached() {
    static thread_local const void* state = nullptr;
    return state;
}

}  // namespace hostdetail

bool IsWindowOfClass(HWND window, const wchar_t* className) {
    wchar_t cls[64] = {};
    return window && GetClassNameW(window, cls, 64) && lstrcmpW(cls, className) == 0;
}

GdiObject<HFONT> MakeFont(const FontSpec& spec, UINT dpi) {
    LOGFONTW lf = {};
    lf.lfHeight = -static_cast<LONG>(std::lround(DrawnPoints(spec.points) * dpi / 72.0));
    lf.lfWeight = spec.weight > 0 && spec.weight <= 1000 ? spec.weight : FW_NORMAL;
    lf.lfItalic = spec.italic ? TRUE : FALSE;
    lf.lfUnderline = spec.underline ? TRUE : FALSE;
    lf.lfStrikeOut = spec.strikeout ? TRUE : FALSE;
    lf.lfCharSet = spec.charset >= 0 && spec.charset <= 255 ? static_cast<BYTE>(spec.charset) : DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, spec.face.c_str(), LF_FACESIZE);
    return GdiObject<HFONT>(CreateFontIndirectW(&lf));
}

HFONT FontCache::Get(const FontSpec& spec, UINT dpi) {
    for (Entry& e : entries_)
        if (e.handle && e.dpi == dpi && e.spec == spec) return e.handle.get();
    Entry& slot = entries_[next_];
    next_ = (next_ + 1) % kEntries;
    slot.spec = spec;
    slot.dpi = dpi;
    slot.handle = MakeFont(spec, dpi);
    return slot.handle.get();
}

}  // namespace plat
