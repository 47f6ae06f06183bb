// What screen readers and high-contrast users get: colours by role, and the pages' reading order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/common/contrast.h"
#include "guides/page_reading.h"

namespace {

struct Scheme final : plat::DisplayScheme {
    bool on = false;
    bool HighContrast() override { return on; }
};

TEST(HighContrast, DesignColoursStandUntilTheSchemeTurnsOn) {
    using kit::ColorRole;
    using kit::RoleLook;
    namespace sys = kit::syscolor;
    const struct {
        ColorRole role;
        RoleLook look;
        std::uint32_t highContrast;
    } cases[] = {
        {ColorRole::Surface, RoleLook::Hover, sys::kButtonFace},
        {ColorRole::Fill, RoleLook::Normal, sys::kButtonFace},
        {ColorRole::Fill, RoleLook::Hover, sys::kHighlight},
        {ColorRole::Fill, RoleLook::Down, sys::kHighlight},
        {ColorRole::Text, RoleLook::Normal, sys::kButtonText},
        {ColorRole::Text, RoleLook::Down, sys::kHighlightText},
        {ColorRole::Border, RoleLook::Normal, sys::kButtonText},
        {ColorRole::Border, RoleLook::Hover, sys::kHighlight},
        {ColorRole::PageBack, RoleLook::Normal, sys::kWindow},
        {ColorRole::PageText, RoleLook::Normal, sys::kWindowText},
        {ColorRole::Link, RoleLook::Normal, sys::kHotLight},
        {ColorRole::DisabledText, RoleLook::Normal, sys::kGrayText},
    };
    Scheme scheme;
    const std::uint32_t design = 0x00123456;
    for (const auto& c : cases) {
        scheme.on = false;
        EXPECT_EQ(kit::PaintColor(&scheme, c.role, c.look, design), design);
        EXPECT_EQ(kit::PaintColor(nullptr, c.role, c.look, design), design);
        scheme.on = true;
        EXPECT_EQ(kit::PaintColor(&scheme, c.role, c.look, design), c.highContrast)
            << static_cast<int>(c.role) << "/" << static_cast<int>(c.look);
    }
}

std::vector<std::wstring> ReadNames(const guides::PageSpec& page) {
    std::vector<std::wstring> names;
    for (const guides::PageItem& item : guides::ReadingOrder(page)) {
        switch (item.kind) {
            case guides::PageItem::Label:
                names.push_back(page.labels[item.index].name);
                break;
            case guides::PageItem::Image:
                names.push_back(page.images[item.index].name);
                break;
            case guides::PageItem::Button:
                names.push_back(page.buttons[item.index].name);
                break;
        }
    }
    return names;
}

TEST(PageReading, HeaderThenLeftMiddleAndRightColumns) {
    const std::vector<std::wstring> help = {
        L"Label27", L"Label11", L"Label28", L"Label29", L"Label30", L"Label4", L"N_Shape2start",
        // left column
        L"Label1", L"Label13", L"Label8", L"Label14", L"Label12", L"Label10", L"Label17", L"Label16", L"Image1",
        L"Label15",
        // middle column
        L"Label3", L"Label2", L"Label5", L"Label6", L"Label7", L"Label9", L"Label20", L"Label19", L"Label18",
        L"Label21", L"Label22", L"Label23",
        // right column
        L"Label24", L"Label25", L"Image2", L"Label26", L"N_ShapeDriver", L"N_ShapeDriver2"};
    EXPECT_EQ(ReadNames(guides::HelpPage()), help);
    const std::vector<std::wstring> about = {L"Image1",    L"Label9", L"Label7",   L"Label5", L"N_Shapelj",
                                             L"N_Shapejs", L"Label8", L"N_Shape2", L"helpp",  L"Label10"};
    EXPECT_EQ(ReadNames(guides::AboutPage()), about);
}

TEST(PageReading, LabelsReadTheirTextAndPicturesADescription) {
    const guides::PageSpec& about = guides::AboutPage();
    const kit::AccessibleInfo label = guides::DescribeLabel(about.labels[0]);
    EXPECT_EQ(label.role, kit::AccRole::StaticText);
    EXPECT_EQ(label.name, about.labels[0].text);
    for (const guides::PageSpec* page : {&guides::HelpPage(), &guides::AboutPage()}) {
        for (const guides::ImageSpec& image : page->images) {
            const kit::AccessibleInfo info = guides::DescribeImage(image);
            EXPECT_EQ(info.role, kit::AccRole::Graphic);
            EXPECT_NE(info.name, L"图片") << image.image << " has no description of its own";
        }
    }
}

}  // namespace
