// Splitting point names into their text and their number ("A-12" -> "A-", "12").
#pragma once

#include <string>
#include <string_view>

namespace vensa {

struct TrailingNumber {
  std::string prefix;
  std::string digits;
  bool found = false;
};

// The trailing run of "0".."9" of the name and what stands before it.
TrailingNumber SplitTrailingNumber(std::string_view name);

struct NameNumber {
  std::string prefix;
  std::string number;
  std::string suffix;
};

// The last run of digits in the blank-trimmed name, with the text before and after it.
NameNumber SplitNameNumber(std::string_view name);

}  // namespace vensa
