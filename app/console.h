// Console requests: the fixed command lines the program hands to the command interpreter.
#pragma once

#include <string>
#include <vector>

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

// A console that did not start, with the last try's reason.
struct FailedStart {
    ConsoleRow row;
    plat::StartResult result;
};

// Runs console requests: stores the command in its scratch field, composes the line from the field and starts it.
// A start the system refuses is tried again, with a short pause, up to kTries in all: no process exists after a
// refused start, so no command can run twice. A console that never started is kept until TakeFailures, for the
// action that asked for it to report once it has ended.
class Console {
public:
    static constexpr int kTries = 3;
    static constexpr unsigned kRetryPauseMs = 100;

    Console(plat::ProcessStarter& starter, plat::Sleeper& sleeper, ScratchField& text8, ScratchField& intertext)
        : starter_(starter), sleeper_(sleeper), text8_(text8), intertext_(intertext) {}
    // False when every try failed.
    bool Run(ConsoleRow row);
    // The consoles that did not start since the last call, in the order they were asked for.
    std::vector<FailedStart> TakeFailures();

private:
    plat::ProcessStarter& starter_;
    plat::Sleeper& sleeper_;
    ScratchField& text8_;
    ScratchField& intertext_;
    std::vector<FailedStart> failures_;
};

// What the user reads when consoles did not start: each command as the table names it and the system's reason.
std::wstring FailedStartsText(const std::vector<FailedStart>& failures);

}  // namespace app
