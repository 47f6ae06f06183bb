// The order in which a screen reader reads a page: the header above the page's full-width rule first, then each
// column from top to bottom; labels, pictures and link buttons alike.
#pragma once

#include <vector>

#include "controls/common/accessible.h"
#include "guides/guide_pages.h"

namespace guides {

struct PageItem {
    enum Kind { Label, Image, Button };
    Kind kind;
    int index;  // into the page's labels, images or buttons
};

std::vector<PageItem> ReadingOrder(const PageSpec& page);

// A painted label reads as static text named by its text; a picture as a graphic with a short description.
kit::AccessibleInfo DescribeLabel(const LabelSpec& label);
kit::AccessibleInfo DescribeImage(const ImageSpec& image);

}  // namespace guides
