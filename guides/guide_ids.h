// The guide windows by name, for the pages and for the main window that opens them.
#pragma once

namespace guides {

enum class Guide { Help, About };

}  // namespace guides
