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
    if (end == line.size()) {
      // The line ended after field f - 1: five fields are a point without height.
      if (f < kSimaColZ) return false;
      fields[f] = {};
      return true;
    }
    // `end` is the position of a comma here, so `start` stays inside the line.
    const std::size_t start = end + 1;
    const void* next = std::memchr(line.data() + start, ',', line.size() - start);
    end = next != nullptr ? static_cast<std::size_t>(static_cast<const char*>(next) - line.data())
                          : line.size();
    fields[f] = line.substr(start, end - start);
  }
  return true;
}

std::string_view SimaField(std::string_view line, int index) {
  std::size_t start = 0;
  for (int f = 0; f < index; ++f) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  return line.substr(start, line.find(',', start) - start);
}

}  // namespace vensa
