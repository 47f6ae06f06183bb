// Pictures the program carries (JPEG, PNG or BMP in RCDATA resources), decoded once into 32-bit DIBs.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstddef>
#include <string>

#include "platform/scoped_win.h"

namespace plat {

struct DibImage {
    GdiObject<HBITMAP> bitmap;  // 32 bpp, premultiplied alpha, top-down
    int width = 0;
    int height = 0;
    explicit operator bool() const { return static_cast<bool>(bitmap); }
};

// The largest encoded picture taken, in bytes.
constexpr std::size_t kMaxPictureBytes = 64u << 20;

// Decodes encoded image bytes with the platform's imaging component; false on any failure.
bool DecodeImage(const std::string& bytes, DibImage* out);

// The encoded bytes of the picture a reference names: the program's RCDATA resource of that name, else the file
// of that name (relative names are taken from the program's folder). False when there is none.
bool ProgramPictureBytes(const std::wstring& ref, std::string* bytes);

// Draws the image scaled to `dest` with its alpha, smoothing as it scales.
void DrawImage(HDC dc, const DibImage& image, const RECT& dest);

}  // namespace plat
