// The Help and About windows: static pages drawn from their page descriptions, with link buttons.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "guides/guide_ids.h"
#include "platform/platform.h"

namespace guides {

constexpr wchar_t kGuideClass[] = L"RelantoGuide";
constexpr int kFirstButtonId = 200;  // the page's buttons get consecutive ids in tab order

// Shows the guide window, creating it when it is not open; a further call re-shows and activates the open one.
// The window has no owner in the program's sense: the main window stays usable and may close before it.
// The window and its buttons reach the platform through `services`.
void ShowGuide(HINSTANCE instance, Guide guide, const plat::Services& services);

// The open window of a guide, or null.
HWND OpenGuide(Guide guide);

}  // namespace guides
