// What screen readers and high-contrast users get: colours by role, the pages' reading order, and each control's
// answers read from its model.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/checkbutton/check_button.h"
#include "platform/canvas.h"
#include "controls/nselection/n_selection.h"
#include "controls/ntextbox/n_textbox.h"
#include "guides/page_reading.h"
#include "nshape_fakes.h"

namespace {

struct Scheme final : plat::DisplayScheme {
    bool on = false;
    bool HighContrast() override { return on; }
};

TEST(HighContrast, DesignColoursStandUntilTheSchemeTurnsOn) {
    using plat::Role;
    namespace sys = kit::syscolor;
    const struct {
        Role role;
        bool lit;  // a hovered or pressed look
        std::uint32_t highContrast;
    } cases[] = {
        {Role::Surface, true, sys::kButtonFace},     {Role::Fill, false, sys::kButtonFace},
        {Role::Fill, true, sys::kHighlight},         {Role::Text, false, sys::kButtonText},
        {Role::Text, true, sys::kHighlightText},     {Role::Border, false, sys::kButtonText},
        {Role::Border, true, sys::kHighlight},       {Role::PageBack, false, sys::kWindow},
        {Role::PageText, false, sys::kWindowText},   {Role::Link, false, sys::kHotLight},
        {Role::DisabledText, false, sys::kGrayText},
    };
    Scheme scheme;
    const std::uint32_t design = 0x00123456;
    for (const auto& c : cases) {
        const plat::Ink ink{c.role, design, c.lit};
        scheme.on = false;
        EXPECT_EQ(plat::Resolve(ink, &scheme), design);
        EXPECT_EQ(plat::Resolve(ink, nullptr), design);
        scheme.on = true;
        EXPECT_EQ(plat::Resolve(ink, &scheme), c.highContrast) << static_cast<int>(c.role) << "/" << c.lit;
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

namespace {

using kit::accstate::kChecked;
using kit::accstate::kFocusable;
using kit::accstate::kFocused;
using kit::accstate::kHot;
using kit::accstate::kMixed;
using kit::accstate::kPressed;
using kit::accstate::kReadOnly;
using kit::accstate::kUnavailable;

TEST(KitAccessible, ButtonStatesFollowItsLookAndItsDefaultActionIsAClick) {
    const struct {
        const char* what;
        std::function<void(nshape_fakes::Rig&)> act;
        bool focused;
        unsigned states;
    } cases[] = {
        {"resting", [](nshape_fakes::Rig&) {}, false, kFocusable},
        {"focused", [](nshape_fakes::Rig&) {}, true, kFocusable | kFocused},
        {"hovered", [](nshape_fakes::Rig& r) { r.Move(10, 10); }, false, kFocusable | kHot},
        {"held down", [](nshape_fakes::Rig& r) { r.Down(10, 10); }, true, kFocusable | kFocused | kHot | kPressed},
        {"disabled", [](nshape_fakes::Rig& r) { r.shape->SetEnabled(false); }, false, kFocusable | kUnavailable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        nshape_fakes::Rig rig;
        rig.shape->InitNew({L"N_Shape7"});
        c.act(rig);
        const kit::AccessibleInfo info = rig.shape->Describe(c.focused);
        EXPECT_EQ(info.role, kit::AccRole::PushButton);
        EXPECT_EQ(info.name, L"N_Shape7");
        EXPECT_EQ(info.defaultAction, std::wstring(kit::kActionPress));
        EXPECT_EQ(info.states, c.states);
        rig.Take();
        EXPECT_EQ(rig.shape->DoDefaultAction(), rig.shape->Enabled());
        EXPECT_EQ(rig.Take(), rig.shape->Enabled() ? std::vector<std::wstring>{L"Click"} : std::vector<std::wstring>{});
    }
}

TEST(KitAccessible, CheckBoxReadsItsValueAndItsDefaultActionAdvancesIt) {
    const struct {
        std::int32_t value;
        unsigned states;
        const wchar_t* action;
        std::int32_t after;
    } cases[] = {
        {0, kFocusable, kit::kActionCheck, 1},
        {1, kFocusable | kChecked, kit::kActionUncheck, 0},
        {2, kFocusable | kMixed, kit::kActionCheck, 0},
    };
    for (const auto& c : cases) {
        fakes::Platform p;
        int clicks = 0;
        kit::CheckButton::Events events;
        events.Click = [&clicks] { ++clicks; };
        kit::CheckButton box(p.services, events);
        box.InitNew({L"Check9", kit::Font()});
        box.SetValue(c.value);
        const kit::AccessibleInfo info = box.Describe(false);
        EXPECT_EQ(info.role, kit::AccRole::CheckBox);
        EXPECT_EQ(info.name, L"Check9");
        EXPECT_EQ(info.states, c.states) << c.value;
        EXPECT_EQ(info.defaultAction, c.action) << c.value;
        EXPECT_TRUE(box.DoDefaultAction());
        EXPECT_EQ(box.Value(), c.after) << c.value;
        EXPECT_EQ(clicks, 1);
    }
}

TEST(KitAccessible, SelectionEntryAndTextBox) {
    fakes::Platform p;
    int clicks = 0;
    kit::NSelection::Events events;
    events.Click = [&clicks] { ++clicks; };
    kit::NSelection entry(p.services, events);
    entry.InitNew({L"N_Selection3"});
    entry.SetDescription(L"second line");
    const kit::AccessibleInfo e = entry.Describe(true);
    EXPECT_EQ(e.role, kit::AccRole::PushButton);
    EXPECT_EQ(e.name, L"N_Selection3");
    EXPECT_EQ(e.description, L"second line");
    EXPECT_EQ(e.states, kFocusable | kFocused);
    EXPECT_TRUE(entry.DoDefaultAction());
    entry.SetEnabled(false);
    EXPECT_FALSE(entry.DoDefaultAction());
    EXPECT_EQ(clicks, 1);

    kit::NTextBox box(p.services);
    box.InitNew({});
    box.SetHeaderCaption(L"姓名");
    box.SetText(L"Ada");
    EXPECT_EQ(box.Describe(false).name, L"姓名") << "the edit box is named by the header";
    box.SetLabelBox(true);
    const kit::AccessibleInfo label = box.Describe(false);
    EXPECT_EQ(label.role, kit::AccRole::StaticText);
    EXPECT_EQ(label.name, L"Ada");
    EXPECT_EQ(label.states, kReadOnly);
}

}  // namespace
