// Each range a control accepts, tried at both of its ends and one step beyond each: the number box's digits, and
// each stored property's allowed values, through its property and through a load.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/checkbutton/check_button.h"
#include "controls/common/property_bag.h"
#include "controls/nselection/n_selection.h"
#include "controls/nshape/n_shape.h"
#include "controls/ntextbox/n_textbox.h"
#include "fakes.h"

namespace {

// A write of `value` and what the control then reads back.
struct Row {
    const char* what;
    std::function<std::int32_t(const plat::Services&, std::int32_t value)> writeThenRead;
    std::vector<std::pair<std::int32_t, std::int32_t>> valueAndRead;
};

// A property written with an accepted `before`, then with the value: what it reads back, or -1 when the write was
// refused (and -999 when a refused write changed it).
template <class Model, class Value, class Read, class... Size>
std::function<std::int32_t(const plat::Services&, std::int32_t)> Through(bool (Model::*set)(Value),
                                                                         Read (Model::*get)() const,
                                                                         std::int32_t before, Size... size) {
    return [=](const plat::Services& s, std::int32_t value) -> std::int32_t {
        Model m(s, typename Model::Events{}, size...);
        (m.*set)(static_cast<Value>(before));
        const Read kept = (m.*get)();
        if ((m.*set)(static_cast<Value>(value))) return (m.*get)();
        return (m.*get)() == kept ? -1 : -999;
    };
}

// The text box's vertical alignment as a stored key: a byte, of which 0 to 2 are alignments.
std::int32_t LoadedAlignement(const plat::Services& s, std::int32_t value) {
    const auto design = kit::ParseDesign(L"[B]\nAlignementVertical = " + std::to_wstring(value) + L"\n");
    kit::NTextBox box(s);
    box.SetAlignementVertical(1);
    return box.Load(*design->Find(L"B"), {}) ? box.AlignementVertical() : -1;
}

// What the number box lets through of a typed character.
std::int32_t Typed(const plat::Services& s, std::int32_t code) {
    kit::NTextBox box(s);
    box.SetNumberBox(true);
    return box.KeyPress(static_cast<std::int16_t>(code));
}

// The check box's image for a value (only 0 to 2 have one: others keep the last), and where a click takes it.
std::int32_t Image(const plat::Services& s, std::int32_t value) {
    kit::CheckButton box(s);
    box.SetValue(1);
    box.SetValue(value);
    return box.ShownImage();
}
std::int32_t Clicked(const plat::Services& s, std::int32_t value) {
    kit::CheckButton box(s);
    box.SetValue(value);
    box.Click();
    return box.Value();
}

TEST(RangeEnds, EachAcceptedRangeHoldsAtBothEndsAndStopsOneStepBeyond) {
    const Row rows[] = {
        {"N_Shape Style",
         Through(&kit::NShape::SetStyle, &kit::NShape::Style, 3),
         {{-1, -1}, {0, 0}, {5, 5}, {6, -1}, {32767, -1}, {32768, -1}, {-32769, -1}}},
        {"N_Shape FontSize",
         Through(&kit::NShape::SetFontSize, &kit::NShape::FontSize, 7),
         {{0, -1}, {1, 1}, {2160, 2160}, {2161, -1}, {-1, -1}}},
        {"N_Selection FontSize",
         Through(&kit::NSelection::SetFontSize, &kit::NSelection::FontSize, 7),
         {{0, -1}, {1, 1}, {2160, 2160}, {2161, -1}}},
        {"N_TextBox AlignementHorizontal",
         Through(&kit::NTextBox::SetAlignementHorizontal, &kit::NTextBox::AlignementHorizontal, 1),
         {{-1, -1}, {0, 0}, {2, 2}, {3, 2}}},
        {"N_TextBox AlignementVertical",
         Through(&kit::NTextBox::SetAlignementVertical, &kit::NTextBox::AlignementVertical, 1),
         {{-1, -1}, {0, 0}, {2, 2}, {3, 2}}},
        {"N_TextBox HeaderAlignement",
         Through(&kit::NTextBox::SetHeaderAlignement, &kit::NTextBox::HeaderAlignement, 1),
         {{-1, -1}, {0, 0}, {2, 2}, {3, 2}}},
        {"N_TextBox AlignementVertical loaded", LoadedAlignement, {{-1, -1}, {0, 0}, {2, 2}, {255, 2}, {256, -1}}},
        {"N_TextBox NumberBox typing", Typed, {{47, 0}, {48, 48}, {57, 57}, {58, 0}, {7, 0}, {8, 8}, {9, 0}}},
        {"CheckButton Value image", Image, {{-1, 4}, {0, 0}, {2, 8}, {3, 4}}},
        {"CheckButton Value click", Clicked, {{-1, -1}, {0, 1}, {1, 0}, {2, 0}, {3, 3}}},
    };
    fakes::Platform p;
    for (const Row& row : rows)
        for (const auto& [value, read] : row.valueAndRead)
            EXPECT_EQ(row.writeThenRead(p.services, value), read) << row.what << " at " << value;
}

}  // namespace
