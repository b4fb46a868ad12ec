#include "core/plot_range.h"

#include <algorithm>
#include <limits>

#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

void SplitCommaList(std::string_view text, std::vector<std::string>& items) {
  items.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) {
      items.emplace_back(text.substr(start));
      return;
    }
    items.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
}

std::vector<std::string> SplitCommaList(std::string_view text) {
  std::vector<std::string> items;
  SplitCommaList(text, items);
  return items;
}

namespace {

// A single number selects n only when written exactly as the decimal text of n: digits
// only, no sign, no leading zero, no blanks.
bool IsPlainDecimal(std::string_view item) {
  if (item.empty() || item.front() == '0') return false;
  return std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

PlotRange::PlotRange(std::string_view rangeText) {
  if (rangeText.empty()) {
    all_ = true;
    return;
  }
  std::string text(rangeText);
  std::replace(text.begin(), text.end(), ';', ',');
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  for (const std::string& raw : SplitCommaList(text)) {
    const std::string_view item = TrimBlanks(raw);
    const std::size_t dash = item.find('-');
    if (dash != std::string_view::npos) {
      const std::int32_t lo = ReadIntegerCell(TrimBlanks(item.substr(0, dash)));
      const std::int32_t hi = ReadIntegerCell(TrimBlanks(item.substr(dash + 1)));
      if (lo > 0 && hi > lo) {
        items_.push_back({lo, hi});
      } else if (lo > 0) {
        items_.push_back({lo, kMax});
      } else if (hi > 0) {
        items_.push_back({1, hi});
      }
    } else if (IsPlainDecimal(raw)) {
      if (const auto n = TryReadInteger(raw)) items_.push_back({*n, *n});
    }
  }
}

bool PlotRange::Contains(std::int32_t n) const {
  if (all_) return true;
  if (n <= 0) return false;
  return std::any_of(items_.begin(), items_.end(),
                     [n](const Item& i) { return n >= i.lo && n <= i.hi; });
}

bool InPlotRange(std::string_view rangeText, std::int32_t n) {
  return PlotRange(rangeText).Contains(n);
}

}  // namespace vensa
