#include "core/list_sort.h"

#include <gtest/gtest.h>

#include "core/coord_list.h"
#include "tests/support/coord_rows.h"

namespace vensa {
namespace {

using Row = std::vector<std::string>;

using test::CoordListOf;

std::vector<std::string> Column(const TextGrid& list, int col) {
  std::vector<std::string> cells;
  for (int r = 1; r < list.RowCount(); ++r) cells.push_back(list.Cell(col, r));
  return cells;
}

using Texts = std::vector<std::string>;

TEST(SortByName, SortsByPrefixThenNumberAsNumber) {
  TextGrid list = CoordListOf({{"A10"}, {"B2"}, {"A2"}, {"A"}, {"12"}, {"P2147483648"}, {"P1"}});
  SortByName(list);
  // "P2147483648" has a number too long for 32 bits: it counts as 0.
  EXPECT_EQ(Column(list, kColName), (Texts{"12", "A", "A2", "A10", "B2", "P2147483648", "P1"}));
  EXPECT_EQ(Column(list, kColPlotNo), (Texts{"1", "2", "3", "4", "5", "6", "7"}));
}

TEST(SortByName, EqualKeysEndInTheOrderTheExchangesLeave) {
  TextGrid list = CoordListOf({{"P2", "1"}, {"P2", "2"}, {"P1", "3"}});
  SortByName(list);
  EXPECT_EQ(Column(list, kColName), (Texts{"P1", "P2", "P2"}));
  EXPECT_EQ(Column(list, kColX), (Texts{"3", "2", "1"}));  // whole rows moved
}

TEST(SortByName, PrefixesCompareByCodeUnitsAndCase) {
  TextGrid list = CoordListOf({{"b1"}, {"B1"}, {"測点1"}, {"A 1"}, {"A1"}});
  SortByName(list);
  // "A" is the start of "A " and sorts first.
  EXPECT_EQ(Column(list, kColName), (Texts{"A1", "A 1", "B1", "b1", "測点1"}));
}

TEST(SortByNumber, SortsByTheTrailingNumberAlone) {
  TextGrid list = CoordListOf({{"B3", "b3"}, {"A1", "a1"}, {"C2", "c2"}, {"X", "x"}});
  SortByNumber(list);
  EXPECT_EQ(Column(list, kColName), (Texts{"X", "A1", "C2", "B3"}));
  EXPECT_EQ(Column(list, kColX), (Texts{"x", "a1", "c2", "b3"}));
  EXPECT_EQ(Column(list, kColPlotNo), (Texts{"1", "2", "3", "4"}));
}

TEST(RemoveRepeatedRows, KeepsTheFirstOfRepeatedRowsAndDropsEmptyOnes) {
  TextGrid list = CoordListOf({{"A", "1", "2", "3", "9"},
                               {"B", "4", "5", "6"},
                               {"A", "1", "2", "3", "7"},
                               {"", "", "", "", "5"},
                               {"A", "1", "2", "3.0"}});
  RemoveRepeatedRows(list);
  ASSERT_EQ(list.DataRowCount(), 3);
  EXPECT_EQ(Column(list, kColName), (Texts{"A", "B", "A"}));
  EXPECT_EQ(Column(list, kColZ), (Texts{"3", "6", "3.0"}));
  EXPECT_EQ(Column(list, kColPlotNo), (Texts{"1", "2", "3"}));
}

TEST(RemoveRepeatedRows, CellsAreComparedWholeNotJoined) {
  // "A,B" + "" and "A" + ",B" must not look alike however the cells are keyed.
  TextGrid list = CoordListOf({{"A1", "2"}, {"A", "12"}, {"A1:", "2"}, {"A1", ":2"}});
  RemoveRepeatedRows(list);
  EXPECT_EQ(list.DataRowCount(), 4);
}

TEST(RemoveRepeatedRows, AllEmptyListKeepsOnlyTheHeader) {
  TextGrid list = MakeCoordList();
  RemoveRepeatedRows(list);
  EXPECT_EQ(list.RowCount(), 1);
  EXPECT_EQ(list.Cell(0, 0), " 測点");
  // Growing it again gives empty rows.
  list.SetRowCount(3);
  EXPECT_EQ(list.Cell(kColPlotNo, 2), "");
}

TEST(RemoveRepeatedRows, SingleRowIsOnlyRenumbered) {
  TextGrid list = CoordListOf({{"", "", "", "", "x"}});
  RemoveRepeatedRows(list);
  EXPECT_EQ(list.DataRowCount(), 1);
  EXPECT_EQ(list.Cell(kColPlotNo, 1), "1");
}

TEST(CoordList, InUseNeedsTheXCellOfRowOne) {
  TextGrid list = MakeCoordList();
  EXPECT_EQ(list.RowCount(), 5);
  EXPECT_FALSE(IsListInUse(list));
  list.SetCell(kColY, 1, "5");
  EXPECT_FALSE(IsListInUse(list));
  list.SetCell(kColX, 1, "x");  // any text counts, even no number
  EXPECT_TRUE(IsListInUse(list));
  list.SetRowCount(1);
  EXPECT_FALSE(IsListInUse(list));
}

}  // namespace
}  // namespace vensa
