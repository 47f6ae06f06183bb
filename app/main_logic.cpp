// Start-up of the main window and the airplane-mode check box handler.
#include "app/main_logic.h"

#include "guides/links.h"

namespace app {

const wchar_t kAppTitle[] = L"Relanto";
const wchar_t kMainCaption[] = L"Relanto @Varnik";
const wchar_t kStartingCaption[] = L"Qv7t：Starting adb services...";
const wchar_t kMissingFilesMessage[] = L"驱动不正常！请解压后运行或检查主程序目录下的文件！";
const wchar_t kInstallWarning[] = L"部分机型有外部安装警告，如出现请允许安装\r\n点击确定开始安装，请注意手机端提示！";
const wchar_t kInstallTitle[] = L"即将开始安装";

namespace {
const wchar_t* const kRequiredFiles[] = {L"\\AdbWinUsbApi.dll", L"\\AdbWinApi.dll", L"\\adb.exe"};
}

MainLogic::MainLogic(const plat::Services& services, const std::wstring& programFolder, MainView& view,
                     ScratchField& text8, ScratchField& intertext)
    : services_(services),
      programFolder_(programFolder),
      view_(view),
      console_(*services.process, *services.sleeper, text8, intertext),
      flight_(*services.profile, programFolder) {}

bool MainLogic::OnLoad() {
    for (const wchar_t* file : kRequiredFiles) {
        if (!services_.files->OrdinaryFileExists(programFolder_ + file)) {
            services_.messages->Show(kMissingFilesMessage, kAppTitle, plat::MsgButtons::Ok, plat::MsgIcon::None, 0);
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
    // Only now, so that the window is first seen as it always is and the program goes on running after the box.
    ReportFailedStarts();
    return true;
}

void MainLogic::ReportFailedStarts() {
    const std::vector<FailedStart> failures = console_.TakeFailures();
    if (failures.empty()) return;
    services_.messages->Show(FailedStartsText(failures), kAppTitle, plat::MsgButtons::Ok, plat::MsgIcon::Error,
                             view_.Window());
}

void MainLogic::OnFlightClick() { flight_.Save(view_.FlightTicked()); }

void MainLogic::OnInstallClick() {
    // However the box is closed, the install goes on: the box only prepares the user for the phone's prompt.
    services_.messages->Show(kInstallWarning, kInstallTitle, plat::MsgButtons::Ok, plat::MsgIcon::Exclamation, 0);
    console_.Run(ConsoleRow::PushClient);
    console_.Run(ConsoleRow::InstallClient);
    ReportFailedStarts();
}

// The pauses hold the window's thread on purpose: each gives the relay tool a second to settle before the
// next command, and the temporary caption tells the user why the window does not respond meanwhile.
void MainLogic::OnStartClick() {
    if (view_.FlightTicked()) console_.Run(ConsoleRow::AirplaneOn);
    console_.Run(ConsoleRow::RelayStop);
    view_.SetButtonCaption(MainButton::Start, L"开启服务...");
    services_.sleeper->SleepMs(1000);
    console_.Run(ConsoleRow::RelayStart);
    view_.SetButtonCaption(MainButton::Start, L"开启服务...");
    services_.sleeper->SleepMs(1000);
    console_.Run(ConsoleRow::RelayRun);
    view_.SetButtonCaption(MainButton::Start, L"启动");
    services_.sleeper->SleepMs(1000);
    ReportFailedStarts();
}

void MainLogic::OnStopClick() {
    if (view_.FlightTicked()) console_.Run(ConsoleRow::AirplaneOff);
    console_.Run(ConsoleRow::RelayStop);
    view_.SetButtonCaption(MainButton::Stop, L"正在停止...");
    services_.sleeper->SleepMs(1000);
    view_.SetButtonCaption(MainButton::Stop, L"停止");
    ReportFailedStarts();
}

void MainLogic::OnHomePageClick() { services_.links->Open(guides::Address(guides::Link::HomePage)); }

}  // namespace app
