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

// Counts the changes it is told of, and checks each comes before the change.
struct CountingObserver : GridObserver {
  void BeforeChange(const TextGrid& grid) override {
    ++told;
    revisions.push_back(grid.Revision());
  }
  int told = 0;
  std::vector<std::uint64_t> revisions;  // as each change found the grid
};

TEST(TextGrid, EveryChangeRenewsTheRevisionAndTellsTheObserverFirst) {
  TextGrid grid(3, 4);
  CountingObserver observer;
  grid.SetObserver(&observer);
  TextGrid other(2, 3);
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
      [&other](TextGrid& g) { g = other; },
      [](TextGrid& g) {
        GridRows rows{2, 1, {"p", "q"}};
        g.ExchangeRows(1, 0, rows);
      },
      [](TextGrid& g) { TextGrid taken(std::move(g)); },
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const auto before = grid.Revision();
    const int told = observer.told;
    changes[i](grid);
    EXPECT_NE(grid.Revision(), before) << "change " << i;
    EXPECT_GT(observer.told, told) << "change " << i;
    EXPECT_EQ(observer.revisions[static_cast<std::size_t>(told)], before) << "change " << i;
    EXPECT_EQ(grid.Observer(), &observer) << "change " << i;
  }
  EXPECT_EQ(TextGrid(grid).Observer(), nullptr);
  other.SetObserver(&observer);
  TextGrid taken(std::move(other));  // the grid moved from is told, and left empty
  EXPECT_EQ(other.RowCount(), 0);
  EXPECT_EQ(taken.Observer(), nullptr);
  EXPECT_EQ(observer.revisions.back(), taken.Revision());
  grid.SetColCount(3);
  grid.SetRowCount(4);
  observer.told = 0;
  const auto before = grid.Revision();
  grid.current = {1, 1};
  grid.selection = {0, 0, 1, 1};
  grid.SwapRows(1, 1);
  EXPECT_EQ(grid.Revision(), before);
  EXPECT_EQ(TextGrid(grid).Revision(), before);
  EXPECT_EQ(observer.told, 0);
}

TEST(TextGrid, ExchangeRowsSwapsARangeWithRowsHeldApart) {
  struct Case {
    int first, count;
    GridRows rows;
    const char* column;  // column 0 of every row afterwards
    const char* given;   // column 0 of the rows given back
  };
  const Case cases[] = {
      {1, 2, {2, 2, {"x", "", "y", ""}}, "0xy3", "12"},
      {1, 1, {2, 3, {"x", "", "y", "", "z", ""}}, "0xyz23", "1"},
      {1, 3, {2, 1, {"x", ""}}, "0x", "123"},
      {4, 0, {2, 1, {"x", ""}}, "0123x", ""},
      {0, 4, {1, 2, {"x", "y"}}, "xy", "0123"},  // another width: every row
  };
  for (const Case& c : cases) {
    TextGrid grid(2, 4);
    for (int r = 0; r < 4; ++r) grid.SetCell(0, r, std::to_string(r));
    GridRows rows = c.rows;
    grid.ExchangeRows(c.first, c.count, rows);
    std::string column, given;
    for (int r = 0; r < grid.RowCount(); ++r) column += grid.Cell(0, r);
    for (int r = 0; r < rows.rowCount; ++r)
      given += rows.cells[static_cast<std::size_t>(r * rows.colCount)];
    EXPECT_EQ(column, c.column) << c.column;
    EXPECT_EQ(given, c.given) << c.column;
    EXPECT_EQ(rows.cells.size(), static_cast<std::size_t>(rows.rowCount * rows.colCount));
  }
  TextGrid grid(2, 4);
  GridRows narrow{1, 1, {"x"}};
  EXPECT_THROW(grid.ExchangeRows(1, 1, narrow), std::invalid_argument);
  EXPECT_THROW(grid.ExchangeRows(3, 2, narrow), std::out_of_range);
}

}  // namespace
}  // namespace vensa
