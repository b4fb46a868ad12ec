#include "core/text_grid.h"

#include <functional>
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

TEST(TextGrid, EveryChangeRenewsTheRevisionAndMovingTheCursorDoesNot) {
  TextGrid grid(3, 4);
  const std::vector<std::function<void(TextGrid&)>> changes = {
      [](TextGrid& g) { g.SetCell(1, 1, "x"); },
      [](TextGrid& g) { g.SetRowCount(6); },
      [](TextGrid& g) { g.SetColCount(4); },
      [](TextGrid& g) { g.MutableRow(2)[0] = "y"; },
      [](TextGrid& g) { g.SwapRows(1, 2); },
      [](TextGrid& g) { g.MoveRow(1, 3); },
      [](TextGrid& g) {
        g.ReorderDataRows({2, 1, 3, 4, 5});
      },
      [](TextGrid& g) { g.InsertRows(1, 2); },
      [](TextGrid& g) { g.EraseRows(1, 2); },
      [](TextGrid& g) { g = TextGrid(2, 2); },
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const auto before = grid.Revision();
    changes[i](grid);
    EXPECT_NE(grid.Revision(), before) << "change " << i;
  }
  const auto before = grid.Revision();
  grid.current = {1, 1};
  grid.selection = {0, 0, 1, 1};
  grid.SwapRows(1, 1);
  EXPECT_EQ(grid.Revision(), before);
  EXPECT_EQ(TextGrid(grid).Revision(), before);
}

}  // namespace
}  // namespace vensa
