// The atlas's tree of names for finding the names near a misspelt one: a
// BK-tree (W. A. Burkhard and R. M. Keller, "Some approaches to best-match
// file searching", Communications of the ACM 16 (1973) 230-236) by
// EditDistance. Each node's children lie at different distances from it, and
// every name below the child at distance c is that far from it too; so, by the
// triangle inequality, the names within k of a query q lie below the children
// at distances d(q, node) - k to d(q, node) + k only.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace zentara::places {

struct NameTreeNode {
  std::uint32_t name;        // index of the name in the list the tree was built from
  std::uint32_t firstChild;  // index of the node's first child
  std::uint16_t childCount;
  std::uint16_t distance;    // EditDistance from the parent's name; 0 for the root
};

// The names put into a tree one after another (the first is the root; a name
// equal to one already there is left out), laid out breadth first: the root
// first, and each node's children next to each other, by distance, after the
// children of the nodes before it. Names must be shorter than 65,536 bytes.
std::vector<NameTreeNode> BuildNameTree(const std::vector<std::string>& names);

}  // namespace zentara::places
