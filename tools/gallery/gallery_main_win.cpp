// Entry point of Gallery.exe, the kit's showcase: "Gallery.exe [/load FILE | /save FILE]".
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Needs the types of windows.h.
#include <commctrl.h>

#include "platform/os_api_win.h"
#include "platform/window_win.h"
#include "tools/gallery/gallery_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    plat::RestrictDllSearch();
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    gallery::Options options;
    std::wstring error;
    if (!gallery::ParseCommandLine(GetCommandLineW(), &options, &error)) {
        MessageBoxW(nullptr, (error + L"\n\nUsage: Gallery.exe [/load FILE | /save FILE]").c_str(), L"Gallery",
                    MB_OK | MB_ICONEXCLAMATION);
        return 2;
    }
    if (!gallery::CreateGallery(instance, showCommand, options)) return 1;
    return plat::RunMessageLoop();
}
