// The title every window caption and message box of the program carries.
#pragma once
#include <string_view>

namespace zentara {
inline constexpr std::string_view ApplicationTitle = "QM Zentara Software v2.05";
}
