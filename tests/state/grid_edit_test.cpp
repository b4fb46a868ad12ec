#include "state/grid_edit.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/sim/sim_clipboard.h"
#include "state/coord_list_view.h"

namespace vensa {
namespace {

using Rows = std::vector<std::string>;  // data rows, cells joined by '|'

// A five-column list whose data rows are given; the header row is "h0".."h4".
TextGrid ListOf(const Rows& rows) {
  TextGrid grid(5, static_cast<int>(rows.size()) + 1);
  for (int c = 0; c < 5; ++c) grid.SetCell(c, 0, "h" + std::to_string(c));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    std::stringstream cells(rows[r]);
    std::string cell;
    for (int c = 0; c < 5 && std::getline(cells, cell, '|'); ++c) grid.SetCell(c, r + 1, cell);
  }
  return grid;
}

Rows DataRows(const TextGrid& grid) {
  Rows rows;
  for (int r = 1; r < grid.RowCount(); ++r) {
    std::string row;
    for (int c = 0; c < grid.ColCount(); ++c) row += (c ? "|" : "") + grid.Cell(c, r);
    while (row.size() >= 1 && row.back() == '|') row.pop_back();
    rows.push_back(row);
  }
  return rows;
}

Rows Numbered(int count, const char* prefix) {
  Rows rows;
  for (int i = 1; i <= count; ++i) rows.push_back(prefix + std::to_string(i));
  return rows;
}

struct KeyCase {
  const char* what;
  Rows before;
  GridRect selection;  // the current cell is its top-left cell
  GridKey key;
  KeyModifiers modifiers;
  std::string clipboardIn;
  Rows after;
  std::string clipboardOut;
  bool consumed;
};

class HandleGridKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(HandleGridKeyTest, EditsTheGridAsTheKeySays) {
  const KeyCase& c = GetParam();
  TextGrid grid = ListOf(c.before);
  grid.selection = c.selection;
  grid.current = {c.selection.left, c.selection.top};
  SimClipboard clipboard;
  clipboard.SetText(c.clipboardIn);
  EXPECT_EQ(HandleGridKey(grid, c.key, c.modifiers, clipboard), c.consumed);
  EXPECT_EQ(DataRows(grid), c.after);
  EXPECT_EQ(clipboard.GetText(), c.clipboardOut);
}

const KeyModifiers kShift{true, false};
const KeyModifiers kCtrl{false, true};
const KeyModifiers kNone{};
const std::string kTwoLines = "p|q\r\nr|s\r\n";

INSTANTIATE_TEST_SUITE_P(Keys, HandleGridKeyTest,
                         ::testing::Values(KeyCase{"ShiftDeleteMovesLaterRowsUp",
                                                   {"a", "b", "c", "d"},
                                                   {0, 2, 0, 2},
                                                   GridKey::Delete,
                                                   kShift,
                                                   "",
                                                   {"a", "c", "d"},
                                                   "",
                                                   false},
                                           KeyCase{"ShiftDeleteKeepsTheOnlyRow",
                                                   {"a|1"},
                                                   {0, 1, 0, 1},
                                                   GridKey::Delete,
                                                   kShift,
                                                   "",
                                                   {"a|1"},
                                                   "",
                                                   false},
                                           KeyCase{"ShiftInsertOpensAnEmptyRow",
                                                   {"a", "b", "c", "d"},
                                                   {1, 3, 1, 3},
                                                   GridKey::Insert,
                                                   kShift,
                                                   "",
                                                   {"a", "b", "", "c", "d"},
                                                   "",
                                                   false},
                                           KeyCase{"InsertAloneDoesNothing",
                                                   {"a"},
                                                   {0, 1, 0, 1},
                                                   GridKey::Insert,
                                                   kNone,
                                                   "",
                                                   {"a"},
                                                   "",
                                                   false},
                                           KeyCase{"DeleteEmptiesTheCellAndLeavesTheKey",
                                                   {"a|b"},
                                                   {1, 1, 1, 1},
                                                   GridKey::Delete,
                                                   kNone,
                                                   "",
                                                   {"a"},
                                                   "",
                                                   false},
                                           KeyCase{"DeleteEmptiesTheBlock",
                                                   {"a|b|c", "d|e|f"},
                                                   {1, 1, 2, 2},
                                                   GridKey::Delete,
                                                   kNone,
                                                   "",
                                                   {"a", "d"},
                                                   "",
                                                   true},
                                           KeyCase{"CtrlCCopiesTheBlock",
                                                   {"a|b|c|z", "d|e|f|z"},
                                                   {0, 1, 2, 2},
                                                   GridKey::C,
                                                   kCtrl,
                                                   "",
                                                   {"a|b|c|z", "d|e|f|z"},
                                                   "a\tb\tc\r\nd\te\tf\r\n",
                                                   true},
                                           KeyCase{"CtrlXCutsTheBlock",
                                                   {"a|b", "c|d"},
                                                   {1, 1, 1, 2},
                                                   GridKey::X,
                                                   kCtrl,
                                                   "",
                                                   {"a", "c"},
                                                   "b\r\nd\r\n",
                                                   true},
                                           KeyCase{"CtrlVRepeatsDownTheSelectedRows",
                                                   Numbered(10, "n"),
                                                   {0, 1, 0, 5},
                                                   GridKey::V,
                                                   kCtrl,
                                                   "x\r\ny\r\n",
                                                   {"x", "y", "x", "y", "x", "n6", "n7", "n8", "n9",
                                                    "n10"},
                                                   "x\r\ny\r\n",
                                                   true},
                                           KeyCase{"CtrlVInsideTheGrid",
                                                   {"", "", "", "", ""},
                                                   {1, 2, 1, 2},
                                                   GridKey::V,
                                                   kCtrl,
                                                   "p\tq\r\nr\ts\r\n",
                                                   {"", "|p|q", "|r|s", "", ""},
                                                   "p\tq\r\nr\ts\r\n",
                                                   true},
                                           KeyCase{"CtrlVGrowsTheGrid",
                                                   {"", "", "", "", ""},
                                                   {0, 4, 0, 4},
                                                   GridKey::V,
                                                   kCtrl,
                                                   "p\r\nr\r\n",
                                                   {"", "", "", "p", "r"},
                                                   "p\r\nr\r\n",
                                                   true},
                                           KeyCase{"CtrlVDropsALastLineWithoutLineEnd",
                                                   {"", ""},
                                                   {0, 1, 0, 1},
                                                   GridKey::V,
                                                   kCtrl,
                                                   "p\r\nr",
                                                   {"p", ""},
                                                   "p\r\nr",
                                                   true},
                                           KeyCase{"CtrlVDropsFieldsPastTheLastColumn",
                                                   {""},
                                                   {3, 1, 3, 1},
                                                   GridKey::V,
                                                   kCtrl,
                                                   "p\tq\tr\r\n",
                                                   {"|||p|q"},
                                                   "p\tq\tr\r\n",
                                                   true}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(CoordListMenuTest, CopyAllTakesNameXAndYOnly) {
  SimClipboard clipboard;
  CopyAllPoints(ListOf({"a|1|2|3|1", "b|4|5|6|2"}), clipboard);
  EXPECT_EQ(clipboard.GetText(), "a\t1\t2\r\nb\t4\t5\r\n");
}

TEST(CoordListMenuTest, PastesRenumberAndGrowFromTheCurrentRow) {
  SimClipboard clipboard;
  clipboard.SetText("x\r\ny\r\nz\r\n");
  TextGrid list = ListOf(Numbered(11, "n"));  // 12 rows with the header
  list.current = {0, 10};
  list.selection = {0, 10, 0, 10};
  PasteAtFirstCell(list, clipboard);
  Rows expected = {"x||||1", "y||||2", "z||||3"};
  for (int r = 4; r <= 11; ++r)
    expected.push_back("n" + std::to_string(r) + "||||" + std::to_string(r));
  expected.push_back("||||12");
  EXPECT_EQ(DataRows(list), expected);

  TextGrid small = ListOf({"a", "b"});
  small.current = {1, 2};
  small.selection = {1, 2, 1, 2};
  EXPECT_TRUE(PasteAtSelection(small, clipboard));
  EXPECT_EQ(DataRows(small), (Rows{"a||||1", "b|x|||2", "|y|||3", "|z|||4"}));
  clipboard.SetText("no line end");
  EXPECT_FALSE(PasteAtSelection(small, clipboard));
  // A clipboard of binary bytes pastes nothing at all, not rows of garbage.
  clipboard.SetText(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\r\n", 18));
  const Rows before = DataRows(small);
  EXPECT_FALSE(PasteAtSelection(small, clipboard));
  PasteAtFirstCell(small, clipboard);
  EXPECT_EQ(DataRows(small), before);
}

TEST(CoordListMenuTest, ClearingLeavesOneNumberedRow) {
  TextGrid shown = ListOf(Numbered(100, "n"));
  ClearShownData(shown);
  EXPECT_EQ(DataRows(shown), (Rows{"||||1"}));

  TextGrid list = ListOf({"a|1|2", "b|3|4"});
  list.selection = {1, 1, 2, 1};
  ClearSelectedCells(list);
  EXPECT_EQ(DataRows(list), (Rows{"a||||1", "b|3|4||2"}));
}

TEST(CoordListViewTest, RowIndicatorCurrentCellAndPlotRange) {
  TextGrid list = ListOf({"a", "b", "c"});
  list.current = {0, 2};
  EXPECT_EQ(RowIndicatorText(list), " 2 / 3");
  EXPECT_EQ(CoordListCurrentCell({4, 3}), (GridCoord{0, 3}));
  EXPECT_EQ(CoordListCurrentCell({3, 3}), (GridCoord{3, 3}));
  std::string greyed;
  for (int row = 1; row <= 5; ++row) greyed += PlotNoGreyed("2-3", row) ? 'g' : 'w';
  EXPECT_EQ(greyed, "gwwgg");
  EXPECT_FALSE(PlotNoGreyed("  ", 1));
}

}  // namespace
}  // namespace vensa
