// Implementation of the Wine test harness.
#include "e2e/harness_win.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <vector>

#include "app/form1_ids.h"
#include "platform/utf8_win.h"

namespace e2e {

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return condition();
        Sleep(15);
    }
}

std::wstring BinDir() {
    wchar_t buffer[4096];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, 4096);
    std::wstring path(buffer, n);
    return path.substr(0, path.find_last_of(L"\\/"));
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool ReadFileBytes(const std::wstring& path, std::string* bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes->clear();
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes->append(chunk, got);
    CloseHandle(file);
    return true;
}

std::vector<std::string> ReadLines(const std::wstring& path) {
    std::string bytes;
    std::vector<std::string> lines;
    if (!ReadFileBytes(path, &bytes)) return lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Utf8(const std::wstring& text) { return plat::ToUtf8(text); }

namespace {

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &fd));
        FindClose(find);
    }
    SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

std::wstring UniqueTempPath(const wchar_t* prefix) {
    wchar_t buffer[MAX_PATH];
    GetTempPathW(MAX_PATH, buffer);
    static unsigned counter = 0;
    std::wstringstream name;
    name << buffer << prefix << GetCurrentProcessId() << L"-" << ++counter;
    return name.str();
}

ChildProcess::ChildProcess(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring line = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    if (!CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) pi_ = {};
}

ChildProcess::~ChildProcess() {
    if (!pi_.hProcess) return;
    TerminateProcess(pi_.hProcess, 0);
    WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
}

Sandbox::Sandbox(const Options& options) {
    root_ = UniqueTempPath(L"relanto-e2e-");
    RemoveTree(root_);
    CreateDirectoryW(root_.c_str(), nullptr);
    programDir_ = root_ + L"\\" + options.programFolderName;
    CreateDirectoryW(programDir_.c_str(), nullptr);
    workDir_ = programDir_;
    if (!options.workFolderName.empty()) {
        workDir_ = root_ + L"\\" + options.workFolderName;
        CreateDirectoryW(workDir_.c_str(), nullptr);
    }
    log_ = root_ + L"\\standin.log";
    const std::wstring bin = BinDir();
    CopyFileW((bin + L"\\Relanto.exe").c_str(), (programDir_ + L"\\Relanto.exe").c_str(), FALSE);
    if (options.adbExeAsFolder) {
        CreateDirectoryW((programDir_ + L"\\adb.exe").c_str(), nullptr);
    } else if (options.adbExe) {
        CopyFileW((bin + L"\\adb.exe").c_str(), (programDir_ + L"\\adb.exe").c_str(), FALSE);
    }
    if (options.adbWinApi) WriteFileBytes(programDir_ + L"\\AdbWinApi.dll", "stand-in");
    if (options.adbWinUsbApi) WriteFileBytes(programDir_ + L"\\AdbWinUsbApi.dll", "stand-in");
    CopyFileW((bin + L"\\gnirehtet.exe").c_str(), (programDir_ + L"\\gnirehtet.exe").c_str(), FALSE);
    if (workDir_ != programDir_) {
        CopyFileW((bin + L"\\adb.exe").c_str(), (workDir_ + L"\\adb.exe").c_str(), FALSE);
        CopyFileW((bin + L"\\gnirehtet.exe").c_str(), (workDir_ + L"\\gnirehtet.exe").c_str(), FALSE);
    }
}

Sandbox::~Sandbox() {
    if (pi_.hProcess) {
        TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
    }
    KillStrays();
    RemoveTree(root_);
}

bool Sandbox::Launch(const std::wstring& exeName) {
    SetEnvironmentVariableW(L"RELANTO_STANDIN_LOG", log_.c_str());
    const std::wstring exe = programDir_ + L"\\" + exeName;
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    // A Wine prefix that has just been set up may refuse the very first start for a moment; a real failure stays.
    return WaitFor(
        [&] {
            return CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, workDir_.c_str(), &si,
                                  &pi_) != FALSE;
        },
        5000);
}

bool Sandbox::WaitExit(int timeoutMs) {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

bool Sandbox::Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

std::wstring Sandbox::LogLinks() const {
    const std::wstring log = workDir_ + L"\\urls.log";
    SetEnvironmentVariableW(L"RELANTO_URL_LOG", log.c_str());
    return log;
}

std::vector<StandinRun> Sandbox::Runs() const {
    std::vector<StandinRun> runs;
    std::string bytes;
    if (!ReadFileBytes(log_, &bytes)) return runs;
    const std::string::size_type ended = bytes.rfind('\n');  // a last line still being written is left out
    bytes.resize(ended == std::string::npos ? 0 : ended + 1);
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        StandinRun run;
        std::istringstream fields(line);
        std::string time;
        std::getline(fields, run.program, '\t');
        std::getline(fields, run.arguments, '\t');
        std::getline(fields, run.directory, '\t');
        std::getline(fields, time, '\t');
        run.time100ns = std::stoull(time.empty() ? std::string("0") : time);
        std::getline(fields, time, '\t');
        run.consoleStart100ns = std::stoull(time.empty() ? std::string("0") : time);
        runs.push_back(run);
    }
    return runs;
}

bool Sandbox::WaitRuns(std::size_t count, int timeoutMs) const {
    if (WaitFor([&] { return Runs().size() >= count; }, timeoutMs)) return true;
    std::printf("[ data ] waited %d ms for %u stand-in runs; the log holds:\n", timeoutMs,
                static_cast<unsigned>(count));
    for (const StandinRun& run : Runs())
        std::printf("[ data ]   %s %s, console started at %llu\n", run.program.c_str(), run.arguments.c_str(),
                    run.consoleStart100ns);
    std::printf("[ data ] console processes (name#id<parent):%s\n", ConsoleProcesses().c_str());
    std::string unwritten;
    if (ReadFileBytes(log_ + L".unwritten", &unwritten))
        std::printf("[ data ] lines the log refused:\n%s", unwritten.c_str());
    return false;
}

namespace {
struct WindowSearch {
    DWORD pid;
    const wchar_t* className;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND w, LPARAM lp) {
    auto* a = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner != a->pid) return TRUE;
    if (a->visibleOnly && !IsWindowVisible(w)) return TRUE;
    wchar_t cls[256];
    GetClassNameW(w, cls, 256);
    if (lstrcmpW(cls, a->className) == 0) a->found.push_back(w);
    return TRUE;
}
}  // namespace

std::vector<HWND> ProcessWindows(DWORD pid, const wchar_t* className, bool visibleOnly) {
    WindowSearch args{pid, className, visibleOnly, {}};
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&args));
    return args.found;
}

HWND FindProcessWindow(DWORD pid, const wchar_t* className, bool visibleOnly) {
    const std::vector<HWND> windows = ProcessWindows(pid, className, visibleOnly);
    return windows.empty() ? nullptr : windows.front();
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT reaches child controls of other processes, which GetWindowText does not.
    wchar_t buffer[4096] = {};
    DWORD_PTR n = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, &n);
    return std::wstring(buffer, static_cast<std::size_t>(n));
}

HWND WaitProcessWindow(DWORD pid, const wchar_t* className, const std::wstring& title) {
    HWND w = nullptr;
    WaitFor([&] {
        w = FindProcessWindow(pid, className);
        return w && WindowText(w) == title;
    });
    return w;
}

bool WaitMessageBox(DWORD pid, MessageBoxInfo* info, int timeoutMs) {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindProcessWindow(pid, L"#32770")) != nullptr; }, timeoutMs)) return false;
    info->window = box;
    info->title = WindowText(box);
    info->text = WindowText(GetDlgItem(box, 0xFFFF));
    return true;
}

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

namespace {
void SendMouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}
}  // namespace

void MoveTo(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    // Wine may echo an earlier pointer position back after this move; move again until the pointer stays put.
    for (int attempt = 0; attempt < 5; ++attempt) {
        SetCursorPos(p.x, p.y);
        SendMouse(MOUSEEVENTF_MOVE);
        const bool landed = WaitFor(
            [&] {
                POINT now;
                return GetCursorPos(&now) && now.x == p.x && now.y == p.y;
            },
            500);
        if (landed) return;
    }
}

bool WaitUncovered(HWND window, int x, int y, int timeoutMs) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return WaitFor(
        [&] {
            HWND under = WindowFromPoint(p);
            return under == window || IsChild(window, under);
        },
        timeoutMs);
}

GUITHREADINFO ThreadInputOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) info = {};
    return info;
}

namespace {

// A window as failure messages name it: its class and control id.
std::string Describe(HWND w) {
    if (!w) return "-";
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    return Utf8(cls) + "#" + std::to_string(GetDlgCtrlID(w));
}

}  // namespace

bool BringToFront(HWND window) {
    HWND root = GetAncestor(window, GA_ROOT);
    // The system makes a window the foreground at once, but its own thread takes the activation (and gives the
    // focus to a control) only when it next reads its messages; input sent before that finds no focus or an old
    // one. A busy machine widens that gap, so wait until the window's thread has the window active and a focus.
    return WaitFor(
        [&] {
            if (GetForegroundWindow() != root) {
                SetForegroundWindow(root);
                return false;
            }
            const GUITHREADINFO info = ThreadInputOf(root);
            return info.hwndActive == root && info.hwndFocus != nullptr;
        },
        5000);
}

void ClickAt(HWND window, int x, int y, bool right) {
    // A click on a window in the background only activates it on a fresh Wine desktop; a console that is still
    // closing may lie over the target for a moment.
    BringToFront(window);
    WaitUncovered(window, x, y, 5000);
    MoveTo(window, x, y);
    // A button holds the pointer while the pointer is over it, and gives it up on the first move it sees over
    // another window. Wine may report an earlier position late, handing the pointer back to the button it was over
    // before: a press sent then would reach that button. Move again until no other window holds the pointer.
    WaitFor(
        [&] {
            HWND capture = ThreadInputOf(window).hwndCapture;
            if (capture == nullptr || capture == window) return true;
            MoveTo(window, x, y);
            return false;
        },
        3000);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

std::string InputState(HWND window) {
    const GUITHREADINFO info = ThreadInputOf(window);
    POINT p;
    GetCursorPos(&p);
    return "{fg=" + Describe(GetForegroundWindow()) + " active=" + Describe(info.hwndActive) +
           " focus=" + Describe(info.hwndFocus) + " capture=" + Describe(info.hwndCapture) +
           " under=" + Describe(WindowFromPoint(p)) + "}";
}

void ParkPointer() {
    SetCursorPos(1, 1);
    SendMouse(MOUSEEVENTF_MOVE);
}

unsigned long long PixelHash(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    unsigned long long h = 1469598103934665603ull;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) h = (h ^ GetPixel(screen, x, y)) * 1099511628211ull;
    ReleaseDC(nullptr, screen);
    return h;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

namespace {
template <class Visit>
void ForEachProcess(Visit visit) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) visit(entry);
    CloseHandle(snapshot);
}

template <std::size_t N>
void KillByName(const wchar_t* const (&names)[N]) {
    ForEachProcess([&](const PROCESSENTRY32W& entry) {
        for (const wchar_t* name : names) {
            if (lstrcmpiW(entry.szExeFile, name) != 0) continue;
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
            if (process) {
                TerminateProcess(process, 1);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
        }
    });
}
}  // namespace

void KillConsoles() {
    const wchar_t* const names[] = {L"cmd.exe", L"adb.exe", L"gnirehtet.exe"};
    KillByName(names);
}

void KillStrays() {
    const wchar_t* const names[] = {L"cmd.exe",     L"adb.exe",     L"gnirehtet.exe",
                                    L"Relanto.exe", L"Gallery.exe", L"NShapeDemo.exe"};
    KillByName(names);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

}  // namespace e2e

namespace e2e {

namespace {

bool SaveScreenRect(const RECT& r, const std::wstring& path) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;  // bottom-up, as BMP files store rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(BITMAPINFOHEADER);
    fh.bfSize = fh.bfOffBits + stride * static_cast<DWORD>(h);
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof(fh));
    bytes.append(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof(BITMAPINFOHEADER));
    bytes.append(static_cast<const char*>(bits), stride * static_cast<DWORD>(h));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return WriteFileBytes(path, bytes);
}

}  // namespace

bool SaveWindowShot(HWND window, const std::wstring& path) {
    RECT r;
    if (!GetWindowRect(window, &r)) return false;
    RECT client;
    if (!GetClientRect(window, &client)) return false;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const std::size_t dot = path.rfind(L'.');
    const std::wstring clientPath = path.substr(0, dot) + L"-client" + path.substr(dot);
    return SaveScreenRect(r, path) && SaveScreenRect(client, clientPath);
}

std::wstring ArtifactDir() {
    // Each round of the test command (locale, Windows version) keeps its pictures apart, so they can be compared.
    wchar_t name[256];
    const DWORD n = GetEnvironmentVariableW(L"RELANTO_ARTIFACTS", name, 256);
    const std::wstring dir = BinDir() + L"\\" + (n > 0 && n < 256 ? std::wstring(name, n) : L"artifacts");
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

}  // namespace e2e

namespace e2e {

namespace {

// Live entries of a process's GDI handle table, which the system maps into the process and names in its PEB (of
// this program's own architecture: the field and the pointer differ between 32-bit and 64-bit PEBs).
long GdiTableCount(HANDLE process) {
    const std::size_t kTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
    using Query = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
    static const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    if (!query) return -1;
    PROCESS_BASIC_INFORMATION info = {};
    if (query(process, 0, &info, sizeof(info), nullptr) < 0 || !info.PebBaseAddress) return -1;
    const void* table = nullptr;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(info.PebBaseAddress) + kTableInPeb, &table,
                           sizeof(table), &got) ||
        !table)
        return -1;
    struct Entry {  // as Wine lays it out on both architectures, and 64-bit Windows
        UINT64 object;
        ULONG owner;
        ULONG type;
        UINT64 user;
    };
    const std::size_t kEntries = 0x10000;
    std::vector<Entry> entries(kEntries);
    if (!ReadProcessMemory(process, table, entries.data(), kEntries * sizeof(Entry), &got)) return -1;
    // A live entry has its object type in the third byte of the type word; a freed one keeps only its reuse
    // counter. Entries of other processes (where the table is shared) carry their process id.
    const ULONG pid = GetProcessId(process) & 0xFFFF;
    long n = 0;
    for (std::size_t i = 0; i < got / sizeof(Entry); ++i) {
        const ULONG owner = entries[i].owner & 0xFFFF;
        if (((entries[i].type >> 16) & 0xFF) != 0 && (owner == 0 || owner == pid)) ++n;
    }
    return n;
}

}  // namespace

// GDI objects of a process: GetGuiResources where it works (it returns 0 under Wine), else the handle table,
// once a self-test shows that the table tracks objects one for one; -1 when neither is usable.
long GdiCount(HANDLE process) {
    const DWORD n = GetGuiResources(process, GR_GDIOBJECTS);
    if (n > 0) return static_cast<long>(n);
    static const bool tableWorks = [] {
        const long before = GdiTableCount(GetCurrentProcess());
        std::vector<HBRUSH> brushes;
        for (int i = 0; i < 50; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 1, 2)));
        const long during = GdiTableCount(GetCurrentProcess());
        for (HBRUSH b : brushes) DeleteObject(b);
        const long after = GdiTableCount(GetCurrentProcess());
        std::printf("[ data ] GDI table self-test: %ld, %ld with 50 brushes, %ld after\n", before, during, after);
        return before >= 0 && during == before + 50 && after == before;
    }();
    return tableWorks ? GdiTableCount(process) : -1;
}

int SoakCount(int quick, int full) {
    wchar_t value[16] = {};
    const DWORD n = GetEnvironmentVariableW(L"RELANTO_SOAK", value, 16);
    return n > 0 && n < 16 && std::wstring(value, n) == L"long" ? full : quick;
}

long HandleCount(DWORD pid) {
    using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    static const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return -1;
    // SYSTEM_HANDLE_TABLE_ENTRY_INFO: the owner's id is only 16 bits wide there.
    struct Entry {
        USHORT pid;
        USHORT creatorBackTraceIndex;
        UCHAR objectType;
        UCHAR attributes;
        USHORT handle;
        PVOID object;
        ULONG access;
    };
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    LONG status;
    while ((status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
           static_cast<LONG>(0xC0000004)) {  // STATUS_INFO_LENGTH_MISMATCH
        if (buffer.size() > (256u << 20)) return -1;
        buffer.resize(buffer.size() * 2);
    }
    if (status < 0) return -1;
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
    long mine = 0;
    for (ULONG i = 0; i < count; ++i)
        if (entries[i].pid == static_cast<USHORT>(pid)) ++mine;
    return mine;
}

int CountProcesses(const wchar_t* exeName) {
    int count = 0;
    ForEachProcess([&](const PROCESSENTRY32W& entry) { count += lstrcmpiW(entry.szExeFile, exeName) == 0; });
    return count;
}

std::string ConsoleProcesses() {
    std::string list;
    ForEachProcess([&](const PROCESSENTRY32W& entry) {
        for (const wchar_t* name : {L"cmd.exe", L"conhost.exe", L"adb.exe", L"gnirehtet.exe"})
            if (lstrcmpiW(entry.szExeFile, name) == 0)
                list += " " + Utf8(entry.szExeFile) + "#" + std::to_string(entry.th32ProcessID) + "<" +
                        std::to_string(entry.th32ParentProcessID);
    });
    return list.empty() ? " none" : list;
}

HWND StartMainWindow(Sandbox& box, bool closeConsole) {
    if (!box.Launch()) {
        std::printf("[ data ] the program did not start: error %lu\n", GetLastError());
        return nullptr;
    }
    HWND main = nullptr;
    WaitFor([&] { return (main = FindProcessWindow(box.pid(), app::kForm1Class)) != nullptr; });
    if (closeConsole && main && box.WaitRuns(1)) KillConsoles();
    return main;
}

bool CheckflightTicked(HWND main) {
    return SendMessageW(GetDlgItem(main, app::kIdCheckflight), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ClickCheckflight(HWND main) {
    HWND check = GetDlgItem(main, app::kIdCheckflight);
    RECT r;
    GetClientRect(check, &r);
    ClickAt(check, 8, (r.bottom - r.top) / 2);
}

void ExpectStopsAtMissingFile(Sandbox& box, const std::string& storedConfig) {
    MessageBoxInfo info;
    ASSERT_TRUE(WaitMessageBox(box.pid(), &info));
    EXPECT_EQ(info.title, L"Relanto");
    EXPECT_EQ(info.text, L"驱动不正常！请解压后运行或检查主程序目录下的文件！");
    EXPECT_EQ(ProcessWindows(box.pid(), L"#32770").size(), 1u) << "one message, not one per missing file";
    EXPECT_EQ(FindProcessWindow(box.pid(), app::kForm1Class), nullptr) << "no main window is shown";
    PressOk(info.window);
    ASSERT_TRUE(box.WaitExit()) << "the program ends when the message is dismissed";

    EXPECT_EQ(CountProcesses(L"cmd.exe"), 0) << "no console was started";
    EXPECT_TRUE(box.Runs().empty());
    std::string config;
    ASSERT_TRUE(ReadFileBytes(box.configPath(), &config));
    EXPECT_EQ(config, storedConfig);
}

}  // namespace e2e
