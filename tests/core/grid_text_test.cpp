#include "core/grid_text.h"

#include <sstream>

#include <gtest/gtest.h>

namespace vensa {
namespace {

TEST(GridClipboardText, RowsEndInCrLfCellsJoinedByTab) {
  TextGrid grid(3, 3);
  grid.SetCell(0, 1, "P1");
  grid.SetCell(1, 1, "10");
  grid.SetCell(2, 1, "20");
  grid.SetCell(0, 2, "P2");
  EXPECT_EQ(GridClipboardText(grid, {0, 1, 2, 2}), "P1\t10\t20\r\nP2\t\t\r\n");
  EXPECT_EQ(GridClipboardText(grid, {1, 1, 1, 1}), "10\r\n");
}

// A name typed with TABs or line breaks (a quoted CSV cell, Alt+Enter in a spreadsheet)
// stays one field of one row.
TEST(GridClipboardText, TabsAndLineBreaksInsideACellBecomeBlanks) {
  TextGrid grid(2, 2);
  grid.SetCell(0, 1, "A\tB\r\nC\rD\nE");
  grid.SetCell(1, 1, "10");
  EXPECT_EQ(GridClipboardText(grid, {0, 1, 1, 1}), "A B C D E\t10\r\n");
  std::ostringstream out;
  EXPECT_EQ(WriteGridClipboardText(grid, {0, 1, 1, 1}, out), 1u);
  EXPECT_EQ(out.str(), "A B C D E\t10\r\n");
}

TEST(ParseGridClipboardText, OnlyLinesEndedByCrLfCount) {
  using Lines = std::vector<std::vector<std::string>>;
  EXPECT_EQ(ParseGridClipboardText("a\tb\r\n\r\nc\r\nlost"), (Lines{{"a", "b"}, {""}, {"c"}}));
  EXPECT_EQ(ParseGridClipboardText("no line end"), Lines{});
  EXPECT_EQ(ParseGridClipboardText("a\nb\r\n"), (Lines{{"a\nb"}}));
  EXPECT_EQ(ParseGridClipboardText(" x \t\r\n"), (Lines{{" x ", ""}}));
  EXPECT_EQ(ParseGridClipboardText(std::string("a\r\nb\0\r\n", 7)), Lines{}) << "binary";
}

}  // namespace
}  // namespace vensa
