// The plot range ("1-3,6,7", "9-", "-4"): which list rows a plot draws as points,
// circles and labels, and which rows the grid shows greyed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vensa {

// The text cut at every ","; k commas give k + 1 items, empty ones included, untrimmed.
void SplitCommaList(std::string_view text, std::vector<std::string>& items);
std::vector<std::string> SplitCommaList(std::string_view text);

// Whether row number n is selected by the range text. An empty text selects every n.
bool InPlotRange(std::string_view rangeText, std::int32_t n);

// The range parsed once, for testing many rows against the same text.
class PlotRange {
 public:
  explicit PlotRange(std::string_view rangeText);
  bool Contains(std::int32_t n) const;

 private:
  struct Item {
    std::int32_t lo;  // inclusive
    std::int32_t hi;  // inclusive
  };
  bool all_ = false;
  std::vector<Item> items_;
};

}  // namespace vensa
