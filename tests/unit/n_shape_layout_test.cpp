// The graphical button's layout (Ajustar_Botao) and the figure geometry a host draws.
#include <gtest/gtest.h>

#include <optional>

#include "nshape_fakes.h"

namespace {

using kit::FigureKind;
using nshape_fakes::Rig;

// A rig whose pictures measure 16 x 16 ("p16") or 40 x 24 ("wide"); other references do not resolve.
struct LayoutRig : Rig {
    explicit LayoutRig(int w = 100, int h = 30) : Rig(w, h) {
        site.pictures = {{L"p16", {16, 16}}, {L"wide", {40, 24}}};
    }
};

TEST(NShapeLayout, StretchToTextFitsTheCaption) {
    LayoutRig r;
    r.shape->SetStretchToText(true);
    r.shape->SetTextVisible(true);
    r.shape->SetCaption(L"ABCDE");  // 40 px
    EXPECT_EQ(r.shape->Width(), 56);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().left, 8);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().top, 7);
    EXPECT_EQ(r.shape->Height(), 30);  // the height is never changed
    const kit::RectF box = r.shape->FigureBox();
    EXPECT_DOUBLE_EQ(box.width, 56);
    EXPECT_DOUBLE_EQ(box.height, 30);
}

TEST(NShapeLayout, StretchToTextWithAPictureBesideTheCaption) {
    LayoutRig r;
    r.shape->SetStretchToText(true);
    r.shape->SetTextVisible(true);
    r.shape->SetCaption(L"ABCDE");
    r.shape->SetPictureNormal(kit::Picture{L"p16"});
    r.shape->SetGraphical(true);
    EXPECT_EQ(r.shape->Width(), 80);  // 40 + 16 + 16 + 8
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().left, 8);
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().top, 7);
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().width, 16);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().left, 32);
}

TEST(NShapeLayout, StretchToTextWidthsOfEachVisibilityCombination) {
    struct Row {
        bool text, graphical;
        int width;
    };
    const Row rows[] = {{true, true, 40 + 16 + 16 + 8}, {true, false, 56}, {false, true, 32}, {false, false, 16}};
    for (const Row& row : rows) {
        LayoutRig r;
        r.shape->SetCaption(L"ABCDE");
        r.shape->SetPictureNormal(kit::Picture{L"p16"});
        r.shape->SetTextVisible(row.text);
        r.shape->SetGraphical(row.graphical);
        r.shape->SetStretchToText(true);
        EXPECT_EQ(r.shape->Width(), row.width) << row.text << row.graphical;
    }
}

TEST(NShapeLayout, AnEmptyPictureOccupiesSeventeenPixels) {
    LayoutRig r;
    r.shape->SetGraphical(true);
    r.shape->SetStretchToText(true);
    EXPECT_EQ(r.shape->Width(), 17 + 16);
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().height, 17);
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().top, 6.5);  // halves stay fractional
    // An unresolvable reference counts as empty too.
    r.shape->SetPictureNormal(kit::Picture{L"missing"});
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().width, 17);
}

TEST(NShapeLayout, AWidthChangeRaisesResizeAndLaysOutInside) {
    LayoutRig r;
    r.shape->SetTextVisible(true);
    r.shape->SetCaption(L"ABCDE");
    r.Take();
    r.shape->SetStretchToText(true);
    EXPECT_EQ(r.Take(), (std::vector<std::wstring>{L"Resize"}));
    EXPECT_EQ(r.site.requestedWidths, (std::vector<int>{56}));
}

TEST(NShapeLayout, WithoutStretchToTextResizingKeepsEverythingCentred) {
    LayoutRig r;
    r.shape->SetTextVisible(true);
    r.shape->SetCaption(L"ABCDE");
    r.shape->SetStretchToText(false);
    r.shape->Resize(200, 50);
    EXPECT_EQ(r.shape->Width(), 200);
    const kit::RectF fig = r.shape->FigureBox();
    EXPECT_DOUBLE_EQ(fig.left, 0);
    EXPECT_DOUBLE_EQ(fig.top, 0);
    EXPECT_DOUBLE_EQ(fig.width, 200);
    EXPECT_DOUBLE_EQ(fig.height, 50);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().left, 80);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().top, 17);
    r.shape->Resize(61, 31);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().left, 10.5);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().top, 7.5);
    EXPECT_EQ(plat::Nearest(10.5), 11);  // a half pixel rounds up
    EXPECT_EQ(plat::Nearest(-2.5), -2);
    // The picture stays 8 px from the left; the centred caption may overlap it.
    r.shape->SetPictureNormal(kit::Picture{L"wide"});
    r.shape->SetGraphical(true);
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().left, 8);
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().top, 3.5);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().left, 10.5);
    EXPECT_EQ(r.shape->Width(), 61);
}

TEST(NShapeLayout, FontChangesAloneDoNotLayOut) {
    LayoutRig r;
    r.shape->SetTextVisible(true);
    r.shape->SetCaption(L"ABCDE");
    r.shape->SetStretchToText(true);
    r.p.text.charWidth = 12;
    r.p.text.height = 20;
    r.shape->SetFontSize(12);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().width, 60);  // the caption resizes itself
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().left, 8);    // but keeps its place
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().top, 7);
    EXPECT_EQ(r.shape->Width(), 56);  // and the width no longer fits
    r.shape->SetFontBold(true);
    EXPECT_EQ(r.shape->Width(), 56);
    r.shape->SetCaption(L"ABCDEF");  // the next caption change lays out
    EXPECT_EQ(r.shape->Width(), 88);
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().top, 5);
}

TEST(NShapeLayout, ATallCaptionHangsOutOfALowControl) {
    LayoutRig r(100, 20);
    r.p.text.height = 25;
    r.shape->SetTextVisible(true);
    r.shape->SetCaption(L"AB");
    r.shape->Ajustar_Botao();
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().top, -2.5);
    EXPECT_EQ(r.shape->Height(), 20);
}

TEST(NShapeLayout, StretchKeepsTheElementSize) {
    LayoutRig r;
    r.shape->SetPictureNormal(kit::Picture{L"wide"});
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().width, 40);
    r.shape->SetStretch(true);
    r.shape->SetPictureNormal(kit::Picture{L"p16"});
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().width, 40);  // scaled into the element
    r.shape->SetStretch(false);
    EXPECT_DOUBLE_EQ(r.shape->PictureBox().width, 16);
}

TEST(NShapeLayout, CaptionMeasuredInTheFixedTypefaceAtFontSizeAndWeight) {
    struct Probe final : fakes::TextMeasurer {
        std::wstring face;
        double points = 0;
        bool bold = false;
        plat::Size Measure(const std::wstring&, const std::wstring& f, double p, bool b) override {
            face = f;
            points = p;
            bold = b;
            return {10, 10};
        }
    } probe;
    fakes::Platform p;
    kitfakes::SiteBase window;
    window.measure = &probe;
    kit::NShape s(p.services, {});
    s.Attach(1, &window);
    s.SetFontSize(14);
    s.SetFontBold(true);
    EXPECT_EQ(probe.face, L"微软雅黑");
    EXPECT_DOUBLE_EQ(probe.points, 14);
    EXPECT_TRUE(probe.bold);
}

TEST(NShapeLayout, FigureKinds) {
    auto g = plat::FigureFor(FigureKind::Rectangle, 120, 60);
    EXPECT_FALSE(g.ellipse);
    EXPECT_EQ(g.left, 0);
    EXPECT_EQ(g.width, 120);
    EXPECT_EQ(g.height, 60);
    EXPECT_EQ(g.corner, 0);

    g = plat::FigureFor(FigureKind::Square, 120, 60);
    EXPECT_EQ(g.left, 30);
    EXPECT_EQ(g.top, 0);
    EXPECT_EQ(g.width, 60);
    EXPECT_EQ(g.height, 60);

    g = plat::FigureFor(FigureKind::Oval, 120, 60);
    EXPECT_TRUE(g.ellipse);
    EXPECT_EQ(g.width, 120);

    g = plat::FigureFor(FigureKind::Circle, 40, 100);
    EXPECT_TRUE(g.ellipse);
    EXPECT_EQ(g.left, 0);
    EXPECT_EQ(g.top, 30);
    EXPECT_EQ(g.width, 40);
    EXPECT_EQ(g.height, 40);

    g = plat::FigureFor(FigureKind::RoundedRectangle, 217, 57);
    EXPECT_FALSE(g.ellipse);
    EXPECT_EQ(g.width, 217);
    EXPECT_EQ(g.corner, 19);  // a radius of a sixth of the smaller side

    g = plat::FigureFor(FigureKind::RoundedSquare, 90, 30);
    EXPECT_EQ(g.left, 30);
    EXPECT_EQ(g.width, 30);
    EXPECT_EQ(g.corner, 10);

    g = plat::FigureFor(FigureKind::Circle, -5, 0);  // degenerate boxes stay empty
    EXPECT_EQ(g.width, 0);
    EXPECT_EQ(g.height, 0);
}

}  // namespace
