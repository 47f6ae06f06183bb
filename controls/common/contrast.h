// The colour each painted part takes: the design's own, or in high contrast the system colour for its role, so
// that the kit and the pages follow the user's scheme and pick up a change of it at the next repaint.
#pragma once

#include "controls/common/look.h"
#include "controls/common/property_bag_core.h"
#include "platform/platform.h"

namespace kit {

// A painted part of a control or page, by what it means rather than by its design colour.
enum class ColorRole {
    Surface,       // a control's area around its figure: the button face
    Fill,          // a button's figure
    Border,        // a button's or box's outline
    Text,          // a button's or entry's caption
    PageBack,      // a page or text box background: the window colour
    PageText,      // a page's label or line, a text box's text
    Link,          // a label that names a link
    DisabledText,  // any caption while its control is disabled
};

// The system colour of a role in high contrast.
OleColor HighContrastColor(ColorRole role, ButtonLook look);

// What to paint a part with: `design` as long as high contrast is off (or nobody can tell), the role's system
// colour while it is on.
inline OleColor PaintColor(plat::DisplayScheme* scheme, ColorRole role, ButtonLook look, OleColor design) {
    return scheme && scheme->HighContrast() ? HighContrastColor(role, look) : design;
}

}  // namespace kit
