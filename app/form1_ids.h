// Child-window identifiers of the main window, shared with the end-to-end tests that find them.
#pragma once

namespace app {

enum Form1ControlId : int {
    kIdCheckflight = 101,
    kIdLabel2 = 102,
    kIdIntertext = 103,
    kIdText8 = 104,
    kIdShape2start = 110,
    kIdShape3stop = 111,
    kIdShape1help = 112,
    kIdShape1install = 113,
    kIdShape1 = 114,
    kIdShape2abop = 115,
};

constexpr wchar_t kForm1Class[] = L"RelantoForm1";

}  // namespace app
