// The check button's window: the kit's one host.
#include "controls/checkbutton/check_button_win.h"

namespace kit {

const wchar_t kCheckButtonClass[] = L"KitCheckButton";

HWND CreateCheckButton(const CheckButtonArgs& args) {
    return host::CreateControl<CheckButton>(kCheckButtonClass, args);
}

CheckButton* CheckButtonOf(HWND window) { return host::ModelIfClass<CheckButton>(window, kCheckButtonClass); }

}  // namespace kit
