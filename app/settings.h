// The airplane-mode option, stored in config.ini beside the program.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace app {

// Reads a stored text as a number the way the option has always been read: blanks around it, a sign,
// a decimal fraction and an exponent are allowed; anything else is not a number.
std::optional<double> StoredNumber(const std::wstring& text);

class FlightSetting {
public:
    FlightSetting(plat::ProfileStore& store, const std::wstring& programFolder)
        : store_(store), file_(programFolder + L"\\config.ini") {}

    // True only when the stored value reads as the number 1; a missing or unreadable value means unticked.
    bool LoadTicked();
    void Save(bool ticked);
    const std::wstring& File() const { return file_; }

private:
    plat::ProfileStore& store_;
    std::wstring file_;
};

}  // namespace app
