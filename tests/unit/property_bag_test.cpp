// The kit's property bag: typed conversions, case-blind keys, omission of defaults and the design text form.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "controls/common/property_bag.h"

namespace {

using kit::Font;
using kit::Picture;
using kit::PropertyBag;
using kit::Value;

TEST(PropertyBagConvert, ColourTexts) {
    EXPECT_EQ(kit::ToColor(Value(L"&HFF8080")), 0x00FF8080u);
    EXPECT_EQ(kit::ToColor(Value(L"&H00FFFF80&")), 0x00FFFF80u);
    EXPECT_EQ(kit::ToColor(Value(L"&H80000008&")), 0x80000008u);
    EXPECT_EQ(kit::ToColor(Value(L"&h8080ff")), 0x008080FFu);
    EXPECT_EQ(kit::ToColor(Value(L" 255 ")), 255u);
    EXPECT_EQ(kit::ToColor(Value::Color(0x8000000F)), 0x8000000Fu);
    EXPECT_EQ(kit::ToColor(Value(16777215)), 0x00FFFFFFu);
    // Negative 32-bit numbers are the same bit patterns.
    EXPECT_EQ(kit::ToColor(Value(-2147483640)), 0x80000008u);
    EXPECT_FALSE(kit::ToColor(Value(L"&H123456789")));
    EXPECT_FALSE(kit::ToColor(Value(L"&H")));
    EXPECT_FALSE(kit::ToColor(Value(L"&HFG")));
    EXPECT_FALSE(kit::ToColor(Value(L"red")));
    EXPECT_FALSE(kit::ToColor(Value(std::int64_t{0x100000000})));
    EXPECT_FALSE(kit::ToColor(Value(Font{})));
}

TEST(PropertyBagConvert, Booleans) {
    EXPECT_EQ(kit::ToBool16(Value(L"True")), kit::kTrue);
    EXPECT_EQ(kit::ToBool16(Value(L"False")), kit::kFalse);
    EXPECT_EQ(kit::ToBool16(Value(L"true")), kit::kTrue);
    EXPECT_EQ(kit::ToBool16(Value(-1)), kit::kTrue);
    EXPECT_EQ(kit::ToBool16(Value(0)), kit::kFalse);
    EXPECT_EQ(kit::ToBool16(Value(7)), kit::kTrue);
    EXPECT_EQ(kit::ToBool16(Value(true)), kit::kTrue);
    EXPECT_EQ(kit::ToBool16(Value::Bool16(kit::kFalse)), kit::kFalse);
    EXPECT_EQ(kit::ToBool16(Value(L"-1")), kit::kTrue);
    EXPECT_FALSE(kit::ToBool16(Value(L"yes")));
    EXPECT_FALSE(kit::ToBool16(Value(L"")));
    EXPECT_FALSE(kit::ToBool16(Value(Picture{L"x"})));
}

TEST(PropertyBagConvert, Numbers) {
    EXPECT_EQ(kit::ToInt16(Value(L"8")), 8);
    EXPECT_EQ(kit::ToInt16(Value(L"-32768")), -32768);
    EXPECT_FALSE(kit::ToInt16(Value(L"32768")));
    EXPECT_FALSE(kit::ToInt16(Value(40000)));
    EXPECT_EQ(kit::ToInt16(Value(8.5)), 8);  // half to even
    EXPECT_EQ(kit::ToInt16(Value(9.5)), 10);
    EXPECT_EQ(kit::ToInt16(Value(true)), -1);
    EXPECT_EQ(kit::ToInt32(Value(L"4")), 4);
    EXPECT_EQ(kit::ToInt32(Value(L"2147483647")), 2147483647);
    EXPECT_FALSE(kit::ToInt32(Value(L"2147483648")));
    EXPECT_FALSE(kit::ToInt32(Value(1e300)));
    EXPECT_FALSE(kit::ToInt32(Value(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(kit::ToInt32(Value::Color(0x80000008)), static_cast<std::int32_t>(0x80000008u));
    EXPECT_EQ(kit::ToDouble(Value(L"6.75")), 6.75);
    EXPECT_EQ(kit::ToDouble(Value(L"1e3")), 1000.0);
    EXPECT_FALSE(kit::ToDouble(Value(L"1e999")));
    EXPECT_FALSE(kit::ToDouble(Value(L"99999999999999999999999")));
    EXPECT_FALSE(kit::ToDouble(Value(L"1.")));
    EXPECT_FALSE(kit::ToDouble(Value(L".5")));
    EXPECT_FALSE(kit::ToDouble(Value(L"12abc")));
    EXPECT_FALSE(kit::ToDouble(Value()));
}

TEST(PropertyBagConvert, TextsFontsPictures) {
    EXPECT_EQ(kit::ToText(Value(L"启动")), L"启动");
    EXPECT_EQ(kit::ToText(Value(12)), L"12");
    EXPECT_EQ(kit::ToText(Value(true)), L"True");
    EXPECT_EQ(kit::ToText(Value()), L"");
    EXPECT_FALSE(kit::ToText(Value(Font{})));
    EXPECT_FALSE(kit::ToText(Value(Picture{L"a"})));

    auto f = kit::ToFont(Value(L"MS Sans Serif"));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->name, L"MS Sans Serif");
    Font verdana;
    verdana.name = L"Verdana";
    verdana.size = 6.75;
    EXPECT_EQ(kit::ToFont(Value(verdana))->name, L"Verdana");
    EXPECT_FALSE(kit::ToFont(Value(3)));

    EXPECT_TRUE(kit::ToPicture(Value())->empty());
    EXPECT_EQ(kit::ToPicture(Value(Picture{L"logo"}))->ref, L"logo");
    EXPECT_FALSE(kit::ToPicture(Value(L"logo")));
}

TEST(PropertyBagConvert, FontSizeKeptToFourDecimals) {
    Font f;
    f.size = 6.123456;
    const Value v(f);
    EXPECT_DOUBLE_EQ(std::get<Font>(v.storage()).size, 6.1235);
    Font g = f;
    g.size = 6.12349;
    EXPECT_TRUE(Value(f).SameAs(Value(g)));
    g.size = 6.1236;
    EXPECT_FALSE(Value(f).SameAs(Value(g)));
}

TEST(PropertyBagKeys, CaseBlindReadWriteRemove) {
    PropertyBag bag;
    bag.WriteAlways(L"BackColorNormal", Value::Color(0x123456));
    EXPECT_TRUE(bag.Has(L"backcolornormal"));
    EXPECT_EQ(kit::ToColor(bag.Read(L"BACKCOLORNORMAL", Value(0))), 0x123456u);
    bag.WriteAlways(L"backcolornormal", Value::Color(0x654321));
    ASSERT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.entries()[0].first, L"BackColorNormal");  // the first spelling stays
    EXPECT_EQ(kit::ToColor(bag.Read(L"BackColorNormal", Value(0))), 0x654321u);
    EXPECT_EQ(kit::ToText(bag.Read(L"Missing", Value(L"fallback"))), L"fallback");
    bag.Remove(L"BACKcolorNORMAL");
    EXPECT_FALSE(bag.Has(L"BackColorNormal"));
}

TEST(PropertyBagKeys, WriteOmitsValuesSameAsTheSaveDefault) {
    PropertyBag bag;
    bag.Write(L"BackGround", Value::Color(0x00FF8080), Value(L"&HFF8080"));
    bag.Write(L"FontSize", Value(8), Value(L"8"));
    bag.Write(L"FontBold", Value::Bool16(kit::kFalse), Value(L"False"));
    bag.Write(L"Enabled", Value::Bool16(kit::kTrue), Value(L"True"));
    bag.Write(L"Caption", Value(L""), Value(L""));
    bag.Write(L"Font", Value(Font{}), Value(Font{}));
    EXPECT_TRUE(bag.entries().empty());

    bag.Write(L"Text_Visible", Value::Bool16(kit::kTrue), Value(L"False"));
    bag.Write(L"FontSize", Value(9), Value(L"8"));
    bag.Write(L"Caption", Value(L"0"), Value(L""));
    bag.Write(L"BackGround", Value::Color(0x00FFFFFF), Value(L"&HFF8080"));
    ASSERT_EQ(bag.entries().size(), 4u);
    // Writing the default later removes an earlier stored value.
    bag.Write(L"fontsize", Value(8), Value(L"8"));
    EXPECT_FALSE(bag.Has(L"FontSize"));
    EXPECT_EQ(bag.entries().size(), 3u);
}

TEST(PropertyBagKeys, SameAsComparesNumbersByValueAndTextsByCharacters) {
    EXPECT_TRUE(Value(L"&H00FFFF80&").SameAs(Value::Color(0x00FFFF80)));
    EXPECT_TRUE(Value(L"True").SameAs(Value(-1)));
    EXPECT_TRUE(Value(8.0).SameAs(Value(L"8")));
    EXPECT_FALSE(Value(L"abc").SameAs(Value(L"ABC")));
    EXPECT_FALSE(Value(L"").SameAs(Value(0)));
    EXPECT_FALSE(Value().SameAs(Value(L"")));
    EXPECT_TRUE(Value().SameAs(Value()));
    EXPECT_FALSE(Value(Picture{L"a"}).SameAs(Value(L"a")));
    EXPECT_TRUE(Value(Picture{L"a"}).SameAs(Value(Picture{L"a"})));
}

std::vector<Value> EveryKind() {
    // name, size, weight, charset, italic, underline, strikethrough
    const Font f{L"微软雅黑", 10.5, 700, 134, true, false, true};
    Font whole;
    whole.size = 12;
    return {
        Value(),
        Value(L""),
        Value(L"启动"),
        Value(L"quote \" back \\ nl \n cr \r tab \t nul " + std::wstring(1, L'\0') + L" bell \x07 end"),
        Value(L"  blanks kept  "),
        Value(L"# not a comment = [x]"),
        Value(0),
        Value(-4),
        Value(std::numeric_limits<std::int64_t>::max()),
        Value(std::numeric_limits<std::int64_t>::min()),
        Value::Color(0x00FF8080),
        Value::Color(0x80000008),
        Value::Color(0xFFFFFFFF),
        Value(6.75),
        Value(8.0),
        Value(-0.1),
        Value(1e300),
        Value(5e-324),
        Value(std::numeric_limits<double>::infinity()),
        Value(std::numeric_limits<double>::quiet_NaN()),
        Value(true),
        Value(false),
        Value(f),
        Value(whole),
        Value(Picture{}),
        Value(Picture{L"logo \"G\""}),
    };
}

TEST(PropertyBagText, PrintThenParseGivesTheSameValueForEveryKind) {
    for (const Value& v : EveryKind()) {
        const std::wstring printed = kit::PrintValue(v);
        auto back = kit::ParseValue(printed);
        ASSERT_TRUE(back) << kit::PrintValue(v);
        EXPECT_TRUE(*back == v) << printed;
        EXPECT_EQ(kit::PrintValue(*back), printed);
    }
}

TEST(PropertyBagText, PrintedForms) {
    EXPECT_EQ(kit::PrintValue(Value::Color(0xFF8080)), L"&H00FF8080&");
    EXPECT_EQ(kit::PrintValue(Value(8.0)), L"8.0");
    EXPECT_EQ(kit::PrintValue(Value(L"a\"b")), L"\"a\\\"b\"");
    Font f;
    f.name = L"Verdana";
    f.size = 6.75;
    f.charset = 134;
    EXPECT_EQ(kit::PrintValue(Value(f)), L"Font(\"Verdana\", 6.75, 400, 134, False, False, False)");
    EXPECT_EQ(kit::PrintValue(Value(Picture{L"p"})), L"Picture(\"p\")");
    // Parsed literals of every accepted spelling.
    EXPECT_EQ(kit::ToColor(*kit::ParseValue(L"&HFF8080")), 0xFF8080u);
    EXPECT_EQ(kit::ToInt32(*kit::ParseValue(L"  -4  ")), -4);
    EXPECT_EQ(kit::ToText(*kit::ParseValue(L"\"\\u5f00\"")), L"开");
    EXPECT_TRUE(*kit::ParseValue(L"Font( \"V\" ,8,400,0,False,True,False )") == [] {
        Font g;
        g.name = L"V";
        g.size = 8;
        g.underline = true;
        return Value(g);
    }());
}

TEST(PropertyBagText, DesignRoundTrip) {
    kit::Design d;
    PropertyBag a;
    int n = 0;
    for (const Value& v : EveryKind()) a.WriteAlways(L"Key" + std::to_wstring(n++), v);
    PropertyBag b;
    b.WriteAlways(L"Caption", Value(L"关于"));
    d.controls.emplace_back(L"N_Shape2start", a);
    d.controls.emplace_back(L"N_Shape2abop", b);
    d.controls.emplace_back(L"Empty_One", PropertyBag());
    const std::wstring text = kit::PrintDesign(d);
    std::wstring error;
    auto back = kit::ParseDesign(text, &error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->controls.size(), 3u);
    EXPECT_EQ(kit::PrintDesign(*back), text);
    const PropertyBag* found = back->Find(L"n_shape2START");
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(found->entries().size(), a.entries().size());
    for (std::size_t i = 0; i < a.entries().size(); ++i) {
        EXPECT_EQ(found->entries()[i].first, a.entries()[i].first);
        EXPECT_TRUE(found->entries()[i].second == a.entries()[i].second) << i;
    }
    EXPECT_EQ(back->Find(L"nope"), nullptr);
}

TEST(PropertyBagText, DesignWithCommentsBlankLinesAndCrLf) {
    const std::wstring text =
        L"\xFEFF# the main window\r\n\r\n[N_Shape1]\r\n  Caption = \"官网\"  \r\n# note\r\nFontSize=12\r\n[Other]\r\n"
        L"Enabled = False";
    auto d = kit::ParseDesign(text);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->controls.size(), 2u);
    EXPECT_EQ(kit::ToText(d->Find(L"N_Shape1")->Read(L"caption", Value())), L"官网");
    EXPECT_EQ(kit::ToInt16(d->Find(L"N_Shape1")->Read(L"FONTSIZE", Value())), 12);
    EXPECT_EQ(kit::ToBool16(d->Find(L"Other")->Read(L"Enabled", Value())), kit::kFalse);
    EXPECT_TRUE(kit::ParseDesign(L"")->controls.empty());
}

TEST(PropertyBagText, MalformedInputIsRejectedWithAPlace) {
    const std::vector<std::wstring> bad = {
        L"Key = 1",                 // outside a section
        L"[A]\nKey 1",              // no equals sign
        L"[A]\nKey = \"open",       // unterminated string
        L"[A]\nKey = \"bad \\q\"",  // unknown escape
        L"[A]\nKey = \"\\u12\"",    // short \u
        L"[A]\nKey = \"\\u12G4\"",  // bad hex digit
        L"[A]\nKey = \"x\" y",      // junk after the value
        L"[A]\nKey = 99999999999999999999999",
        L"[A]\nKey = 1e999",
        L"[A]\nKey = &H123456789&",
        L"[A]\nKey = &H&",
        L"[A]\nKey = Font(\"V\", 8, 400, 0, False, False)",
        L"[A]\nKey = Font(\"V\", 8, 400, 300, False, False, False)",
        L"[A]\nKey = Font(\"V\", -1, 400, 0, False, False, False)",
        L"[A]\nKey = Picture(x)",
        L"[A]\nKey = Picture(\"x\"",
        L"[A]\nKey = maybe",
        L"[A]\nKey =",
        L"[A]\nKey = 1\nkey = 2",  // the same key twice, case-blind
        L"[A]\n[a]",               // the same control twice
        L"[A b]",
        L"[A",
        L"[A]\nBad-Key = 1",
    };
    for (const auto& text : bad) {
        std::wstring error;
        EXPECT_FALSE(kit::ParseDesign(text, &error)) << std::string(text.begin(), text.end());
        EXPECT_EQ(error.rfind(L"line ", 0), 0u);
    }
    std::wstring error;
    kit::ParseDesign(L"[A]\nX = 1\n\nY = oops", &error);
    EXPECT_EQ(error, L"line 4: bad value");
}

TEST(PropertyBagText, RandomAndTruncatedInputNeverCrashes) {
    // Every prefix of a valid design, and random mutations of it, either parse or are refused.
    Font f;
    f.name = L"Verdana";
    kit::Design d;
    PropertyBag b;
    b.WriteAlways(L"Caption", Value(L"a\"b\\c\u5f00"));
    b.WriteAlways(L"Font", Value(f));
    b.WriteAlways(L"Back", Value::Color(0x80000008));
    b.WriteAlways(L"Size", Value(6.75));
    b.WriteAlways(L"Pic", Value(Picture{L"p"}));
    d.controls.emplace_back(L"C", b);
    const std::wstring text = kit::PrintDesign(d);
    for (std::size_t n = 0; n <= text.size(); ++n) {
        auto parsed = kit::ParseDesign(text.substr(0, n));
        // Cut at a line end the prefix is a valid design of fewer keys; elsewhere it may be refused.
        if (n == 0 || text[n - 1] == L'\n') {
            ASSERT_TRUE(parsed) << n;
        }
        if (parsed) {
            EXPECT_LE(parsed->controls.size(), 1u);
        }
    }
    std::mt19937 rng(12345);
    const std::wstring alphabet = L"\"\\&H()=,[]#\n\r\t .-+e0123456789TrueFalsFontPicture\u5f00\xD800";
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        std::wstring m = text;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = rng() % (m.size() + 1);
            const wchar_t c = alphabet[rng() % alphabet.size()];
            switch (rng() % 3) {
                case 0:
                    m.insert(m.begin() + static_cast<std::ptrdiff_t>(at), c);
                    break;
                case 1:
                    if (at < m.size()) m.erase(at, 1);
                    break;
                default:
                    if (at < m.size()) m[at] = c;
            }
        }
        if (kit::ParseDesign(m)) ++accepted;
        (void)kit::ParseValue(m);
    }
    EXPECT_GT(accepted, 0);  // some mutations stay valid (e.g. a changed digit)
    EXPECT_LT(accepted, 3000);
    // Oversized input is refused without being scanned.
    EXPECT_FALSE(kit::ParseValue(std::wstring((1u << 20) + 1, L'1')));
    EXPECT_FALSE(kit::ParseValue(L"\"" + std::wstring(5000, L'\\')));
}

}  // namespace
