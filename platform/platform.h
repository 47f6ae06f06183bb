// Small interfaces over the operating system, so that every window and control can be tested natively with fakes.
#pragma once

#include <cstdint>
#include <string>

namespace plat {

// Opaque identity of a native window (an HWND on Windows); 0 means none.
using WindowId = std::uintptr_t;

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int cx = 0;
    int cy = 0;
};

// Show-window states of a started console, with the platform's numeric values.
enum class ShowState : int { Hidden = 0, NormalActivate = 1, MinimizedActivate = 2 };

// Whether a console's process was created and, when it was not, why.
struct StartResult {
    bool started = false;
    unsigned long error = 0;  // the system's error code when not started
    std::wstring reason;      // the system's own text for `error`, in the user's language; may be empty
};

// Starts a console command line through the command interpreter, asynchronously.
// The process handles are closed at once; nothing waits for the console.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    virtual StartResult StartConsole(const std::wstring& commandLine, ShowState show) = 0;
};

// Private-profile (INI) file access. Read returns `fallback` when the file, section or key is missing.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual std::wstring Read(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                              const std::wstring& fallback, unsigned bufferChars) = 0;
    virtual bool Write(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                       const std::wstring& value) = 0;
};

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void SleepMs(unsigned milliseconds) = 0;
};

enum class MsgButtons { Ok };
enum class MsgIcon { None, Exclamation, Information, Error };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal; returns once the user dismissed the box. Owned by `owner`, or by this thread's active window, if
    // any, when `owner` is 0.
    virtual void Show(const std::wstring& text, const std::wstring& title, MsgButtons buttons, MsgIcon icon,
                      WindowId owner) = 0;
};

// Looks a path up as an ordinary file: folders, hidden and system files count as not found.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    virtual bool OrdinaryFileExists(const std::wstring& path) = 0;
};

// Opens an address in the user's browser through a fresh shell automation object; failures are silent.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void Open(const std::wstring& address) = 0;
};

// Pointer and capture queries, all in screen or client pixels of the native windows.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual Point CursorPos() = 0;
    virtual WindowId WindowFromPoint(Point screen) = 0;
    virtual Point ClientToScreen(WindowId window, Point client) = 0;
    virtual Point ScreenToClient(WindowId window, Point screen) = 0;
    virtual WindowId Capture() = 0;
    virtual void SetCapture(WindowId window) = 0;
    virtual void ReleaseCapture() = 0;
};

// Posts keystrokes to the input queue without waiting; understands "{TAB}" and "+{TAB}".
class KeySender {
public:
    virtual ~KeySender() = default;
    virtual void Send(const std::wstring& keys) = 0;
};

// Periodic timers on the window thread; the owning window receives the ticks.
class Timers {
public:
    virtual ~Timers() = default;
    virtual void Start(WindowId window, unsigned timerId, unsigned periodMs) = 0;
    virtual void Stop(WindowId window, unsigned timerId) = 0;
};

// The user's display scheme. In high contrast the windows draw with the system's colours instead of their own.
class DisplayScheme {
public:
    virtual ~DisplayScheme() = default;
    virtual bool HighContrast() = 0;
};

// Everything the portable logic may ask of the platform, handed down explicitly instead of through globals.
struct Services {
    ProcessStarter* process = nullptr;
    ProfileStore* profile = nullptr;
    Sleeper* sleeper = nullptr;
    MessageBoxes* messages = nullptr;
    FileProbe* files = nullptr;
    LinkOpener* links = nullptr;
    Pointer* pointer = nullptr;
    KeySender* keys = nullptr;
    Timers* timers = nullptr;
    DisplayScheme* scheme = nullptr;
};

}  // namespace plat
