// N_Shape's window: the kit's one host.
#include "controls/nshape/n_shape_win.h"

namespace kit {

const wchar_t kNShapeClass[] = L"RelantoNShape";

HWND CreateNShape(const NShapeArgs& args) { return host::CreateControl<NShape>(kNShapeClass, args); }

NShape* NShapeOf(HWND button) { return host::ModelIfClass<NShape>(button, kNShapeClass); }

void SetNShapeCaption(HWND button, const std::wstring& caption) {
    if (NShape* model = NShapeOf(button)) model->SetCaption(caption);
}

std::wstring NShapeCaption(HWND button) {
    NShape* model = NShapeOf(button);
    return model ? model->Caption() : std::wstring();
}

}  // namespace kit
