// Start-up of the main window and the airplane-mode check box handler.
#include "app/main_logic.h"

namespace app {

const wchar_t kAppTitle[] = L"Relanto";
const wchar_t kMainCaption[] = L"Relanto @Varnik";
const wchar_t kStartingCaption[] = L"Qv7t：Starting adb services...";
const wchar_t kMissingFilesMessage[] = L"驱动不正常！请解压后运行或检查主程序目录下的文件！";

namespace {
const wchar_t* const kRequiredFiles[] = {L"\\AdbWinUsbApi.dll", L"\\AdbWinApi.dll", L"\\adb.exe"};
}

MainLogic::MainLogic(const plat::Services& services, const std::wstring& programFolder, MainView& view,
                     ScratchField& text8, ScratchField& intertext)
    : services_(services),
      programFolder_(programFolder),
      view_(view),
      console_(*services.process, text8, intertext),
      flight_(*services.profile, programFolder) {}

bool MainLogic::OnLoad() {
    for (const wchar_t* file : kRequiredFiles) {
        if (!services_.files->OrdinaryFileExists(programFolder_ + file)) {
            services_.messages->Show(kMissingFilesMessage, kAppTitle, plat::MsgButtons::Ok, plat::MsgIcon::None);
            return false;
        }
    }
    view_.SetCaption(kStartingCaption);
    console_.Run(ConsoleRow::DeviceCheck);
    view_.SetCaption(kMainCaption);
    view_.ShowMain();
    // Ticking the box at start-up counts as a click, so the stored "1" is written back; an unticked or
    // unreadable value leaves the box as created and the file untouched.
    if (flight_.LoadTicked()) {
        view_.SetFlightTicked(true);
        OnFlightClick();
    }
    return true;
}

void MainLogic::OnFlightClick() { flight_.Save(view_.FlightTicked()); }

}  // namespace app
