// High-contrast colours by role: the pressed and hovered looks take the selection colours, as the system's own
// buttons and lists do in those schemes.
#include "controls/common/contrast.h"

namespace kit {

OleColor HighContrastColor(ColorRole role, ButtonLook look) {
    const bool lit = look != ButtonLook::Normal;
    switch (role) {
        case ColorRole::Surface:
            return syscolor::kButtonFace;
        case ColorRole::Fill:
            return lit ? syscolor::kHighlight : syscolor::kButtonFace;
        case ColorRole::Border:
            return lit ? syscolor::kHighlight : syscolor::kButtonText;
        case ColorRole::Text:
            return lit ? syscolor::kHighlightText : syscolor::kButtonText;
        case ColorRole::PageBack:
            return syscolor::kWindow;
        case ColorRole::PageText:
            return syscolor::kWindowText;
        case ColorRole::Link:
            return syscolor::kHotLight;
        case ColorRole::DisabledText:
            return syscolor::kGrayText;
    }
    return syscolor::kWindowText;
}

}  // namespace kit
