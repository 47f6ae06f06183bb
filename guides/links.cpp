// The addresses behind the link buttons; the home page is chosen when the program is built.
#include "guides/links.h"

#include "build_config.h"

namespace guides {

const std::wstring& Address(Link link) {
    static const std::wstring home = RELANTO_HOME_PAGE;
    static const std::wstring video = L"https://search.bilibili.com/all?keyword=gnirehtet";
    static const std::wstring project = L"https://github.com/Genymobile/gnirehtet";
    static const std::wstring guide = L"https://github.com/Genymobile/gnirehtet/blob/master/DEVELOP.md";
    static const std::wstring usbDriver = L"https://adb.clockworkmod.com/";
    static const std::wstring usbDriverGoogle = L"https://developer.android.com/studio/run/win-usb";
    switch (link) {
        case Link::HomePage:
            return home;
        case Link::VideoTutorial:
            return video;
        case Link::GnirehtetProject:
            return project;
        case Link::GnirehtetGuide:
            return guide;
        case Link::UsbDriver:
            return usbDriver;
        case Link::UsbDriverGoogle:
            return usbDriverGoogle;
    }
    return home;
}

std::wstring HostName(const std::wstring& address) {
    std::size_t start = address.find(L"://");
    start = start == std::wstring::npos ? 0 : start + 3;
    std::size_t end = address.find_first_of(L"/?#", start);
    std::wstring authority = address.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    const std::size_t at = authority.rfind(L'@');
    if (at != std::wstring::npos) authority.erase(0, at + 1);
    if (!authority.empty() && authority[0] == L'[') {  // an IPv6 literal keeps its brackets
        const std::size_t close = authority.find(L']');
        return close == std::wstring::npos ? std::wstring() : authority.substr(0, close + 1);
    }
    const std::size_t colon = authority.find(L':');
    if (colon != std::wstring::npos) authority.erase(colon);
    return authority;
}

}  // namespace guides
