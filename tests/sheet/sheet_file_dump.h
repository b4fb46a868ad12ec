// A file worksheet as one line of text, so a test states every cell it expects at once:
// "1:1=P1; 1:2#10.5" (row:column, "=" for text, "#" for a number in the general form).
#pragma once

#include <string>

#include "core/number_format.h"
#include "sheet/file/file_worksheet.h"

namespace vensa::test {

inline std::string DumpCells(const FileWorksheet& sheet) {
  std::string out;
  for (const auto& [at, value] : sheet.Cells()) {
    if (!out.empty()) out += "; ";
    out += std::to_string(at.first) + ":" + std::to_string(at.second);
    out += value.IsNumber() ? "#" + FormatG15(value.AsNumber()) : "=" + value.AsText();
  }
  return out;
}

}  // namespace vensa::test
