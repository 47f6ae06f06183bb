// The kit gallery's window: places every control of the kit in a few telling configurations and saves or
// loads all their properties as one design file.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace gallery {

struct Options {
    std::wstring loadFile;     // the file the Load button reads; empty: it asks for one
    std::wstring saveFile;     // the file the Save button writes; empty: it asks for one
    bool loadAtStart = false;  // load loadFile once the window is built
};

// Creates and shows the gallery window; false when it could not be created.
bool CreateGallery(HINSTANCE instance, int showCommand, const Options& options);

// Parses the command line: "/load PATH" loads PATH at start; "/save PATH" is where Save writes. Either file
// serves both buttons unless the other is given too. Returns false (with a reason) for anything else.
bool ParseCommandLine(const std::wstring& commandLine, Options* options, std::wstring* error);

}  // namespace gallery
