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
#include "core/large_block.h"
#include "core/point_name.h"

namespace vensa {
namespace {

// The trailing number of a name (0 when none or too long), shifted to be unsigned: the
// order of the numbers is the order of the keys.
std::uint32_t NumberKey(const TrailingNumber& split) {
  std::int32_t number = 0;
  const char* first = split.digits.data();
  const char* last = first + split.digits.size();
  if (std::from_chars(first, last, number).ec != std::errc()) number = 0;
  return static_cast<std::uint32_t>(number) ^ 0x80000000u;
}

// One key per data row: the rank of the name's prefix among the list's prefixes in UTF-16
// code-unit order above, its number key below. A list names its points with a few
// prefixes, so the prefixes are ordered once each and the rows compare one integer.
std::vector<std::uint64_t> NameKeys(const TextGrid& list) {
  std::vector<std::uint64_t> keys;
  keys.reserve(static_cast<std::size_t>(list.DataRowCount()));
  std::unordered_map<std::string, std::uint32_t> prefixIds;
  std::vector<std::u16string> prefixes;
  std::string lastPrefix;  // rows in a run share their prefix: it is not looked up again
  std::uint32_t lastId = 0;
  for (int r = 1; r < list.RowCount(); ++r) {
    const TrailingNumber split = SplitTrailingNumber(list.Cell(kColName, r));
    if (r == 1 || split.prefix != lastPrefix) {
      auto [it, added] =
          prefixIds.try_emplace(split.prefix, static_cast<std::uint32_t>(prefixes.size()));
      if (added) prefixes.push_back(Utf8ToUtf16(split.prefix));
      lastPrefix = split.prefix;
      lastId = it->second;
    }
    keys.push_back(std::uint64_t{lastId} << 32 | NumberKey(split));
  }
  std::vector<std::uint32_t> byText(prefixes.size());
  for (std::uint32_t i = 0; i < byText.size(); ++i) byText[i] = i;
  std::sort(byText.begin(), byText.end(),
            [&](std::uint32_t a, std::uint32_t b) { return prefixes[a] < prefixes[b]; });
  std::vector<std::uint64_t> rank(prefixes.size());
  for (std::uint32_t i = 0; i < byText.size(); ++i) rank[byText[i]] = i;
  for (std::uint64_t& key : keys) key = rank[key >> 32] << 32 | (key & 0xFFFFFFFFu);
  return keys;
}

std::vector<std::uint32_t> NumberKeys(const TextGrid& list) {
  std::vector<std::uint32_t> keys;
  keys.reserve(static_cast<std::size_t>(list.DataRowCount()));
  for (int r = 1; r < list.RowCount(); ++r) {
    keys.push_back(NumberKey(SplitTrailingNumber(list.Cell(kColName, r))));
  }
  return keys;
}

}  // namespace

void SortByName(TextGrid& list) {
  SortRowsByKeys(list, NameKeys(list), std::less<std::uint64_t>());
  RenumberPlotNo(list);
}

void SortByNumber(TextGrid& list) {
  SortRowsByKeys(list, NumberKeys(list), std::less<std::uint32_t>());
  RenumberPlotNo(list);
}

void RemoveRepeatedRows(TextGrid& list) {
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
  // The hashes of all rows first, so that the table's slot of a row some rows ahead is
  // fetched while a row is looked up (the table is megabytes, its slots far apart).
  constexpr int kAhead = 8;
  std::vector<std::uint64_t> hashes(static_cast<std::size_t>(n) + 1 + kAhead, 0);
  std::vector<bool> empty(static_cast<std::size_t>(n) + 1, true);
  for (int r = 1; r <= n; ++r) {
    bool blank = true;
    for (int c = kColName; c <= kColZ && blank; ++c) blank = list.Cell(c, r).empty();
    empty[static_cast<std::size_t>(r)] = blank;
    if (!blank) hashes[static_cast<std::size_t>(r)] = hashRow(r);
  }
  std::vector<int> kept;
  kept.reserve(static_cast<std::size_t>(n));
  for (int r = 1; r <= n; ++r) {
    PrefetchForWrite(&seen[hashes[static_cast<std::size_t>(r + kAhead)] & (slots - 1)]);
    if (empty[static_cast<std::size_t>(r)]) continue;
    const std::uint64_t h = hashes[static_cast<std::size_t>(r)];
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
