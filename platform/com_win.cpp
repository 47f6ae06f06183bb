#include "platform/com_win.h"

#include <objbase.h>

#include "platform/os_api_win.h"

namespace plat {
namespace {

const wchar_t kOle32[] = L"ole32.dll";
const wchar_t kOleAut32[] = L"oleaut32.dll";

}  // namespace

HRESULT ComInitialize() {
    static const auto fn = SystemFunction<HRESULT(WINAPI*)(LPVOID, DWORD)>(kOle32, "CoInitializeEx");
    return fn ? fn(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
}

void ComUninitialize() {
    static const auto fn = SystemFunction<void(WINAPI*)()>(kOle32, "CoUninitialize");
    if (fn) fn();
}

HRESULT ComCreateInstance(REFCLSID clsid, DWORD context, REFIID iid, void** object) {
    static const auto fn =
        SystemFunction<HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*)>(kOle32, "CoCreateInstance");
    if (object) *object = nullptr;
    return fn ? fn(clsid, nullptr, context, iid, object) : E_FAIL;
}

HRESULT ComClsidFromProgId(const wchar_t* progId, CLSID* clsid) {
    static const auto fn = SystemFunction<HRESULT(WINAPI*)(LPCOLESTR, LPCLSID)>(kOle32, "CLSIDFromProgID");
    return fn ? fn(progId, clsid) : E_FAIL;
}

BSTR ComAllocString(const wchar_t* text, UINT length) {
    static const auto fn = SystemFunction<BSTR(WINAPI*)(const OLECHAR*, UINT)>(kOleAut32, "SysAllocStringLen");
    return fn ? fn(text, length) : nullptr;
}

void ComVariantInit(VARIANT* v) {
    // An empty variant, as VariantInit leaves it; that needs no library.
    *v = VARIANT{};
}

HRESULT ComVariantClear(VARIANT* v) {
    if (v->vt == VT_EMPTY) return S_OK;
    static const auto fn = SystemFunction<HRESULT(WINAPI*)(VARIANTARG*)>(kOleAut32, "VariantClear");
    return fn ? fn(v) : E_FAIL;
}

}  // namespace plat
