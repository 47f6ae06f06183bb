// What each property write of the four controls does, in order, as a journal (tests/look_journal.h): a row writes
// a new value, the same value again and, where the property has a range, values beyond it; its steps' journals are
// joined by " | ". A new instance of each control, laid out at its window's size, is written to.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/look_journal.h"

namespace {

template <class Model>
struct Row {
    const char* property;
    std::vector<std::function<void(Model&)>> writes;  // new, same again, beyond the range
    const char* expected;                             // "$" stands for the property's name
    std::function<void(Model&)> setup = nullptr;      // before the journal starts: what makes the part show
};

// The journals most writes follow: notified only; or shown, repainted and notified, the same value again
// repainted and notified; the text box's with its edit box shown the value too.
const char* const kQuiet = "notify $ | notify $";
const char* const kShown = "shows, repaint, notify $ | repaint, notify $";
const char* const kSynced = "shows, sync, repaint, notify $ | sync, repaint, notify $";

// A setter written with each value in turn.
template <class Model, class C, class R, class P, class V>
std::vector<std::function<void(Model&)>> Each(R (C::*set)(P), std::initializer_list<V> values) {
    std::vector<std::function<void(Model&)>> writes;
    for (const V& v : values) writes.push_back([set, v](Model& m) { (m.*set)(v); });
    return writes;
}
// A setter written with a new value, then the same again.
template <class Model, class C, class R, class P, class V>
std::vector<std::function<void(Model&)>> Twice(R (C::*set)(P), V value) {
    return Each<Model>(set, {value, value});
}

kit::Font FontOf(const wchar_t* face, double size) {
    kit::Font f;
    f.name = face;
    f.size = size;
    return f;
}

template <class Model>
void RunRows(const std::vector<Row<Model>>& rows, int width, int height) {
    for (const Row<Model>& row : rows) {
        journal::Bench<Model> bench(width, height);
        if (row.setup) {
            row.setup(*bench.m);
            bench.log.Take();
        }
        std::string got;
        for (const auto& write : row.writes) {
            write(*bench.m);
            got += (got.empty() ? "" : " | ") + bench.log.Take();
        }
        std::string expected = row.expected;
        for (std::size_t at; (at = expected.find('$')) != std::string::npos;) expected.replace(at, 1, row.property);
        EXPECT_EQ(got, expected) << row.property;
    }
}

using S = kit::NShape;
using B = kit::ButtonModel;
const kit::OleColor kRed = 0xFF;

// The hover and down colours both buttons keep for a look not showing.
template <class Model>
std::vector<Row<Model>> KeptColours() {
    return {{"ForeColorHover", Twice<Model>(&B::SetForeColorHover, kRed), kQuiet},
            {"ForeColorDown", Twice<Model>(&B::SetForeColorDown, kRed), kQuiet},
            {"BackColorHover", Twice<Model>(&B::SetBackColorHover, kRed), kQuiet},
            {"BackColorDown", Twice<Model>(&B::SetBackColorDown, kRed), kQuiet}};
}

TEST(WriteJournal, NShape) {
    const std::vector<Row<S>> rows = {
        {"Caption", Twice<S>(&S::SetCaption, L"Go"),
         "shows, repaint, size 32x-, shows, Resize, shows, repaint, repaint, notify $ | notify $"},
        {"Style", Each<S>(&S::SetStyle, {2, 2, 6, -1, 65538}), "shows, repaint, notify $ | repaint, notify $ |  |  | "},
        {"FontSize", Each<S>(&S::SetFontSize, {12, 12, 0, 2161}), "shows, repaint, notify $ | repaint, notify $ |  | "},
        {"FontBold", Twice<S>(&S::SetFontBold, true), kShown},
        {"Enabled", Twice<S>(&S::SetEnabled, false),
         "shows, input off, notify $, shows, repaint, repaint now | input off, notify $, repaint, repaint now"},
        {"BorderGotFocus", Twice<S>(&S::SetBorderGotFocus, true), kQuiet},
        {"Picture_Normal", Twice<S>(&S::SetPictureNormal, kit::Picture{L"n"}),
         "notify $, shows, repaint | notify $, repaint"},
        {"Picture_Down", Twice<S>(&S::SetPictureDown, kit::Picture{L"d"}), kQuiet},
        {"Picture_Hover", Twice<S>(&S::SetPictureHover, kit::Picture{L"h"}), kQuiet},
        {"Graphical", Twice<S>(&S::SetGraphical, true),
         "notify $, shows, repaint, size 105x-, shows, Resize, shows, repaint, repaint | notify $, repaint, repaint"},
        {"StretchToText", Twice<S>(&S::SetStretchToText, false), "notify $, repaint | notify $, repaint"},
        {"Text_Visible", Twice<S>(&S::SetTextVisible, false),
         "notify $, shows, repaint, size 16x-, shows, Resize, shows, repaint, repaint | notify $, repaint, repaint"},
        {"Stretch", Twice<S>(&S::SetStretch, true), "repaint, notify $ | repaint, notify $"},
        {"ForeColorNormal", Twice<S>(&S::SetForeColorNormal, kRed), kShown},
        {"BackGround", Twice<S>(&S::SetBackGround, kRed), kShown},
        {"BackColorNormal", Twice<S>(&S::SetBackColorNormal, kRed), kShown},
        {"BorderCustom", Twice<S>(&S::SetBorderCustom, kRed), kQuiet},
        {"BorderColorNormal", Twice<S>(&S::SetBorderColorNormal, kRed), kShown},
        {"BorderColorHover", Twice<S>(&S::SetBorderColorHover, kRed), kQuiet},
        {"BorderColorDown", Twice<S>(&S::SetBorderColorDown, kRed), kQuiet},
    };
    RunRows(rows, 100, 30);
    RunRows(KeptColours<S>(), 100, 30);
}

using E = kit::NSelection;

TEST(WriteJournal, NSelection) {
    const std::vector<Row<E>> rows = {
        {"Caption", Twice<E>(&E::SetCaption, L"Go"), kShown},
        {"Description", Twice<E>(&E::SetDescription, L"More"), kShown},
        {"FontSize", Each<E>(&E::SetFontSize, {12, 12, 0, 2161}), "shows, repaint, notify $ | repaint, notify $ |  | "},
        {"FontBold", Twice<E>(&E::SetFontBold, true), kShown},
        {"Enabled", Twice<E>(&E::SetEnabled, false), "shows, input off, notify $ | input off, notify $"},
        {"ForeColorNormal", Twice<E>(&E::SetForeColorNormal, kRed), kShown},
        {"BackColorNormal", Twice<E>(&E::SetBackColorNormal, kRed), kShown},
        {"ForeColorNormal_2", Twice<E>(&E::SetForeColorNormal_2, kRed), kShown},
        {"ForeColorHover_2", Twice<E>(&E::SetForeColorHover_2, kRed), kQuiet},
        {"ForeColorDown_2", Twice<E>(&E::SetForeColorDown_2, kRed), kQuiet},
    };
    RunRows(rows, 200, 41);
    RunRows(KeptColours<E>(), 200, 41);
}

using C = kit::CheckButton;

TEST(WriteJournal, CheckButton) {
    const std::vector<Row<C>> rows = {
        {"Enabled", Twice<C>(&C::SetEnabled, false),
         "shows, input off, shows, repaint, shows, repaint | input off, repaint, repaint"},
        {"Value", Each<C>(&C::SetValue, {1, 1, 3, -1}),
         "shows, repaint, notify $ | repaint, notify $ | notify $ | notify $"},
        {"Caption", Twice<C>(&C::SetCaption, L"Go"), kShown},
        {"Font", Twice<C>(&C::SetFont, FontOf(L"Arial", 12)), kShown},
        {"BackColor", Twice<C>(&C::SetBackColor, kRed), "notify $, shows, repaint | notify $, repaint"},
        {"ForeColor", Twice<C>(&C::SetForeColor, kRed), "notify $, shows, repaint | notify $, repaint"},
    };
    RunRows(rows, 1500, 450);
}

using T = kit::NTextBox;

TEST(WriteJournal, NTextBox) {
    const auto header = [](T& m) { m.SetHeader(true); };
    const std::vector<Row<T>> rows = {
        {"FONT", Twice<T>(&T::SetFont, FontOf(L"Arial", 12)),
         "shows, sync, sync, repaint, notify $ | sync, sync, repaint, notify $"},
        {"ForeColor", Twice<T>(&T::SetForeColor, kRed), kSynced},
        {"BorderColor", Twice<T>(&T::SetBorderColor, kRed), kShown},
        {"BackColor", Twice<T>(&T::SetBackColor, kRed), kSynced},
        {"Text", Twice<T>(&T::SetText, L"Go"), "shows, sync, repaint, Change, notify $ | notify $"},
        {"AlignementHorizontal", Each<T>(&T::SetAlignementHorizontal, {2, 2, 3, -1}),
         "shows, sync, repaint, notify $ | sync, repaint, notify $ | sync, repaint, notify $ | "},
        {"AlignementVertical", Each<T>(&T::SetAlignementVertical, {2, 2, 3, -1}),
         "shows, sync, repaint, notify $ | sync, repaint, notify $ | sync, repaint, notify $ | "},
        {"NumberBox", Twice<T>(&T::SetNumberBox, true), kQuiet},
        {"SelOnFocus", Twice<T>(&T::SetSelOnFocus, false), kQuiet},
        {"LabelBox", Twice<T>(&T::SetLabelBox, true), kSynced},
        {"Enabled", Twice<T>(&T::SetEnabled, false), kSynced},
        {"Locked", Twice<T>(&T::SetLocked, true), "shows, sync, notify $ | sync, notify $"},
        {"PasswordChar", Each<T>(&T::SetPasswordChar, {L"*", L"*", L"ab"}),
         "shows, sync, notify $ | sync, notify $ | shows, sync, notify $"},
        {"Header", Twice<T>(&T::SetHeader, true), kSynced},
        {"HeaderAlignement", Each<T>(&T::SetHeaderAlignement, {0, 0, 3, -1}),
         "shows, repaint, notify $ | repaint, notify $ | shows, repaint, notify $ | ", header},
        {"HeaderForeColor", Twice<T>(&T::SetHeaderForeColor, kRed), kShown, header},
        {"HeaderBackColor", Twice<T>(&T::SetHeaderBackColor, kRed), kShown, header},
        {"HeaderFont", Twice<T>(&T::SetHeaderFont, FontOf(L"Arial", 12)), kSynced, header},
        {"HeaderCaption", Twice<T>(&T::SetHeaderCaption, L"Go"), kShown, header},
    };
    RunRows(rows, 2610, 1020);
}

}  // namespace
