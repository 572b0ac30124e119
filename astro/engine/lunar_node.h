// Which lunar node a chart shows: the mean node, which moves steadily back
// along the ecliptic, or the true (osculating) node, where the Moon's orbit of
// the moment crosses the ecliptic, which swings about the mean one by up to
// about a degree and a half.
#pragma once
#include <optional>
#include <string_view>

namespace zentara {

enum class LunarNode { Mean, True };

// The names the command line, JSON and the settings use: "mean" and "true".
std::string_view LunarNodeName(LunarNode node);
std::optional<LunarNode> ReadLunarNodeName(std::string_view name);

}  // namespace zentara
