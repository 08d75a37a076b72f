#pragma once
// Chaining linked articles once the whole publication is read: boxes that
// name one text file (ignoring case) form one chain, in the order of the
// master page and then the pages, each page's objects depth first through
// groups and containers. Boxes without a file stay alone.
#include <vector>

namespace orv {

class TOrvalisBackground;

// `pages` in order, the master page first. Every chain whose first box
// holds no text yet is laid out. Returns the number of chains.
int ChainLinkedArticles(const std::vector<TOrvalisBackground*>& pages);

}  // namespace orv
