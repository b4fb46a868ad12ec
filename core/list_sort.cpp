#include "core/list_sort.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/coord_list.h"
#include "core/encoding.h"
#include "core/point_name.h"

namespace vensa {
namespace {

// The sort keys of the rows, computed once: the rank of the name's prefix among the
// list's prefixes in UTF-16 code-unit order, and its trailing number (0 when none or too
// long). A list names its points with a few prefixes, so the prefixes are ordered once
// each and the rows compare two integers.
struct NameKeys {
  std::vector<std::uint32_t> prefixRank;
  std::vector<std::int32_t> number;
};

NameKeys KeysOf(const TextGrid& list) {
  const std::size_t n = static_cast<std::size_t>(list.DataRowCount());
  NameKeys keys;
  keys.prefixRank.reserve(n);
  keys.number.reserve(n);
  std::unordered_map<std::string, std::uint32_t> prefixIds;
  std::vector<std::u16string> prefixes;
  for (int r = 1; r < list.RowCount(); ++r) {
    const TrailingNumber split = SplitTrailingNumber(list.Cell(kColName, r));
    auto [it, added] =
        prefixIds.try_emplace(split.prefix, static_cast<std::uint32_t>(prefixes.size()));
    if (added) prefixes.push_back(Utf8ToUtf16(split.prefix));
    keys.prefixRank.push_back(it->second);
    std::int32_t number = 0;
    const char* first = split.digits.data();
    const char* last = first + split.digits.size();
    if (std::from_chars(first, last, number).ec != std::errc()) number = 0;
    keys.number.push_back(number);
  }
  std::vector<std::uint32_t> byText(prefixes.size());
  for (std::uint32_t i = 0; i < byText.size(); ++i) byText[i] = i;
  std::sort(byText.begin(), byText.end(),
            [&](std::uint32_t a, std::uint32_t b) { return prefixes[a] < prefixes[b]; });
  std::vector<std::uint32_t> rank(prefixes.size());
  for (std::uint32_t i = 0; i < byText.size(); ++i) rank[byText[i]] = i;
  for (std::uint32_t& id : keys.prefixRank) id = rank[id];
  return keys;
}

}  // namespace

void N10Click(TextGrid& list) {
  NameKeys keys = KeysOf(list);
  // Prefix rank above, the number (shifted to be unsigned) below: one integer per row.
  std::vector<std::uint64_t> combined(keys.number.size());
  for (std::size_t i = 0; i < combined.size(); ++i) {
    const auto number = static_cast<std::uint32_t>(keys.number[i]) ^ 0x80000000u;
    combined[i] = std::uint64_t{keys.prefixRank[i]} << 32 | number;
  }
  keys = NameKeys{};
  SortRowsByKeys(list, std::move(combined), std::less<std::uint64_t>());
  RenumberPlotNo(list);
}

void N15Click(TextGrid& list) {
  std::vector<std::int32_t> numbers = std::move(KeysOf(list).number);
  SortRowsByKeys(list, std::move(numbers), std::less<std::int32_t>());
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
  // row with every earlier one. The rows kept so far are found through a table of their
  // numbers with a part of their hash, open addressed (one block, no node per row); the
  // cells stay in the grid.
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
  struct Slot {
    std::uint32_t hash;
    std::int32_t row;  // 0: free
  };
  std::size_t slots = 16;
  while (slots < static_cast<std::size_t>(n) * 2) slots *= 2;
  std::vector<Slot> seen(slots, Slot{0, 0});
  std::vector<int> kept;
  kept.reserve(static_cast<std::size_t>(n));
  for (int r = 1; r <= n; ++r) {
    bool empty = true;
    for (int c = kColName; c <= kColZ && empty; ++c) empty = list.Cell(c, r).empty();
    if (empty) continue;
    const std::uint64_t h = hashRow(r);
    const auto tag = static_cast<std::uint32_t>(h >> 32 ^ h);
    std::size_t at = static_cast<std::size_t>(h) & (slots - 1);
    bool repeated = false;
    for (; seen[at].row != 0; at = (at + 1) & (slots - 1)) {
      if (seen[at].hash == tag && sameRow(seen[at].row, r)) {
        repeated = true;
        break;
      }
    }
    if (repeated) continue;
    seen[at] = Slot{tag, r};
    kept.push_back(r);
  }
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const int to = static_cast<int>(i) + 1;
    list.MoveRow(kept[i], to);
  }
  list.SetRowCount(1 + static_cast<int>(kept.size()));
  RenumberPlotNo(list);
}

}  // namespace vensa
