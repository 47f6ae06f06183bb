// A control whose load stops at a value it refuses names the key, for every control.
#include <gtest/gtest.h>

#include <string>

#include "controls/checkbutton/check_button.h"
#include "controls/common/property_bag.h"
#include "controls/common/property_table.h"
#include "controls/nselection/n_selection.h"
#include "controls/nshape/n_shape.h"
#include "controls/ntextbox/n_textbox.h"
#include "controls/common/property_bag_text.h"
#include "tests/look_journal.h"

namespace {

// Each makes a new control from the bag, as its host does when the window is made (a window of the size the
// control starts with), journalling the creation (tests/look_journal.h), and notes the caption it has when it is
// given its first size and what every stored key reads back once it is made.
struct Made {
    kit::LoadResult result;
    std::string journal;
    std::wstring captionAtSize;
    std::wstring stored;  // each key's value after the load, in load order
    std::string look;     // what it paints once made, focused with the focus cues showing
};
template <class Model>
Made Make(const kit::PropertyBag& bag, int width, int height) {
    journal::Bench<Model> bench(width, height, &bag);
    Made made{bench.loaded, bench.made, bench.captionAtSize, {}, journal::Painted(*bench.m, &bench.p.text, true)};
    for (const auto& key : Model::kStoredKeys)
        made.stored +=
            std::wstring(made.stored.empty() ? L"" : L" ") + key.name + L"=" + kit::PrintValue(key.write(*bench.m));
    return made;
}
Made LoadShape(const kit::PropertyBag& bag) { return Make<kit::NShape>(bag, 100, 30); }
Made LoadTextBox(const kit::PropertyBag& bag) { return Make<kit::NTextBox>(bag, 2610, 1020); }
Made LoadSelection(const kit::PropertyBag& bag) { return Make<kit::NSelection>(bag, 182, 52); }
Made LoadCheck(const kit::PropertyBag& bag) { return Make<kit::CheckButton>(bag, 1410, 975); }

// A load that stops names the control and the refused key. One that goes through shows the caption each control
// has when its window's size is reported, after its properties (N_Shape has taken its window's size when it met
// its window, so its load lays out at it). A whole number one past the end of its key's width stops the load
// there; the journal of a load says what it notified, laid out and showed, the stored values what each absent key
// loads as, and the look what the control then paints with the focus: its parts in order, a disabled caption in
// the disabled role, the focus cue where it goes.
TEST(DesignLoad, AStoppedLoadNamesTheControlAndTheRefusedKey) {
    struct Case {
        Made (*load)(const kit::PropertyBag&);
        const wchar_t* design;
        const wchar_t* control;
        const wchar_t* key;  // as the control names it; null: every key loads
        const wchar_t* captionAtSize = nullptr;
        const char* journal = nullptr;
        const wchar_t* stored = nullptr;
        const char* look = nullptr;
    };
    const Case cases[] = {
        {LoadShape, L"[Go]\nCaption = \"ok\"\nBackColorHover = \"red\"\nFontBold = True\n", L"Go", L"BackColorHover"},
        {LoadShape, L"[Go]\nFontSize = 0\nStyle = 2\n", L"Go", L"FontSize"},  // a size the control refuses
        {LoadShape, L"[Go]\nFontBold = True\nstyle = 70000\n", L"Go", L"Style"},
        {LoadShape, L"[Go]\nPicture_Hover = \"text\"\n", L"Go", L"Picture_Hover"},
        {LoadShape, L"[Go]\nCaption = \"ok\"\nStyle = 2\n", L"Go", nullptr, L"ok"},
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
        // Widths: 16-bit keys end at 32767, 32-bit ones at 2147483647, colours at &HFFFFFFFF.
        {LoadShape, L"[Go]\nFontSize = 32768\n", L"Go", L"FontSize"},
        {LoadShape, L"[Go]\nStyle = 2147483648\n", L"Go", L"Style"},
        {LoadShape, L"[Go]\nBackGround = 4294967295\nBorderCustom = 4294967296\n", L"Go", L"BorderCustom"},
        {LoadSelection, L"[Pick]\nFontSize = 32768\n", L"Pick", L"FontSize"},
        {LoadTextBox, L"[Box]\nAlignementHorizontal = 32767\nHeaderAlignement = 32768\n", L"Box", L"HeaderAlignement"},
        {LoadTextBox, L"[Box]\nAlignementHorizontal = 32768\n", L"Box", L"AlignementHorizontal"},
        {LoadCheck, L"[Tick]\nValue = 32768\nForeColor = 2147483648\n", L"Tick", nullptr},
        {LoadCheck, L"[Tick]\nValue = 2147483648\n", L"Tick", L"Value"},
        // Disabled, with the picture and the text box's header and label.
        {LoadShape, L"[Go]\nGraphical = True\nText_Visible = True\nCaption = \"ok\"\nEnabled = False\n", L"Go", nullptr,
         nullptr, nullptr, nullptr,
         "fill 0,0 57x30 Surface &H00FF8080&; figure 4 0,0 57x30 Fill &H008080FF& border Border &H00FFFF80& 1; "
         "picture \"\" 8,6.5 17x17; text 33,7 16x16 \"ok\" left line DisabledText &H00B3B3B3& "
         "\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91 8; focus 0,0 57x30 in 3,3"},
        {LoadTextBox, L"[Box]\nText = \"t\"\nLabelBox = True\nHeader = True\nEnabled = False\n", L"Box", nullptr,
         nullptr, nullptr, nullptr,
         "fill 0,0 2610x1020 Surface &H00FFFFFF&; fill 0,0 2610x240 Surface &H00FFFFFF&; text 0,0 2610x240 \"Header\" "
         "right clipped Text &H00D05C28& Verdana 6.75; fill 0,255 2610x765 PageBack &H00FFFFFF&; frame 0,255 2610x765 "
         "Border &H00D05C28&; text 45,517.5 2520x240 \"t\" right clipped DisabledText &H80000011& Arial 9; focus 0,0 "
         "2610x1020 in 45,45"},
        // An empty bag: what the load does, and what each key loads as.
        {LoadShape, L"[Go]\n", L"Go", nullptr, nullptr,
         "shows, repaint, notify Caption, shows, repaint, notify BackGround, shows, repaint, notify BackColorNormal, "
         "notify BackColorHover, notify BackColorDown, shows, repaint, notify BorderColorNormal, notify "
         "BorderColorHover, notify BorderColorDown, repaint, notify FontSize, repaint, notify FontBold, input on, "
         "notify Enabled, repaint, repaint now, notify BorderGotFocus, notify BorderCustom, repaint, notify Style, "
         "notify Graphical, shows, repaint, shows, repaint, shows, repaint, notify ForeColorNormal, notify "
         "ForeColorHover, notify ForeColorDown, notify Text_Visible, shows, repaint, repaint, notify StretchToText, "
         "size 16x-, shows, Resize, shows, repaint, repaint",

         L"Picture_Normal=Picture(\"\") Picture_Down=Picture(\"\") Picture_Hover=Picture(\"\") Stretch=False "
         L"Caption=\"NShape1\" BackGround=&H00FF8080& BackColorNormal=&H008080FF& BackColorHover=&H0080C0FF& "
         L"BackColorDown=&H0080FFFF& BorderColorNormal=&H00FFFF80& BorderColorHover=&H00FFFF80& "
         L"BorderColorDown=&H00FFFF80& FontSize=8 FontBold=False Font=Font(\"MS Sans Serif\", 8.25, 400, 0, False, "
         L"False, False) Enabled=True BorderGotFocus=False BorderCustom=&H0080FF80& Style=4 Graphical=False "
         L"ForeColorNormal=&H008080FF& ForeColorHover=&H008080FF& ForeColorDown=&H008080FF& Text_Visible=False "
         L"StretchToText=True",
         "fill 0,0 16x30 Surface &H00FF8080&; figure 4 0,0 16x30 Fill &H008080FF& border Border &H00FFFF80& 1; "
         "focus 0,0 16x30 in 3,3"},
        {LoadTextBox, L"[Box]\n", L"Box", nullptr, nullptr,
         "shows, sync, shows, sync, repaint, shows, sync, repaint, sync, repaint, sync, sync, sync, repaint, repaint, "
         "shows, repaint, sync, repaint, shows, sync, repaint",

         L"Text=\"\" AlignementHorizontal=1 NumberBox=False AlignementVertical=1 Locked=False Enabled=True "
         L"ForeColor=&H00D05C28& BorderColor=&H00D05C28& BackColor=&H00FFFFFF& FONT=Font(\"Arial\", 9, 400, 0, False, "
         L"False, False) PasswordChar=\"\" LabelBox=False SelOnFocus=True Header=False HeaderAlignement=1 "
         L"HeaderForeColor=&H00D05C28& HeaderBackColor=&H00FFFFFF& HeaderFont=Font(\"Verdana\", 6.75, 400, 0, False, "
         L"False, False) HeaderCaption=\"Header\"",
         "fill 0,0 2610x1020 Surface &H00FFFFFF&; fill 0,0 2610x1020 PageBack &H00FFFFFF&; frame 0,0 2610x1020 Border "
         "&H00D05C28&; focus 0,0 2610x1020 in 45,45"},
        {LoadSelection, L"[Pick]\n", L"Pick", nullptr, nullptr,
         "shows, repaint, notify Caption, shows, repaint, notify Description, shows, repaint, notify BackColorNormal, "
         "notify BackColorHover, notify BackColorDown, repaint, notify FontSize, repaint, notify FontBold, input on, "
         "notify Enabled, shows, repaint, notify ForeColorNormal, notify ForeColorHover, notify ForeColorDown, shows, "
         "repaint, notify ForeColorNormal_2, notify ForeColorHover_2, notify ForeColorDown_2, size -x41, shows, "
         "Resize, shows, repaint, repaint",

         L"Caption=\"NSelection1\" Description=\"Descri\xE7\xE3o\" BackColorNormal=&H00000000& "
         L"BackColorHover=&H002D2D2D& BackColorDown=&H0080FFFF& FontSize=8 FontBold=False Font=Font(\"MS Sans Serif\", "
         L"8.25, 400, 0, False, False, False) Enabled=True ForeColorNormal=&H00000000& ForeColorHover=&H00000000& "
         L"ForeColorDown=&H00FFFFFF& ForeColorNormal_2=&H00000000& ForeColorHover_2=&H00000000& "
         L"ForeColorDown_2=&H00FFFFFF&",
         "fill 0,0 182x41 Fill &H00000000&; text 35,4.5 88x16 \"NSelection1\" left line Text &H00000000& Verdana 8; "
         "text 35,20.5 72x16 \"Descri\xC3\xA7\xC3\xA3o\" left line Text &H00000000& Verdana 6.75; "
         "focus 0,0 182x41 in 3,3"},
        {LoadCheck, L"[Tick]\n", L"Tick", nullptr, nullptr,
         "shows, repaint, shows, repaint, repaint, notify Value, shows, repaint, notify Caption, input on, repaint, "
         "shows, repaint, repaint, notify Font, notify BackColor, shows, repaint, notify ForeColor, repaint, repaint",

         L"Value=0 Caption=\"Control1\" Enabled=True Font=Font(\"MS Sans Serif\", 8.25, 400, 0, False, False, False) "
         L"BackColor=&H8000000F& ForeColor=&H00000000&",
         "fill 0,0 1410x975 Surface &H8000000F&; box image 0 13x13 at 0,390; text 240,367 960x240 \"Control1\" left "
         "line Text &H00000000& MS Sans Serif 8.25; focus 240,367 960x240 in -30,0"},
    };
    for (const Case& c : cases) {
        const std::wstring where = std::wstring(c.control) + L"." + (c.key ? c.key : L"");
        SCOPED_TRACE(std::string(where.begin(), where.end()));
        const auto design = kit::ParseDesign(c.design);
        ASSERT_TRUE(design);
        const kit::PropertyBag* bag = design->Find(c.control);
        ASSERT_NE(bag, nullptr);
        const Made made = c.load(*bag);
        const kit::LoadResult& result = made.result;
        EXPECT_EQ(static_cast<bool>(result), c.key == nullptr);
        if (c.captionAtSize) {
            EXPECT_EQ(made.captionAtSize, c.captionAtSize);
        }
        if (c.journal) {
            EXPECT_EQ(made.journal, c.journal);
        }
        if (c.stored) {
            EXPECT_EQ(made.stored, c.stored);
        }
        if (c.look) {
            EXPECT_EQ(made.look, c.look);
        }
        if (result || !c.key) continue;  // a load that should have gone through has failed above
        ASSERT_NE(result.stoppedAt, nullptr);
        EXPECT_EQ(std::wstring(result.stoppedAt), c.key);
        EXPECT_EQ(kit::DescribeStop(c.control, result),
                  std::wstring(L"the load of ") + c.control + L" stopped at the value of " + c.key);
    }
}

}  // namespace
