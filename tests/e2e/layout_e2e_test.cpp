// The three windows as the screen shows them, at 96 and at 144 dpi: client sizes, every button's rectangle and
// colour, where labels, pictures and lines land, and nothing cut off. Screenshots are kept as artefacts.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/form1_ids.h"
#include "e2e/harness_win.h"
#include "guides/guide_pages.h"
#include "guides/guide_window_win.h"
#include "platform/units.h"

namespace {

using e2e::Sandbox;

using Rect = plat::TwipsRect;

RECT Pixels(const Rect& t, int dpi) {
    return {MulDiv(t.left, dpi, 1440), MulDiv(t.top, dpi, 1440), MulDiv(t.left + t.width, dpi, 1440),
            MulDiv(t.top + t.height, dpi, 1440)};
}

RECT ClientRectOf(HWND child, HWND parent) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

COLORREF ClientPixel(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return e2e::ScreenPixel(p.x, p.y);
}

// Whether any pixel of a client rectangle has the colour (exactly, or nearly for anti-aliased text).
bool HasColor(HWND window, const RECT& r, COLORREF c, int tolerance = 40) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF p = ClientPixel(window, x, y);
            if (std::abs(GetRValue(p) - GetRValue(c)) + std::abs(GetGValue(p) - GetGValue(c)) +
                    std::abs(GetBValue(p) - GetBValue(c)) <=
                tolerance)
                return true;
        }
    return false;
}

// A point of a button's fill, left of its caption, and the colour it shows at rest.
struct Probe {
    int x, y;
    COLORREF fill;
};

// The points each window's buttons were checked at, for its resting picture.
std::map<HWND, std::vector<Probe>>& Probes() {
    static std::map<HWND, std::vector<Probe>> probes;
    return probes;
}

// A button's rectangle and its normal fill, sampled just inside the border, left of the caption.
void ExpectButton(HWND parent, HWND button, const Rect& design, COLORREF fill, int dpi, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_NE(button, nullptr);
    const RECT want = Pixels(design, dpi);
    const RECT got = ClientRectOf(button, parent);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.right, want.right);
    EXPECT_EQ(got.bottom, want.bottom);
    const int x = got.left + MulDiv(2, dpi, 96) + 1, y = (got.top + got.bottom) / 2;
    // A button the pointer crossed on its way out settles in its normal look within a poll.
    e2e::WaitFor([&] { return ClientPixel(parent, x, y) == fill; }, 2000);
    EXPECT_EQ(ClientPixel(parent, x, y), fill);
    // The rounded corner shows the white surface, the middle of the top edge the border.
    EXPECT_EQ(ClientPixel(parent, got.left, got.top), RGB(255, 255, 255));
    Probes()[parent].push_back({x, y, fill});
}

// Photographs a window once every button shows its resting look. A window that opened under the pointer may see
// the pointer again after it was parked (Wine reports an earlier position late), so the pointer is parked again
// until no button is in its hover look: the pictures of two rounds then compare byte for byte.
void SaveRestingShot(HWND window, const std::wstring& path) {
    const std::vector<Probe> probes = Probes()[window];
    Probes().erase(window);  // a later window may get the same handle
    const bool resting = e2e::WaitFor(
        [&] {
            for (const Probe& p : probes) {
                if (ClientPixel(window, p.x, p.y) != p.fill) {
                    e2e::ParkPointer();
                    return false;
                }
            }
            return true;
        },
        5000);
    EXPECT_TRUE(resting) << "every button at rest before the picture";
    e2e::SaveWindowShot(window, path);
}

// Waits until the window has painted (its client area is not all one colour).
bool WaitPainted(HWND window, int x, int y, COLORREF c) {
    return e2e::WaitFor([&] { return ClientPixel(window, x, y) == c; }, 5000);
}

void CheckLabelsFit(const guides::PageSpec& page, int dpi) {
    HDC dc = GetDC(nullptr);
    for (const auto& l : page.labels) {
        LOGFONTW lf = {};
        lf.lfHeight = -static_cast<LONG>(l.points * dpi / 72.0 + 0.5);
        lf.lfCharSet = GB2312_CHARSET;
        lstrcpynW(lf.lfFaceName, l.face, LF_FACESIZE);
        HFONT font = CreateFontIndirectW(&lf);
        HGDIOBJ old = SelectObject(dc, font);
        RECT box = Pixels(l.place, dpi);
        RECT need = {0, 0, box.right - box.left, 0};
        DrawTextW(dc, l.text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
        // A line may overhang by a few pixels of leading; whole lines must not be lost.
        TEXTMETRICW tm;
        GetTextMetricsW(dc, &tm);
        EXPECT_LE(need.bottom, box.bottom - box.top + tm.tmHeight / 3) << e2e::Utf8(l.name) << " at " << dpi;
        SelectObject(dc, old);
        DeleteObject(font);
    }
    ReleaseDC(nullptr, dc);
}

// The client area's size, given in twips.
void ExpectClientTwips(HWND window, int width, int height, int dpi) {
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, MulDiv(width, dpi, 1440));
    EXPECT_EQ(client.bottom, MulDiv(height, dpi, 1440));
}

// Clicks a button that opens a guide window and waits for it; the pointer is then parked off the windows.
HWND OpenGuide(const Sandbox& box, HWND button, int x, int y, const wchar_t* title) {
    e2e::ClickAt(button, x, y);
    HWND guide = e2e::WaitProcessWindow(box.pid(), guides::kGuideClass, title);
    if (guide) e2e::ParkPointer();
    return guide;
}

void CheckAllWindows(int dpi) {
    Sandbox box({});
    ASSERT_TRUE(box.Launch());
    HWND main = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (main = e2e::FindProcessWindow(box.pid(), app::kForm1Class)) != nullptr; }));
    ASSERT_TRUE(box.WaitRuns(1));
    e2e::KillConsoles();
    e2e::BringToFront(main);
    e2e::ParkPointer();
    const std::wstring suffix = L"-" + std::to_wstring(dpi) + L".bmp";

    ExpectClientTwips(main, 5520, 3105, dpi);
    ASSERT_TRUE(WaitPainted(main, 2, 2, RGB(255, 255, 255)));
    const COLORREF coral = RGB(0xF3, 0x83, 0x93), blue = RGB(0x80, 0x80, 0xFF), salmon = RGB(0xFF, 0x80, 0x80);
    ExpectButton(main, GetDlgItem(main, app::kIdShape2start), {240, 240, 3255, 855}, coral, dpi, "N_Shape2start");
    ExpectButton(main, GetDlgItem(main, app::kIdShape3stop), {3600, 240, 1695, 855}, blue, dpi, "N_Shape3stop");
    ExpectButton(main, GetDlgItem(main, app::kIdShape1help), {240, 1320, 1815, 495}, blue, dpi, "N_Shape1help");
    ExpectButton(main, GetDlgItem(main, app::kIdShape1install), {2160, 1320, 3135, 495}, coral, dpi, "N_Shape1install");
    ExpectButton(main, GetDlgItem(main, app::kIdShape1), {2640, 2640, 1815, 255}, blue, dpi, "N_Shape1");
    ExpectButton(main, GetDlgItem(main, app::kIdShape2abop), {4560, 2640, 735, 255}, salmon, dpi, "N_Shape2abop");
    const RECT check = ClientRectOf(GetDlgItem(main, app::kIdCheckflight), main);
    EXPECT_EQ(check.left, MulDiv(960, dpi, 1440));
    EXPECT_EQ(check.top, MulDiv(2160, dpi, 1440));
    EXPECT_TRUE(HasColor(main, ClientRectOf(GetDlgItem(main, app::kIdLabel2), main), RGB(255, 0, 0), 120))
        << "the red notice";
    SaveRestingShot(main, e2e::ArtifactDir() + L"\\main" + suffix);

    // Help: buttons, red and blue labels, the pictures and the black separator.
    HWND help = OpenGuide(box, GetDlgItem(main, app::kIdShape1help), 10, 10, L"教程");
    ASSERT_NE(help, nullptr);
    ExpectClientTwips(help, 12150, 10620, dpi);
    const RECT line1 = Pixels({4080, 6000, 0, 0}, dpi);
    ASSERT_TRUE(WaitPainted(help, line1.left, line1.top, RGB(0, 0, 0))) << "Line1";
    ExpectButton(help, GetDlgItem(help, guides::kFirstButtonId), {5640, 2160, 1695, 375}, coral, dpi, "video");
    ExpectButton(help, GetDlgItem(help, guides::kFirstButtonId + 1), {8040, 7080, 1695, 375}, coral, dpi, "driver");
    ExpectButton(help, GetDlgItem(help, guides::kFirstButtonId + 2), {9840, 7080, 1695, 375}, coral, dpi, "driver 2");
    EXPECT_TRUE(HasColor(help, Pixels({240, 2040, 1935, 615}, dpi), RGB(255, 0, 0))) << "Label29";
    EXPECT_TRUE(HasColor(help, Pixels({240, 2880, 2655, 375}, dpi), RGB(0, 0, 255))) << "Label1";
    const RECT image1 = Pixels({480, 7560, 3000, 1395}, dpi);
    EXPECT_NE(ClientPixel(help, image1.left + 2, image1.top + 2), RGB(255, 255, 255)) << "Image1";
    const RECT image2 = Pixels({8280, 3960, 3150, 1425}, dpi);
    EXPECT_NE(ClientPixel(help, image2.left + 2, image2.top + 2), RGB(255, 255, 255)) << "Image2";
    CheckLabelsFit(guides::HelpPage(), dpi);
    SaveRestingShot(help, e2e::ArtifactDir() + L"\\help" + suffix);
    PostMessageW(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(help); }));

    // About: four light blue buttons, the teal version line and the grey logo.
    HWND about = OpenGuide(box, GetDlgItem(main, app::kIdShape2abop), 5, 5, L"关于");
    ASSERT_NE(about, nullptr);
    ExpectClientTwips(about, 5970, 3915, dpi);
    const RECT logo = Pixels({2400, 120, 1080, 1080}, dpi);
    const int logoCentreX = logo.left + MulDiv(36, dpi, 96), logoY = logo.top + MulDiv(8, dpi, 96);
    ASSERT_TRUE(e2e::WaitFor([&] { return ClientPixel(about, logoCentreX, logoY) != RGB(255, 255, 255); }, 5000))
        << "the logo's grey disc";
    ExpectButton(about, GetDlgItem(about, guides::kFirstButtonId), {2880, 3000, 1695, 375}, blue, dpi, "N_Shape2");
    ExpectButton(about, GetDlgItem(about, guides::kFirstButtonId + 1), {4680, 3000, 975, 375}, blue, dpi, "helpp");
    ExpectButton(about, GetDlgItem(about, guides::kFirstButtonId + 2), {2880, 2520, 1335, 375}, blue, dpi, "N_Shapelj");
    ExpectButton(about, GetDlgItem(about, guides::kFirstButtonId + 3), {4320, 2520, 1335, 375}, blue, dpi, "N_Shapejs");
    EXPECT_TRUE(HasColor(about, Pixels({1320, 1320, 3135, 255}, dpi), RGB(0, 0xC0, 0xC0), 90)) << "Label9";
    CheckLabelsFit(guides::AboutPage(), dpi);
    SaveRestingShot(about, e2e::ArtifactDir() + L"\\about" + suffix);
}

TEST(Layout, WindowsAt96Dpi) {
    ASSERT_EQ(GetDpiForSystem(), 96u) << "the test prefix runs at 96 dpi";
    CheckAllWindows(96);
}

// The same windows at 150 % scale: programs started after the setting changes run at 144 dpi.
TEST(Layout, WindowsAt144Dpi) {
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const DWORD dpi = 144;
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    CheckAllWindows(144);
    RegDeleteValueW(key, L"LogPixels");
    RegCloseKey(key);
}

}  // namespace
