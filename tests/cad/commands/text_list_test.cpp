#include "cad/commands/text_list.h"

#include "tests/cad/commands/read_fixture.h"

namespace vensa {
namespace {

using namespace test;

TEST_F(ReadFixture, TextHarvestGoldenCallOrder) {
  state_.UpDown6.position = 2;
  auto handles = AddAll({TextEnt("B", {1.005, 2, 0}), PointEnt({5, 5, 5}),
                         TextEnt("C", {3, 4, 0}, "0", 1, 0, {30, 40, 0})});
  cad_.QueueSelection(handles);
  EXPECT_EQ(GetTextsFromCad(state_, tables_, platform_, ui_).textsListed, 2);

  // A centred text is listed at its insertion point.
  EXPECT_EQ(DataRows(state_.StringGrid2),
            (Rows{{"B", "1.00", "2.00", "0.00"}, {"C", "3.00", "4.00", "0.00"}}));
  EXPECT_TRUE(cad_.SelectionSetNames().empty());
  EXPECT_EQ(tables_.PointEnts.size(), 0u);
  EXPECT_EQ(log_->CountPrefix("ui.SetStatusPanel"), 0);
  Lines log = LogFrom("ui.MinimizeMainWindow");
  log.resize(9);
  EXPECT_EQ(log, (Lines{"ui.MinimizeMainWindow", "Sleep 100", "doc.SelectionSets", "ssets.Count",
                        "ssets.Add ssTemp", "sset.SelectOnScreen 0=TEXT", "ui.RestoreMainWindow",
                        "sset.Count", "sset.Count"}));
  EXPECT_EQ(log_->Lines().back(), "ui.RestoreMainWindow");
}

TEST_F(ReadFixture, TextHarvestDropsErrorsSilently) {
  SetRows(state_.StringGrid2, {{"old", "1", "2", "3"}});
  cad_.QueueSelection(AddAll({TextEnt("A", {1, 1, 0}), TextEnt("B", {2, 2, 0})}));
  cad_.FailAt("ent.TextString", 2, "オブジェクトは削除されています");
  const GetTextsOutcome got = GetTextsFromCad(state_, tables_, platform_, ui_);
  EXPECT_FALSE(got.outcome.done);
  EXPECT_TRUE(got.outcome.notes.empty()) << "the window stays silent";
  EXPECT_EQ(DataRows(state_.StringGrid2), (Rows{{"old", "1", "2", "3"}}));
  EXPECT_EQ(tables_.TextBlks.size(), 2u) << "the failing text's record stays half filled";
  EXPECT_TRUE(ui_.Messages().empty());
  EXPECT_TRUE(cad_.SelectionSetNames().empty());
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
  EXPECT_EQ(ui_.Progress(ProgressBarId::ProgressBar2).position, 2);
}

TEST_F(ReadFixture, TextListWithoutTextsEmptiesCellsAndKeepsRows) {
  SetRows(state_.StringGrid2, {{"a", "1", "2", "3"}, {"b", "4", "5", "6"}});
  EntToSL2(state_, tables_);
  EXPECT_EQ(DataRows(state_.StringGrid2), (Rows{{"", "", "", ""}, {"", "", "", ""}}));
}

// Header clicks: texts by UTF-16 code units, numbers as numbers (no number is 0), Y
// descending; the exchange sort moves rows with equal keys the same way every time.
TEST(TextListSort, HeaderClicks) {
  struct Case {
    int column;
    Rows rows;
    Lines expected;  // the column's cells afterwards
  };
  for (const Case& c : {
           Case{0, {{"B"}, {"a"}, {"A"}, {"測点"}, {"Ａ"}}, {"A", "B", "a", "測点", "Ａ"}},
           Case{1, {{"P", "1"}, {"Q", "1"}, {"R", "0"}}, {"0", "1", "1"}},
           Case{1, {{"", "10"}, {"", "9.5"}, {"", "100"}}, {"9.5", "10", "100"}},
           Case{2, {{"", "", "10"}, {"", "", "9.5"}, {"", "", "100"}}, {"100", "10", "9.5"}},
           Case{3,
                {{"a", "", "", ""}, {"b", "", "", "x"}, {"c", "", "", "-1"}, {"d", "", "", "2"}},
                {"-1", "x", "", "2"}},
           Case{3, {{"a", "", "", "5"}}, {"5"}},
       }) {
    TextGrid list = TextGrid::WithHeaders(TextListHeaders(), 0);
    SetRows(list, c.rows);
    SortTextListByColumn(list, c.column);
    Lines cells;
    for (const Lines& row : DataRows(list))
      cells.push_back(row[static_cast<std::size_t>(c.column)]);
    EXPECT_EQ(cells, c.expected) << "column " << c.column;
    SortTextListByColumn(list, c.column);
    Lines again;
    for (const Lines& row : DataRows(list))
      again.push_back(row[static_cast<std::size_t>(c.column)]);
    EXPECT_EQ(again, c.expected) << "a second click keeps the order";
  }
  TextGrid list = TextGrid::WithHeaders(TextListHeaders(), 0);
  SetRows(list, {{"P", "1"}, {"Q", "1"}, {"R", "0"}});
  SortTextListByX(list);
  EXPECT_EQ(DataRows(list), (Rows{{"R", "0", "", ""}, {"Q", "1", "", ""}, {"P", "1", "", ""}}));
}

TEST(TextListSort, TwoColumnKeyAndDescendingText) {
  TextGrid grid(3, 1);
  SetRows(grid, {{"a", "2"}, {"a", "10"}, {"b", "1"}});
  SortRowsByColumn(grid, 0, 1, false, true);
  EXPECT_EQ(DataRows(grid), (Rows{{"b", "1", ""}, {"a", "2", ""}, {"a", "10", ""}}));
}

}  // namespace
}  // namespace vensa
