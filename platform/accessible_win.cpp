// The MSAA object of the program's drawn windows. Every call runs on the window's thread (the system marshals a
// screen reader's calls there), asks the host's source, and never lets an exception out.
#include "platform/accessible_win.h"

#include <oleacc.h>

#include "platform/com_win.h"
#include "platform/os_api_win.h"
#include "platform/platform_win.h"
#include "platform/trace_win.h"

namespace plat {
namespace {

// oleacc.dll comes from the system folder, on the first screen-reader request only.
template <typename Fn>
Fn Oleacc(const char* name) {
    return SystemFunction<Fn>(L"oleacc.dll", name);
}

using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using ObjectFromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
using StdObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);

HRESULT ObjectFromWindow(HWND window, DWORD id, REFIID iid, void** out) {
    static const auto fn = Oleacc<ObjectFromWindowFn>("AccessibleObjectFromWindow");
    *out = nullptr;
    return fn ? fn(window, id, iid, out) : E_FAIL;
}

HRESULT SetBstr(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = ComAllocString(text.c_str(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// An element found by navigation or hit-testing: a window of its own answers as its object, any other as its id.
HRESULT AnswerElement(const AccessibleElement& e, long id, VARIANT* out) {
    if (e.window) {
        out->vt = VT_DISPATCH;
        return ObjectFromWindow(e.window, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                reinterpret_cast<void**>(&out->pdispVal));
    }
    out->vt = VT_I4;
    out->lVal = id;
    return S_OK;
}

RECT ScreenRect(HWND window, RECT client) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

}  // namespace

class AccessibleObject final : public IAccessible {
public:
    AccessibleObject(HWND window, AccessibleSource* source, IAccessible* inner)
        : window_(window), source_(source), inner_(inner) {}

    void Disconnect() {
        source_ = nullptr;
        if (inner_) {
            inner_->Release();
            inner_ = nullptr;
        }
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG n = InterlockedDecrement(&refs_);
        if (n == 0) {
            Disconnect();
            delete this;
        }
        return static_cast<ULONG>(n);
    }

    // IDispatch: no type information; readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        return Guard([&] {
            if (!out) return E_POINTER;
            return ObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(out));
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Guard([&] {
            if (!count) return E_POINTER;
            *count = source_->AccessibleChildCount();
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return Guard([&] {
            if (!out) return E_POINTER;
            *out = nullptr;
            AccessibleElement e;
            const long id = Describe(child, &e);
            if (id < 0) return E_INVALIDARG;
            if (id == 0 || !e.window) return S_FALSE;  // windowless elements have no object of their own
            return ObjectFromWindow(e.window, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(out));
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return Text(child, out, &AccessibleElement::name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return Guard([&] {
            if (!out) return E_POINTER;
            *out = nullptr;
            if (inner_ && IsSelf(child)) return inner_->get_accValue(child, out);
            return S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return Text(child, out, &AccessibleElement::description, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        return Number(child, out, &AccessibleElement::role, &IAccessible::get_accRole);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        return Number(child, out, &AccessibleElement::state, &IAccessible::get_accState);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Alive() ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return Alive() ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return Guard([&] {
            if (!out) return E_POINTER;
            *out = nullptr;
            if (inner_ && IsSelf(child)) return inner_->get_accKeyboardShortcut(child, out);
            return S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        return Guard([&] {
            if (!out) return E_POINTER;
            ComVariantInit(out);
            if (GetFocus() != window_) return S_FALSE;
            out->vt = VT_I4;
            out->lVal = CHILDID_SELF;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        if (!out) return E_POINTER;
        ComVariantInit(out);
        return Alive() ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return Text(child, out, &AccessibleElement::defaultAction, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Guard([&] {
            if (!IsSelf(child)) return E_INVALIDARG;
            if (!(flags & SELFLAG_TAKEFOCUS)) return S_FALSE;
            if (!IsWindowEnabled(window_)) return E_FAIL;
            SetFocus(window_);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return Guard([&] {
            if (!left || !top || !width || !height) return E_POINTER;
            *left = *top = *width = *height = 0;
            AccessibleElement e;
            const long id = Describe(child, &e);
            if (id < 0) return E_INVALIDARG;
            RECT r = e.client;
            if (e.window) {
                GetWindowRect(e.window, &r);
            } else if (IsRectEmpty(&r)) {
                GetClientRect(window_, &r);
                r = ScreenRect(window_, r);
            } else {
                r = ScreenRect(window_, r);
            }
            *left = r.left;
            *top = r.top;
            *width = r.right - r.left;
            *height = r.bottom - r.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        return Guard([&] {
            if (!out) return E_POINTER;
            ComVariantInit(out);
            const long count = source_->AccessibleChildCount();
            long from = start.vt == VT_I4 ? start.lVal : -1;
            long to = 0;
            if (direction == NAVDIR_FIRSTCHILD && from == CHILDID_SELF)
                to = count > 0 ? 1 : 0;
            else if (direction == NAVDIR_LASTCHILD && from == CHILDID_SELF)
                to = count;
            else if ((direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) && from > 0)
                to = from < count ? from + 1 : 0;
            else if ((direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) && from > 1)
                to = from - 1;
            if (to <= 0) return S_FALSE;
            AccessibleElement e;
            if (!source_->DescribeAccessible(to, &e)) return S_FALSE;
            return AnswerElement(e, to, out);
        });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        return Guard([&] {
            if (!out) return E_POINTER;
            ComVariantInit(out);
            POINT p = {x, y};
            ScreenToClient(window_, &p);
            RECT all;
            GetClientRect(window_, &all);
            if (!PtInRect(&all, p)) return S_FALSE;
            const long count = source_->AccessibleChildCount();
            for (long id = count; id >= 1; --id) {  // later elements lie in front
                AccessibleElement e;
                if (!source_->DescribeAccessible(id, &e)) continue;
                RECT r = e.client;
                if (e.window) {
                    GetWindowRect(e.window, &r);
                    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
                }
                if (PtInRect(&r, p)) return AnswerElement(e, id, out);
            }
            out->vt = VT_I4;
            out->lVal = CHILDID_SELF;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Guard([&] {
            AccessibleElement e;
            const long id = Describe(child, &e);
            if (id < 0) return E_INVALIDARG;
            if (e.window) return ChildWindow(e.window, [&](IAccessible* a) { return a->accDoDefaultAction(Self()); });
            if (inner_ && e.defaultAction.empty()) return inner_->accDoDefaultAction(child);
            return source_->DoAccessibleDefaultAction(static_cast<int>(id)) ? S_OK : DISP_E_MEMBERNOTFOUND;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Guard([&] { return inner_ && IsSelf(child) ? inner_->put_accValue(child, value) : E_NOTIMPL; });
    }

private:
    bool Alive() const { return source_ != nullptr && IsWindow(window_); }
    static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    static VARIANT Self() {
        VARIANT v;
        ComVariantInit(&v);
        v.vt = VT_I4;
        v.lVal = CHILDID_SELF;
        return v;
    }

    // Every call: disconnected objects answer with the error of a gone server; nothing thrown gets out.
    template <typename Fn>
    HRESULT Guard(Fn fn) {
        if (!Alive()) return RPC_E_DISCONNECTED;
        try {
            return fn();
        } catch (...) {
            TraceCaughtHere("accessibility call");
            return E_FAIL;
        }
    }

    // The child's description, or -1 for an id out of range.
    long Describe(const VARIANT& child, AccessibleElement* e) {
        if (child.vt != VT_I4) return -1;
        const long id = child.lVal;
        if (id < 0 || id > source_->AccessibleChildCount()) return -1;
        return source_->DescribeAccessible(static_cast<int>(id), e) ? id : -1;
    }

    template <typename Fn>
    HRESULT ChildWindow(HWND window, Fn fn) {
        IAccessible* a = nullptr;
        const HRESULT hr =
            ObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible, reinterpret_cast<void**>(&a));
        if (FAILED(hr) || !a) return FAILED(hr) ? hr : E_FAIL;
        const HRESULT result = fn(a);
        a->Release();
        return result;
    }

    // A role or state: a child window's own answer, the system's where the source leaves it (role 0), or ours.
    HRESULT Number(const VARIANT& child, VARIANT* out, long AccessibleElement::*field,
                   HRESULT (STDMETHODCALLTYPE IAccessible::*innerGet)(VARIANT, VARIANT*)) {
        return Guard([&] {
            if (!out) return E_POINTER;
            ComVariantInit(out);
            AccessibleElement e;
            const long id = Describe(child, &e);
            if (id < 0) return E_INVALIDARG;
            if (e.window) return ChildWindow(e.window, [&](IAccessible* a) { return (a->*innerGet)(Self(), out); });
            if (inner_ && e.role == 0) return (inner_->*innerGet)(child, out);
            out->vt = VT_I4;
            out->lVal = e.*field;
            return S_OK;
        });
    }

    HRESULT Text(const VARIANT& child, BSTR* out, std::wstring AccessibleElement::*field,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*innerGet)(VARIANT, BSTR*)) {
        return Guard([&] {
            if (!out) return E_POINTER;
            *out = nullptr;
            AccessibleElement e;
            const long id = Describe(child, &e);
            if (id < 0) return E_INVALIDARG;
            if (e.window) return ChildWindow(e.window, [&](IAccessible* a) { return (a->*innerGet)(Self(), out); });
            const bool ours = field != &AccessibleElement::name || e.hasName;
            if (inner_ && (!ours || (e.role == 0 && (e.*field).empty()))) return (inner_->*innerGet)(child, out);
            return SetBstr(e.*field, out);
        });
    }

    LONG refs_ = 1;
    HWND window_;
    AccessibleSource* source_;
    IAccessible* inner_;
};

AccessibleHost::AccessibleHost(AccessibleSource* source, bool standardInner)
    : source_(source), standardInner_(standardInner) {}

AccessibleHost::~AccessibleHost() { Disconnect(); }

void AccessibleHost::Disconnect() {
    if (!object_) return;
    object_->Disconnect();
    object_->Release();
    object_ = nullptr;
}

LRESULT AccessibleHost::Answer(HWND window, WPARAM wp, LPARAM lp) {
    if (static_cast<LONG>(static_cast<DWORD>(lp)) != static_cast<LONG>(OBJID_CLIENT) || !source_) return 0;
    static const auto answer = Oleacc<LresultFromObjectFn>("LresultFromObject");
    if (!answer) return 0;
    EnsureCom();
    if (!object_) {
        IAccessible* inner = nullptr;
        if (standardInner_) {
            static const auto standard = Oleacc<StdObjectFn>("CreateStdAccessibleObject");
            if (standard) standard(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&inner));
        }
        object_ = new AccessibleObject(window, source_, inner);
    }
    const LRESULT result = answer(IID_IAccessible, wp, static_cast<IAccessible*>(object_));
    return result > 0 ? result : 0;
}

void NotifyAccessible(HWND window, DWORD event, long child) {
    if (window) NotifyWinEvent(event, window, OBJID_CLIENT, child);
}

}  // namespace plat
