// Captioned text box N_TextBox: the minimum size, the header, border and label placement, and the text box's
// one-line height.
#include "controls/ntextbox/n_textbox.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

// The space the layout leaves between the header and the border, and between the border and a top or bottom
// text: one pixel at 96 dpi.
constexpr double kGap = 15;
// The text box's margins in the border: its design left of 45 twips, and as much on the right.
constexpr double kTxtMargins = 90;

}  // namespace

void NTextBox::Resize(int widthTwips, int heightTwips) {
    const int w = std::max(widthTwips, kMinWidth);
    const int h = std::max(heightTwips, kMinHeight);
    width_ = w;
    height_ = h;
    if ((w != widthTwips || h != heightTwips) && resizing_ == 0) {
        // The container grows the control; the size it reports back lays the control out again.
        ++resizing_;
        site_->RequestSize(w, h);
        --resizing_;
    }
    shp_.r.width = width_;
    txt_.r.width = shp_.r.width - kTxtMargins;
    RefreshLayout(vAlign_);
}

void NTextBox::RefreshLayout(std::int32_t a) {
    // The header sizes itself to its caption once: one line high in its font.
    const plat::SizeF header = Measure(hdr_.caption, SpecOf(hdr_.font));
    hdr_.r.width = header.cx;
    hdr_.r.height = header.cy;
    const double h = hdr_.visible ? std::nearbyint(hdr_.r.height + kGap) : 0;
    hdr_.r.left = 0;
    hdr_.r.top = 0;
    hdr_.r.width = shp_.r.width;
    shp_.r.top = h;
    shp_.r.height = height_ - h;
    const plat::SizeF label = Measure(lbl_.caption, SpecOf(lbl_.font));
    lbl_.r.width = label.cx;
    lbl_.r.height = label.cy;
    switch (a) {
        case kTop:
            txt_.r.top = shp_.r.top + kGap;
            lbl_.r.top = shp_.r.top + kGap;
            break;
        case kMiddle:
            lbl_.r.top = (shp_.r.height - lbl_.r.height) / 2 + shp_.r.top;
            txt_.r.top = lbl_.r.top;
            break;
        case kBottom:
            lbl_.r.top = shp_.r.height - lbl_.r.height + shp_.r.top - kGap;
            txt_.r.top = lbl_.r.top;
            break;
        default:
            break;
    }
    lbl_.r.width = txt_.r.width;
    lbl_.r.left = txt_.r.left;
    // The edit box shows one line of its own font at that top.
    txt_.r.height = Measure(L"Ag", SpecOf(txt_.font)).cy;
    SyncTxt();
    Redraw();
}

}  // namespace kit
