// RAII owners for GDI objects, DCs, kernel handles and COM objects, so no paint path, file or process call can
// leak one.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <oleauto.h>

#include "platform/com_win.h"
#include "platform/units.h"  // the unit types, which the windows take from here

namespace plat {

// Owns one handle and releases it with `Traits::Close` when it goes; `Traits::None` is the value that means no
// handle (some calls fail with null, others with INVALID_HANDLE_VALUE), which is kept as null.
template <typename T, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(T handle) : handle_(Adopt(handle)) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    ~Owned() { reset(); }
    void reset(T handle = nullptr) {
        if (handle_) Traits::Close(handle_);
        handle_ = Adopt(handle);
    }
    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    static T Adopt(T handle) { return handle == Traits::None() ? nullptr : handle; }
    T handle_ = nullptr;
};

struct GdiObjectTraits {
    static HGDIOBJ None() { return nullptr; }
    static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct KernelHandleTraits {
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
struct MemoryDCTraits {
    static HDC None() { return nullptr; }
    static void Close(HDC dc) { DeleteDC(dc); }
};
struct LocalMemoryTraits {
    static void* None() { return nullptr; }
    static void Close(void* memory) { LocalFree(memory); }
};

// A GDI object (pen, brush, font, bitmap, region), deleted when it goes.
template <typename T>
using GdiObject = Owned<T, GdiObjectTraits>;

// A kernel handle: a process, a thread, an open file or a snapshot.
using ScopedHandle = Owned<HANDLE, KernelHandleTraits>;

// A memory DC made by CreateCompatibleDC.
using MemoryDC = Owned<HDC, MemoryDCTraits>;

// A block the system allocated with LocalAlloc for the caller (CommandLineToArgvW's array, for one).
template <typename T>
using LocalMemory = Owned<T, LocalMemoryTraits>;

// The two handles CreateProcessW returns.
struct ScopedProcess {
    explicit ScopedProcess(const PROCESS_INFORMATION& pi) : process(pi.hProcess), thread(pi.hThread) {}
    ScopedHandle process;
    ScopedHandle thread;
};

// Selects an object into a DC for the lifetime of the scope, then restores the previous one.
class SelectObj {
public:
    SelectObj(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    SelectObj(const SelectObj&) = delete;
    SelectObj& operator=(const SelectObj&) = delete;
    ~SelectObj() {
        if (old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The screen's DC, for measuring.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// BeginPaint/EndPaint pair.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &ps_); }
    HDC get() const { return dc_; }
    const RECT& area() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_ = {};
    HDC dc_ = nullptr;
};

// An off-screen bitmap the size of a window's client area: paint into dc(), then Blit() once.
class BackBuffer {
public:
    BackBuffer(HDC target, int width, int height)
        : target_(target), width_(width > 0 ? width : 1), height_(height > 0 ? height : 1) {
        dc_.reset(CreateCompatibleDC(target));
        bitmap_.reset(CreateCompatibleBitmap(target, width_, height_));
        if (dc_ && bitmap_) old_ = SelectObject(dc_.get(), bitmap_.get());
    }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    ~BackBuffer() {
        if (old_) SelectObject(dc_.get(), old_);
    }
    bool ok() const { return dc_ && old_; }
    HDC dc() const { return dc_.get(); }
    void Blit() const {
        if (ok()) BitBlt(target_, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
    }

private:
    HDC target_;
    int width_;
    int height_;
    GdiObject<HBITMAP> bitmap_;  // declared first, so the DC goes before the bitmap it held
    MemoryDC dc_;
    HGDIOBJ old_ = nullptr;
};

// A window's WM_PAINT through a back buffer the size of its client area: paint into dc(), then Blit() once.
class BufferedPaint {
public:
    explicit BufferedPaint(HWND window)
        : paint_(window), client_(ClientRect(window)), buffer_(paint_.get(), client_.right, client_.bottom) {}
    bool ok() const { return buffer_.ok(); }
    HDC dc() const { return buffer_.dc(); }
    const RECT& client() const { return client_; }
    void Blit() const { buffer_.Blit(); }

private:
    static RECT ClientRect(HWND window) {
        RECT r = {};
        GetClientRect(window, &r);
        return r;
    }
    PaintScope paint_;  // first in, last out: the buffer is gone before EndPaint
    RECT client_;
    BackBuffer buffer_;
};

// Minimal COM smart pointer.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    T** Receive() {
        if (p_) {
            p_->Release();
            p_ = nullptr;
        }
        return &p_;
    }
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

class ScopedVariant {
public:
    ScopedVariant() { ComVariantInit(&v_); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
    ~ScopedVariant() { ComVariantClear(&v_); }
    VARIANT& get() { return v_; }

private:
    VARIANT v_;
};

// COM for this thread, for the life of the scope.
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(ComInitialize())) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (ok_) ComUninitialize();
    }

private:
    bool ok_;
};

}  // namespace plat
