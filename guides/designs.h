// The windows' designs (the stored properties of the controls they place), carried inside the program.
// Their sources are res/*.design; the build embeds them.
#pragma once

namespace designs {
extern const wchar_t kForm1Design[];
extern const wchar_t kHelpDesign[];
extern const wchar_t kAboutDesign[];
}  // namespace designs

using designs::kAboutDesign;
using designs::kForm1Design;
using designs::kHelpDesign;
