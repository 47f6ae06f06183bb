// Entry point of Gallery.exe, the kit's showcase: "Gallery.exe [/load FILE | /save FILE]".
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/program_start_win.h"
#include "platform/window_win.h"
#include "tools/gallery/gallery_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    plat::PrepareGuiProcess();

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
