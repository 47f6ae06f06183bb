// Test harness for driving the real programs under Wine: sandbox folders with stand-in tools, process
// launch, waiting for windows and message boxes, real pointer input and the stand-ins' log.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Polls `condition` until it holds or `timeoutMs` passes.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000);

std::wstring BinDir();  // folder of the test program, where the built programs lie
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool ReadFileBytes(const std::wstring& path, std::string* bytes);
// The CRLF-ended lines of a file (none when it cannot be read; an unended last line is left out).
std::vector<std::string> ReadLines(const std::wstring& path);
bool FileExists(const std::wstring& path);
std::string Utf8(const std::wstring& text);
// A fresh path in the temp folder, unique to this process and call: PREFIX<pid>-<n>. Not created.
std::wstring UniqueTempPath(const wchar_t* prefix);

struct StandinRun {
    std::string program;    // "adb" or "gnirehtet"
    std::string arguments;  // as written on the command line
    std::string directory;  // working folder, UTF-8
    unsigned long long time100ns = 0;
    unsigned long long consoleStart100ns = 0;  // when the program started the console that ran it; 0 unknown
};

// A fresh program folder (and, optionally, a separate working folder) for one test.
class Sandbox {
public:
    struct Options {
        std::wstring programFolderName = L"prog";
        std::wstring workFolderName;  // empty: work in the program folder
        bool adbExe = true;
        bool adbWinApi = true;
        bool adbWinUsbApi = true;
        bool adbExeAsFolder = false;
    };
    explicit Sandbox(const Options& options);
    ~Sandbox();

    const std::wstring& programDir() const { return programDir_; }
    const std::wstring& workDir() const { return workDir_; }
    std::wstring configPath() const { return programDir_ + L"\\config.ini"; }

    // Starts Relanto.exe from the program folder with the working folder as its current directory.
    bool Launch(const std::wstring& exeName = L"Relanto.exe");
    HANDLE process() const { return pi_.hProcess; }
    DWORD pid() const { return pi_.dwProcessId; }
    bool WaitExit(int timeoutMs = 10000);
    bool Running() const;

    // Sends the addresses the stand-in browser is asked to open to a file in the working folder, from the next
    // launch on; the file's path.
    std::wstring LogLinks() const;

    std::vector<StandinRun> Runs() const;
    // Waits until at least `count` stand-in runs are logged. The limit is generous because a busy machine can hold a
    // console's start for seconds; a passing wait ends at once. A wait that runs out prints the runs it saw.
    bool WaitRuns(std::size_t count, int timeoutMs = 30000) const;

private:
    std::wstring root_, programDir_, workDir_, log_;
    PROCESS_INFORMATION pi_ = {};
};

// Top-level windows of a process with a class name (visible ones only, or all), front to back.
std::vector<HWND> ProcessWindows(DWORD pid, const wchar_t* className, bool visibleOnly = true);
// The first of them; nullptr when there is none.
HWND FindProcessWindow(DWORD pid, const wchar_t* className, bool visibleOnly = true);
std::wstring WindowText(HWND window);
// Waits for the process's visible top-level window of that class to show that title; on time-out, the window of
// that class last seen (nullptr when none).
HWND WaitProcessWindow(DWORD pid, const wchar_t* className, const std::wstring& title);

// One of the built programs started with a command line; terminated when this object ends.
class ChildProcess {
public:
    ChildProcess(const std::wstring& exe, const std::wstring& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pi_.hProcess != nullptr; }
    HANDLE process() const { return pi_.hProcess; }
    DWORD pid() const { return pi_.dwProcessId; }
    DWORD threadId() const { return pi_.dwThreadId; }
    bool Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

private:
    PROCESS_INFORMATION pi_ = {};
};

struct MessageBoxInfo {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
};
bool WaitMessageBox(DWORD pid, MessageBoxInfo* info, int timeoutMs = 10000);
void PressOk(HWND box);

// Makes the window's top-level window the foreground window and waits until it is.
bool BringToFront(HWND window);

// Waits until the point of the window's client area is not covered by another window.
bool WaitUncovered(HWND window, int x, int y, int timeoutMs = 5000);

// Moves the pointer to the screen's top-left corner, away from every window of the tests.
void ParkPointer();
// A hash of what the screen shows of a window: equal hashes, equal pixels.
unsigned long long PixelHash(HWND window);

// The input state (focus, capture, active window) of the thread that owns a window; all null when unknown.
GUITHREADINFO ThreadInputOf(HWND window);
// The input state of a window's thread, for failure messages: foreground, active, focus and capture windows (class
// and control id).
std::string InputState(HWND window);

// Real pointer input at a point of a window's client area.
void MoveTo(HWND window, int x, int y);
void ClickAt(HWND window, int x, int y, bool right = false);

// The window that has the keyboard focus in the thread of `window` (another process's window included).
HWND FocusOf(HWND window);

// Ends the consoles and stand-ins the program under test started, leaving the program running.
void KillConsoles();

// Starts the program in the sandbox and waits for its main window (nullptr when it does not come). With
// closeConsole, also waits for the device check, the last start-up step but the load, and closes its console so
// that it cannot cover the window.
HWND StartMainWindow(Sandbox& box, bool closeConsole = true);
// The main window's airplane-mode box: whether it is ticked; a click on its box.
bool CheckflightTicked(HWND main);
void ClickCheckflight(HWND main);

// After a launch with a required file missing: one message and no main window; dismissing it ends the program,
// which started no console and left config.ini holding `storedConfig`.
void ExpectStopsAtMissingFile(Sandbox& box, const std::string& storedConfig);

// Ends every console and stand-in the tests started (cmd.exe, conhost.exe, adb.exe, gnirehtet.exe) and any
// program of the project still running.
void KillStrays();

// Open handles of a process, from the system handle table (GetProcessHandleCount is a stub under Wine);
// -1 when the table cannot be read.
long HandleCount(DWORD pid);
// GDI objects of a process: GetGuiResources where it works (it returns 0 under Wine), else the process's GDI handle
// table once a self-test shows that it tracks objects one for one; -1 when neither is usable.
long GdiCount(HANDLE process);

// A soak's count: `quick` in the test command, `full` when RELANTO_SOAK is "long" (scripts/soak.sh).
int SoakCount(int quick, int full);

// How many running processes have this executable name.
int CountProcesses(const wchar_t* exeName);
// The consoles' processes now running (interpreter, console host, stand-ins), for failure messages.
std::string ConsoleProcesses();

// Reads a screen pixel.
COLORREF ScreenPixel(int x, int y);

// Saves what the screen shows of a window as a 24-bit BMP file (a test artefact), and of its client area alone
// beside it ("main-96.bmp" and "main-96-client.bmp"): the frame and caption bar are the system's, drawn with the
// locale's caption font, the client area is the program's own.
bool SaveWindowShot(HWND window, const std::wstring& path);

// The folder for test artefacts (screenshots): "artifacts" beside the test program, created on first use.
std::wstring ArtifactDir();

}  // namespace e2e
