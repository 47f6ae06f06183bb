// The table of stored keys: load order and defaults, the key that stops a load, save order and omitted defaults,
// the steps of a new instance, and the check that a table is well formed.
#include "controls/common/property_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kit::Literal;
using kit::PropertyBag;
using kit::Value;
using Lines = std::vector<std::wstring>;

// A small control: one setter that may refuse, one that may not, one value applied straight to the part, and a
// default taken from the container.
struct Gauge {
    Lines applied;
    std::int32_t level = 0;
    kit::OleColor tint = 0;
    std::wstring label = L"unset";
    bool lit = false;

    bool SetLevel(std::int32_t v) {
        if (v < 0) return false;
        level = v;
        applied.push_back(L"Level " + std::to_wstring(v));
        return true;
    }
    std::int32_t Level() const { return level; }
    void SetTint(kit::OleColor c) {
        tint = c;
        applied.push_back(L"Tint " + std::to_wstring(c));
    }
    kit::OleColor Tint() const { return tint; }
    void SetLit(bool on) {
        lit = on;
        applied.push_back(on ? L"Lit on" : L"Lit off");
    }
    bool Lit() const { return lit; }
};

struct Place {
    std::wstring name;
};

using GaugeKey = kit::PropertyKey<Gauge, Place>;
using GaugeTable = kit::PropertyTable<Gauge, Place>;

Value PlaceName(const Gauge&, const Place& place) { return Value(place.name); }
bool ApplyLabel(Gauge& g, const Value& v) {
    auto text = kit::ToText(v);
    if (!text) return false;
    g.label = *text;
    g.applied.push_back(L"Label " + *text);
    return true;
}
Value LabelOf(const Gauge& g) { return Value(g.label); }
bool Mark(Gauge& g, const Value&) {
    g.applied.push_back(L"mark");
    return true;
}

constexpr GaugeKey kGaugeKeys[] = {
    {L"Level", Literal::Whole(5), Literal::Whole(5), kit::ReadInto<kit::ToInt32, &Gauge::SetLevel>,
     kit::WriteFrom<kit::AsWhole, &Gauge::Level>},
    {L"Tint", Literal::Color(0x8000000F), Literal::Text(L"&H8000000F&"), kit::ReadInto<kit::ToColor, &Gauge::SetTint>,
     kit::WriteFrom<kit::AsColor, &Gauge::Tint>},
    {L"Label", &PlaceName, &PlaceName, &ApplyLabel, &LabelOf},
    {L"Lit", Literal::Flag(false), Literal::Always(), kit::ReadInto<kit::ToBool16, &Gauge::SetLit>,
     kit::WriteFrom<kit::AsFlag, &Gauge::Lit>},
};
constexpr const wchar_t* kGaugeSaveOrder[] = {L"Lit", L"Level", L"Tint", L"Label"};
bool QuietLevel(Gauge& g, const Value&) {
    g.level = 9;
    g.applied.push_back(L"quiet level");
    return true;
}
constexpr kit::NewInstanceStep<Gauge, Place> kGaugeNew[] = {
    {L"Label", &PlaceName},
    {L"Tint", Literal::Color(0x00123456)},
    {nullptr, Literal::Empty(), &Mark},
    {L"Level", Literal::Whole(1), &QuietLevel},
};
constexpr GaugeTable kGauge = GaugeTable(kGaugeKeys).SavedInOrder(kGaugeSaveOrder).NewInstance(kGaugeNew);

TEST(PropertyTable, LoadAppliesKeysInOrderAndStopsAtTheFirstThatFails) {
    struct Case {
        const char* what;
        std::vector<std::pair<const wchar_t*, Value>> bag;
        const wchar_t* stoppedAt;
        Lines applied;
    };
    const Case cases[] = {
        {"an empty bag gives the load defaults, one from the container",
         {},
         nullptr,
         {L"Level 5", L"Tint 2147483663", L"Label Gauge7", L"Lit off"}},
        {"keys match without regard to case",
         {{L"LIT", Value(true)}, {L"level", Value(3)}},
         nullptr,
         {L"Level 3", L"Tint 2147483663", L"Label Gauge7", L"Lit on"}},
        {"a value that does not convert stops the load and names its key",
         {{L"Tint", Value(L"blue")}, {L"Lit", Value(true)}},
         L"Tint",
         {L"Level 5"}},
        {"a value the setter refuses stops it too", {{L"Level", Value(-2)}, {L"Tint", Value::Color(1)}}, L"Level", {}},
        {"a key read straight into the model stops it the same way",
         {{L"Label", Value(kit::Font())}},
         L"Label",
         {L"Level 5", L"Tint 2147483663"}},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        for (const auto& entry : c.bag) bag.WriteAlways(entry.first, entry.second);
        Gauge g;
        const kit::LoadResult result = kGauge.Load(g, bag, Place{L"Gauge7"});
        EXPECT_EQ(static_cast<bool>(result), c.stoppedAt == nullptr) << c.what;
        EXPECT_EQ(std::wstring(result.stoppedAt ? result.stoppedAt : L""),
                  std::wstring(c.stoppedAt ? c.stoppedAt : L""))
            << c.what;
        EXPECT_EQ(g.applied, c.applied) << c.what;
    }
}

TEST(PropertyTable, SaveFollowsItsOwnOrderAndLeavesOutValuesEqualToTheirDefaults) {
    struct Case {
        const char* what;
        std::int32_t level;
        kit::OleColor tint;
        const wchar_t* label;
        Lines keys;
    };
    const Case cases[] = {
        {"defaults are left out; a key without a save default is written always", 5, 0x8000000F, L"Gauge7", {L"Lit"}},
        {"a literal default compares by value", 5, 0x8000000E, L"Gauge7", {L"Lit", L"Tint"}},
        {"a default from the container", 5, 0x8000000F, L"Other", {L"Lit", L"Label"}},
        {"every key in the save order", 6, 0, L"", {L"Lit", L"Level", L"Tint", L"Label"}},
    };
    for (const Case& c : cases) {
        Gauge g;
        g.level = c.level;
        g.tint = c.tint;
        g.label = c.label;
        PropertyBag bag;
        kGauge.Save(g, bag, Place{L"Gauge7"});
        Lines keys;
        for (const auto& e : bag.entries()) keys.push_back(e.first);
        EXPECT_EQ(keys, c.keys) << c.what;
        // What was saved loads back to the same state.
        Gauge back;
        ASSERT_TRUE(kGauge.Load(back, bag, Place{L"Gauge7"})) << c.what;
        EXPECT_EQ(back.level, g.level) << c.what;
        EXPECT_EQ(back.tint, g.tint) << c.what;
        EXPECT_EQ(back.label, g.label) << c.what;
    }
}

TEST(PropertyTable, ANewInstanceRunsItsStepsInOrder) {
    Gauge g;
    kGauge.InitNew(g, Place{L"Gauge3"});
    EXPECT_EQ(g.applied, (Lines{L"Label Gauge3", L"Tint 1193046", L"mark", L"quiet level"}));
    EXPECT_EQ(g.level, 9);
}

TEST(PropertyTable, WellFormedTablesHaveUniqueKeysAndACompleteSaveOrder) {
    static constexpr GaugeKey twice[] = {kGaugeKeys[0], kGaugeKeys[1], kGaugeKeys[0]};
    static constexpr const wchar_t* missing[] = {L"Lit", L"Level", L"Tint"};
    static constexpr const wchar_t* repeated[] = {L"Lit", L"Level", L"Tint", L"Lit"};
    static constexpr kit::NewInstanceStep<Gauge, Place> unknown[] = {{L"Colour", Literal::Whole(1)}};
    struct Case {
        const char* what;
        GaugeTable table;
        bool wellFormed;
    };
    const Case cases[] = {
        {"the gauge's own table", kGauge, true},
        {"without a save order or steps", GaugeTable(kGaugeKeys), true},
        {"a key listed twice", GaugeTable(twice), false},
        {"a save order that misses a key", GaugeTable(kGaugeKeys).SavedInOrder(missing), false},
        {"a save order that repeats a key", GaugeTable(kGaugeKeys).SavedInOrder(repeated), false},
        {"a step naming no key", GaugeTable(kGaugeKeys).NewInstance(unknown), false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.table.WellFormed(), c.wellFormed) << c.what;
}

}  // namespace
