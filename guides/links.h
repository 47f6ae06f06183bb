// Every web address the program opens, in one place.
#pragma once

#include <string>

namespace guides {

enum class Link {
    HomePage,          // the maker's home page (main window and About)
    VideoTutorial,     // video tutorials of the relay tool (Help and About)
    GnirehtetProject,  // the relay tool's source repository
    GnirehtetGuide,    // its developer guide
    UsbDriver,         // a universal ADB driver installer
    UsbDriverGoogle,   // Google's USB driver
};

const std::wstring& Address(Link link);

// The host name of an address ("https://example.org:8080/x" -> "example.org"); empty when there is none.
std::wstring HostName(const std::wstring& address);

}  // namespace guides
