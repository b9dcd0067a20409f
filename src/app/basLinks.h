#pragma once
// The addresses the main window opens with the desktop's default handler: the maker's online
// manual and the operator's sales-schedule page.

#include <string>
#include <string_view>

namespace basLinks {
inline constexpr std::string_view kProductName = "Kelvra";
// The operator's public site, the one the page addresses of totoSettings.ini point to.
inline constexpr std::string_view kOperatorSite = "https://store.toto-dream.com";

// The manual folder of the maker's site, then the product name in lower case without spaces.
std::string ManualUrl(std::string_view strMakerSite, std::string_view strProductName);
std::string ManualUrl();
std::string SalesScheduleUrl();
} // namespace basLinks
