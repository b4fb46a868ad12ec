#include "core/text_grid.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace vensa {
namespace {

TEST(TextGrid, RowsCutOffAreGoneAndNewRowsStartEmpty) {
  TextGrid grid = TextGrid::WithHeaders({" a", " b"}, 3);
  grid.SetCell(1, 3, "kept?");
  grid.SetRowCount(2);
  EXPECT_EQ(grid.DataRowCount(), 1);
  grid.SetRowCount(4);
  EXPECT_EQ(grid.Cell(1, 3), "");
  EXPECT_EQ(grid.Cell(0, 0), " a");
}

TEST(TextGrid, ReadingOutsideIsEmptyWritingOutsideThrows) {
  TextGrid grid(2, 2);
  EXPECT_EQ(grid.Cell(5, 5), "");
  EXPECT_EQ(grid.Cell(-1, 0), "");
  EXPECT_THROW(grid.SetCell(2, 0, "x"), std::out_of_range);
  EXPECT_THROW(grid.SetCell(0, 2, "x"), std::out_of_range);
}

TEST(TextGrid, CursorStaysInsideWhenTheGridShrinks) {
  TextGrid grid(5, 10);
  grid.current = {4, 9};
  grid.selection = {1, 2, 4, 9};
  grid.SetRowCount(3);
  EXPECT_EQ(grid.current, (GridCoord{4, 2}));
  EXPECT_EQ(grid.selection, (GridRect{1, 2, 4, 2}));
  grid.SetColCount(2);
  EXPECT_EQ(grid.current.col, 1);
}

TEST(TextGrid, InsertAndEraseRowsMoveWholeRows) {
  TextGrid grid(1, 4);
  for (int r = 0; r < 4; ++r) grid.SetCell(0, r, std::to_string(r));
  grid.InsertRows(2, 2);
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.Cell(0, 2), "");
  EXPECT_EQ(grid.Cell(0, 4), "2");
  grid.EraseRows(1, 3);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(0, 1), "2");
  grid.SwapRows(1, 2);
  EXPECT_EQ(grid.Cell(0, 1), "3");
}

}  // namespace
}  // namespace vensa
