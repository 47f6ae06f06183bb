// Window class and control ids of the kit gallery, shared with its end-to-end tests.
#pragma once

namespace gallery {

constexpr const wchar_t* kGalleryClass = L"KitGallery";

// Controls of the kit, in tab order within each group.
constexpr int kIdShapeFirst = 101;  // N_Shape1 .. N_Shape6, figure kinds 0 to 5
constexpr int kShapeCount = 6;
constexpr int kIdCheckFirst = 201;  // CheckButton1 (0), CheckButton2 (1), CheckButton3 (2), CheckButton4 (disabled)
constexpr int kCheckCount = 4;
constexpr int kIdTextFirst = 301;  // N_TextBox1 (header), 2 (digits only), 3 (label mode), 4 (password)
constexpr int kTextCount = 4;
constexpr int kIdSelectionFirst = 401;  // N_Selection1 .. N_Selection3
constexpr int kSelectionCount = 3;

// The gallery's own buttons and its status line (the last few events and what a save or load did, one a line,
// newest last).
constexpr int kIdSave = 901;
constexpr int kIdLoad = 902;
constexpr int kIdAbout = 903;
constexpr int kIdStatus = 904;

}  // namespace gallery
