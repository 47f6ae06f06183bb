// The one colour type of the program: a stored 32-bit OLE colour, &H00BBGGRR&; the high bit set names a system
// colour by its index in the low byte. platform/window_win.h decodes it for drawing (OleToColorRef).
#pragma once

#include <cstdint>

namespace plat {

using OleColor = std::uint32_t;

// System-colour values in the OLE form the painters resolve (high bit set, index in the low byte).
namespace syscolor {
constexpr OleColor kWindow = 0x80000005u;
constexpr OleColor kWindowText = 0x80000008u;
constexpr OleColor kHighlight = 0x8000000Du;
constexpr OleColor kHighlightText = 0x8000000Eu;
constexpr OleColor kButtonFace = 0x8000000Fu;
constexpr OleColor kGrayText = 0x80000011u;
constexpr OleColor kButtonText = 0x80000012u;
constexpr OleColor kHotLight = 0x8000001Au;
}  // namespace syscolor

}  // namespace plat
