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
  struct Keyed {
    Key key;
    int row;
  };
  std::vector<Keyed> items;
  items.reserve(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    items.push_back(Keyed{std::move(keys[i]), static_cast<int>(i) + 1});
  }
  std::vector<Key>().swap(keys);  // a list of 100,000s of rows: the keys are held once
  ExchangeSort(items, [&](const Keyed& a, const Keyed& b) { return before(a.key, b.key); });
  // Row i + 1 takes the row items[i] names: the permutation is applied by exchanging
  // rows along its cycles, so no second copy of the rows is held.
  std::vector<int> from(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) from[i] = items[i].row;
  std::vector<Keyed>().swap(items);
  for (std::size_t start = 0; start < from.size(); ++start) {
    std::size_t at = start;
    while (from[at] != 0 && static_cast<std::size_t>(from[at]) != start + 1) {
      const std::size_t next = static_cast<std::size_t>(from[at]) - 1;
      std::swap(grid.MutableRow(static_cast<int>(at) + 1), grid.MutableRow(from[at]));
      from[at] = 0;
      at = next;
    }
    from[at] = 0;
  }
}

// "測点名でソート": by the name without its trailing number, then by that number.
void N10Click(TextGrid& list);
// "測点名の番号のみでソート": by the trailing number alone.
void N15Click(TextGrid& list);
// "同じ行データを整理": drops rows repeating an earlier row (cells 0..3) and empty rows.
void N13Click(TextGrid& list);

}  // namespace vensa
