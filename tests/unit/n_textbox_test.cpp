// The captioned text box: layout numbers, the header gap, clamping and refusals, the digits-only filter, focus
// selection, label mode, the about box and persistence of its 19 keys.
#include "controls/ntextbox/n_textbox.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "kit_fakes.h"
#include "tests/event_recorder.h"

namespace {

using kit::NTextBox;
using Lines = std::vector<std::wstring>;

// The window's side, which offers the model a text field and counts what the field is shown.
struct ViewFake final : kitfakes::SiteBase, kit::TextField {
    NTextBox* model = nullptr;
    int repaints = 0, syncs = 0, selectAlls = 0;
    std::vector<std::pair<int, int>> requests;
    Look shown;
    ViewFake() { scale.unit = plat::SizeUnit::Twips; }
    void Invalidate() override { ++repaints; }
    void Refresh() override { ++repaints; }
    kit::TextField* Field() override { return this; }
    void Show(const Look& look) override {
        ++syncs;
        shown = look;
    }
    std::wstring Text() const override { return shown.text; }
    void SelectAll() override { ++selectAlls; }
    // The container grants the size and reports it back, as a window does.
    void RequestSize(int w, int h) override {
        requests.emplace_back(w, h);
        model->Resize(w, h);
    }
};

struct ThrowingBoxes final : plat::MessageBoxes {
    void Show(const std::wstring&, const std::wstring&, plat::MsgButtons, plat::MsgIcon, plat::WindowId) override {
        throw std::runtime_error("no desktop");
    }
};

struct TextBox {
    fakes::Platform p;
    kitfakes::SizedMeasurer text;
    kitfakes::Recorder rec;
    ViewFake view;
    std::unique_ptr<NTextBox> box;
    std::function<void(std::int16_t&)> onKeyPress;

    explicit TextBox(bool init = true) {
        NTextBox::Events e;
        recorder::Record(e, [this](const std::wstring& line) { rec.Add(line); });
        e.Change = [this] { rec.Add(L"Change lbl=" + box->Lbl().caption); };
        e.KeyPress = [this](std::int16_t& k) {
            rec.Add(L"KeyPress " + std::to_wstring(k));
            if (onKeyPress) onKeyPress(k);
        };
        e.PropertyChanged = [this](const std::wstring& n) { rec.Add(L"changed " + n); };
        box = std::make_unique<NTextBox>(p.services, e);
        view.model = box.get();
        view.measure = &text;
        box->Attach(kitfakes::Rig::kWindow, &view);
        box->SetApplicationTitle(L"Gallery");
        if (init) {
            box->InitNew({});
            box->Resize(2610, 1020);
        }
        rec.Clear();
    }

    // Types characters the way the edit box does: each goes through the filter, then edits the text.
    void Type(const std::wstring& chars) {
        std::wstring t = box->Text();
        for (wchar_t c : chars) {
            const std::int16_t code = box->KeyPress(static_cast<std::int16_t>(c));
            if (code == 0) continue;
            if (code == 8) {
                if (!t.empty()) t.pop_back();
            } else {
                t.push_back(static_cast<wchar_t>(code));
            }
            box->TxtEdited(t);
        }
    }
};

// Line heights with the sized measurer: Verdana 6.75 -> 14 px = 210 twips, Arial 9 -> 270, Arial bold 8.25 -> 255.

TEST(NTextBoxLayout, ANewInstanceIsCentredVerticallyWithoutHeader) {
    TextBox t;
    const NTextBox& b = *t.box;
    EXPECT_FALSE(b.NumberBox());
    EXPECT_TRUE(b.SelOnFocus());
    EXPECT_EQ(b.AlignementVertical(), 1);
    EXPECT_EQ(b.Text(), L"Vovoz OvidUvi");
    EXPECT_DOUBLE_EQ(b.ShpBorder().r.top, 0);
    EXPECT_DOUBLE_EQ(b.ShpBorder().r.height, 1020);
    EXPECT_DOUBLE_EQ(b.ShpBorder().r.width, 2610);
    EXPECT_DOUBLE_EQ(b.Txt().r.left, 45);
    EXPECT_DOUBLE_EQ(b.Txt().r.width, 2520) << "45 twips on each side";
    EXPECT_DOUBLE_EQ(b.Lbl().r.height, 255);
    EXPECT_DOUBLE_EQ(b.Lbl().r.top, 382.5) << "(1020 - 255) / 2, not rounded";
    EXPECT_DOUBLE_EQ(b.Txt().r.top, 382.5);
    EXPECT_DOUBLE_EQ(b.Lbl().r.left, 45);
    EXPECT_DOUBLE_EQ(b.Lbl().r.width, 2520);
    EXPECT_DOUBLE_EQ(b.Txt().r.height, 270) << "one line of the text box's own font";
    EXPECT_DOUBLE_EQ(b.LblHeader().r.width, 2610);
}

TEST(NTextBoxLayout, TheHeaderTakesOneLinePlusFifteenTwips) {
    TextBox t;
    t.box->SetHeader(true);
    const NTextBox& b = *t.box;
    EXPECT_DOUBLE_EQ(b.LblHeader().r.top, 0);
    EXPECT_DOUBLE_EQ(b.LblHeader().r.height, 210);
    EXPECT_DOUBLE_EQ(b.LblHeader().r.width, 2610) << "the header spans the whole width";
    EXPECT_DOUBLE_EQ(b.ShpBorder().r.top, 225);
    EXPECT_DOUBLE_EQ(b.ShpBorder().r.height, 1020 - 225);
    EXPECT_DOUBLE_EQ(b.Lbl().r.top, (795 - 255) / 2.0 + 225);
    t.box->SetHeaderBackColor(0x00123456);
    EXPECT_EQ(b.ControlBackColor(), 0x00123456u) << "the gap between header and border shows it";
    EXPECT_EQ(b.LblHeader().back, 0x00123456u);
    t.box->SetHeader(false);
    EXPECT_DOUBLE_EQ(b.ShpBorder().r.top, 0);
    EXPECT_DOUBLE_EQ(b.ShpBorder().r.height, 1020);
}

TEST(NTextBoxLayout, TopAndBottomPlacement) {
    TextBox t;
    t.box->SetHeader(true);
    ASSERT_TRUE(t.box->SetAlignementVertical(0));
    EXPECT_DOUBLE_EQ(t.box->Txt().r.top, 240);
    EXPECT_DOUBLE_EQ(t.box->Lbl().r.top, 240);
    ASSERT_TRUE(t.box->SetAlignementVertical(2));
    EXPECT_DOUBLE_EQ(t.box->Lbl().r.top, 795 - 255 + 225 - 15);
    EXPECT_DOUBLE_EQ(t.box->Txt().r.top, 750);
    t.box->RefreshLayout(9);  // any other value leaves the tops
    EXPECT_DOUBLE_EQ(t.box->Txt().r.top, 750);
}

TEST(NTextBoxLayout, ResizeMinimumsAndWidths) {
    TextBox t;
    t.box->Resize(200, 40);
    EXPECT_EQ(t.box->Width(), 300);
    EXPECT_EQ(t.box->Height(), 60);
    EXPECT_EQ(t.view.requests, (std::vector<std::pair<int, int>>{{300, 60}}));
    EXPECT_DOUBLE_EQ(t.box->Txt().r.width, 210);
    t.box->Resize(299, 500);
    EXPECT_EQ(t.box->Width(), 300);
    EXPECT_EQ(t.box->Height(), 500);
    t.view.requests.clear();
    t.box->Resize(300, 60);
    EXPECT_TRUE(t.view.requests.empty());
}

TEST(NTextBoxLayout, HeaderCaptionDoesNotLayOutButHeaderFontDoes) {
    TextBox t;
    t.box->SetHeader(true);
    const int calls = t.text.calls;
    t.box->SetHeaderCaption(L"Name");
    EXPECT_EQ(t.text.calls, calls) << "no layout";
    EXPECT_EQ(t.box->HeaderCaption(), L"Name");
    kit::Font big;
    big.name = L"Verdana";
    big.size = 12;
    t.box->SetHeaderFont(big);
    EXPECT_DOUBLE_EQ(t.box->ShpBorder().r.top, 24 * 15 + 15);
    EXPECT_EQ(t.rec.lines, (Lines{L"changed Header", L"changed HeaderCaption", L"changed HeaderFont"}));
}

TEST(NTextBoxProperties, AlignmentsClampAboveAndRefuseNegatives) {
    TextBox t;
    NTextBox& b = *t.box;
    EXPECT_TRUE(b.SetAlignementVertical(7));
    EXPECT_EQ(b.AlignementVertical(), 2);
    EXPECT_FALSE(b.SetAlignementVertical(-1));
    EXPECT_EQ(b.AlignementVertical(), 2);
    EXPECT_TRUE(b.SetAlignementHorizontal(5));
    EXPECT_EQ(b.AlignementHorizontal(), 2);
    EXPECT_EQ(b.Lbl().alignment, 2);
    EXPECT_TRUE(b.SetAlignementHorizontal(1));
    EXPECT_EQ(b.Lbl().alignment, 1) << "the label takes the text box's alignment";
    EXPECT_FALSE(b.SetAlignementHorizontal(-5));
    EXPECT_EQ(b.AlignementHorizontal(), 1);
    EXPECT_TRUE(b.SetHeaderAlignement(3));
    EXPECT_EQ(b.HeaderAlignement(), 2);
    EXPECT_FALSE(b.SetHeaderAlignement(-2));
    EXPECT_EQ(b.HeaderAlignement(), 2);
    EXPECT_EQ(t.rec.lines, (Lines{L"changed AlignementVertical", L"changed AlignementHorizontal",
                                  L"changed AlignementHorizontal", L"changed HeaderAlignement"}))
        << "refused writes notify nothing";
}

TEST(NTextBoxProperties, PasswordCharKeepsOneCharacter) {
    TextBox t;
    t.box->SetPasswordChar(L"*#x");
    EXPECT_EQ(t.box->PasswordChar(), L"*");
    t.box->SetPasswordChar(L"●");
    EXPECT_EQ(t.box->PasswordChar(), L"●");
    t.box->SetPasswordChar(L"");
    EXPECT_EQ(t.box->PasswordChar(), L"");
}

TEST(NTextBoxProperties, EachPartTakesItsShare) {
    TextBox t;
    NTextBox& b = *t.box;
    b.SetForeColor(0x000000FF);
    EXPECT_EQ(b.Txt().fore, 0xFFu);
    EXPECT_EQ(b.Lbl().fore, 0xFFu);
    b.SetBackColor(0x00EEEEEE);
    EXPECT_EQ(b.ShpBorder().fill, 0xEEEEEEu);
    EXPECT_EQ(b.Txt().back, 0xEEEEEEu);
    b.SetBorderColor(0x00111111);
    EXPECT_EQ(b.ShpBorder().border, 0x111111u);
    b.SetEnabled(false);
    EXPECT_FALSE(b.Txt().enabled);
    EXPECT_FALSE(b.Lbl().enabled);
    b.SetLocked(true);
    EXPECT_TRUE(b.Txt().locked);
    kit::Font f;
    f.name = L"Courier New";
    f.size = 11;
    b.SetFont(f);
    EXPECT_EQ(b.Lbl().font, f);
    EXPECT_EQ(t.rec.lines.back(), L"changed FONT");
    EXPECT_DOUBLE_EQ(b.Txt().r.height, 22 * 15) << "the font lays out again";
}

TEST(NTextBoxProperties, AnOutsizedStoredFontIsMeasuredAtTheLargestSizeButKept) {
    TextBox t;
    kit::Font huge;
    huge.name = L"Arial";
    huge.size = 1.0e6;
    t.box->SetFont(huge);
    EXPECT_DOUBLE_EQ(t.box->Txt().r.height, 4320 * 15) << "2160 points at two pixels a point";
    EXPECT_DOUBLE_EQ(t.box->Font().size, 1.0e6);
}

TEST(NTextBoxText, SettingADifferentTextRaisesChangeWithTheLabelAlreadyUpdated) {
    TextBox t;
    t.box->SetText(L"hello");
    t.box->SetText(L"hello");
    EXPECT_EQ(t.rec.lines, (Lines{L"Change lbl=hello", L"changed Text", L"changed Text"}));
    t.rec.Clear();
    t.box->TxtEdited(L"hello!");
    EXPECT_EQ(t.rec.lines, (Lines{L"Change lbl=hello!"}));
    EXPECT_EQ(t.box->Text(), L"hello!");
}

TEST(NTextBoxFilter, DigitsOnlyAfterTheContainersKeyPress) {
    TextBox t;
    t.box->SetNumberBox(true);
    t.box->SetText(L"");
    t.rec.Clear();
    t.Type(L"12a3");
    EXPECT_EQ(t.box->Text(), L"123");
    EXPECT_EQ(t.rec.Only({L"KeyPress"}), (Lines{L"KeyPress 49", L"KeyPress 50", L"KeyPress 97", L"KeyPress 51"}))
        << "the container sees every character before the filter";
    t.Type(L"\b");
    EXPECT_EQ(t.box->Text(), L"12") << "backspace deletes";
    t.Type(L"-.5 \r\t,+e");
    EXPECT_EQ(t.box->Text(), L"125");
    // A container that changes the code: the changed code is what the filter judges.
    t.onKeyPress = [](std::int16_t& k) {
        if (k == L'x') k = L'7';
        if (k == L'4') k = L'y';
    };
    t.Type(L"x4");
    EXPECT_EQ(t.box->Text(), L"1257");
    t.box->SetNumberBox(false);
    t.Type(L"x4-");
    EXPECT_EQ(t.box->Text(), L"12577y-");
}

TEST(NTextBoxFilter, AContainerCanCancelAKeyByClearingIt) {
    TextBox t;
    t.box->SetText(L"");
    t.onKeyPress = [](std::int16_t& k) {
        if (k == L'q') k = 0;
    };
    t.Type(L"aqb");
    EXPECT_EQ(t.box->Text(), L"ab");
}

TEST(NTextBoxFocus, SelectAllOnFocusOnlyWhenAsked) {
    TextBox t;
    t.box->TxtGotFocus();
    EXPECT_EQ(t.view.selectAlls, 1);
    t.box->SetSelOnFocus(false);
    t.box->TxtGotFocus();
    EXPECT_EQ(t.view.selectAlls, 1);
}

TEST(NTextBoxEvents, OnlyTheTextBoxRaisesAndPassesItsArguments) {
    TextBox t;
    // The edit box's client pixels, converted as the host converts them; events report twips.
    const plat::UnitScale at96{plat::SizeUnit::Twips}, at144{plat::SizeUnit::Twips, plat::Dpi{144}};
    t.box->MouseMove(0, 0, at96.PointerIn(2), at96.PointerIn(3));
    t.box->MouseDown(1, 1, at96.PointerIn(2), at96.PointerIn(3));
    t.box->MouseUp(1, 1, at144.PointerIn(3), at144.PointerIn(3));
    t.box->TxtClick();
    t.box->DblClick(1, 0, 0, 0);
    t.box->KeyDown(65, 2, false);
    t.box->KeyUp(65, 2);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseMove 0 0 30 45", L"MouseDown 1 1 30 45", L"MouseUp 1 1 30 30", L"Click",
                                  L"DblClick", L"KeyDown 65 2", L"KeyUp 65 2"}));
}

TEST(NTextBoxEvents, LabelModeShowsTheTextAsALabelAndRaisesNothing) {
    TextBox t;
    t.box->SetText(L"shown");
    t.box->SetLabelBox(true);
    const NTextBox& b = *t.box;
    EXPECT_TRUE(b.LabelBox());
    EXPECT_TRUE(b.Lbl().visible);
    EXPECT_FALSE(b.Txt().visible);
    EXPECT_EQ(b.Lbl().caption, L"shown");
    EXPECT_DOUBLE_EQ(b.Lbl().r.left, b.Txt().r.left);
    EXPECT_DOUBLE_EQ(b.Lbl().r.width, b.Txt().r.width);
    EXPECT_DOUBLE_EQ(b.Lbl().r.top, b.Txt().r.top);
    t.rec.Clear();
    t.box->MouseMove(0, 0, 1, 1);
    t.box->MouseDown(1, 0, 1, 1);
    t.box->MouseUp(1, 0, 1, 1);
    t.box->TxtClick();
    t.box->DblClick(1, 0, 0, 0);
    t.box->KeyDown(65, 0, false);
    EXPECT_EQ(t.box->KeyPress(65), 0);
    t.box->KeyUp(65, 0);
    EXPECT_TRUE(t.rec.lines.empty());
    t.box->SetLabelBox(false);
    EXPECT_TRUE(b.Txt().visible);
    EXPECT_FALSE(b.Lbl().visible);
}

TEST(NTextBoxAbout, ShowsItsTextWithTheApplicationsTitleAndNeverFails) {
    TextBox t;
    t.box->About();
    ASSERT_EQ(t.p.messages.shown.size(), 1u);
    EXPECT_EQ(t.p.messages.shown[0],
              (fakes::Messages::Shown{
                  L"Vovoz OvidUvi\r\n\r\nWritten by:\r\nBrenvali\r\n\r\nYou can freely use this control as you want!",
                  L"Gallery", plat::MsgButtons::Ok, plat::MsgIcon::Information}));
    ThrowingBoxes failing;
    TextBox u;
    u.p.services.messages = &failing;
    NTextBox broken(u.p.services);
    EXPECT_NO_THROW(broken.About());
}

TEST(NTextBoxAbout, PublishedDescriptions) {
    const auto& all = NTextBox::Descriptions();
    ASSERT_EQ(all.size(), 20u);
    EXPECT_EQ(all.front().first, L"Font");
    EXPECT_EQ(all[18].first, L"HeaderCaption");
    EXPECT_EQ(NTextBox::DescriptionOf(L"AlignementHorizontal"), L"Text horizonal alignement");
    EXPECT_EQ(NTextBox::DescriptionOf(L"Text"), L"Guess what...");
    EXPECT_EQ(NTextBox::DescriptionOf(L"SelOnFocus"), L"If TRUE, when the box gets focus all text inside is selected");
    EXPECT_EQ(NTextBox::DescriptionOf(L"About"), L"Informazioni sul MIO codice");
    EXPECT_EQ(NTextBox::DescriptionOf(L"HeaderCaption"), L"Header caption (if used)");
    EXPECT_TRUE(NTextBox::DescriptionOf(L"Nothing").empty());
}

// ---- persistence ----

Lines Keys(const kit::PropertyBag& bag) {
    Lines keys;
    for (const auto& e : bag.entries()) keys.push_back(e.first);
    return keys;
}

TEST(NTextBoxPersist, EveryKeyIsWrittenAlwaysInOrder) {
    TextBox t;
    kit::PropertyBag bag;
    t.box->Save(bag, {});
    EXPECT_EQ(Keys(bag), (Lines{L"Text", L"AlignementHorizontal", L"NumberBox", L"AlignementVertical", L"Locked",
                                L"Enabled", L"ForeColor", L"BorderColor", L"BackColor", L"FONT", L"PasswordChar",
                                L"LabelBox", L"SelOnFocus", L"Header", L"HeaderAlignement", L"HeaderForeColor",
                                L"HeaderBackColor", L"HeaderFont", L"HeaderCaption"}));
    EXPECT_TRUE(NTextBox::kStoredKeys.WellFormed());
}

TEST(NTextBoxPersist, EveryPropertyRoundTripsIncludingBothFonts) {
    TextBox t;
    NTextBox& b = *t.box;
    // name, size, weight, charset, italic, underline, strikethrough
    const kit::Font f{L"宋体", 10.5, 700, 134, true, false, false};
    const kit::Font hf{L"Tahoma", 6.75, 400, 0, false, true, true};
    b.SetText(L"line \"one\"\ttab");
    ASSERT_TRUE(b.SetAlignementHorizontal(0));
    b.SetNumberBox(true);
    ASSERT_TRUE(b.SetAlignementVertical(2));
    b.SetLocked(true);
    b.SetEnabled(false);
    b.SetForeColor(0x00010203);
    b.SetBorderColor(0x00040506);
    b.SetBackColor(0x80000005);
    b.SetFont(f);
    b.SetPasswordChar(L"#");
    b.SetLabelBox(true);
    b.SetSelOnFocus(false);
    b.SetHeader(true);
    ASSERT_TRUE(b.SetHeaderAlignement(0));
    b.SetHeaderForeColor(0x00070809);
    b.SetHeaderBackColor(0x000A0B0C);
    b.SetHeaderFont(hf);
    b.SetHeaderCaption(L"名称");
    kit::PropertyBag bag;
    b.Save(bag, {});
    auto parsed = kit::ParseDesign(kit::PrintDesign({{{L"N_TextBox1", bag}}}));
    ASSERT_TRUE(parsed);

    TextBox u;
    u.rec.Clear();
    ASSERT_TRUE(u.box->Load(*parsed->Find(L"N_TextBox1"), {}));
    EXPECT_TRUE(u.rec.lines.empty()) << "loading raises no events and notifies nothing";
    const NTextBox& r = *u.box;
    EXPECT_EQ(r.Text(), L"line \"one\"\ttab");
    EXPECT_EQ(r.Lbl().caption, L"line \"one\"\ttab");
    EXPECT_EQ(r.AlignementHorizontal(), 0);
    EXPECT_EQ(r.Lbl().alignment, 0);
    EXPECT_TRUE(r.NumberBox());
    EXPECT_EQ(r.AlignementVertical(), 2);
    EXPECT_TRUE(r.Locked());
    EXPECT_FALSE(r.Enabled());
    EXPECT_FALSE(r.Lbl().enabled);
    EXPECT_EQ(r.ForeColor(), 0x00010203u);
    EXPECT_EQ(r.Lbl().fore, 0x00010203u);
    EXPECT_EQ(r.BorderColor(), 0x00040506u);
    EXPECT_EQ(r.BackColor(), 0x80000005u);
    EXPECT_EQ(r.Txt().back, 0x80000005u);
    EXPECT_EQ(r.Font(), f);
    EXPECT_EQ(r.Lbl().font, f);
    EXPECT_EQ(r.PasswordChar(), L"#");
    EXPECT_TRUE(r.LabelBox());
    EXPECT_FALSE(r.Txt().visible);
    EXPECT_FALSE(r.SelOnFocus());
    EXPECT_TRUE(r.Header());
    EXPECT_EQ(r.HeaderAlignement(), 0);
    EXPECT_EQ(r.HeaderForeColor(), 0x00070809u);
    EXPECT_EQ(r.HeaderBackColor(), 0x000A0B0Cu);
    EXPECT_EQ(r.ControlBackColor(), 0x000A0B0Cu);
    EXPECT_EQ(r.HeaderFont(), hf);
    EXPECT_EQ(r.HeaderCaption(), L"名称");
    kit::PropertyBag again;
    r.Save(again, {});
    EXPECT_EQ(kit::PrintDesign({{{L"x", bag}}}), kit::PrintDesign({{{L"x", again}}}));
}

TEST(NTextBoxPersist, LoadLaysOutOnceAfterTheVerticalAlignment) {
    TextBox t;
    kit::PropertyBag bag;
    bag.WriteAlways(L"AlignementVertical", kit::Value(0));
    bag.WriteAlways(L"Header", kit::Value(true));
    ASSERT_TRUE(t.box->Load(bag, {}));
    EXPECT_DOUBLE_EQ(t.box->Txt().r.top, 15) << "laid out before the header was read";
    EXPECT_TRUE(t.box->Header());
    t.box->Resize(2610, 1020);
    EXPECT_DOUBLE_EQ(t.box->Txt().r.top, 225 + 15) << "the next layout takes the header";
}

TEST(NTextBoxPersist, AnEmptyBagGivesTheReadDefaults) {
    TextBox t;
    kit::Font before = t.box->Font();
    kit::Font headerBefore = t.box->HeaderFont();
    ASSERT_TRUE(t.box->Load(kit::PropertyBag(), {}));
    const NTextBox& b = *t.box;
    EXPECT_EQ(b.Text(), L"");
    EXPECT_EQ(b.AlignementHorizontal(), 1);
    EXPECT_FALSE(b.NumberBox());
    EXPECT_EQ(b.AlignementVertical(), 1);
    EXPECT_FALSE(b.Locked());
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.ForeColor(), 0x00D05C28u);
    EXPECT_EQ(b.BorderColor(), 0x00D05C28u);
    EXPECT_EQ(b.BackColor(), 0x00FFFFFFu);
    EXPECT_EQ(b.Font(), before);
    EXPECT_EQ(b.PasswordChar(), L"");
    EXPECT_FALSE(b.LabelBox());
    EXPECT_TRUE(b.SelOnFocus());
    EXPECT_FALSE(b.Header());
    EXPECT_EQ(b.HeaderAlignement(), 1);
    EXPECT_EQ(b.HeaderForeColor(), 0x00D05C28u);
    EXPECT_EQ(b.HeaderBackColor(), 0x00FFFFFFu);
    EXPECT_EQ(b.HeaderFont(), headerBefore);
    EXPECT_EQ(b.HeaderCaption(), L"Header");
}

TEST(NTextBoxPersist, ABadValueStopsTheLoadAtThatKey) {
    TextBox t;
    kit::PropertyBag bag;
    bag.WriteAlways(L"text", kit::Value(L"kept"));
    bag.WriteAlways(L"NumberBox", kit::Value(true));
    bag.WriteAlways(L"Locked", kit::Value(L"perhaps"));
    bag.WriteAlways(L"Enabled", kit::Value(false));
    bag.WriteAlways(L"HeaderCaption", kit::Value(L"never"));
    EXPECT_STREQ(t.box->Load(bag, {}).stoppedAt, L"Locked");
    EXPECT_EQ(t.box->Text(), L"kept");
    EXPECT_TRUE(t.box->NumberBox());
    EXPECT_FALSE(t.box->Locked());
    EXPECT_TRUE(t.box->Enabled());
    EXPECT_EQ(t.box->HeaderCaption(), L"Header");

    TextBox u;
    kit::PropertyBag refused;
    refused.WriteAlways(L"AlignementHorizontal", kit::Value(-1));
    refused.WriteAlways(L"NumberBox", kit::Value(true));
    EXPECT_STREQ(u.box->Load(refused, {}).stoppedAt, L"AlignementHorizontal")
        << "a refused alignment stops the load too";
    EXPECT_FALSE(u.box->NumberBox());
    TextBox v;
    kit::PropertyBag tooBig;
    tooBig.WriteAlways(L"AlignementVertical", kit::Value(300));
    EXPECT_STREQ(v.box->Load(tooBig, {}).stoppedAt, L"AlignementVertical") << "not an unsigned 8-bit number";
    EXPECT_EQ(v.box->AlignementVertical(), 1);
}

}  // namespace
