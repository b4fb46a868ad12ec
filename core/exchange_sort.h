// The list sorts' exchange sort: for each position i in turn, the item held there is
// compared with every later item, and the two change places at once when the later one
// sorts before the held one. Items that sort alike end in exactly the order these
// exchanges leave them (not stable: keys 1, 1, 0 end 0, then the second 1, then the
// first), and users see that order, so it must come out the same however it is computed.
//
// Done literally that costs n(n-1)/2 comparisons, seconds for a list of 20,000 points.
// The result is computed instead, in O(n log n):
// - Items end sorted; only the order within each run of alike items is in question.
// - The order of the items of one key k depends only on where items sorting before k
//   stand between them ("smaller" items), not on anything else: in a pass, an item of
//   key k moves only when no smaller or alike item precedes it in the unsorted part, and
//   then to the place of the next smaller item, jumping the alike items in between.
// - Walking the original order, the alike items so far form a ring read from a head:
//   each alike item joins at the end, and each smaller item turns the ring by one (its
//   first item goes to the end). The ring read from its head at the end is the order.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <numeric>
#include <type_traits>
#include <utility>
#include <vector>

namespace vensa {

namespace exchange_sort_detail {

// Counts of marked slots with prefix sums (a Fenwick tree).
class SlotCounts {
 public:
  explicit SlotCounts(std::size_t n) : tree_(n + 1, 0) {}
  void Mark(std::size_t slot, int delta = 1) {
    for (std::size_t i = slot + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
  }
  // Marked slots in [0, end).
  int CountBelow(std::size_t end) const {
    int sum = 0;
    for (std::size_t i = end; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
  }
  // The slot holding the k-th mark (0-based); the marks must be ones.
  std::size_t FindMark(int k) const {
    std::size_t pos = 0;
    std::size_t step = 1;
    while (step * 2 < tree_.size()) step *= 2;
    for (; step > 0; step /= 2) {
      if (pos + step < tree_.size() && tree_[pos + step] <= k) {
        pos += step;
        k -= tree_[pos];
      }
    }
    return pos;
  }

 private:
  std::vector<int> tree_;
};

// The order the exchanges leave the alike items at `positions` (ascending) in, given the
// number of smaller items after each of them up to the next one (`turns`), appended to
// `out`.
inline void AppendRingOrder(const std::vector<std::size_t>& positions,
                            const std::vector<std::size_t>& turns, std::vector<std::size_t>& out) {
  const std::size_t m = positions.size();
  // The ring kept as a list with a head index: joining at the end is an insertion before
  // the head (an append while the head is 0). `insert(t, at)` is told each insertion; the
  // head at the end comes back.
  auto ring = [&](auto insert) {
    std::size_t head = 0;
    for (std::size_t t = 0; t < m; ++t) {
      insert(t, head == 0 ? t : head++);
      head = (head + turns[t]) % (t + 1);
    }
    return head;
  };
  const std::size_t first = out.size();
  out.resize(first + m);
  const auto list = out.begin() + static_cast<std::ptrdiff_t>(first);
  std::size_t head = 0;
  constexpr std::size_t kShortRing = 32;
  if (m <= kShortRing) {
    // A short ring (a name listed a few times) is built by inserting.
    head = ring([&](std::size_t t, std::size_t at) {
      std::move_backward(list + static_cast<std::ptrdiff_t>(at),
                         list + static_cast<std::ptrdiff_t>(t),
                         list + static_cast<std::ptrdiff_t>(t + 1));
      list[static_cast<std::ptrdiff_t>(at)] = positions[t];
    });
  } else {
    // A long one from the insertion places, the last insertion taking its place first.
    std::vector<std::size_t> insertAt(m);
    head = ring([&](std::size_t t, std::size_t at) { insertAt[t] = at; });
    SlotCounts free(m);
    for (std::size_t s = 0; s < m; ++s) free.Mark(s);
    for (std::size_t t = m; t-- > 0;) {
      const std::size_t slot = free.FindMark(static_cast<int>(insertAt[t]));
      free.Mark(slot, -1);
      list[static_cast<std::ptrdiff_t>(slot)] = positions[t];
    }
  }
  std::rotate(list, list + static_cast<std::ptrdiff_t>(head), out.end());
}

// The positions of unsigned keys in ascending order of key, equal keys in position order:
// a byte at a time from the lowest, each pass a stable counting sort of the positions,
// passes over bytes all keys share left out (a list's names share most of theirs).
template <typename T>
std::vector<std::size_t> StablePositionsByKey(const std::vector<T>& keys) {
  const std::size_t n = keys.size();
  std::vector<std::size_t> positions(n);
  std::iota(positions.begin(), positions.end(), 0);
  std::vector<std::size_t> sorted(n);
  for (std::size_t byte = 0; byte < sizeof(T); ++byte) {
    const unsigned shift = static_cast<unsigned>(byte * 8);
    auto digit = [&](std::size_t p) { return static_cast<std::size_t>((keys[p] >> shift) & 0xFF); };
    std::array<std::size_t, 257> start{};
    for (std::size_t p = 0; p < n; ++p) ++start[digit(p) + 1];
    if (std::find(start.begin() + 1, start.end(), n) != start.end()) continue;
    for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    for (std::size_t p : positions) sorted[start[digit(p)]++] = p;
    positions.swap(sorted);
  }
  return positions;
}

}  // namespace exchange_sort_detail

// The order the exchange sort leaves `items` in: element i is the position in `items` of
// the item that ends at place i. `before(a, b)` is a strict weak order ("a sorts before b").
template <typename T, typename Before>
std::vector<std::size_t> ExchangeSortOrder(const std::vector<T>& items, Before before) {
  using namespace exchange_sort_detail;
  const std::size_t n = items.size();
  std::vector<std::size_t> order;
  if (n < 2) {
    if (n == 1) order.push_back(0);
    return order;
  }
  // Original positions grouped by key, the groups in sorted order, each ascending.
  std::vector<std::size_t> byKey;
  if constexpr (std::is_unsigned_v<T> && std::is_same_v<Before, std::less<T>>) {
    byKey = StablePositionsByKey(items);
  } else {
    byKey.resize(n);
    std::iota(byKey.begin(), byKey.end(), 0);
    std::stable_sort(byKey.begin(), byKey.end(),
                     [&](std::size_t a, std::size_t b) { return before(items[a], items[b]); });
  }

  order.reserve(n);
  SlotCounts smaller(n);  // the positions of the groups already placed
  std::vector<std::size_t> positions;
  std::vector<std::size_t> turns;
  for (std::size_t first = 0; first < n;) {
    std::size_t last = first + 1;
    while (last < n && !before(items[byKey[first]], items[byKey[last]])) ++last;
    positions.assign(byKey.begin() + static_cast<std::ptrdiff_t>(first),
                     byKey.begin() + static_cast<std::ptrdiff_t>(last));
    turns.resize(positions.size());
    for (std::size_t t = 0; t < positions.size(); ++t) {
      const std::size_t end = t + 1 < positions.size() ? positions[t + 1] : n;
      turns[t] =
          static_cast<std::size_t>(smaller.CountBelow(end) - smaller.CountBelow(positions[t] + 1));
    }
    AppendRingOrder(positions, turns, order);
    for (std::size_t p : positions) smaller.Mark(p);
    first = last;
  }
  return order;
}

// Sorts `items` in place, as ExchangeSortOrder orders them.
template <typename T, typename Before>
void ExchangeSort(std::vector<T>& items, Before before) {
  if (items.size() < 2) return;
  const std::vector<std::size_t> order = ExchangeSortOrder(items, before);
  std::vector<T> sorted;
  sorted.reserve(items.size());
  for (std::size_t p : order) sorted.push_back(std::move(items[p]));
  items = std::move(sorted);
}

}  // namespace vensa
