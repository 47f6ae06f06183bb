// The command table, the two banners that tell the user how to read a console's result, and the starts.
#include "app/console.h"

#include "platform/trace.h"

namespace app {
namespace {

// The table's commands are plain ASCII; anything else would show as '?' in a trace line.
std::string Ascii(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += (c > 0 && c < 0x80) ? static_cast<char>(c) : '?';
    return narrow;
}

// One link of a banner chain: " && " + text.
std::wstring Link(const std::wstring& text) { return L" && " + text; }

std::wstring BoxLine(const std::wstring& note, std::size_t padding) {
    return L"echo   *   " + note + std::wstring(padding, L' ') + L"*";
}

// "pause>nul" discards the interpreter's own prompt; redirecting to a file named "null" would leave that
// file in the user's folder and, in a read-only folder, fail the chain so the console never closed.
const wchar_t kClosePrompt[] = L"echo 按任意键关闭此窗口...";
const wchar_t kWaitKey[] = L"pause>nul";

std::wstring BuildDeviceCheckBanner() {
    const std::wstring edge(66, L'*');
    const std::wstring empty = L"echo.  *" + std::wstring(64, L' ') + L"*";
    std::wstring s;
    s += Link(L"COLOR 3f ");
    s += Link(L"title 设备连接检测结果");
    s += Link(L"echo   " + edge);
    s += Link(empty);
    s += Link(BoxLine(L"1.device前显示设备序列号即表示连接成功，软件才可正常使用！", 3));
    s += Link(BoxLine(L"2.若连接不到设备，请在帮助界面下载驱动或更换电脑。", 11));
    s += Link(BoxLine(L"3.连接问题属于个人设备问题，不接受反馈。", 21));
    s += Link(empty);
    s += Link(L"echo.  " + edge);
    s += Link(L"echo. ");
    s += Link(L"echo.");
    s += Link(kClosePrompt);
    s += Link(kWaitKey);
    s += Link(L"EXIT");
    return s;
}

std::wstring BuildInstallResultBanner() {
    std::wstring s;
    s += Link(L"COLOR 3f ");
    s += Link(L"title 安装结果");
    s += Link(L"echo.");
    // The result line is glued to the next separator: the interpreter prints it without a trailing blank.
    s += L" && echo.出现 Success 表示安装完成！ 若没有安装可在手机内部存储根目录下找到Gnirehtet.apk手动安装&&";
    s += L" echo. ";
    s += Link(L"echo.");
    s += Link(kClosePrompt);
    s += Link(kWaitKey);
    s += Link(L"EXIT");
    return s;
}

using plat::ShowState;

// Row 2 closes its hidden interpreter when the copy ends ("/c"), or each install would leave one running.
const ConsoleRequest kRequests[] = {
    {L"adb devices", L"cmd /k ", Banner::DeviceCheck, ShowState::NormalActivate},
    {L"adb push .Client\\gnirehtet.apk sdcard/", L"cmd /c ", Banner::None, ShowState::Hidden},
    {L"adb install -r .Client\\gnirehtet.apk", L"cmd /k ", Banner::InstallResult, ShowState::NormalActivate},
    {L"adb shell cmd connectivity airplane-mode enable", L"cmd /c ", Banner::None, ShowState::Hidden},
    {L"adb shell cmd connectivity airplane-mode disable", L"cmd /c ", Banner::None, ShowState::Hidden},
    {L"gnirehtet stop", L"cmd /c ", Banner::None, ShowState::Hidden},
    {L"gnirehtet start", L"cmd /c ", Banner::None, ShowState::Hidden},
    {L"gnirehtet relay", L"cmd /c ", Banner::None, ShowState::Hidden},
};

}  // namespace

const ConsoleRequest& RequestFor(ConsoleRow row) { return kRequests[static_cast<int>(row) - 1]; }

const std::wstring& BannerText(Banner banner) {
    static const std::wstring none;
    static const std::wstring deviceCheck = BuildDeviceCheckBanner();
    static const std::wstring installResult = BuildInstallResultBanner();
    switch (banner) {
        case Banner::DeviceCheck:
            return deviceCheck;
        case Banner::InstallResult:
            return installResult;
        case Banner::None:
            break;
    }
    return none;
}

std::wstring ComposeCommandLine(const std::wstring& prefix, const std::wstring& command, Banner banner) {
    return prefix + command + BannerText(banner);
}

bool Console::Run(ConsoleRow row) {
    const ConsoleRequest& request = RequestFor(row);
    ScratchField& field = row == ConsoleRow::DeviceCheck ? text8_ : intertext_;
    field.SetText(request.command);
    const std::wstring line = ComposeCommandLine(request.prefix, field.Text(), request.banner);
    plat::StartResult result;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        if (attempt > 1) sleeper_.SleepMs(kRetryPauseMs);
        result = starter_.StartConsole(line, request.show);
        if (result.started) return true;
        plat::RecordCaught("console start", "try " + std::to_string(attempt) + " of " + std::to_string(kTries) +
                                                " failed with error " + std::to_string(result.error) + ": " +
                                                Ascii(request.command));
    }
    failures_.push_back({row, result});
    return false;
}

std::vector<FailedStart> Console::TakeFailures() {
    std::vector<FailedStart> taken;
    taken.swap(failures_);
    return taken;
}

std::wstring FailedStartsText(const std::vector<FailedStart>& failures) {
    std::wstring text = L"以下命令未能启动，没有执行：";
    for (const FailedStart& f : failures) {
        text += L"\r\n\r\n";
        text += RequestFor(f.row).command;
        text += L"\r\n原因：";
        text += f.result.reason.empty() ? L"未知错误。" : f.result.reason;
        text += L"（错误代码 " + std::to_wstring(f.result.error) + L"）";
    }
    return text;
}

}  // namespace app
