// The Win32 utility layer in this process: fonts made from a description, handle owners, reading the program's
// pictures and files, and the alpha blit of a decoded picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "e2e/harness_win.h"
#include "platform/image_win.h"
#include "platform/platform_win.h"
#include "platform/scoped_win.h"
#include "platform/window_host_win.h"

namespace {

struct FontCase {
    plat::FontSpec spec;
    UINT dpi;
    LONG height;
    LONG weight;
    BYTE charset;
};

TEST(Win32Fonts, ADescriptionBecomesTheFontItNamesWithImpossibleValuesMadeSensible) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const FontCase cases[] = {
        {{L"Tahoma", 9}, 96, -12, FW_NORMAL, DEFAULT_CHARSET},
        {{L"Tahoma", 9, FW_BOLD}, 144, -18, FW_BOLD, DEFAULT_CHARSET},
        {{L"微软雅黑", 10.5, FW_NORMAL, false, false, false, GB2312_CHARSET}, 96, -14, FW_NORMAL, GB2312_CHARSET},
        {{L"Consolas", 12, 700, true, true, true, ANSI_CHARSET}, 120, -20, 700, ANSI_CHARSET},
        {{L"Arial", -3, 0, false, false, false, -1}, 96, 0, FW_NORMAL, DEFAULT_CHARSET},
        {{L"Arial", nan, 1001, false, false, false, 256}, 96, 0, FW_NORMAL, DEFAULT_CHARSET},
        {{L"Arial", 1e9, 1000, false, false, false, 255}, 96, -2880, 1000, 255},
    };
    for (const FontCase& c : cases) {
        SCOPED_TRACE(e2e::Utf8(c.spec.face) + " " + std::to_string(c.spec.points) + " at " + std::to_string(c.dpi));
        const plat::GdiObject<HFONT> font = plat::MakeFont(c.spec, c.dpi);
        ASSERT_TRUE(font);
        LOGFONTW lf = {};
        ASSERT_EQ(GetObjectW(font.get(), sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
        EXPECT_EQ(lf.lfHeight, c.height);
        EXPECT_EQ(lf.lfWeight, c.weight);
        EXPECT_EQ(lf.lfCharSet, c.charset);
        EXPECT_EQ(lf.lfItalic != 0, c.spec.italic);
        EXPECT_EQ(lf.lfUnderline != 0, c.spec.underline);
        EXPECT_EQ(lf.lfStrikeOut != 0, c.spec.strikeout);
        EXPECT_EQ(std::wstring(lf.lfFaceName), c.spec.face);
    }
}

// An owner keeps its handle alive while it or the owner it moved to lives, and releases it exactly then.
template <typename Owner, typename Raw, typename Alive>
void ExpectOwnership(Raw raw, Alive alive) {
    ASSERT_TRUE(alive(raw));
    {
        Owner first(raw);
        Owner second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), raw);
        Owner third;
        third = std::move(second);
        EXPECT_TRUE(alive(raw));
    }
    EXPECT_FALSE(alive(raw));
}

TEST(Win32Owners, EachKindOfHandleIsReleasedOnceItsLastOwnerGoes) {
    const auto kernelAlive = [](HANDLE h) {
        DWORD flags = 0;
        return GetHandleInformation(h, &flags) != FALSE;
    };
    const auto gdiAlive = [](HGDIOBJ h) { return GetObjectType(h) != 0; };
    ExpectOwnership<plat::ScopedHandle>(CreateEventW(nullptr, TRUE, FALSE, nullptr), kernelAlive);
    ExpectOwnership<plat::MemoryDC>(CreateCompatibleDC(nullptr), gdiAlive);
    ExpectOwnership<plat::GdiObject<HBRUSH>>(CreateSolidBrush(RGB(1, 2, 3)), gdiAlive);
    // A failed CreateFileW is no handle at all.
    EXPECT_FALSE(plat::ScopedHandle(INVALID_HANDLE_VALUE));
}

TEST(Win32Files, WholeFilesAreReadWithinTheirLimitAndPicturesFromTheProgramFolder) {
    const std::wstring name = L"utility-test-picture.bin";
    const std::wstring path = e2e::BinDir() + L"\\" + name;
    const std::wstring emptyPath = e2e::BinDir() + L"\\utility-test-empty.bin";
    ASSERT_TRUE(e2e::WriteFileBytes(path, "1234567890"));
    ASSERT_TRUE(e2e::WriteFileBytes(emptyPath, ""));
    struct ReadCase {
        std::wstring path;
        std::size_t limit;
        plat::FileRead result;
        std::string bytes;
    } reads[] = {
        {path, 10, plat::FileRead::Ok, "1234567890"},
        {path, 9, plat::FileRead::TooLarge, ""},
        {emptyPath, 0, plat::FileRead::Ok, ""},
        {path + L".missing", 100, plat::FileRead::CannotOpen, ""},
    };
    for (const ReadCase& c : reads) {
        SCOPED_TRACE(e2e::Utf8(c.path) + " limit " + std::to_string(c.limit));
        std::string bytes;
        EXPECT_EQ(plat::ReadWholeFile(c.path, c.limit, &bytes), c.result);
        EXPECT_EQ(bytes, c.bytes);
    }
    struct PictureCase {
        std::wstring ref;
        bool found;
    } pictures[] = {{name, true}, {path, true}, {L"utility-test-empty.bin", false}, {L"", false}, {L"no-such", false}};
    for (const PictureCase& c : pictures) {
        SCOPED_TRACE(e2e::Utf8(c.ref));
        std::string bytes;
        EXPECT_EQ(plat::ProgramPictureBytes(c.ref, &bytes), c.found);
        EXPECT_EQ(bytes, c.found ? "1234567890" : "");
    }
    DeleteFileW(path.c_str());
    DeleteFileW(emptyPath.c_str());
}

// A picture of one opaque colour, as a decoded picture is held.
plat::DibImage SolidImage(int side, COLORREF colour) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = side;
    bi.bmiHeader.biHeight = -side;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    plat::DibImage image;
    image.bitmap.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!image.bitmap || !bits) return image;
    const std::uint32_t pixel = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) |
                                static_cast<std::uint32_t>(GetBValue(colour));
    for (int i = 0; i < side * side; ++i) static_cast<std::uint32_t*>(bits)[i] = pixel;
    image.width = image.height = side;
    return image;
}

TEST(Win32Pictures, APictureIsBlittedScaledIntoItsRectangleOnly) {
    const plat::DibImage image = SolidImage(4, RGB(200, 30, 10));
    ASSERT_TRUE(image);
    const RECT dests[] = {{2, 2, 6, 6}, {0, 0, 16, 16}, {5, 3, 7, 13}};
    for (const RECT& dest : dests) {
        SCOPED_TRACE(std::to_string(dest.left) + "," + std::to_string(dest.top) + " " + std::to_string(dest.right) +
                     "," + std::to_string(dest.bottom));
        plat::ScreenDC screen;
        plat::BackBuffer target(screen.get(), 16, 16);
        ASSERT_TRUE(target.ok());
        const RECT all = {0, 0, 16, 16};
        FillRect(target.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        plat::DrawImage(target.dc(), image, dest);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool inside = x >= dest.left && x < dest.right && y >= dest.top && y < dest.bottom;
                ASSERT_EQ(GetPixel(target.dc(), x, y), inside ? RGB(200, 30, 10) : RGB(255, 255, 255))
                    << "at " << x << "," << y;
            }
    }
}

}  // namespace
