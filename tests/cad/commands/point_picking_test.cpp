#include "cad/commands/point_picking.h"

#include "tests/cad/commands/read_fixture.h"

namespace vensa {
namespace {

using namespace test;

class PointPickingTest : public ReadFixture {
 protected:
  PointPickingTest() {
    state_.CheckBox19.checked = false;  // no labels unless a test wants them
    state_.CheckBox16.checked = false;
  }
  void Picks(const std::vector<TAcadPoint>& points) {
    for (const TAcadPoint& p : points) cad_.QueuePick(p);
    cad_.QueuePickCancel();
  }
};

TEST_F(PointPickingTest, GoldenCallOrderWithLabelsAndIntersections) {
  state_.CheckBox19.checked = true;
  state_.CheckBox16.checked = true;
  state_.CheckBox20.checked = true;
  state_.UpDown7.position = 3;
  state_.Edit33.text = "A-1";
  cad_.SetSystemVariable("DIMSCALE", 50.0);
  Picks({{12.34567, 8.9, 0}});
  PickPointsWithId(state_, platform_, ui_);

  EXPECT_EQ(DataRows(state_.StringGrid1), (Rows{{"A-1", "12.346", "8.900", "0.000", "1"}}));
  EXPECT_EQ(state_.Edit33.text, "A-2");
  std::vector<SimEntity> labels = cad_.EntitiesOnLayer("VENSA_TEXTPT");
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].insertion, (TAcadPoint{12.346, 8.9, 0}));
  EXPECT_EQ(labels[0].height, 125);
  const std::string w = std::to_string(cad_.Window());
  EXPECT_EQ(LogFrom("app.ActiveDocument"), (Lines{"app.ActiveDocument",
                                                  "doc.GetVariable DIMSCALE",
                                                  "ui.MinimizeMainWindow",
                                                  "Sleep 100",
                                                  "app.HWND",
                                                  "SetForegroundWindow " + w,
                                                  "app.ActiveDocument",
                                                  "doc.Layers",
                                                  "layers.Count",
                                                  "layers.Item 0",
                                                  "layer.Name",
                                                  "layers.Add VENSA_TEXTPT",
                                                  "doc.GetVariable LASTPOINT",
                                                  "doc.SendCommand _ID\r_int\r",
                                                  "Sleep 200",
                                                  "app.GetGcadState",
                                                  "state.IsQuiescent",
                                                  "doc.GetVariable LASTPOINT",
                                                  "doc.ModelSpace",
                                                  "ms.AddText A-1 12.346,8.9,0 125",
                                                  "ent.SetLayer VENSA_TEXTPT",
                                                  "ent.Update",
                                                  "doc.GetVariable LASTPOINT",
                                                  "doc.SendCommand _ID\r_int\r",
                                                  "Sleep 200",
                                                  "app.GetGcadState",
                                                  "state.IsQuiescent",
                                                  "doc.GetVariable LASTPOINT",
                                                  "Sleep 100",
                                                  "ui.RestoreMainWindow",
                                                  "ui.BringMainWindowForward"}));
}

TEST_F(PointPickingTest, RunningNamesCountOnFromTheNextName) {
  struct Case {
    std::string next;
    Lines names;
    std::string after;
  };
  for (const Case& c : {Case{"101", {"101", "102"}, "103"}, Case{"P5X", {"P5X", "P6X"}, "P7X"},
                        Case{"A-007", {"A-7", "A-8"}, "A-9"}, Case{"ABC", {"0ABC", "1ABC"}, "2ABC"},
                        Case{"X99999999999", {"X0", "X1"}, "X2"}}) {
    state_.Edit33.text = c.next;
    state_.StringGrid1.SetRowCount(1);
    cad_.SetSystemVariable("LASTPOINT", PointValue({}));
    Picks({{10, 0, 0}, {20, 0, 0}});
    PickPointsWithId(state_, platform_, ui_);
    Lines names;
    for (const Lines& row : DataRows(state_.StringGrid1)) names.push_back(row[0]);
    EXPECT_EQ(names, c.names) << c.next;
    EXPECT_EQ(state_.Edit33.text, c.after);
  }
}

// The question when the list holds points, and how the list ends.
TEST_F(PointPickingTest, AppendOrRestartAndEndStates) {
  struct Case {
    const char* what;
    MessageAnswer answer;
    int picks;
    Rows rows;
  };
  const Rows old = {{"K1", "1", "1", "0", "1"}, {"K2", "2", "2", "0", "2"}, {"N", "", "", "", "3"}};
  for (const Case& c :
       {Case{"Yes appends after the last X",
             MessageAnswer::Yes,
             1,
             {old[0], old[1], {"101", "10", "0", "0", "3"}}},
        Case{"Yes, then Escape, cuts to the filled rows", MessageAnswer::Yes, 0, {old[0], old[1]}},
        Case{"No writes from row 1", MessageAnswer::No, 1, {{"101", "10", "0", "0", "1"}}},
        Case{"No, then Escape, leaves one empty row", MessageAnswer::No, 0, {{"", "", "", "", ""}}},
        Case{"Cancel changes nothing", MessageAnswer::Cancel, 1, old}}) {
    SCOPED_TRACE(c.what);
    SetRows(state_.StringGrid1, old);
    state_.Edit33.text = "101";
    cad_.SetSystemVariable("LASTPOINT", PointValue({}));
    ui_.QueueAnswer(c.answer);
    std::vector<TAcadPoint> picks(static_cast<std::size_t>(c.picks), TAcadPoint{10, 0, 0});
    Picks(picks);
    PickPointsWithId(state_, platform_, ui_);
    EXPECT_EQ(DataRows(state_.StringGrid1), c.rows);
    EXPECT_EQ(ui_.Questions().back(), kAppendOrRestartQuestion);
  }
}

TEST_F(PointPickingTest, PickMustMoveMoreThanOneUnitInThePlane) {
  cad_.SetSystemVariable("LASTPOINT", PointValue({100, 100, 0}));
  Picks({{101.2, 100, 0}, {101.2, 100.8, 50}});
  PickPointsWithId(state_, platform_, ui_);
  EXPECT_EQ(DataRows(state_.StringGrid1), (Rows{{"101", "101", "100", "0", "1"}}));
  EXPECT_EQ(log_->Count("doc.SendCommand _ID\r"), 2);
  EXPECT_TRUE(ui_.Questions().empty()) << "an empty list is written from row 1 unasked";
}

TEST_F(PointPickingTest, FailuresEndPickingOrSkipTheLabelButKeepRows) {
  state_.CheckBox19.checked = true;
  Picks({{10, 0, 0}, {20, 0, 0}, {30, 0, 0}});
  cad_.FailAt("ms.AddText", 1, "文字を作成できません");
  cad_.FailAt("doc.SendCommand", 3, "CAD は応答しません");
  PickPointsWithId(state_, platform_, ui_);
  EXPECT_EQ(DataRows(state_.StringGrid1),
            (Rows{{"101", "10", "0", "0", "1"}, {"102", "20", "0", "0", "2"}}));
  EXPECT_EQ(state_.Edit33.text, "103");
  std::vector<SimEntity> labels = cad_.EntitiesOnLayer("VENSA_TEXTPT");
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, "102");
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
  EXPECT_FALSE(state_.ListDisplayGroupEnabled);
}

}  // namespace
}  // namespace vensa
