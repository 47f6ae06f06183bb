// High contrast from SPI_GETHIGHCONTRAST, cached between the system's change announcements.
#include "platform/display_scheme_win.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace plat {
namespace {

class Scheme final : public DisplayScheme {
public:
    bool HighContrast() override {
        if (!known_) {
            HIGHCONTRASTW hc = {};
            hc.cbSize = sizeof(hc);
            on_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
            known_ = true;
        }
        return on_;
    }
    void Forget() { known_ = false; }

private:
    bool known_ = false;
    bool on_ = false;
};

Scheme& TheScheme() {
    static Scheme scheme;
    return scheme;
}

}  // namespace

DisplayScheme& Win32DisplayScheme() { return TheScheme(); }

namespace {
BOOL CALLBACK TellOfColorChange(HWND child, LPARAM) {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}
}  // namespace

void FollowSystemColors(HWND topLevel, unsigned message, unsigned long long wParam) {
    if (message == WM_SETTINGCHANGE && wParam != SPI_SETHIGHCONTRAST) return;
    TheScheme().Forget();  // the next question reads the system again
    EnumChildWindows(topLevel, TellOfColorChange, 0);
    RedrawWindow(topLevel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace plat
