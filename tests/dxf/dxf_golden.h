// Golden-text checks for DXF output: the text is cut at CR LF and compared line by line,
// so a failure names the first line that differs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/coord_list.h"
#include "core/text_grid.h"

namespace vensa::testing {

// The lines of a DXF text. Every line must end in CR LF; a lone CR or LF, or a last line
// without its CR LF, is a failure of the test that asked.
inline std::vector<std::string> DxfLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      start = i + 2;
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      ADD_FAILURE() << "lone line break in line " << lines.size() + 1;
    }
  }
  if (start != text.size()) ADD_FAILURE() << "the last line has no CR LF";
  return lines;
}

// Lines [from, from + expected.size()) of the text against the expected lines; with
// `whole`, the text must also end there.
inline ::testing::AssertionResult LinesAre(std::string_view text,
                                           const std::vector<std::string>& expected,
                                           std::size_t from = 0, bool whole = true) {
  const std::vector<std::string> lines = DxfLines(text);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (from + i >= lines.size()) {
      return ::testing::AssertionFailure()
             << "text ends after line " << lines.size() << ", expected line " << from + i + 1
             << " \"" << expected[i] << "\"";
    }
    if (lines[from + i] != expected[i]) {
      return ::testing::AssertionFailure()
             << "line " << from + i + 1 << ": expected \"" << expected[i] << "\", got \""
             << lines[from + i] << "\"";
    }
  }
  if (whole && lines.size() != from + expected.size()) {
    return ::testing::AssertionFailure()
           << "text has " << lines.size() << " lines, expected " << from + expected.size()
           << "; line " << from + expected.size() + 1 << " is \"" << lines[from + expected.size()]
           << "\"";
  }
  return ::testing::AssertionSuccess();
}

// A coordinate list with the given rows (name, X, Y, Z), PLOT No. numbered 1 .. n.
inline TextGrid ListOf(const std::vector<std::vector<std::string>>& rows) {
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      list.SetCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
    }
  }
  RenumberPlotNo(list);
  return list;
}

// How often a line occurs among the pairs' group-code/value lines, e.g. entity kinds.
inline int CountLines(std::string_view text, std::string_view line) {
  int n = 0;
  for (const std::string& l : DxfLines(text)) n += l == line;
  return n;
}

// The header lines every file starts with.
inline const std::vector<std::string>& HeaderLines() {
  static const std::vector<std::string> lines = {
      "  0", "SECTION", "  2", "HEADER",     "  9", "$ACADVER", "  1", "AC1009",
      "  0", "ENDSEC",  "  0", "SECTION",    "  2", "TABLES",   "  0", "TABLE",
      "  2", "LTYPE",   " 70", "  1",        "  0", "LTYPE",    "  2", "CONTINUOUS",
      " 70", "  0",     "  3", "Solid line", " 72", " 65",      " 73", "  0",
      " 40", "0.0",     "  0", "ENDTAB",     "  0", "ENDSEC"};
  return lines;
}

}  // namespace vensa::testing
