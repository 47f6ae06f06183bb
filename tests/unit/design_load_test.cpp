// A control whose load stops at a value it refuses names the key, for every control.
#include <gtest/gtest.h>

#include <string>

#include "controls/checkbutton/check_button.h"
#include "controls/common/property_bag.h"
#include "controls/common/property_table.h"
#include "controls/nselection/n_selection.h"
#include "controls/nshape/n_shape.h"
#include "controls/ntextbox/n_textbox.h"
#include "fakes.h"

namespace {

// Each makes a new control from the bag, as its host does when the window is made (a window of the size the
// control starts with), and notes the caption it has when it is given its first size.
std::wstring g_captionAtSize;
template <class Model, class... Size>
kit::LoadResult Made(const plat::Services& s, const kit::PropertyBag& bag, const kit::Ambient& ambient, Size... size) {
    Model control(s, typename Model::Events{}, size...);
    return kit::MakeControl(control, &bag, ambient, [&] { g_captionAtSize = control.Caption(); });
}
kit::LoadResult LoadShape(const plat::Services& s, const kit::PropertyBag& bag) {
    return Made<kit::NShape>(s, bag, {}, 100, 30);
}
kit::LoadResult LoadTextBox(const plat::Services& s, const kit::PropertyBag& bag) {
    return Made<kit::NTextBox>(s, bag, {});
}
kit::LoadResult LoadSelection(const plat::Services& s, const kit::PropertyBag& bag) {
    return Made<kit::NSelection>(s, bag, {});
}
kit::LoadResult LoadCheck(const plat::Services& s, const kit::PropertyBag& bag) {
    return Made<kit::CheckButton>(s, bag, {L"Check1", kit::Font()});
}

// A load that stops names the control and the refused key. One that goes through shows the caption each control
// has at its first size, which N_Shape takes before its properties and the others after them.
TEST(DesignLoad, AStoppedLoadNamesTheControlAndTheRefusedKey) {
    struct Case {
        kit::LoadResult (*load)(const plat::Services&, const kit::PropertyBag&);
        const wchar_t* design;
        const wchar_t* control;
        const wchar_t* key;  // as the control names it; null: every key loads
        const wchar_t* captionAtSize = nullptr;
    };
    const Case cases[] = {
        {LoadShape, L"[Go]\nCaption = \"ok\"\nBackColorHover = \"red\"\nFontBold = True\n", L"Go", L"BackColorHover"},
        {LoadShape, L"[Go]\nFontSize = 0\nStyle = 2\n", L"Go", L"FontSize"},  // a size the control refuses
        {LoadShape, L"[Go]\nFontBold = True\nstyle = 70000\n", L"Go", L"Style"},
        {LoadShape, L"[Go]\nPicture_Hover = \"text\"\n", L"Go", L"Picture_Hover"},
        {LoadShape, L"[Go]\nCaption = \"ok\"\nStyle = 2\n", L"Go", nullptr, L"NShape1"},
        {LoadTextBox, L"[Box]\nText = \"kept\"\nLocked = \"perhaps\"\nEnabled = False\n", L"Box", L"Locked"},
        {LoadTextBox, L"[Box]\nAlignementVertical = 300\n", L"Box", L"AlignementVertical"},
        {LoadTextBox, L"[Box]\nFont = 3\n", L"Box", L"FONT"},
        {LoadTextBox, L"[Box]\nText = \"kept\"\nHeaderCaption = \"ok\"\n", L"Box", nullptr, L"ok"},
        {LoadSelection, L"[Pick]\nCaption = \"c\"\nFontSize = \"large\"\n", L"Pick", L"FontSize"},
        {LoadSelection, L"[Pick]\nForeColorDown_2 = \"x\"\n", L"Pick", L"ForeColorDown_2"},
        {LoadSelection, L"[Pick]\nCaption = \"ok\"\n", L"Pick", nullptr, L"ok"},
        {LoadCheck, L"[Tick]\nValue = 1\nEnabled = \"maybe\"\nBackColor = 5\n", L"Tick", L"Enabled"},
        {LoadCheck, L"[Tick]\nFont = 3\n", L"Tick", L"Font"},
        {LoadCheck, L"[Tick]\nValue = 1\nCaption = \"ok\"\n", L"Tick", nullptr, L"ok"},
    };
    for (const Case& c : cases) {
        const std::wstring where = std::wstring(c.control) + L"." + (c.key ? c.key : L"");
        SCOPED_TRACE(std::string(where.begin(), where.end()));
        fakes::Platform p;
        const auto design = kit::ParseDesign(c.design);
        ASSERT_TRUE(design);
        const kit::PropertyBag* bag = design->Find(c.control);
        ASSERT_NE(bag, nullptr);
        const kit::LoadResult result = c.load(p.services, *bag);
        EXPECT_EQ(static_cast<bool>(result), c.key == nullptr);
        if (c.captionAtSize) EXPECT_EQ(g_captionAtSize, c.captionAtSize);
        if (result) continue;
        ASSERT_NE(result.stoppedAt, nullptr);
        EXPECT_EQ(std::wstring(result.stoppedAt), c.key);
        EXPECT_EQ(kit::DescribeStop(c.control, result),
                  std::wstring(L"the load of ") + c.control + L" stopped at the value of " + c.key);
    }
}

}  // namespace
