// The colour each painted part takes: the design's own, or in high contrast the system colour for its role, so
// that the kit and the pages follow the user's scheme and pick up a change of it at the next repaint.
#pragma once

#include <cstdint>

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

// Looks a role can take: the button looks, shared by every control that hovers and presses.
enum class RoleLook { Normal = 0, Hover = 1, Down = 2 };

// System-colour values in the OLE form the painters already resolve (high bit set, index in the low byte).
namespace syscolor {
constexpr std::uint32_t kWindow = 0x80000005u;
constexpr std::uint32_t kWindowText = 0x80000008u;
constexpr std::uint32_t kHighlight = 0x8000000Du;
constexpr std::uint32_t kHighlightText = 0x8000000Eu;
constexpr std::uint32_t kButtonFace = 0x8000000Fu;
constexpr std::uint32_t kGrayText = 0x80000011u;
constexpr std::uint32_t kButtonText = 0x80000012u;
constexpr std::uint32_t kHotLight = 0x8000001Au;
}  // namespace syscolor

// The system colour of a role in high contrast.
std::uint32_t HighContrastColor(ColorRole role, RoleLook look);

// What to paint a part with: `design` as long as high contrast is off (or nobody can tell), the role's system
// colour while it is on.
inline std::uint32_t PaintColor(plat::DisplayScheme* scheme, ColorRole role, RoleLook look, std::uint32_t design) {
    return scheme && scheme->HighContrast() ? HighContrastColor(role, look) : design;
}

}  // namespace kit
