#include "core/point_name.h"

#include "core/text.h"

namespace vensa {
namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

TrailingNumber SplitTrailingNumber(std::string_view name) {
  std::size_t b = name.size();
  while (b > 0 && IsDigit(name[b - 1])) --b;
  TrailingNumber r;
  r.prefix = std::string(name.substr(0, b));
  r.digits = std::string(name.substr(b));
  r.found = b < name.size();
  return r;
}

NameNumber SplitNameNumber(std::string_view name) {
  const std::string_view trimmed = TrimBlanks(name);
  std::size_t e = trimmed.size();
  while (e > 0 && !IsDigit(trimmed[e - 1])) --e;
  NameNumber r;
  if (e == 0) {
    r.suffix = std::string(trimmed);
    return r;
  }
  std::size_t b = e - 1;
  while (b > 0 && IsDigit(trimmed[b - 1])) --b;
  r.prefix = std::string(trimmed.substr(0, b));
  r.number = std::string(trimmed.substr(b, e - b));
  r.suffix = std::string(trimmed.substr(e));
  return r;
}

}  // namespace vensa
