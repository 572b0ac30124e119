#include "astro/places/name_tree.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "astro/places/edit_distance.h"

namespace zentara::places {

std::vector<NameTreeNode> BuildNameTree(const std::vector<std::string>& names) {
  // The tree as it grows: each node's children by index into `grown`.
  struct Growing {
    std::uint32_t name;
    std::uint16_t distance;
    std::vector<std::uint32_t> children;
  };
  std::vector<Growing> grown;
  for (std::uint32_t name = 0; name < names.size(); ++name) {
    if (names[name].size() > 0xFFFF) throw std::length_error("a name of 65,536 bytes or more for the name tree");
    if (grown.empty()) {
      grown.push_back({name, 0, {}});
      continue;
    }
    for (std::uint32_t node = 0;;) {
      const auto distance = static_cast<std::uint16_t>(EditDistance(names[name], names[grown[node].name]));
      if (distance == 0) break;
      const auto& children = grown[node].children;
      const auto child = std::find_if(children.begin(), children.end(),
                                      [&](std::uint32_t c) { return grown[c].distance == distance; });
      if (child != children.end()) {
        node = *child;
        continue;
      }
      grown[node].children.push_back(static_cast<std::uint32_t>(grown.size()));
      grown.push_back({name, distance, {}});
      break;
    }
  }

  // Breadth first: the queue is the layout itself.
  std::vector<std::uint32_t> order;
  order.reserve(grown.size());
  if (!grown.empty()) order.push_back(0);
  std::vector<NameTreeNode> nodes;
  nodes.reserve(grown.size());
  for (std::size_t next = 0; next < order.size(); ++next) {
    Growing& node = grown[order[next]];
    std::sort(node.children.begin(), node.children.end(),
              [&](std::uint32_t a, std::uint32_t b) { return grown[a].distance < grown[b].distance; });
    nodes.push_back({node.name, static_cast<std::uint32_t>(order.size()),
                     static_cast<std::uint16_t>(node.children.size()), node.distance});
    order.insert(order.end(), node.children.begin(), node.children.end());
  }
  return nodes;
}

}  // namespace zentara::places
