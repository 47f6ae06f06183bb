// The selection entry's window: the kit's one host.
#include "controls/nselection/n_selection_win.h"

namespace kit {

const wchar_t kNSelectionClass[] = L"KitNSelection";

HWND CreateNSelection(const NSelectionArgs& args) { return host::CreateControl<NSelection>(kNSelectionClass, args); }

NSelection* NSelectionOf(HWND window) { return host::ModelIfClass<NSelection>(window, kNSelectionClass); }

}  // namespace kit
