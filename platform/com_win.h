// COM and automation calls, taken from ole32.dll and oleaut32.dll on first use. Only opening a link and decoding
// a picture need them; linking them at load time would add both libraries, and the dozen more they pull in, to
// every start-up.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <oleauto.h>

namespace plat {

// Each fails as the real call would when its library cannot be loaded (E_FAIL, or nullptr for the string).
HRESULT ComInitialize();
void ComUninitialize();
HRESULT ComCreateInstance(REFCLSID clsid, DWORD context, REFIID iid, void** object);
HRESULT ComClsidFromProgId(const wchar_t* progId, CLSID* clsid);
BSTR ComAllocString(const wchar_t* text, UINT length);
void ComVariantInit(VARIANT* v);
HRESULT ComVariantClear(VARIANT* v);

}  // namespace plat
