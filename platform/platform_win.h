// Win32 implementations of the platform interfaces, shared by every window of the exe.
#pragma once

#include <cstddef>
#include <string>

#include "platform/platform.h"

namespace plat {

// The process-wide set of Win32 services; they hold no state, so one instance serves every window.
Services& Win32Services();

// Initializes COM for the window thread on first use and keeps it until the program ends. Only opening a link
// and decoding a picture need COM, so a start-up that does neither never pays for it.
void EnsureCom();

// Full path of the folder that holds the running executable, without a trailing separator.
std::wstring ProgramFolder();

// The bytes of the running program's RCDATA resource named `name` (case-blind); false when there is none or it
// is empty.
bool ProgramResource(const std::wstring& name, std::string* bytes);

// The system's own text for an error, in the user's language, without the line break it ends with; a "%1" in it
// names `subject` ("%1 is not a valid Win32 application"). Empty when the system has none.
std::wstring SystemErrorText(unsigned long error, const std::wstring& subject);

enum class FileRead { Ok, CannotOpen, TooLarge, CannotRead };

// Reads a whole file of at most `limit` bytes into `bytes`.
FileRead ReadWholeFile(const std::wstring& path, std::size_t limit, std::string* bytes);

}  // namespace plat
