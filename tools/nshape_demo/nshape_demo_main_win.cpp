// NShapeDemo.exe: one window of graphical buttons in every figure kind, with and without a picture, fitted to
// their text or not, one disabled, for the end-to-end tests and for screenshots. When RELANTO_DEMO_LOG names a
// file, the buttons' clicks, leaves and outs are appended to it, one line each.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/common/property_bag.h"
#include "controls/nshape/n_shape_win.h"
#include "platform/os_api_win.h"
#include "platform/scoped_win.h"
#include "platform/trace_win.h"
#include "platform/units.h"
#include "platform/utf8_win.h"
#include "platform/window_win.h"
#include "platform/platform_win.h"

namespace {

const wchar_t kDemoClass[] = L"RelantoNShapeDemo";
const int kClientWidth96 = 720;
const int kClientHeight96 = 230;

// The demo's design, in the kit's text form. Every button shares the light-blue triple of the system's windows.
const wchar_t kDesign[] =
    LR"(# NShapeDemo: one window of graphical buttons
[Common]
BackGround = &H00FFFFFF&
BackColorNormal = &H00FF8080&
BackColorHover = &H00FFC0C0&
BackColorDown = &H008080FF&
BorderColorNormal = &H00C04040&
BorderColorHover = &H00C08080&
BorderColorDown = &H004040C0&
ForeColorNormal = &H00FFFFFF&
ForeColorHover = &H00FFFFFF&
ForeColorDown = &H00FFFFFF&
BorderCustom = &H00000000&
BorderGotFocus = True
FontSize = 10
Text_Visible = True
StretchToText = False
Font = Font("Verdana", 6.75, 400, 0, False, False, False)

[Style0]
Caption = "Style 0"
Style = 0
[Style1]
Caption = "Style 1"
Style = 1
[Style2]
Caption = "Style 2"
Style = 2
[Style3]
Caption = "Style 3"
Style = 3
[Style4]
Caption = "Style 4"
Style = 4
[Style5]
Caption = "Style 5"
Style = 5
[PictureFit]
Caption = "图片按钮"
Graphical = True
Picture_Normal = Picture("demo:diamond")
Picture_Hover = Picture("demo:diamond-hover")
StretchToText = True
[PictureFixed]
Caption = "Picture, fixed"
Graphical = True
Picture_Normal = Picture("demo:diamond")
[Fit]
Caption = "StretchToText"
StretchToText = True
[Disabled]
Caption = "Disabled"
Enabled = False
[Block]
Caption = "Block"
[Counter]
Caption = "Clicks: 0"
)";

struct Place {
    const wchar_t* name;
    int left, top, width, height;  // 96-dpi pixels; turned into twips below
};

// Tab order follows this order.
const Place kPlaces[] = {
    {L"Style0", 16, 16, 104, 48},     {L"Style1", 128, 16, 104, 48},       {L"Style2", 240, 16, 104, 48},
    {L"Style3", 352, 16, 104, 48},    {L"Style4", 464, 16, 104, 48},       {L"Style5", 576, 16, 104, 48},
    {L"PictureFit", 16, 88, 100, 40}, {L"PictureFixed", 176, 88, 160, 40}, {L"Fit", 352, 88, 100, 40},
    {L"Disabled", 528, 88, 152, 40},  {L"Block", 16, 152, 200, 56},        {L"Counter", 232, 152, 200, 56},
};
const int kFirstId = 101;

std::wstring g_log;
HWND g_buttons[sizeof(kPlaces) / sizeof(kPlaces[0])] = {};
int g_clicks = 0;

void Log(const std::wstring& line) {
    if (g_log.empty()) return;
    const plat::ScopedHandle file(CreateFileW(g_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string bytes = plat::ToUtf8(line + L"\r\n");
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// A 16 x 16 picture drawn here: a diamond on white, as a 24-bit BMP file in memory.
std::string DiamondBmp(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    const int side = 16;
    const int rowBytes = side * 3;  // already a multiple of 4
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = side;
    info.biHeight = side;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = rowBytes * side;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int d = std::abs(2 * x - (side - 1)) + std::abs(2 * y - (side - 1));
            const bool inside = d <= side - 1;
            bytes.push_back(static_cast<char>(inside ? b : 255));
            bytes.push_back(static_cast<char>(inside ? g : 255));
            bytes.push_back(static_cast<char>(inside ? r : 255));
        }
    }
    return bytes;
}

bool DemoPictures(const std::wstring& ref, std::string* bytes) {
    if (ref == L"demo:diamond") {
        *bytes = DiamondBmp(255, 140, 0);
        return true;
    }
    if (ref == L"demo:diamond-hover") {
        *bytes = DiamondBmp(0, 160, 0);
        return true;
    }
    return false;
}

// The design of one button: the shared settings, then its own.
kit::PropertyBag BagFor(const kit::Design& design, const wchar_t* name) {
    kit::PropertyBag bag;
    if (const kit::PropertyBag* common = design.Find(L"Common"))
        for (const auto& e : common->entries()) bag.WriteAlways(e.first, e.second);
    if (const kit::PropertyBag* own = design.Find(name))
        for (const auto& e : own->entries()) bag.WriteAlways(e.first, e.second);
    return bag;
}

void OnClick(std::size_t index) {
    const std::wstring name = kPlaces[index].name;
    Log(L"click " + name);
    HWND button = g_buttons[index];
    if (name == L"Block") {
        // Sets a caption, then blocks the thread the way the relay actions do.
        kit::SetNShapeCaption(button, L"BUSY BUSY BUSY");
        Log(L"blocking");
        Sleep(1500);
        kit::SetNShapeCaption(button, L"Block");
        Log(L"done");
    } else if (name == L"Counter") {
        kit::SetNShapeCaption(button, L"Clicks: " + std::to_wstring(++g_clicks));
    }
}

void CreateButtons(HWND parent) {
    auto design = kit::ParseDesign(kDesign);
    if (!design) return;
    for (std::size_t i = 0; i < sizeof(kPlaces) / sizeof(kPlaces[0]); ++i) {
        const Place& p = kPlaces[i];
        const kit::PropertyBag bag = BagFor(*design, p.name);
        kit::NShapeArgs args;
        args.parent = parent;
        args.id = kFirstId + static_cast<int>(i);
        args.name = p.name;
        args.place = {plat::WholeTwips(p.left), plat::WholeTwips(p.top), plat::WholeTwips(p.width),
                      plat::WholeTwips(p.height)};
        args.bag = &bag;
        args.pictures = &DemoPictures;
        args.services = &plat::Win32Services();
        args.events.Click = [i] { OnClick(i); };
        HWND button = kit::CreateNShape(args);
        g_buttons[i] = button;
        if (kit::NShape* model = kit::NShapeOf(button)) {
            const std::wstring name = p.name;
            model->events().MouseLeave = [name] { Log(L"leave " + name); };
            model->events().MouseOut = [name] { Log(L"out " + name); };
            model->events().MouseEnter = [name] { Log(L"enter " + name); };
        }
    }
}

LRESULT CALLBACK DemoProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        switch (msg) {
            case WM_CREATE:
                CreateButtons(hwnd);
                return 0;
            case WM_DPICHANGED:
                plat::MoveToSuggestedRect(hwnd, lp);
                return 0;
            case WM_APP + 1: {
                // Stress for the leak test: `lp` caption changes on the button with id `wp`, then its own caption.
                HWND button = GetDlgItem(hwnd, static_cast<int>(wp));
                const std::wstring original = kit::NShapeCaption(button);
                for (LPARAM i = 0; i < lp; ++i) kit::SetNShapeCaption(button, L"Caption " + std::to_wstring(i));
                kit::SetNShapeCaption(button, original);
                return 0;
            }
            case WM_APP + 2: {
                // For the benchmark: this process's CPU time in milliseconds (Wine gives it to the process only).
                FILETIME created, exited, kernel, user;
                if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
                auto ms = [](const FILETIME& f) {
                    return ((static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000;
                };
                return static_cast<LRESULT>(ms(kernel) + ms(user));
            }
            case WM_ERASEBKGND:
                return plat::EraseBackground(hwnd, wp, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
        }
    } catch (...) {
        plat::TraceCaughtHere("demo window procedure");
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    plat::SetPerMonitorDpiAwareness();
    wchar_t logPath[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"RELANTO_DEMO_LOG", logPath, MAX_PATH) > 0) g_log = logPath;

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DemoProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kDemoClass;
    if (!RegisterClassExW(&wc)) return 1;

    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const UINT dpi = plat::SystemDpi();
    RECT frame = {0, 0, MulDiv(kClientWidth96, static_cast<int>(dpi), 96),
                  MulDiv(kClientHeight96, static_cast<int>(dpi), 96)};
    plat::AdjustWindowRectForDpi(&frame, style, 0, dpi);
    HWND hwnd = CreateWindowExW(0, kDemoClass, L"NShapeDemo", style, 40, 40, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    Log(L"ready");

    return plat::RunMessageLoop();
}
