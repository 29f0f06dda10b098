#pragma once
// The order of the item array when sorted by a column, made from compact
// keys: a header click on a big folder must not chase every item's strings
// once per comparison. The order is exactly the one CompareItems gives under
// a stable sort (same ties, same folders-first rule), which stays the one
// statement of the rules.
#include <memory>
#include <vector>

#include "ListItem.h"

namespace panorell {

// The old indexes of `items` in sorted order (the item at position i of the
// result goes to index i).
std::vector<int> SortedOrder(const std::vector<std::unique_ptr<ListItem>>& items, int column, bool descending,
                             bool inMyComputer);

}  // namespace panorell
