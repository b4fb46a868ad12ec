// Golden-text checks for DXF output: the text is cut at CR LF and compared line by line,
// so a failure names the first line that differs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/coord_rows.h"
#include "tests/support/text_lines.h"

namespace vensa::testing {

using test::CoordListOf;
using test::CrLfLines;
using test::LinesAre;

// How often a line occurs among the pairs' group-code/value lines, e.g. entity kinds.
inline int CountLines(std::string_view text, std::string_view line) {
  int n = 0;
  for (const std::string& l : CrLfLines(text)) n += l == line;
  return n;
}

// The header lines every file starts with.
inline const std::vector<std::string>& HeaderLines() {
  static const std::vector<std::string> lines = {
      "  0",    "SECTION", "  2",          "HEADER",     "  9",      "$ACADVER", "  1",
      "AC1009", "  9",     "$DWGCODEPAGE", "  3",        "ANSI_932", "  0",      "ENDSEC",
      "  0",    "SECTION", "  2",          "TABLES",     "  0",      "TABLE",    "  2",
      "LTYPE",  " 70",     "  1",          "  0",        "LTYPE",    "  2",      "CONTINUOUS",
      " 70",    "  0",     "  3",          "Solid line", " 72",      " 65",      " 73",
      "  0",    " 40",     "0.0",          "  0",        "ENDTAB",   "  0",      "ENDSEC"};
  return lines;
}

}  // namespace vensa::testing
