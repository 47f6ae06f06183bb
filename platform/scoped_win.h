// RAII owners for GDI, DC and COM objects, so no paint path or link call can leak one.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <oleauto.h>

#include "platform/com_win.h"
#include "platform/units.h"  // Scale and TwipsToPixels, which the windows take from here

namespace plat {

// Owns one GDI object (pen, brush, font, bitmap, region) and deletes it.
template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    ~GdiObject() { reset(); }
    void reset(T handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }
    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    T handle_ = nullptr;
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
        dc_ = CreateCompatibleDC(target);
        bitmap_.reset(CreateCompatibleBitmap(target, width_, height_));
        if (dc_ && bitmap_) old_ = SelectObject(dc_, bitmap_.get());
    }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    ~BackBuffer() {
        if (old_) SelectObject(dc_, old_);
        if (dc_) DeleteDC(dc_);
    }
    bool ok() const { return dc_ && old_; }
    HDC dc() const { return dc_; }
    void Blit() const {
        if (ok()) BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    }

private:
    HDC target_;
    int width_;
    int height_;
    HDC dc_ = nullptr;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ old_ = nullptr;
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
