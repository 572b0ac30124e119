// Addresses of the maker's web pages. Every page lives under one script of the
// maker's site and is chosen by its page key.
#pragma once
#include <string>
#include <string_view>

namespace zentara {

inline constexpr std::string_view HelpPageKey = "help-web-page";
inline constexpr std::string_view HomePageKey = "home-page";
inline constexpr std::string_view DownloadPageKey = "download-web-page";

// MakerSiteAddress, the script's path, "?page=" and the key.
std::string WebPageAddress(std::string_view pageKey);

}  // namespace zentara
