#include "state/list_history.h"

#include <functional>

#include <gtest/gtest.h>

#include "state/form_histories.h"

namespace vensa {
namespace {

// A grid of `rows` data rows and 4 columns: row r holds "r-c" in column c.
TextGrid Sample(int rows) {
  TextGrid grid = TextGrid::WithHeaders({"a", "b", "c", "d"}, rows);
  for (int r = 1; r <= rows; ++r)
    for (int c = 0; c < 4; ++c) grid.SetCell(c, r, std::to_string(r) + "-" + std::to_string(c));
  return grid;
}

struct Shown {
  std::vector<std::vector<std::string>> cells;
  GridCoord current;
  GridRect selection;
  friend bool operator==(const Shown&, const Shown&) = default;
};

Shown ShownOf(const TextGrid& grid) {
  Shown shown{{}, grid.current, grid.selection};
  for (int r = 0; r < grid.RowCount(); ++r) shown.cells.push_back(grid.Row(r));
  return shown;
}

TEST(ListHistory, UndoAndRedoBringBackEveryKindOfChange) {
  const std::vector<std::pair<const char*, std::function<void(TextGrid&)>>> changes = {
      {"one cell", [](TextGrid& g) { g.SetCell(2, 7, "x"); }},
      {"grown",
       [](TextGrid& g) {
         g.SetRowCount(40);
         g.SetCell(0, 39, "end");
       }},
      {"shrunk", [](TextGrid& g) { g.SetRowCount(3); }},
      {"rows erased inside", [](TextGrid& g) { g.EraseRows(5, 9); }},
      {"rows inserted inside", [](TextGrid& g) { g.InsertRows(4, 3); }},
      {"sorted",
       [](TextGrid& g) {
         std::vector<int> from;
         for (int r = g.DataRowCount(); r >= 1; --r) from.push_back(r);
         g.ReorderDataRows(from);
       }},
      {"columns dropped", [](TextGrid& g) { g.SetColCount(2); }},
      {"columns added", [](TextGrid& g) { g.SetColCount(6); }},
      {"replaced by assignment", [](TextGrid& g) { g = TextGrid::WithHeaders({"z"}, 2); }},
      {"cleared through a row",
       [](TextGrid& g) {
         g.MutableRow(1) = {"", "", "", ""};
       }},
  };
  for (const auto& [name, change] : changes) {
    HistoryBudget budget;
    TextGrid grid = Sample(20);
    ListHistory history(grid, budget);
    grid.current = {1, 6};
    grid.selection = {0, 6, 2, 8};
    const Shown before = ShownOf(grid);
    history.NameNextStep("step");
    change(grid);
    grid.current = {0, 1};
    history.CloseStep();
    const Shown after = ShownOf(grid);
    ASSERT_EQ(history.UndoName(), "step") << name;
    for (int round = 0; round < 2; ++round) {
      ASSERT_TRUE(history.Undo()) << name;
      EXPECT_EQ(ShownOf(grid), before) << name;
      ASSERT_TRUE(history.Redo()) << name;
      EXPECT_EQ(ShownOf(grid), after) << name;
    }
    EXPECT_EQ(history.StepCount(), 1u) << name;  // applying a step records none
  }
}

TEST(ListHistory, OneStepPerCloseNamedAndANewChangeDropsTheRedo) {
  HistoryBudget budget;
  TextGrid grid = Sample(5);
  ListHistory history(grid, budget);
  grid.SetCell(0, 1, "x");
  grid.SetCell(0, 2, "y");  // same step
  history.CloseStep();
  history.NameNextStep("貼り付け");
  grid.SetCell(0, 3, "z");
  history.CloseStep();
  grid.SetCell(0, 4, "0-4");  // set to what it holds: no step
  grid.SetCell(0, 4, "4-0");
  history.CloseStep();
  EXPECT_EQ(history.StepCount(), 2u);
  EXPECT_EQ(history.UndoName(), "貼り付け");
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(history.UndoName(), kUnnamedStepName);
  EXPECT_EQ(history.RedoName(), "貼り付け");
  ASSERT_TRUE(history.Undo());
  EXPECT_FALSE(history.Undo());
  EXPECT_EQ(ShownOf(grid), ShownOf(Sample(5)));
  grid.SetCell(1, 1, "new");
  EXPECT_TRUE(history.StepOpen());
  EXPECT_EQ(history.RedoName(), kUnnamedStepName);  // kept until the change is a step
  history.CloseStep();
  EXPECT_EQ(history.RedoName(), "");
  EXPECT_FALSE(history.Redo());
}

TEST(ListHistory, TheBudgetDropsTheOldestStepOfAnyListAndKeepsEachNewest) {
  // Each step replaces every cell of 100 rows: some 13 KB kept.
  auto refill = [](TextGrid& grid, const std::string& text) {
    for (int r = 1; r < grid.RowCount(); ++r) grid.MutableRow(r) = {text, text, text, text};
  };
  HistoryBudget budget(30'000);
  TextGrid a = Sample(100), b = Sample(100);
  ListHistory first(a, budget), second(b, budget);
  for (const char* name : {"a1", "a2"}) {
    first.NameNextStep(name);
    refill(a, name);
    first.CloseStep();
  }
  EXPECT_EQ(first.StepCount(), 2u);
  second.NameNextStep("b1");
  refill(b, "b1");
  second.CloseStep();
  EXPECT_EQ(first.StepCount(), 1u);
  EXPECT_EQ(first.UndoName(), "a2");
  EXPECT_EQ(second.StepCount(), 1u);
  EXPECT_EQ(budget.Used(), first.KeptBytes() + second.KeptBytes());
  second.NameNextStep("b2");
  refill(b, "b2");
  second.CloseStep();  // over the budget with one step each: the newest stay
  EXPECT_EQ(first.StepCount() + second.StepCount(), 2u);
  ASSERT_TRUE(second.Undo());
  EXPECT_EQ(b.Cell(0, 50), "b1");

  // Small steps: far more than a hundred are kept.
  HistoryBudget large;
  TextGrid c = Sample(3);
  ListHistory many(c, large);
  for (int i = 0; i < 300; ++i) {
    c.SetCell(1, 1 + i % 3, std::to_string(i));
    many.CloseStep();
  }
  EXPECT_EQ(many.StepCount(), 300u);
}

TEST(FormHistories, AHandlersStepSpansListsAndTheReadListKeepsItsParcels) {
  FormState state = InitialFormState();
  FormHistories histories;
  histories.Attach(state);
  {
    ListStep outer(histories, "読み込み");
    ListStep inner(histories, "inner");  // a handler run inside another names nothing
    state.StringGrid3.SetCell(0, 1, "1");
    state.SimaParcels.push_back({"1", "100-1", "", {{"1", "A", "1.0", "2.0"}}});
    state.StringGrid1.SetCell(0, 1, "A");
    histories.CloseStepsBetweenHandlers();  // idle inside a handler: no split
    state.StringGrid1.SetCell(0, 2, "B");
  }
  EXPECT_EQ(histories.List(0).StepCount(), 1u);
  EXPECT_EQ(histories.List(0).UndoName(), "読み込み");
  EXPECT_EQ(histories.List(1).StepCount(), 0u);
  EXPECT_EQ(histories.Of(state.StringGrid3), &histories.List(2));
  ASSERT_TRUE(histories.List(2).Undo());
  EXPECT_TRUE(state.SimaParcels.empty());
  EXPECT_EQ(state.StringGrid3.Cell(0, 1), "");
  ASSERT_TRUE(histories.List(2).Redo());
  ASSERT_EQ(state.SimaParcels.size(), 1u);
  EXPECT_EQ(state.SimaParcels[0].name, "100-1");

  state.StringGrid4.SetCell(0, 1, "typed");
  histories.CloseStepsBetweenHandlers();
  EXPECT_EQ(histories.List(3).UndoName(), kUnnamedStepName);
}

}  // namespace
}  // namespace vensa
