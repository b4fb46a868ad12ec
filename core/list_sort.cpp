#include "core/list_sort.h"

#include <charconv>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/coord_list.h"
#include "core/encoding.h"
#include "core/point_name.h"

namespace vensa {
namespace {

// Sort keys of one row, computed once: the name's prefix as UTF-16 code units (so that
// plain comparison is code-unit order) and its trailing number (0 when none or too long).
struct SortKey {
  std::u16string prefix;
  std::int32_t number = 0;
};

std::vector<SortKey> KeysOf(const TextGrid& list) {
  std::vector<SortKey> keys;
  for (int r = 1; r < list.RowCount(); ++r) {
    const TrailingNumber split = SplitTrailingNumber(list.Cell(kColName, r));
    SortKey key;
    key.prefix = Utf8ToUtf16(split.prefix);
    std::int32_t n = 0;
    const char* first = split.digits.data();
    const char* last = first + split.digits.size();
    if (std::from_chars(first, last, n).ec == std::errc()) key.number = n;
    keys.push_back(std::move(key));
  }
  return keys;
}

}  // namespace

void N10Click(TextGrid& list) {
  SortRowsByKeys(list, KeysOf(list), [](const SortKey& later, const SortKey& held) {
    const int c = later.prefix.compare(held.prefix);
    return c < 0 || (c == 0 && later.number < held.number);
  });
  RenumberPlotNo(list);
}

void N15Click(TextGrid& list) {
  SortRowsByKeys(list, KeysOf(list), [](const SortKey& later, const SortKey& held) {
    return later.number < held.number;
  });
  RenumberPlotNo(list);
}

void N13Click(TextGrid& list) {
  const int n = list.DataRowCount();
  if (n <= 1) {
    RenumberPlotNo(list);
    return;
  }
  // Of identical rows (cells 0..3, compared as text) the first stays; rows empty in
  // cells 0..3 go too. Hashing the four cells gives the same result as comparing each
  // row with every earlier one; the set holds row numbers, the cells stay in the grid.
  auto hashRow = [&list](int r) {
    std::size_t h = 0;
    for (int c = kColName; c <= kColZ; ++c) {
      h = h * 1000003u ^ std::hash<std::string_view>{}(list.Cell(c, r));
    }
    return h;
  };
  auto sameRow = [&list](int a, int b) {
    for (int c = kColName; c <= kColZ; ++c) {
      if (list.Cell(c, a) != list.Cell(c, b)) return false;
    }
    return true;
  };
  std::unordered_set<int, decltype(hashRow), decltype(sameRow)> seen(
      static_cast<std::size_t>(n) * 2, hashRow, sameRow);
  std::vector<int> kept;
  kept.reserve(static_cast<std::size_t>(n));
  for (int r = 1; r <= n; ++r) {
    bool empty = true;
    for (int c = kColName; c <= kColZ && empty; ++c) empty = list.Cell(c, r).empty();
    if (empty) continue;
    if (seen.insert(r).second) kept.push_back(r);
  }
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const int to = static_cast<int>(i) + 1;
    if (to != kept[i]) list.MutableRow(to) = std::move(list.MutableRow(kept[i]));
  }
  list.SetRowCount(1 + static_cast<int>(kept.size()));
  RenumberPlotNo(list);
}

}  // namespace vensa
