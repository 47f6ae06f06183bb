// Runs the host tables: the test program starts itself once per control ("--host-child=NAME TOKEN"); that child
// plays every case of the control's table in a fresh window and writes what it recorded to a file; the parent
// compares each case with its table and checks that the child ended cleanly.
#include "tests/host/host_rig_win.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <sstream>

#include "platform/keyboard_win.h"
#include "platform/platform_win.h"

// Freed blocks are overwritten before they go back to the heap, so code that keeps using a window's state after
// the window freed it reads garbage and fails at once instead of by chance.
void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    return p;
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept {
    if (!p) return;
    std::memset(p, 0xDD, _msize(p));
    std::free(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

namespace hosttest {
namespace {

const wchar_t kParentClass[] = L"HostTestParent";
const int kParentLeft = 100, kParentTop = 100;  // screen pixels
constexpr int kAwayX = 20, kAwayY = 20;         // screen pixels outside the parent

std::FILE* g_out = nullptr;  // the child's record, written line by line so a crash keeps what came before it
bool g_recording = false;    // only the steps are recorded, not creation, set-up or clean-up
HWND g_parent = nullptr;
HWND g_control = nullptr;
OnClick g_onClick = OnClick::Record;

// ---- Recording fakes of the services a control accepts.

struct RecordingPointer final : plat::Pointer {
    plat::Point cursor{kAwayX, kAwayY};
    plat::WindowId captured = 0;
    plat::Point CursorPos() override { return cursor; }
    plat::WindowId WindowFromPoint(plat::Point s) override {
        RECT r;
        if (!g_control || !GetWindowRect(g_control, &r)) return 0;
        const POINT p{s.x, s.y};
        return PtInRect(&r, p) ? reinterpret_cast<plat::WindowId>(g_control) : 0;
    }
    plat::Point ClientToScreen(plat::WindowId w, plat::Point c) override {
        return plat::Win32Services().pointer->ClientToScreen(w, c);
    }
    plat::Point ScreenToClient(plat::WindowId w, plat::Point s) override {
        return plat::Win32Services().pointer->ScreenToClient(w, s);
    }
    plat::WindowId Capture() override { return captured; }
    void SetCapture(plat::WindowId w) override {
        Log(w == reinterpret_cast<plat::WindowId>(g_control) ? "capture on" : "capture elsewhere");
        captured = w;
    }
    void ReleaseCapture() override {
        Log("capture off");
        captured = 0;
    }
};

struct RecordingTimers final : plat::Timers {
    void Start(plat::WindowId, unsigned id, unsigned periodMs) override {
        Log("timer " + std::to_string(id) + " on " + std::to_string(periodMs) + " ms");
    }
    void Stop(plat::WindowId, unsigned id) override { Log("timer " + std::to_string(id) + " off"); }
};

struct RecordingKeys final : plat::KeySender {
    void Send(const std::wstring& keys) override { Log("keys " + std::string(keys.begin(), keys.end())); }
};

RecordingPointer g_pointer;
RecordingTimers g_timers;
RecordingKeys g_keys;

// ---- The child: plays a table.

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            Log("parent WM_COMMAND " + std::to_string(LOWORD(wp)) + " " + std::to_string(HIWORD(wp)));
            break;
        case WM_NOTIFY:
            Log("parent WM_NOTIFY");
            break;
        case WM_SYSCOMMAND:
            // Kept from the default handler: a menu loop or a close would stop the case.
            Log("parent WM_SYSCOMMAND " + std::to_string(wp & 0xFFF0));
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Empties the queue: input and timer ticks are dropped (only the steps drive the control), the rest is handled.
void Settle() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        const bool input = (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ||
                           (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST);
        if (!input && m.message != WM_TIMER) DispatchMessageW(&m);
    }
}

void SetPointer(int screenX, int screenY) {
    g_pointer.cursor = {screenX, screenY};
    SetCursorPos(screenX, screenY);
    WaitUntil(
        [&] {
            POINT p;
            return GetCursorPos(&p) && p.x == screenX && p.y == screenY;
        },
        2000);
}

std::string KeyMessageName(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
            return "keydown";
        case WM_KEYUP:
            return "keyup";
        case WM_CHAR:
            return "char";
        default:
            return std::to_string(message);
    }
}

void Play(const Table& table, const Step& s, HWND target) {
    switch (s.message) {
        case kPointAt: {
            POINT p{s.x, s.y};
            ClientToScreen(g_control, &p);
            SetPointer(p.x, p.y);
            return;
        }
        case kPointAway:
            SetPointer(kAwayX, kAwayY);
            return;
        case kLogState: {
            if (!IsWindow(g_control)) {
                Log("state (destroyed)");
                return;
            }
            // The cue a focused control of the kit draws while its window shows focus cues.
            const HWND focus = GetFocus();
            const bool cue = (focus == g_control || focus == target) && plat::FocusCuesShown(focus);
            Log("state " + table.state(g_control) + " cue " + std::to_string(cue));
            return;
        }
        case kFocus:
            SetFocus(target);
            return;
        case kFocusAway:
            SetFocus(g_parent);
            return;
        case kAction:
            s.action(g_control);
            return;
        case kTakeKeys: {
            int taken = 0;
            WaitUntil(
                [&] {
                    MSG m;
                    while (taken < static_cast<int>(s.wp) &&
                           PeekMessageW(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
                        Log("queue " + KeyMessageName(m.message) + " " + std::to_string(m.wParam));
                        ++taken;
                    }
                    return taken == static_cast<int>(s.wp);
                },
                3000);
            return;
        }
    }
    if (s.message >= WM_KEYFIRST && s.message <= WM_KEYLAST) {
        // As the program gets them: the loop's dialog manager may keep a key from the control, and a key press
        // becomes a character before it reaches the window.
        PostMessageW(target, s.message, s.wp, s.lp);
        MSG m;
        while (PeekMessageW(&m, target, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) plat::HandleLoopMessage(m);
        return;
    }
    const bool positioned = s.message >= WM_MOUSEFIRST && s.message <= WM_MOUSELAST;
    SendMessageW(target, s.message, s.wp, positioned ? MAKELPARAM(s.x, s.y) : s.lp);
}

// The window system's capture and focus are recorded as they change across a step ("window capture on",
// "focus on"), after the step's events and the commands it posted.
void NoteChanges(HWND target, HWND* capture, HWND* focus) {
    // The default handling of system keys posts its commands (Alt+F4 closes): they reach the parent here.
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) DispatchMessageW(&m);
    const HWND c = GetCapture(), f = GetFocus();
    // Where the system puts the focus once the control is gone is its own affair.
    if (!IsWindow(g_control)) return;
    auto whose = [&](HWND w) { return w && (w == g_control || w == target) ? "" : " (elsewhere)"; };
    if (c != *capture) Log(c ? std::string("window capture on") + whose(c) : "window capture off");
    if (f != *focus) Log(f ? std::string("focus on") + whose(f) : "focus off");
    *capture = c;
    *focus = f;
}

// Where the child of a table writes what it recorded; `token` tells the runs of parallel parents apart.
std::wstring OutPath(const Table& table, const std::string& token) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::string name = "relanto-host-" + std::string(table.control) + "-" + token + ".log";
    return std::wstring(temp) + std::wstring(name.begin(), name.end());
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void Write(std::FILE* out, const std::string& line) {
    std::fputs(line.c_str(), out);
    std::fputc('\n', out);
}

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS*) { return EXCEPTION_EXECUTE_HANDLER; }

int RunChild(const Table& table, const std::string& token) {
    // A crash ends the child at once with the exception's code, for the parent to report; no debugger waits.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(&EndOnCrash);
    File file(_wfopen(OutPath(table, token).c_str(), L"wb"));
    if (!file) return 2;
    std::FILE* out = file.get();
    g_out = out;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kParentClass;
    if (!RegisterClassExW(&wc)) return 3;
    for (const Case& c : table.cases) {
        SetPointer(kAwayX, kAwayY);
        g_pointer.captured = 0;
        g_parent = CreateWindowExW(WS_EX_TOPMOST, kParentClass, L"host test", WS_POPUP | WS_VISIBLE, kParentLeft,
                                   kParentTop, 480, 240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!g_parent) return 4;
        SetForegroundWindow(g_parent);
        WaitUntil([] { return GetForegroundWindow() == g_parent; }, 3000);
        HWND target = nullptr;
        g_control = table.make(g_parent, &target);
        if (!g_control) return 5;
        if (!target) target = g_control;
        if (c.setup) c.setup(g_control);
        UpdateWindow(g_parent);
        Settle();
        SetFocus(g_parent);
        g_onClick = c.onClick;
        Write(out, std::string("#case ") + c.name);
        HWND capture = GetCapture(), focus = GetFocus();
        g_recording = true;
        for (const Step& s : c.steps) {
            Play(table, s, target);
            NoteChanges(target, &capture, &focus);
        }
        g_recording = false;
        Write(out, "#end");
        std::fflush(out);
        if (IsWindow(g_parent)) DestroyWindow(g_parent);
        g_parent = g_control = nullptr;
        ReleaseCapture();
        Settle();
    }
    return 0;
}

// ---- The parent: one child per table, then one test per case.

struct ChildRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string problem;                // why the child could not run, when it could not
    std::map<std::string, bool> ended;  // case name -> reached its end
    std::map<std::string, std::vector<std::string>> lines;
};

std::wstring Widen(const char* s) { return std::wstring(s, s + std::strlen(s)); }

ChildRun StartChild(const Table& table) {
    ChildRun run;
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::string token = std::to_string(GetCurrentProcessId());
    const std::wstring out = OutPath(table, token);
    DeleteFileW(out.c_str());
    std::wstring cmd =
        L"\"" + std::wstring(exe) + L"\" --host-child=" + Widen(table.control) + L" " + Widen(token.c_str());
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        run.problem = "the child process could not be started";
        return run;
    }
    CloseHandle(pi.hThread);
    if (WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 0xDEAD);
        WaitForSingleObject(pi.hProcess, 10000);
        run.problem = "the child process did not finish within 60 s";
    }
    GetExitCodeProcess(pi.hProcess, &run.exitCode);
    CloseHandle(pi.hProcess);
    std::string text;
    if (File in{_wfopen(out.c_str(), L"rb")}) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof(buffer), in.get())) > 0;) text.append(buffer, n);
    }
    std::istringstream lines(text);
    std::string line, current;
    while (std::getline(lines, line)) {
        if (line.compare(0, 6, "#case ") == 0) {
            current = line.substr(6);
            run.ended[current] = false;
            run.lines[current];
        } else if (line == "#end") {
            run.ended[current] = true;
        } else if (!current.empty()) {
            run.lines[current].push_back(line);
        }
    }
    DeleteFileW(out.c_str());
    return run;
}

const ChildRun& RunOf(const Table& table) {
    static std::map<const Table*, ChildRun> runs;
    auto it = runs.find(&table);
    if (it == runs.end()) it = runs.emplace(&table, StartChild(table)).first;
    return it->second;
}

std::string Hex(DWORD v) {
    char b[16];
    std::snprintf(b, sizeof(b), "0x%08lX", static_cast<unsigned long>(v));
    return b;
}

struct Entry {
    const Table* table;
    const Case* c;
};

void PrintTo(const Entry& e, std::ostream* os) { *os << e.table->control << " " << e.c->name; }

std::vector<Entry> Entries() {
    std::vector<Entry> all;
    for (const Table* t : Tables())
        for (const Case& c : t->cases) all.push_back({t, &c});
    return all;
}

class HostTable : public testing::TestWithParam<Entry> {};

TEST_P(HostTable, RecordsTheTabledSequence) {
    const Table& table = *GetParam().table;
    const Case& c = *GetParam().c;
    const ChildRun& run = RunOf(table);
    auto it = run.ended.find(c.name);
    ASSERT_NE(it, run.ended.end()) << "the child ended before this case, exit code " << Hex(run.exitCode) << " "
                                   << run.problem;
    const std::vector<std::string>& got = run.lines.at(c.name);
    EXPECT_TRUE(it->second) << "the child ended inside this case, exit code " << Hex(run.exitCode) << " "
                            << run.problem;
    EXPECT_EQ(c.expected, got);
}

INSTANTIATE_TEST_SUITE_P(Controls, HostTable, testing::ValuesIn(Entries()),
                         [](const testing::TestParamInfo<Entry>& info) {
                             return std::string(info.param.table->control) + "_" + info.param.c->name;
                         });

}  // namespace

void PrintTo(const Table* t, std::ostream* os) { *os << t->control; }

namespace {

class HostProcess : public testing::TestWithParam<const Table*> {};

TEST_P(HostProcess, EndsCleanly) {
    const ChildRun& run = RunOf(*GetParam());
    ASSERT_TRUE(run.problem.empty()) << run.problem;
    EXPECT_EQ(0u, run.exitCode) << "exit code " << Hex(run.exitCode);
    EXPECT_EQ(GetParam()->cases.size(), run.ended.size());
}

INSTANTIATE_TEST_SUITE_P(Controls, HostProcess, testing::ValuesIn(Tables()),
                         [](const testing::TestParamInfo<const Table*>& info) { return info.param->control; });

}  // namespace

// ---- Steps and recording helpers.

Step Move(int x, int y, WPARAM held) { return {WM_MOUSEMOVE, held, x, y}; }

Step Mouse(UINT message, int x, int y) {
    WPARAM held = 0;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            held = MK_LBUTTON;
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            held = MK_RBUTTON;
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            held = MK_MBUTTON;
            break;
    }
    return {message, held, x, y};
}

Step Key(UINT message, WPARAM vk) {
    // A system key comes with Alt held (context code); every key message is a first stroke with repeat count 1
    // and the key's scan code, which translation into characters reads.
    LPARAM lp = 1;
    if (message != WM_CHAR) lp |= static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC)) << 16;
    if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) lp |= 1 << 29;
    if (message == WM_KEYUP || message == WM_SYSKEYUP) lp |= static_cast<LPARAM>(3) << 30;
    Step s{message, vk};
    s.lp = lp;
    return s;
}

Step KeyRepeat(WPARAM vk) {
    Step s = Key(WM_KEYDOWN, vk);
    s.lp |= static_cast<LPARAM>(1) << 30;  // the key was already down
    return s;
}

Step Msg(UINT message, WPARAM wp, LPARAM lp) {
    Step s{message, wp};
    s.lp = lp;
    return s;
}

Step PointAt(int x, int y) { return {kPointAt, 0, x, y}; }
Step PointAway() { return {kPointAway}; }
Step State() { return {kLogState}; }
Step TakeKeys(int count) { return {kTakeKeys, static_cast<WPARAM>(count)}; }
Step Focus() { return {kFocus}; }
Step FocusAway() { return {kFocusAway}; }
Step Do(std::function<void(HWND control)> action) {
    Step s{kAction};
    s.action = std::move(action);
    return s;
}

void Log(const std::string& line) {
    if (!g_out || !g_recording) return;
    Write(g_out, line);
    std::fflush(g_out);
}

std::string Num(double v) {
    char b[32];
    std::snprintf(b, sizeof(b), "%g", v);
    return b;
}

void Clicked(const std::string& line) {
    Log(line);
    if (g_onClick == OnClick::DestroyControl) {
        Log("DestroyWindow control");
        DestroyWindow(g_control);
    } else if (g_onClick == OnClick::DestroyParent) {
        Log("DestroyWindow parent");
        DestroyWindow(g_parent);
    }
}

void TakeRecordedCapture(HWND window) { g_pointer.captured = reinterpret_cast<plat::WindowId>(window); }

const plat::Services& RecordingServices() {
    static const plat::Services services = [] {
        plat::Services s = plat::Win32Services();
        s.pointer = &g_pointer;
        s.timers = &g_timers;
        s.keys = &g_keys;
        return s;
    }();
    return services;
}

}  // namespace hosttest

int main(int argc, char** argv) {
    const std::string flag = "--host-child=";
    if (argc == 3 && std::string(argv[1]).compare(0, flag.size(), flag) == 0) {
        const std::string name = std::string(argv[1]).substr(flag.size());
        for (const hosttest::Table* t : hosttest::Tables())
            if (name == t->control) {
                return hosttest::RunChild(*t, argv[2]);
            }
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
