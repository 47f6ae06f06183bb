// N_TextBox: in label mode its text reads as static text; otherwise the edit box is named by the header.
#include "controls/common/kit_accessible.h"
#include "controls/ntextbox/n_textbox.h"

namespace kit {

AccessibleInfo Describe(const NTextBox& box, bool focused) {
    const unsigned unavailable = box.Enabled() ? 0u : accstate::kUnavailable;
    if (box.LabelBox()) return Info(AccRole::StaticText, box.Lbl().caption, nullptr, accstate::kReadOnly | unavailable);
    const unsigned locked = box.Locked() ? accstate::kReadOnly : 0u;
    return Info(AccRole::EditableText, box.HeaderCaption(), nullptr, ControlStates(box.Enabled(), focused) | locked);
}

}  // namespace kit
