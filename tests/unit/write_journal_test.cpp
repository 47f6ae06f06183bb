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
    const char* expected;
    std::function<void(Model&)> setup = nullptr;  // before the journal starts: what makes the part show
};

// A setter written with each value in turn.
template <class Model, class C, class R, class P, class V>
std::vector<std::function<void(Model&)>> Each(R (C::*set)(P), std::initializer_list<V> values) {
    std::vector<std::function<void(Model&)>> writes;
    for (const V& v : values) writes.push_back([set, v](Model& m) { (m.*set)(v); });
    return writes;
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
        EXPECT_EQ(got, row.expected) << row.property;
    }
}

using kit::NShape;
using S = kit::NShape;
using B = kit::ButtonModel;

TEST(WriteJournal, NShape) {
    const std::vector<Row<S>> rows = {
        {"Caption", Each<S>(&S::SetCaption, {L"Go", L"Go"}),
         "shows, repaint, size 32x-, shows, Resize, shows, repaint, repaint, notify Caption | notify Caption"},
        {"Style", Each<S>(&S::SetStyle, {2, 2, 6, -1, 65538}),
         "shows, repaint, notify Style | repaint, notify Style |  |  | "},
        {"FontSize", Each<S>(&S::SetFontSize, {12, 12, 0, 2161}),
         "shows, repaint, notify FontSize | repaint, notify FontSize |  | "},
        {"FontBold", Each<S>(&S::SetFontBold, {true, true}),
         "shows, repaint, notify FontBold | repaint, notify FontBold"},
        {"Enabled", Each<S>(&S::SetEnabled, {false, false}),
         "shows, input off, notify Enabled, shows, repaint, repaint now | input off, notify Enabled, repaint, repaint "
         "now"},
        {"BorderGotFocus", Each<S>(&S::SetBorderGotFocus, {true, true}),
         "notify BorderGotFocus | notify BorderGotFocus"},
        {"Picture_Normal", Each<S>(&S::SetPictureNormal, {kit::Picture{L"n"}, kit::Picture{L"n"}}),
         "notify Picture_Normal, shows, repaint | notify Picture_Normal, repaint"},
        {"Picture_Down", Each<S>(&S::SetPictureDown, {kit::Picture{L"d"}, kit::Picture{L"d"}}),
         "notify Picture_Down | notify Picture_Down"},
        {"Picture_Hover", Each<S>(&S::SetPictureHover, {kit::Picture{L"h"}, kit::Picture{L"h"}}),
         "notify Picture_Hover | notify Picture_Hover"},
        {"Graphical", Each<S>(&S::SetGraphical, {true, true}),
         "notify Graphical, shows, repaint, size 105x-, shows, Resize, shows, repaint, repaint | notify Graphical, "
         "repaint, repaint"},
        {"StretchToText", Each<S>(&S::SetStretchToText, {false, false}),
         "notify StretchToText, repaint | notify StretchToText, repaint"},
        {"Text_Visible", Each<S>(&S::SetTextVisible, {false, false}),
         "notify Text_Visible, shows, repaint, size 16x-, shows, Resize, shows, repaint, repaint | notify "
         "Text_Visible, repaint, repaint"},
        {"Stretch", Each<S>(&S::SetStretch, {true, true}), "repaint, notify Stretch | repaint, notify Stretch"},
        {"ForeColorNormal", Each<S>(&S::SetForeColorNormal, {0xFFu, 0xFFu}),
         "shows, repaint, notify ForeColorNormal | repaint, notify ForeColorNormal"},
        {"ForeColorHover", Each<S>(&B::SetForeColorHover, {0xFFu, 0xFFu}),
         "notify ForeColorHover | notify ForeColorHover"},
        {"ForeColorDown", Each<S>(&B::SetForeColorDown, {0xFFu, 0xFFu}), "notify ForeColorDown | notify ForeColorDown"},
        {"BackGround", Each<S>(&S::SetBackGround, {0xFFu, 0xFFu}),
         "shows, repaint, notify BackGround | repaint, notify BackGround"},
        {"BackColorNormal", Each<S>(&S::SetBackColorNormal, {0xFFu, 0xFFu}),
         "shows, repaint, notify BackColorNormal | repaint, notify BackColorNormal"},
        {"BackColorHover", Each<S>(&B::SetBackColorHover, {0xFFu, 0xFFu}),
         "notify BackColorHover | notify BackColorHover"},
        {"BackColorDown", Each<S>(&B::SetBackColorDown, {0xFFu, 0xFFu}), "notify BackColorDown | notify BackColorDown"},
        {"BorderCustom", Each<S>(&S::SetBorderCustom, {0xFFu, 0xFFu}), "notify BorderCustom | notify BorderCustom"},
        {"BorderColorNormal", Each<S>(&S::SetBorderColorNormal, {0xFFu, 0xFFu}),
         "shows, repaint, notify BorderColorNormal | repaint, notify BorderColorNormal"},
        {"BorderColorHover", Each<S>(&S::SetBorderColorHover, {0xFFu, 0xFFu}),
         "notify BorderColorHover | notify BorderColorHover"},
        {"BorderColorDown", Each<S>(&S::SetBorderColorDown, {0xFFu, 0xFFu}),
         "notify BorderColorDown | notify BorderColorDown"},
    };
    RunRows(rows, 100, 30);
}

using E = kit::NSelection;

TEST(WriteJournal, NSelection) {
    const std::vector<Row<E>> rows = {
        {"Caption", Each<E>(&E::SetCaption, {L"Go", L"Go"}),
         "shows, repaint, notify Caption | repaint, notify Caption"},
        {"Description", Each<E>(&E::SetDescription, {L"More", L"More"}),
         "shows, repaint, notify Description | repaint, notify Description"},
        {"FontSize", Each<E>(&E::SetFontSize, {12, 12, 0, 2161}),
         "shows, repaint, notify FontSize | repaint, notify FontSize |  | "},
        {"FontBold", Each<E>(&E::SetFontBold, {true, true}),
         "shows, repaint, notify FontBold | repaint, notify FontBold"},
        {"Enabled", Each<E>(&E::SetEnabled, {false, false}),
         "shows, input off, notify Enabled | input off, notify Enabled"},
        {"ForeColorNormal", Each<E>(&E::SetForeColorNormal, {0xFFu, 0xFFu}),
         "shows, repaint, notify ForeColorNormal | repaint, notify ForeColorNormal"},
        {"ForeColorHover", Each<E>(&B::SetForeColorHover, {0xFFu, 0xFFu}),
         "notify ForeColorHover | notify ForeColorHover"},
        {"ForeColorDown", Each<E>(&B::SetForeColorDown, {0xFFu, 0xFFu}), "notify ForeColorDown | notify ForeColorDown"},
        {"BackColorNormal", Each<E>(&E::SetBackColorNormal, {0xFFu, 0xFFu}),
         "shows, repaint, notify BackColorNormal | repaint, notify BackColorNormal"},
        {"BackColorHover", Each<E>(&B::SetBackColorHover, {0xFFu, 0xFFu}),
         "notify BackColorHover | notify BackColorHover"},
        {"BackColorDown", Each<E>(&B::SetBackColorDown, {0xFFu, 0xFFu}), "notify BackColorDown | notify BackColorDown"},
        {"ForeColorNormal_2", Each<E>(&E::SetForeColorNormal_2, {0xFFu, 0xFFu}),
         "shows, repaint, notify ForeColorNormal_2 | repaint, notify ForeColorNormal_2"},
        {"ForeColorHover_2", Each<E>(&E::SetForeColorHover_2, {0xFFu, 0xFFu}),
         "notify ForeColorHover_2 | notify ForeColorHover_2"},
        {"ForeColorDown_2", Each<E>(&E::SetForeColorDown_2, {0xFFu, 0xFFu}),
         "notify ForeColorDown_2 | notify ForeColorDown_2"},
    };
    RunRows(rows, 200, 41);
}

using C = kit::CheckButton;

TEST(WriteJournal, CheckButton) {
    const std::vector<Row<C>> rows = {
        {"Enabled", Each<C>(&C::SetEnabled, {false, false}),
         "shows, input off, shows, repaint, shows, repaint | input off, repaint, repaint"},
        {"Value", Each<C>(&C::SetValue, {1, 1, 3, -1}),
         "shows, repaint, notify Value | repaint, notify Value | notify Value | notify Value"},
        {"Caption", Each<C>(&C::SetCaption, {L"Go", L"Go"}),
         "shows, repaint, notify Caption | repaint, notify Caption"},
        {"Font", Each<C>(&C::SetFont, {FontOf(L"Arial", 12), FontOf(L"Arial", 12)}),
         "shows, repaint, notify Font | repaint, notify Font"},
        {"BackColor", Each<C>(&C::SetBackColor, {0xFFu, 0xFFu}),
         "notify BackColor, shows, repaint | notify BackColor, repaint"},
        {"ForeColor", Each<C>(&C::SetForeColor, {0xFFu, 0xFFu}),
         "notify ForeColor, shows, repaint | notify ForeColor, repaint"},
    };
    RunRows(rows, 1500, 450);
}

using T = kit::NTextBox;

TEST(WriteJournal, NTextBox) {
    const std::vector<Row<T>> rows = {
        {"Font", Each<T>(&T::SetFont, {FontOf(L"Arial", 12), FontOf(L"Arial", 12)}),
         "shows, sync, sync, repaint, notify FONT | sync, sync, repaint, notify FONT"},
        {"ForeColor", Each<T>(&T::SetForeColor, {0xFFu, 0xFFu}),
         "shows, sync, repaint, notify ForeColor | sync, repaint, notify ForeColor"},
        {"BorderColor", Each<T>(&T::SetBorderColor, {0xFFu, 0xFFu}),
         "shows, repaint, notify BorderColor | repaint, notify BorderColor"},
        {"BackColor", Each<T>(&T::SetBackColor, {0xFFu, 0xFFu}),
         "shows, sync, repaint, notify BackColor | sync, repaint, notify BackColor"},
        {"Text", Each<T>(&T::SetText, {L"Go", L"Go"}), "shows, sync, repaint, Change, notify Text | notify Text"},
        {"AlignementHorizontal", Each<T>(&T::SetAlignementHorizontal, {2, 2, 3, -1}),
         "shows, sync, repaint, notify AlignementHorizontal | sync, repaint, notify AlignementHorizontal | sync, "
         "repaint, notify AlignementHorizontal | "},
        {"AlignementVertical", Each<T>(&T::SetAlignementVertical, {2, 2, 3, -1}),
         "shows, sync, repaint, notify AlignementVertical | sync, repaint, notify AlignementVertical | sync, repaint, "
         "notify AlignementVertical | "},
        {"NumberBox", Each<T>(&T::SetNumberBox, {true, true}), "notify NumberBox | notify NumberBox"},
        {"SelOnFocus", Each<T>(&T::SetSelOnFocus, {false, false}), "notify SelOnFocus | notify SelOnFocus"},
        {"LabelBox", Each<T>(&T::SetLabelBox, {true, true}),
         "shows, sync, repaint, notify LabelBox | sync, repaint, notify LabelBox"},
        {"Enabled", Each<T>(&T::SetEnabled, {false, false}),
         "shows, sync, repaint, notify Enabled | sync, repaint, notify Enabled"},
        {"Locked", Each<T>(&T::SetLocked, {true, true}), "shows, sync, notify Locked | sync, notify Locked"},
        {"PasswordChar", Each<T>(&T::SetPasswordChar, {L"*", L"*", L"ab"}),
         "shows, sync, notify PasswordChar | sync, notify PasswordChar | shows, sync, notify PasswordChar"},
        {"Header", Each<T>(&T::SetHeader, {true, true}),
         "shows, sync, repaint, notify Header | sync, repaint, notify Header"},
        {"HeaderAlignement", Each<T>(&T::SetHeaderAlignement, {0, 0, 3, -1}),
         "shows, repaint, notify HeaderAlignement | repaint, notify HeaderAlignement | shows, repaint, notify "
         "HeaderAlignement | ",
         [](T& m) { m.SetHeader(true); }},
        {"HeaderForeColor", Each<T>(&T::SetHeaderForeColor, {0xFFu, 0xFFu}),
         "shows, repaint, notify HeaderForeColor | repaint, notify HeaderForeColor", [](T& m) { m.SetHeader(true); }},
        {"HeaderBackColor", Each<T>(&T::SetHeaderBackColor, {0xFFu, 0xFFu}),
         "shows, repaint, notify HeaderBackColor | repaint, notify HeaderBackColor", [](T& m) { m.SetHeader(true); }},
        {"HeaderFont", Each<T>(&T::SetHeaderFont, {FontOf(L"Arial", 12), FontOf(L"Arial", 12)}),
         "shows, sync, repaint, notify HeaderFont | sync, repaint, notify HeaderFont", [](T& m) { m.SetHeader(true); }},
        {"HeaderCaption", Each<T>(&T::SetHeaderCaption, {L"Go", L"Go"}),
         "shows, repaint, notify HeaderCaption | repaint, notify HeaderCaption", [](T& m) { m.SetHeader(true); }},
    };
    RunRows(rows, 2610, 1020);
}

}  // namespace
