// The addresses behind the link buttons; the home page is chosen when the program is built.
#include "guides/links.h"

#include <iterator>

#include "build_config.h"

namespace guides {

const std::wstring& Address(Link link) {
    // In the order of Link.
    static const std::wstring addresses[] = {
        RELANTO_HOME_PAGE,
        L"https://search.bilibili.com/all?keyword=gnirehtet",
        L"https://github.com/Genymobile/gnirehtet",
        L"https://github.com/Genymobile/gnirehtet/blob/master/DEVELOP.md",
        L"https://adb.clockworkmod.com/",
        L"https://developer.android.com/studio/run/win-usb",
    };
    const std::size_t index = static_cast<std::size_t>(link);
    return index < std::size(addresses) ? addresses[index] : addresses[0];
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
