// The coordinate list's reordering commands. Each moves whole rows (all five cells) and
// ends by renumbering the PLOT No. column. The row sort under them also orders the text list.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/exchange_sort.h"
#include "core/text_grid.h"

namespace vensa {

// Sorts the data rows by `keys` (one per data row, in row order) with the list sorts'
// exchange sort (core/exchange_sort.h); `before(a, b)` says key a sorts before key b.
template <typename Key, typename Before>
void SortRowsByKeys(TextGrid& grid, std::vector<Key> keys, Before before) {
  // Row i + 1 takes row order[i] + 1.
  std::vector<int> from(keys.size());
  {
    const std::vector<std::size_t> order = ExchangeSortOrder(keys, before);
    std::vector<Key>().swap(keys);  // a list of 100,000s of rows: not held past the sort
    for (std::size_t i = 0; i < order.size(); ++i) from[i] = static_cast<int>(order[i]) + 1;
  }
  grid.ReorderDataRows(std::move(from));
}

// "測点名でソート": by the name without its trailing number, then by that number.
void SortByName(TextGrid& list);
// "測点名の番号のみでソート": by the trailing number alone.
void SortByNumber(TextGrid& list);
// "同じ行データを整理": drops rows repeating an earlier row (cells 0..3) and empty rows.
void RemoveRepeatedRows(TextGrid& list);

}  // namespace vensa
