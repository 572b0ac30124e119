#include "astro/engine/lunar_node.h"

namespace zentara {

std::string_view LunarNodeName(LunarNode node) { return node == LunarNode::True ? "true" : "mean"; }

std::optional<LunarNode> ReadLunarNodeName(std::string_view name) {
  if (name == "mean") return LunarNode::Mean;
  if (name == "true") return LunarNode::True;
  return std::nullopt;
}

}  // namespace zentara
