// The graphical button's properties, notifications, new instance, load and save.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nshape_fakes.h"

namespace {

using kit::Picture;
using kit::PropertyBag;
using kit::Value;
using nshape_fakes::Rig;
using Log = std::vector<std::wstring>;

std::vector<std::wstring> Keys(const PropertyBag& bag) {
    std::vector<std::wstring> keys;
    for (const auto& e : bag.entries()) keys.push_back(e.first);
    return keys;
}

// Every persisted property, read through the read operations, as one comparable text.
std::wstring Snapshot(const kit::NShape& s) {
    std::wstring out;
    auto add = [&](const wchar_t* name, const std::wstring& v) { out += std::wstring(name) + L"=" + v + L";"; };
    auto c = [](kit::OleColor v) { return std::to_wstring(v); };
    add(L"Picture_Normal", s.PictureNormal().ref);
    add(L"Picture_Down", s.PictureDown().ref);
    add(L"Picture_Hover", s.PictureHover().ref);
    add(L"Stretch", std::to_wstring(s.Stretch()));
    add(L"Caption", s.Caption());
    add(L"BackGround", c(s.BackGround()));
    add(L"BackColorNormal", c(s.BackColorNormal()));
    add(L"BackColorHover", c(s.BackColorHover()));
    add(L"BackColorDown", c(s.BackColorDown()));
    add(L"BorderColorNormal", c(s.BorderColorNormal()));
    add(L"BorderColorHover", c(s.BorderColorHover()));
    add(L"BorderColorDown", c(s.BorderColorDown()));
    add(L"FontSize", std::to_wstring(s.FontSize()));
    add(L"FontBold", std::to_wstring(s.FontBold()));
    add(L"Font", s.ControlFont().name);
    add(L"Enabled", std::to_wstring(s.Enabled()));
    add(L"BorderGotFocus", std::to_wstring(s.BorderGotFocus()));
    add(L"BorderCustom", c(s.BorderCustom()));
    add(L"Style", std::to_wstring(s.Style()));
    add(L"Graphical", std::to_wstring(s.Graphical()));
    add(L"ForeColorNormal", c(s.ForeColorNormal()));
    add(L"ForeColorHover", c(s.ForeColorHover()));
    add(L"ForeColorDown", c(s.ForeColorDown()));
    add(L"Text_Visible", std::to_wstring(s.TextVisible()));
    add(L"StretchToText", std::to_wstring(s.StretchToText()));
    return out;
}

const std::vector<std::wstring> kAllKeys = {
    L"Picture_Normal",   L"Picture_Down",    L"Picture_Hover",  L"Stretch",       L"Caption",
    L"BackGround",       L"BackColorNormal", L"BackColorHover", L"BackColorDown", L"BorderColorNormal",
    L"BorderColorHover", L"BorderColorDown", L"FontSize",       L"FontBold",      L"Font",
    L"Enabled",          L"BorderGotFocus",  L"BorderCustom",   L"Style",         L"Graphical",
    L"ForeColorNormal",  L"ForeColorHover",  L"ForeColorDown",  L"Text_Visible",  L"StretchToText"};

TEST(NShapePersist, NewInstanceReadsBack) {
    Rig r;
    r.shape->InitNew({L"N_Shape1"});
    const kit::NShape& s = *r.shape;
    EXPECT_EQ(s.Caption(), L"N_Shape1");
    EXPECT_EQ(s.ForeColorNormal(), 0u);
    EXPECT_EQ(s.TextColor(), 0u);
    EXPECT_EQ(s.BackColorNormal(), 0x00EFF1F2u);
    EXPECT_EQ(s.FillColor(), 0x00EFF1F2u);
    EXPECT_EQ(s.BackGround(), 0x00EFF1F2u);
    EXPECT_EQ(s.BackColorHover(), 0x00E0E0E0u);
    EXPECT_EQ(s.BackColorDown(), 0x00FFFFFFu);
    EXPECT_EQ(s.BorderColorNormal(), 0x00B3B3B3u);
    EXPECT_EQ(s.BorderColor(), 0x00B3B3B3u);
    EXPECT_EQ(s.BorderCustom(), 0x00B3B3B3u);
    EXPECT_EQ(s.Style(), 4);
    EXPECT_FALSE(s.Graphical());
    EXPECT_TRUE(s.TextVisible());
    EXPECT_TRUE(s.StretchToText());
    EXPECT_EQ(s.FontSize(), 8);
    EXPECT_FALSE(s.FontBold());
    EXPECT_TRUE(s.Enabled());
    EXPECT_EQ(s.ControlFont().name, L"Verdana");
    // "N_Shape1" is 64 px in the fake measurer: the new instance fits its caption.
    EXPECT_EQ(s.Width(), 80);
    // Never-set pictures are empty pictures, and a save writes them as such rather than leaving the key out.
    PropertyBag bag;
    ASSERT_TRUE(r.shape->Save(bag, {}));
    for (const wchar_t* key : {L"Picture_Normal", L"Picture_Down", L"Picture_Hover"}) {
        auto stored = kit::ToPicture(bag.Read(key, Value(Picture{L"absent"})));
        ASSERT_TRUE(stored) << key;
        EXPECT_TRUE(stored->empty()) << key;
    }
}

TEST(NShapePersist, NewInstanceWritesInOrderWithNotifications) {
    Rig r;
    Log names;
    r.shape->events().PropertyChanged = [&](const std::wstring& n) { names.push_back(n); };
    r.shape->InitNew({L"B"});
    EXPECT_EQ(names, (Log{L"Caption", L"Enabled", L"BackGround", L"BackColorNormal", L"BackColorHover",
                          L"BackColorDown", L"BorderColorNormal", L"BorderColorHover", L"BorderColorDown", L"FontSize",
                          L"FontBold", L"BorderGotFocus", L"BorderCustom", L"ForeColorNormal", L"ForeColorHover",
                          L"ForeColorDown", L"Graphical", L"Text_Visible", L"StretchToText"}));
}

TEST(NShapePersist, SavingAnUnchangedNewInstanceAndLoadingIt) {
    Rig r;
    r.shape->InitNew({L"N_Shape1"});
    PropertyBag bag;
    ASSERT_TRUE(r.shape->Save(bag, {}));
    // Graphical, StretchToText, Style, FontSize, FontBold, Enabled and BorderGotFocus equal their save defaults.
    EXPECT_EQ(Keys(bag), (std::vector<std::wstring>{L"Picture_Normal", L"Picture_Down", L"Picture_Hover", L"Stretch",
                                                    L"Caption", L"BackGround", L"BackColorNormal", L"BackColorHover",
                                                    L"BackColorDown", L"BorderColorNormal", L"BorderColorHover",
                                                    L"BorderColorDown", L"Font", L"BorderCustom", L"ForeColorNormal",
                                                    L"ForeColorHover", L"ForeColorDown", L"Text_Visible"}));
    Rig loaded;
    ASSERT_TRUE(loaded.shape->Load(bag, {}));
    EXPECT_FALSE(loaded.shape->Graphical());
    EXPECT_TRUE(loaded.shape->TextVisible());
    EXPECT_TRUE(loaded.shape->StretchToText());
    EXPECT_EQ(loaded.shape->Style(), 4);
    EXPECT_EQ(loaded.shape->FontSize(), 8);
    EXPECT_EQ(Snapshot(*loaded.shape), Snapshot(*r.shape));
}

TEST(NShapePersist, AnEmptyBagLoadsTheLoadDefaults) {
    Rig r;
    ASSERT_TRUE(r.shape->Load(PropertyBag(), {}));
    const kit::NShape& s = *r.shape;
    EXPECT_EQ(s.BackGround(), 0x00FF8080u);
    EXPECT_EQ(s.BackColorNormal(), 0x008080FFu);
    EXPECT_EQ(s.FillColor(), 0x008080FFu);
    EXPECT_EQ(s.BackColorHover(), 0x0080C0FFu);
    EXPECT_EQ(s.BackColorDown(), 0x0080FFFFu);
    EXPECT_EQ(s.BorderColorNormal(), 0x00FFFF80u);
    EXPECT_EQ(s.BorderColorHover(), 0x00FFFF80u);
    EXPECT_EQ(s.BorderColorDown(), 0x00FFFF80u);
    EXPECT_EQ(s.BorderCustom(), 0x0080FF80u);
    EXPECT_EQ(s.Style(), 4);
    EXPECT_FALSE(s.TextVisible());
    EXPECT_FALSE(s.DrawsCaption());
    EXPECT_TRUE(s.PictureNormal().empty());
    EXPECT_FALSE(s.FontBold());
    EXPECT_EQ(s.FontSize(), 8);
    EXPECT_TRUE(s.Enabled());
    EXPECT_EQ(s.Caption(), L"NShape1");
    EXPECT_EQ(s.ForeColorNormal(), 0x008080FFu);
    EXPECT_EQ(s.ControlFont().name, L"MS Sans Serif");
    EXPECT_TRUE(s.StretchToText());
    EXPECT_EQ(s.Width(), 16);  // neither caption nor picture shown
}

// Every key with a value different from its defaults, then every key at exactly its save default.
TEST(NShapePersist, EveryKeyRoundTrips) {
    Rig r;
    kit::NShape& s = *r.shape;
    s.SetPictureNormal(Picture{L"n"});
    s.SetPictureDown(Picture{L"d"});
    s.SetPictureHover(Picture{L"h"});
    s.SetStretch(true);
    s.SetCaption(L"");
    s.SetBackGround(0x00FFFFFF);
    s.SetBackColorNormal(0x009383F3);
    s.SetBackColorHover(0x00C0C0FF);
    s.SetBackColorDown(0x80000008);
    s.SetBorderColorNormal(0x00FF8080);
    s.SetBorderColorHover(0x00FFC0C0);
    s.SetBorderColorDown(0x008080FF);
    ASSERT_TRUE(s.SetFontSize(14));
    s.SetFontBold(true);
    kit::Font f;
    f.name = L"Verdana";
    f.size = 6.75;
    f.charset = 134;
    s.SetControlFont(f);
    s.SetBorderGotFocus(true);
    s.SetBorderCustom(0x00FFFFFF);
    ASSERT_TRUE(s.SetStyle(0));
    s.SetGraphical(true);
    s.SetForeColorNormal(0x00FFFFFF);
    s.SetForeColorHover(0x00FF8080);  // the other candidate default: a value, not omitted
    s.SetForeColorDown(0x00C0C0C0);
    s.SetTextVisible(true);
    s.SetStretchToText(false);
    s.SetEnabled(false);

    PropertyBag bag;
    ASSERT_TRUE(s.Save(bag, {}));
    EXPECT_EQ(Keys(bag), kAllKeys);
    // Through the design text form too.
    auto parsed = kit::ParseDesign(kit::PrintDesign({{{L"N_Shape2start", bag}}}));
    ASSERT_TRUE(parsed);
    Rig loaded;
    ASSERT_TRUE(loaded.shape->Load(*parsed->Find(L"N_Shape2start"), {}));
    EXPECT_EQ(Snapshot(*loaded.shape), Snapshot(s));
    kit::Font expected;  // a load takes only the face name of the stored font
    expected.name = f.name;
    EXPECT_EQ(loaded.shape->ControlFont(), expected);
    // A disabled instance stores its Normal text colour, not the grey it shows.
    EXPECT_EQ(kit::ToColor(bag.Read(L"ForeColorNormal", Value())), 0x00FFFFFFu);

    // Each key at its save default is left out and loads back as the same value.
    Rig d;
    kit::NShape& t = *d.shape;
    t.SetCaption(L"NShape1");
    t.SetBackGround(0x00FF8080);
    t.SetBackColorNormal(0x008080FF);
    t.SetBackColorHover(0x0080C0FF);
    t.SetBackColorDown(0x0080FFFF);
    t.SetBorderColorNormal(0x00FFFF80);
    t.SetBorderColorHover(0x00FFFF80);
    t.SetBorderColorDown(0x00FFFF80);
    t.SetFontSize(8);
    t.SetFontBold(false);
    t.SetEnabled(true);
    t.SetBorderGotFocus(false);
    t.SetBorderCustom(0x0080FF80);
    t.SetStyle(4);
    t.SetGraphical(false);
    t.SetForeColorNormal(0x008080FF);
    t.SetForeColorHover(0x008080FF);
    t.SetForeColorDown(0x008080FF);
    t.SetTextVisible(false);
    t.SetStretchToText(true);
    PropertyBag defaults;
    t.Save(defaults, {});
    EXPECT_EQ(Keys(defaults),
              (std::vector<std::wstring>{L"Picture_Normal", L"Picture_Down", L"Picture_Hover", L"Stretch", L"Font"}));
    Rig back;
    ASSERT_TRUE(back.shape->Load(defaults, {}));
    EXPECT_EQ(Snapshot(*back.shape), Snapshot(t));
}

TEST(NShapePersist, EachColourAndEmptyCaptionLoadBackUnchanged) {
    const kit::OleColor colours[] = {0x00000000, 0x00FFFFFF, 0x00FF8080, 0x008080FF, 0x80000008, 0x8000000F};
    for (kit::OleColor c : colours) {
        Rig r;
        r.shape->SetCaption(L"");
        r.shape->SetForeColorNormal(c);
        r.shape->SetForeColorHover(c);
        r.shape->SetForeColorDown(c);
        r.shape->SetBackColorNormal(c);
        r.shape->SetBorderCustom(c);
        PropertyBag bag;
        r.shape->Save(bag, {});
        Rig loaded;
        ASSERT_TRUE(loaded.shape->Load(bag, {}));
        EXPECT_EQ(loaded.shape->Caption(), L"");
        EXPECT_EQ(loaded.shape->ForeColorNormal(), c);
        EXPECT_EQ(loaded.shape->ForeColorHover(), c);
        EXPECT_EQ(loaded.shape->ForeColorDown(), c);
        EXPECT_EQ(loaded.shape->BackColorNormal(), c);
        EXPECT_EQ(loaded.shape->BorderCustom(), c);
    }
}

TEST(NShapePersist, LoadStopsSilentlyAtTheFirstBadValue) {
    struct Case {
        const wchar_t* key;
        Value value;
    };
    const Case cases[] = {
        {L"FontSize", Value(L"abc")}, {L"FontSize", Value(0)}, {L"Style", Value(9)},
        {L"Style", Value(70000)},     {L"Style", Value(-1)},   {L"FontSize", Value(L"40000")},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        bag.WriteAlways(L"caption", Value(L"Loaded"));  // keys match whatever their case
        bag.WriteAlways(L"BackGround", Value(L"&H00FFFFFF&"));
        bag.WriteAlways(c.key, c.value);
        bag.WriteAlways(L"FontBold", Value(true));
        bag.WriteAlways(L"Text_Visible", Value(true));
        Rig r;
        r.shape->SetFontBold(false);
        r.shape->SetTextVisible(false);
        EXPECT_STREQ(r.shape->Load(bag, {}).stoppedAt, c.key);
        EXPECT_EQ(r.shape->Caption(), L"Loaded");  // applied before the failing key
        EXPECT_EQ(r.shape->BackGround(), 0x00FFFFFFu);
        EXPECT_EQ(r.shape->Style(), 4);
        if (std::wstring(c.key) == L"Style") {
            EXPECT_TRUE(r.shape->FontBold());  // key 14 came before Style
        } else {
            EXPECT_FALSE(r.shape->FontBold());  // not reached
            EXPECT_EQ(r.shape->FontSize(), 8);
        }
        EXPECT_FALSE(r.shape->TextVisible());  // after every failing key: never applied
    }
    // A picture key holding text and a colour key holding junk stop the load just the same.
    PropertyBag bag;
    bag.WriteAlways(L"Picture_Hover", Value(L"not a picture"));
    Rig r;
    EXPECT_STREQ(r.shape->Load(bag, {}).stoppedAt, L"Picture_Hover");
    PropertyBag bad;
    bad.WriteAlways(L"BackColorDown", Value(L"&HXYZ"));
    Rig t;
    EXPECT_STREQ(t.shape->Load(bad, {}).stoppedAt, L"BackColorDown");
    EXPECT_EQ(t.shape->BackColorHover(), 0x0080C0FFu);
    EXPECT_EQ(t.shape->BackColorDown(), 0u);
}

TEST(NShapePersist, RefusedWritesChangeNothingAndDoNotNotify) {
    Rig r;
    Log names;
    r.shape->events().PropertyChanged = [&](const std::wstring& n) { names.push_back(n); };
    EXPECT_FALSE(r.shape->SetStyle(6));
    EXPECT_FALSE(r.shape->SetStyle(-1));
    EXPECT_FALSE(r.shape->SetStyle(32768));
    EXPECT_FALSE(r.shape->SetFontSize(0));
    EXPECT_EQ(names, Log{});
    EXPECT_EQ(r.shape->Style(), 4);
    for (int k = 0; k <= 5; ++k) EXPECT_TRUE(r.shape->SetStyle(k));
    EXPECT_EQ(names.size(), 6u);
}

TEST(NShapePersist, EnabledNotifiesBeforeTheTextColourAndTheRepaint) {
    Rig r;
    r.shape->SetForeColorNormal(0x00FFFFFF);
    r.shape->events().PropertyChanged = [&](const std::wstring& n) {
        r.log.push_back(std::wstring(L"changed ") + n + L" text " + std::to_wstring(r.shape->TextColor()));
    };
    r.Take();
    r.shape->SetEnabled(false);
    EXPECT_EQ(r.Take(), (Log{L"changed Enabled text 16777215", L"repaint"}));
    EXPECT_EQ(r.shape->TextColor(), 0x00B3B3B3u);
    EXPECT_EQ(r.shape->ForeColorNormal(), 0x00FFFFFFu);
    // Enabled again, the caption shows the Normal colour even over the control.
    r.shape->SetEnabled(true);
    r.Move(5, 5);
    r.shape->SetEnabled(false);
    r.shape->SetEnabled(true);
    EXPECT_EQ(r.shape->TextColor(), 0x00FFFFFFu);
    EXPECT_EQ(r.shape->ButtonState(), kit::ButtonLook::Hover);
}

// While disabled the caption shows grey whatever text colour is written or loaded; enabling shows the stored one.
TEST(NShapePersist, ATextColourWrittenOrLoadedWhileDisabledShowsOnceEnabled) {
    struct Case {
        const wchar_t* how;
        bool load;
    };
    for (const Case& c : {Case{L"write", false}, Case{L"load", true}}) {
        Rig r;
        r.shape->InitNew({L"B"});
        if (c.load) {
            PropertyBag bag;
            bag.Write(L"Enabled", Value(false), Value(L"True"));
            bag.Write(L"ForeColorNormal", Value::Color(0x00123456), Value(L"&H8080FF"));
            ASSERT_TRUE(r.shape->Load(bag, {}));
        } else {
            r.shape->SetEnabled(false);
            r.shape->SetForeColorNormal(0x00123456);
        }
        EXPECT_FALSE(r.shape->Enabled()) << c.how;
        EXPECT_EQ(r.shape->TextColor(), kit::NShape::kDisabledText) << c.how;
        EXPECT_EQ(r.shape->ForeColorNormal(), 0x00123456u) << c.how;
        r.shape->SetEnabled(true);
        EXPECT_EQ(r.shape->TextColor(), 0x00123456u) << c.how;
    }
}

TEST(NShapePersist, NormalColoursShowAtOnceOthersAtTheNextLook) {
    Rig r;
    r.Move(5, 5);  // Hover look
    r.shape->SetBackColorNormal(0x111111);
    EXPECT_EQ(r.shape->FillColor(), 0x111111u);  // whatever the look
    r.shape->SetBackColorHover(0x222222);
    EXPECT_EQ(r.shape->FillColor(), 0x111111u);
    r.shape->SetBorderColorNormal(0x333333);
    EXPECT_EQ(r.shape->BorderColor(), 0x333333u);
    r.Move(150, 5);
    r.Move(5, 5);  // hover look applied again, through a fresh enter
    r.Tick();
    EXPECT_EQ(r.shape->BackColorNormal(), 0x111111u);  // reads return stored Normal values
    EXPECT_EQ(r.shape->FillColor(), 0x222222u);
}

TEST(NShapePersist, FontSizeReadsBackRounded) {
    Rig r;
    ASSERT_TRUE(r.shape->SetFontSize(9));
    EXPECT_EQ(r.shape->FontSize(), 9);
    EXPECT_DOUBLE_EQ(r.shape->CaptionPoints(), 9.0);
}

TEST(NShapePersist, CaptionChangeShowsAtOnceAndLaysOut) {
    Rig r;
    r.shape->SetTextVisible(true);
    r.shape->SetStretchToText(true);
    r.site.captions.clear();
    r.site.requestedWidths.clear();
    r.shape->SetCaption(L"ABCDE");
    EXPECT_EQ(r.site.captions, (std::vector<std::wstring>{L"ABCDE"}));
    EXPECT_EQ(r.site.requestedWidths, (std::vector<int>{56}));
    r.shape->SetCaption(L"ABCDE");  // the same text: no layout, no new caption
    EXPECT_EQ(r.site.captions.size(), 1u);
    EXPECT_EQ(r.site.requestedWidths.size(), 1u);
}

TEST(NShapePersist, CurPictureTestsNormalThenDownThenHover) {
    Rig r;
    kit::NShape& s = *r.shape;
    EXPECT_EQ(s.CurPicture(), 0);
    s.SetPictureNormal(Picture{L"a"});
    EXPECT_EQ(s.CurPicture(), 3);
    s.SetPictureDown(Picture{L"a"});  // shares the normal picture's handle: Normal wins
    s.SetPictureHover(Picture{L"b"});
    r.Down(90, 5);  // surface press shows Picture_Down
    EXPECT_EQ(s.CurPicture(), 3);
    r.Up(90, 5);  // surface release shows Picture_Hover
    EXPECT_EQ(s.CurPicture(), 2);
    s.SetPictureDown(Picture{L"b"});  // now Down and Hover share: Down wins
    EXPECT_EQ(s.CurPicture(), 1);
    s.SetPictureNormal(Picture{L"c"});  // shows the new normal picture at once
    EXPECT_EQ(s.CurPicture(), 3);
    s.SetPictureHover(Picture{L"x"});
    s.SetPictureDown(Picture{L"y"});
    r.Up(90, 5);
    EXPECT_EQ(s.CurPicture(), 2);
    s.SetPictureHover(Picture{L"z"});  // the shown picture matches none of them now
    EXPECT_EQ(s.CurPicture(), 0);
    r.site.Refresh();  // every repaint puts the normal picture back
    EXPECT_EQ(s.CurPicture(), 3);
    EXPECT_EQ(kit::PictureHandle(Picture{}), 0u);
    EXPECT_EQ(kit::PictureHandle(Picture{L"q"}), kit::PictureHandle(Picture{L"q"}));
    EXPECT_NE(kit::PictureHandle(Picture{L"q"}), kit::PictureHandle(Picture{L"r"}));
}

}  // namespace
