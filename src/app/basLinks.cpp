#include "app/basLinks.h"

#include "reference/clsDrovaneDownload.h"

namespace basLinks {
std::string ManualUrl(std::string_view strMakerSite, std::string_view strProductName)
{
    std::string name;
    for (const char c : strProductName) {
        if (c == ' ') {
            continue;
        }
        name += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return std::string(strMakerSite) + "/manual/" + name + ".html";
}

std::string ManualUrl()
{
    return ManualUrl(clsDrovaneDownload::kDefaultSite, kProductName);
}

std::string SalesScheduleUrl()
{
    return std::string(kOperatorSite) + "/dci/I/IPA/IPA01.do?op=inittotoSerLotSchedule";
}
} // namespace basLinks
