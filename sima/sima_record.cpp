#include "sima/sima_record.h"

#include <cstring>

namespace vensa {

TextGrid MakeSimaList(int dataRows) {
  return TextGrid::WithHeaders(SimaListHeaders(), dataRows);
}

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

bool IsSimaPointCode(std::string_view code) {
  if (code.size() < 2 || code[0] != 'A') return false;
  const std::string_view number = code.substr(1, 2);
  int value = 0;
  for (char c : number) {
    if (!IsDigit(c)) return false;
    value = value * 10 + (c - '0');
  }
  return value >= 1 && value <= 98;
}

bool SplitSimaPointRecord(std::string_view line, SimaPointFields& fields) {
  // The code is checked first: most lines of a file that are no points fail here cheaply.
  const void* comma = std::memchr(line.data(), ',', line.size());
  if (comma == nullptr) return false;
  std::size_t end = static_cast<std::size_t>(static_cast<const char*>(comma) - line.data());
  if (!IsSimaPointCode(line.substr(0, end))) return false;
  fields[0] = line.substr(0, end);
  for (int f = 1; f < kSimaColumnCount; ++f) {
    // `end` is always the position of a comma here, so `start` stays inside the line.
    const std::size_t start = end + 1;
    const void* next = std::memchr(line.data() + start, ',', line.size() - start);
    if (next != nullptr) {
      end = static_cast<std::size_t>(static_cast<const char*>(next) - line.data());
    } else if (f == kSimaColumnCount - 1) {
      end = line.size();  // field 5 may end the line: six fields without a trailing comma
    } else {
      return false;  // fewer than six fields
    }
    fields[f] = line.substr(start, end - start);
  }
  return true;
}

}  // namespace vensa
