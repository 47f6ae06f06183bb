// Pictures the program carries (JPEG, PNG or BMP in RCDATA resources), decoded once into 32-bit DIBs.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"

namespace plat {

struct DibImage {
    GdiObject<HBITMAP> bitmap;  // 32 bpp, premultiplied alpha, top-down
    int width = 0;
    int height = 0;
    explicit operator bool() const { return static_cast<bool>(bitmap); }
};

// Decodes encoded image bytes with the platform's imaging component; false on any failure.
bool DecodeImage(const std::string& bytes, DibImage* out);

// The RCDATA resource of the running program named `name` (case-blind), decoded.
bool LoadProgramImage(const std::wstring& name, DibImage* out);

// Draws the image scaled to `dest`.
void DrawImage(HDC dc, const DibImage& image, const RECT& dest);

}  // namespace plat
