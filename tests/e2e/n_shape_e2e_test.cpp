// End-to-end tests of the graphical button in NShapeDemo.exe under Wine: looks on the screen under real pointer
// input, the leave poll, clicks of any button, a caption shown while the thread blocks, and no leaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "e2e/harness_win.h"
#include "platform/keyboard_win.h"

namespace {

// Button ids of the demo, in its creation order.
const int kStyle0 = 101;
const int kStyle4 = 105;
const int kDisabled = 110;
const int kBlock = 111;
const int kCounter = 112;

// The demo's colours (OLE colours of plain RGB values are COLORREFs).
const COLORREF kNormalFill = 0x00FF8080;
const COLORREF kHoverFill = 0x00FFC0C0;
const COLORREF kDownFill = 0x008080FF;

void Mouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

std::wstring TempFile(const wchar_t* name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetTickCount64()) + L".log";
}

// A picture of a screen rectangle as the X server holds it, which is what a user sees. (Wine's own screen reads
// may show window pixels that it has not yet copied to the display.) ImageMagick's import takes it; Wine starts
// Unix programs without a waitable process, so the picture is written under a temporary name and moved into
// place once complete.
struct ScreenShot {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // top-down
    int Count(COLORREF c) const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), c)); }
};

bool XScreenShot(const RECT& r, ScreenShot* shot) {
    static int counter = 0;
    const std::string base =
        "/tmp/relanto-nshape-shot-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    const std::wstring done = L"Z:" + std::wstring(base.begin(), base.end()) + L".bmp";
    for (wchar_t& c : const_cast<std::wstring&>(done))
        if (c == L'/') c = L'\\';
    char geometry[64];
    std::snprintf(geometry, sizeof(geometry), "%ldx%ld+%ld+%ld", r.right - r.left, r.bottom - r.top, r.left, r.top);
    const std::string script = "/usr/bin/import -window root -crop " + std::string(geometry) + " bmp3:" + base +
                               ".part && mv " + base + ".part " + base + ".bmp";
    std::wstring line = L"Z:\\bin\\sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(L"Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    if (!e2e::WaitFor([&] { return e2e::FileExists(done); }, 10000)) return false;
    std::string bmp;
    const bool read = e2e::ReadFileBytes(done, &bmp);
    DeleteFileW(done.c_str());
    if (!read || bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M') return false;
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 3])) << 24;
    };
    const std::uint32_t offset = u32(10);
    const int w = static_cast<int>(u32(18));
    const int h = static_cast<int>(u32(22));
    const int bpp = static_cast<int>(u32(28) & 0xFFFF);
    if (bpp != 24 || w <= 0 || h <= 0) return false;
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~static_cast<std::size_t>(3);
    if (bmp.size() < offset + stride * static_cast<std::size_t>(h)) return false;
    shot->width = w;
    shot->height = h;
    shot->pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const unsigned char* row =
            reinterpret_cast<const unsigned char*>(bmp.data()) + offset + stride * static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x)
            shot->pixels[static_cast<std::size_t>(y) * w + x] = RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    }
    return true;
}

class NShapeDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        log_ = new std::wstring(TempFile(L"nshape-demo-"));
        DeleteFileW(log_->c_str());
        SetEnvironmentVariableW(L"RELANTO_DEMO_LOG", log_->c_str());
        const std::wstring exe = e2e::BinDir() + L"\\NShapeDemo.exe";
        std::wstring line = L"\"" + exe + L"\"";
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        pi_ = {};
        if (!CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
        e2e::WaitFor([] { return (main_ = e2e::FindProcessWindow(pi_.dwProcessId, L"RelantoNShapeDemo")) != nullptr; });
        e2e::WaitFor([] { return Logged(L"ready"); });
        // The first pointer input after a window appears can be lost under Wine: hover once until it registers.
        if (main_) {
            HWND first = GetDlgItem(main_, kStyle0);
            e2e::BringToFront(main_);
            PointAt(first, 20, 20, [] { return Logged(L"enter Style0"); });
            PointAt(main_, 700, 220, [] { return Logged(L"leave Style0"); });
        }
    }
    static void TearDownTestSuite() {
        if (pi_.hProcess) {
            TerminateProcess(pi_.hProcess, 0);
            WaitForSingleObject(pi_.hProcess, 5000);
            CloseHandle(pi_.hProcess);
            CloseHandle(pi_.hThread);
        }
        DeleteFileW(log_->c_str());
        delete log_;
    }
    void SetUp() override {
        ASSERT_NE(main_, nullptr) << "NShapeDemo.exe did not show its window";
        // In the background, a click would only bring the window to the front.
        ASSERT_TRUE(e2e::BringToFront(main_));
        Park();
    }
    void TearDown() override { Park(); }

    static std::vector<std::wstring> LogLines() {
        std::string bytes;
        std::vector<std::wstring> lines;
        if (!e2e::ReadFileBytes(*log_, &bytes)) return lines;
        std::wstring text(bytes.size(), L'\0');
        text.resize(static_cast<std::size_t>(MultiByteToWideChar(
            CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], static_cast<int>(text.size()))));
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\n') {
                std::wstring l = text.substr(start, i - start);
                if (!l.empty() && l.back() == L'\r') l.pop_back();
                lines.push_back(l);
                start = i + 1;
            }
        }
        return lines;
    }
    static bool Logged(const std::wstring& line, std::size_t from = 0) {
        const auto lines = LogLines();
        for (std::size_t i = from; i < lines.size(); ++i)
            if (lines[i] == line) return true;
        return false;
    }
    static std::size_t LogSize() { return LogLines().size(); }
    static std::string Dump(std::size_t from) {
        std::string out = "log since the test began:";
        const auto lines = LogLines();
        for (std::size_t i = from; i < lines.size(); ++i) out += " [" + e2e::Utf8(lines[i]) + "]";
        return out;
    }

    HWND Button(int id) const { return GetDlgItem(main_, id); }

    // Puts the pointer on a point of a window, again and again until `arrived` holds: under Wine a move can be
    // overtaken by the display's late report of an earlier one.
    static bool PointAt(HWND window, int x, int y, const std::function<bool()>& arrived) {
        return e2e::WaitFor(
            [&] {
                e2e::MoveTo(window, x, y);
                return arrived();
            },
            5000);
    }
    // Hovers a button of the demo until it reports the enter.
    bool Hover(HWND button, int x, int y) {
        const std::size_t mark = LogSize();
        const std::wstring line = L"enter " + NameOf(button);
        return PointAt(button, x, y, [&] { return Logged(line, mark); });
    }
    static std::wstring NameOf(HWND button) {
        static const wchar_t* const names[] = {L"Style0", L"Style1",   L"Style2",     L"Style3",
                                               L"Style4", L"Style5",   L"PictureFit", L"PictureFixed",
                                               L"Fit",    L"Disabled", L"Block",      L"Counter"};
        const int i = GetDlgCtrlID(button) - kStyle0;
        return i >= 0 && i < 12 ? names[i] : L"";
    }

    // The pointer rests on an empty part of the demo window, away from every button.
    void Park() {
        PointAt(main_, 700, 220, [] {
            POINT p;
            GetCursorPos(&p);
            return WindowFromPoint(p) == main_;
        });
    }

    COLORREF Pixel(HWND button, int x, int y) const {
        POINT p{x, y};
        ClientToScreen(button, &p);
        return e2e::ScreenPixel(p.x, p.y);
    }
    bool WaitPixel(HWND button, int x, int y, COLORREF want, int timeoutMs = 3000) const {
        return e2e::WaitFor([&] { return Pixel(button, x, y) == want; }, timeoutMs);
    }

    // Pixels of a colour in the middle band of a button, where its caption lies.
    int CountColor(HWND button, COLORREF colour) const {
        RECT rc;
        GetClientRect(button, &rc);
        POINT origin{0, 0};
        ClientToScreen(button, &origin);
        HDC screen = GetDC(nullptr);
        int n = 0;
        for (int y = rc.bottom / 4; y < rc.bottom * 3 / 4; ++y)
            for (int x = 4; x < rc.right - 4; ++x)
                if (GetPixel(screen, origin.x + x, origin.y + y) == colour) ++n;
        ReleaseDC(nullptr, screen);
        return n;
    }

    static std::wstring* log_;
    static PROCESS_INFORMATION pi_;
    static HWND main_;
};

std::wstring* NShapeDemo::log_ = nullptr;
PROCESS_INFORMATION NShapeDemo::pi_ = {};
HWND NShapeDemo::main_ = nullptr;

TEST_F(NShapeDemo, HoverPressAndReleaseShowTheirColours) {
    const std::size_t mark = LogSize();
    for (int id : {kStyle0, kStyle4}) {
        HWND b = Button(id);
        ASSERT_NE(b, nullptr);
        // A point of the figure left of the caption, clear of the rounded corners.
        const int x = 8, y = 24;
        EXPECT_TRUE(WaitPixel(b, x, y, kNormalFill)) << std::hex << Pixel(b, x, y);
        EXPECT_TRUE(PointAt(b, x, y, [&] { return Pixel(b, x, y) == kHoverFill; }))
            << std::hex << Pixel(b, x, y) << " " << Dump(mark);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(WaitPixel(b, x, y, kDownFill)) << std::hex << Pixel(b, x, y);
        Mouse(MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(WaitPixel(b, x, y, kHoverFill)) << std::hex << Pixel(b, x, y);
        Park();
        EXPECT_TRUE(WaitPixel(b, x, y, kNormalFill)) << std::hex << Pixel(b, x, y);
    }
    // The corners of the rounded figure show the white surface; the rectangle's do not.
    EXPECT_EQ(Pixel(Button(kStyle4), 1, 1), RGB(255, 255, 255));
    EXPECT_NE(Pixel(Button(kStyle0), 1, 1), RGB(255, 255, 255));
}

TEST_F(NShapeDemo, ThePollSeesTheButtonCoveredWithoutAMoveOfItsOwn) {
    HWND b = Button(kStyle4);
    ASSERT_TRUE(Hover(b, 8, 24));
    ASSERT_TRUE(WaitPixel(b, 8, 24, kHoverFill));
    // Counted from here, where the pointer rests on the button: before, Wine may have taken it back to where the
    // last test left it, late, and Hover brought it back.
    const std::size_t mark = LogSize();
    POINT at;
    ASSERT_TRUE(GetCursorPos(&at) && WindowFromPoint(at) == b);
    EXPECT_FALSE(Logged(L"leave Style4", mark)) << "no leave while the pointer rests on the button";

    // A window of another program comes over the left half of the button, where the pointer rests; the pointer
    // does not move.
    RECT r;
    GetWindowRect(b, &r);
    const int width = r.right - r.left;
    HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP, r.left,
                                 r.top, width / 2, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(cover, nullptr);
    ShowWindow(cover, SW_SHOWNOACTIVATE);  // the demo stays the foreground window
    const bool left = e2e::WaitFor([&] { return Logged(L"leave Style4", mark); }, 3000);
    // The half still in sight shows the resting look, judged while the cover is up: once it goes, the system
    // reports the pointer over the button again, which rightly brings the hover back.
    const bool resting = WaitPixel(b, width - 8, 24, kNormalFill);
    const COLORREF seen = Pixel(b, width - 8, 24);
    DestroyWindow(cover);
    EXPECT_TRUE(left) << "the 1 ms poll reports the leave";
    EXPECT_TRUE(resting) << std::hex << seen;
}

// The pointer leaves a hovered button: the first move the button gets outside gives up its capture with MouseOut,
// and the 1 ms poll reports MouseLeave. The two come in either order. The poll reads the pointer's position, which
// changes before the move that carries it reaches the button, so a tick can come between them. And Wine reports a
// position the test put the pointer at again, late, from the demo's own display events: the pointer can come back
// over the button (a new visit) before it rests away.
TEST_F(NShapeDemo, LeavingGivesMouseOutAndThePollsMouseLeave) {
    HWND b = Button(kStyle0);
    const std::size_t mark = LogSize();
    ASSERT_TRUE(Hover(b, 20, 20));
    // Away until the pointer rests there, the button has given up the pointer and the poll has reported. A move that
    // Wine merged with a late one over the button leaves the capture with it; the next move outside gives it up.
    const bool away = PointAt(main_, 700, 220, [&] {
        POINT p;
        return GetCursorPos(&p) && WindowFromPoint(p) == main_ && e2e::ThreadInputOf(main_).hwndCapture != b &&
               Logged(L"leave Style0", mark);
    });
    ASSERT_TRUE(away) << e2e::InputState(main_) << " " << Dump(mark);
    // Only this button's lines: the previous test's button may still be reporting its own leave.
    std::vector<std::wstring> seen;
    const auto lines = LogLines();
    for (std::size_t i = mark; i < lines.size(); ++i)
        if (lines[i].size() > 7 && lines[i].compare(lines[i].size() - 7, 7, L" Style0") == 0) seen.push_back(lines[i]);
    // Each visit is an enter, then one out, and the poll's leave where a tick found the pointer away before the next
    // visit; the last visit always has it.
    using Lines = std::vector<std::wstring>;
    ASSERT_FALSE(seen.empty());
    for (std::size_t i = 0; i < seen.size();) {
        EXPECT_EQ(seen[i], L"enter Style0") << Dump(mark);
        std::size_t next = i + 1;
        while (next < seen.size() && seen[next] != L"enter Style0") ++next;
        Lines rest(seen.begin() + static_cast<std::ptrdiff_t>(i) + 1, seen.begin() + static_cast<std::ptrdiff_t>(next));
        std::sort(rest.begin(), rest.end());
        const bool last = next == seen.size();
        EXPECT_TRUE(rest == (Lines{L"leave Style0", L"out Style0"}) || (!last && rest == Lines{L"out Style0"}))
            << Dump(mark);
        i = next;
    }
}

TEST_F(NShapeDemo, ARightOrMiddleButtonReleaseClicks) {
    HWND b = Button(kCounter);
    const std::wstring before = e2e::WindowText(b);
    ASSERT_EQ(before.rfind(L"Clicks: ", 0), 0u);
    const int n = std::stoi(before.substr(8));
    const std::size_t mark = LogSize();
    ASSERT_TRUE(Hover(b, 20, 20));
    Mouse(MOUSEEVENTF_RIGHTDOWN);
    Mouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(b) == L"Clicks: " + std::to_wstring(n + 1); }));
    Mouse(MOUSEEVENTF_MIDDLEDOWN);
    Mouse(MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(b) == L"Clicks: " + std::to_wstring(n + 2); }));
    const auto lines = LogLines();
    EXPECT_EQ(std::count(lines.begin() + static_cast<std::ptrdiff_t>(mark), lines.end(), L"click Counter"), 2);
}

void Key(WORD vk) { plat::SendKeystroke(vk); }

TEST_F(NShapeDemo, ArrowKeysMoveTheFocusEnterDoesNotClickAndTheFocusBorderShows) {
    const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
    auto focus = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
    };
    const int first = kStyle4 - 1;  // the circle; then the rounded rectangle and the rounded square
    const std::size_t before = LogSize();
    ASSERT_TRUE(Hover(Button(first), 52, 24));
    Mouse(MOUSEEVENTF_LEFTDOWN);  // a click gives the focus
    Mouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(e2e::WaitFor([&] { return focus() == Button(first); })) << focus() << " " << Dump(before);
    // The focus comes with the press; the click's own line comes with the release, and must be in before the mark.
    ASSERT_TRUE(e2e::WaitFor([&] { return Logged(L"click Style3", before); })) << Dump(before);
    Park();

    const std::size_t mark = LogSize();
    Key(VK_RETURN);
    Key(VK_RIGHT);
    EXPECT_TRUE(e2e::WaitFor([&] { return focus() == Button(kStyle4); })) << focus();
    // BorderGotFocus is on in the demo, with a black focus border; it lasts until the next look is applied.
    // (A click's focus is overtaken at once by the pressed look.)
    EXPECT_TRUE(WaitPixel(Button(kStyle4), 0, 24, RGB(0, 0, 0))) << std::hex << Pixel(Button(kStyle4), 0, 24);
    Key(VK_DOWN);
    EXPECT_TRUE(e2e::WaitFor([&] { return focus() == Button(kStyle4 + 1); })) << focus();
    // Losing the focus puts back the border of the current look.
    EXPECT_TRUE(WaitPixel(Button(kStyle4), 0, 24, 0x00C04040)) << std::hex << Pixel(Button(kStyle4), 0, 24);
    Key(VK_LEFT);
    EXPECT_TRUE(e2e::WaitFor([&] { return focus() == Button(kStyle4); })) << focus();
    Key(VK_UP);
    EXPECT_TRUE(e2e::WaitFor([&] { return focus() == Button(first); })) << focus();
    EXPECT_FALSE(Logged(L"click Style3", mark)) << "Enter raises no Click";
}

TEST_F(NShapeDemo, ADisabledButtonIgnoresThePointer) {
    HWND b = Button(kDisabled);
    EXPECT_FALSE(IsWindowEnabled(b));
    const std::size_t mark = LogSize();
    // Real moves over it reach no handler. (No real click: a click on a disabled window beeps, and the beep
    // stalls Wine's message loop for seconds.) Clicks handed to the window directly are ignored too.
    e2e::MoveTo(b, 20, 20);
    e2e::MoveTo(b, 22, 20);
    const LPARAM at = MAKELPARAM(20, 20);
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}) PostMessageW(b, m, 0, at);
    PostMessageW(b, WM_KEYDOWN, VK_RIGHT, 0);
    DWORD_PTR r;
    SendMessageTimeoutW(b, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &r);  // the posted messages are handled by now
    // Input is handled in order: once a later move reaches another button, the moves over this one are done.
    ASSERT_TRUE(Hover(Button(kStyle0), 20, 20)) << Dump(mark);
    EXPECT_FALSE(Logged(L"click Disabled", mark));
    EXPECT_FALSE(Logged(L"enter Disabled", mark));
    EXPECT_EQ(Pixel(b, 8, 20), kNormalFill);
    EXPECT_NE(GetFocus(), b);
}

TEST_F(NShapeDemo, ACaptionSetBeforeTheThreadBlocksIsOnTheScreen) {
    HWND b = Button(kBlock);
    RECT r;
    GetWindowRect(b, &r);
    ScreenShot before, during;
    ASSERT_TRUE(XScreenShot(r, &before)) << "ImageMagick's import takes the screen pictures";
    const int whiteBefore = before.Count(RGB(255, 255, 255)) - 4 * 20;  // less the white corners at most
    const std::size_t mark = LogSize();
    ASSERT_TRUE(Hover(b, 10, 10));
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(e2e::WaitFor([&] { return Logged(L"blocking", mark); }));
    ASSERT_TRUE(XScreenShot(r, &during));
    const bool stillBlocked = !Logged(L"done", mark);
    EXPECT_TRUE(stillBlocked) << "the picture must be taken inside the 1.5 s pause";
    // The pressed look is on the screen, with "BUSY BUSY BUSY" in white over it instead of "Block".
    EXPECT_GT(during.Count(kDownFill), during.width * during.height / 2);
    EXPECT_GT(during.Count(RGB(255, 255, 255)) - 4 * 20, whiteBefore * 2)
        << whiteBefore << " white pixels before, " << during.Count(RGB(255, 255, 255)) << " while blocked";
    ASSERT_TRUE(e2e::WaitFor([&] { return Logged(L"done", mark); }));
}

// A leak of one handle or one GDI object in a thousand look changes or captions shows as hundreds; scripts/soak.sh
// runs ten thousand of each.
TEST_F(NShapeDemo, LookChangesAndCaptionsLeakNothing) {
    HWND b = Button(kStyle4);
    HANDLE process = pi_.hProcess;
    const DWORD pid = pi_.dwProcessId;
    // The real pointer rests on the button, so the button sees itself under it.
    ASSERT_TRUE(PointAt(b, 8, 24, [&] { return Pixel(b, 8, 24) == kHoverFill; }));
    const LPARAM at = MAKELPARAM(8, 24);
    // Posted in batches well under the queue's limit; a sent message after each batch waits for the queue to
    // drain, and lets the button repaint between batches.
    auto cycle = [&](int n) {
        for (int done = 0; done < n;) {
            const int batch = std::min(n - done, 250);
            for (int i = 0; i < batch; ++i) {
                PostMessageW(b, WM_MOUSEMOVE, 0, at);
                PostMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, at);
                PostMessageW(b, WM_LBUTTONUP, 0, at);
            }
            DWORD_PTR r;
            SendMessageTimeoutW(b, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r);
            done += batch;
        }
    };
    // The demo sets that many captions on the button inside its own thread (each repaints at once).
    auto captions = [&](int n) {
        DWORD_PTR r;
        SendMessageTimeoutW(main_, WM_APP + 1, kStyle4, n, SMTO_NORMAL, 120000, &r);
    };
    cycle(200);  // warm-up: fonts, caches, message queues
    captions(200);
    const long handles0 = e2e::HandleCount(pid);
    const long gdi0 = e2e::GdiCount(process);
    ASSERT_GT(handles0, 0) << "the system handle table lists the demo's handles";

    const int n = e2e::SoakCount(1000, 10000);
    const ULONGLONG t0 = GetTickCount64();
    cycle(n);
    const ULONGLONG t1 = GetTickCount64();
    captions(n);
    std::printf("[ data ] %d cycles %llu ms, %d captions %llu ms\n", n, t1 - t0, n, GetTickCount64() - t1);
    DWORD_PTR r;
    SendMessageTimeoutW(b, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Style 4"), SMTO_NORMAL, 5000, &r);
    EXPECT_EQ(e2e::WindowText(b), L"Style 4");
    const long handles1 = e2e::HandleCount(pid);
    const long gdi1 = e2e::GdiCount(process);
    EXPECT_LE(handles1, handles0 + 2) << handles0 << " -> " << handles1;
    ASSERT_TRUE(gdi0 >= 0 && gdi1 >= 0) << "no GDI object count: neither GetGuiResources nor the handle table";
    EXPECT_LE(gdi1, gdi0 + 2) << gdi0 << " -> " << gdi1;
    std::printf("[ data ] handles %ld -> %ld, GDI %ld -> %ld\n", handles0, handles1, gdi0, gdi1);
}

}  // namespace
