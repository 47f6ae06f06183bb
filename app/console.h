// Console requests: the fixed command lines the program hands to the command interpreter.
#pragma once

#include <string>

#include "platform/platform.h"

namespace app {

// Every console the program ever starts, numbered as the user-visible actions use them.
enum class ConsoleRow {
    DeviceCheck = 1,    // adb devices, with the device-check banner
    PushClient = 2,     // copy the phone-side package to the phone
    InstallClient = 3,  // install it, with the install-result banner
    AirplaneOn = 4,
    AirplaneOff = 5,
    RelayStop = 6,
    RelayStart = 7,
    RelayRun = 8,
};

enum class Banner { None, DeviceCheck, InstallResult };

struct ConsoleRequest {
    const wchar_t* command;
    const wchar_t* prefix;  // "cmd /k " or "cmd /c "
    Banner banner;
    plat::ShowState show;
};

const ConsoleRequest& RequestFor(ConsoleRow row);
const std::wstring& BannerText(Banner banner);

// prefix + command + banner, nothing added or trimmed.
std::wstring ComposeCommandLine(const std::wstring& prefix, const std::wstring& command, Banner banner);

// A hidden text field of the main window that holds the last command stored in it.
class ScratchField {
public:
    virtual ~ScratchField() = default;
    virtual void SetText(const std::wstring& text) = 0;
    virtual std::wstring Text() const = 0;
};

// Runs console requests: stores the command in its scratch field, composes the line from the field and starts it.
class Console {
public:
    Console(plat::ProcessStarter& starter, ScratchField& text8, ScratchField& intertext)
        : starter_(starter), text8_(text8), intertext_(intertext) {}
    void Run(ConsoleRow row);

private:
    plat::ProcessStarter& starter_;
    ScratchField& text8_;
    ScratchField& intertext_;
};

}  // namespace app
