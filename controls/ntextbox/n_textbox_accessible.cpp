// N_TextBox: in label mode its text reads as static text; otherwise the edit box is named by the header.
#include "controls/common/kit_accessible.h"
#include "controls/ntextbox/n_textbox.h"

namespace kit {

AccessibleInfo Describe(const NTextBox& box, bool focused) {
    AccessibleInfo info;
    if (box.LabelBox()) {
        info.role = AccRole::StaticText;
        info.name = box.Lbl().caption;
        info.states = accstate::kReadOnly;
        if (!box.Enabled()) info.states |= accstate::kUnavailable;
        return info;
    }
    info.role = AccRole::EditableText;
    info.name = box.HeaderCaption();
    info.states = ControlStates(box.Enabled(), focused);
    if (box.Locked()) info.states |= accstate::kReadOnly;
    return info;
}

}  // namespace kit
