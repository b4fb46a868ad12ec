#include "cad/commands/get_from_cad.h"

#include <functional>

#include "cad/cad_connection.h"
#include "platform/automation_error.h"
#include "tests/cad/commands/read_fixture.h"

namespace vensa {
namespace {

using namespace test;

TTextBlk Txt(const std::string& str, const TAcadPoint& at, const std::string& layer = "0",
             std::int16_t horizontal = 0, std::int16_t vertical = 0,
             const TAcadPoint& aligned = {}) {
  TTextBlk t;
  t.str = str;
  t.pt10 = at;
  t.pt11 = aligned;
  t.layer = layer;
  t.code72 = horizontal;
  t.code73 = vertical;
  return t;
}

// One polyline header and its vertices.
void AddPolyline(EntityTables& t, const std::vector<TAcadPoint>& points,
                 const TAcadPoint& normal = {0, 0, 1}) {
  t.LwpBlks.push_back(TLwpBlk{normal, points.size()});
  for (const TAcadPoint& p : points) t.LwpEles.push_back(TLwpEle{p});
}

void AddPoint(EntityTables& t, const TAcadPoint& p) {
  t.PointEnts.push_back(TPointEnt{p});
}

struct ListingCase {
  const char* what;
  std::function<void(EntityTables&, FormState&, SimCad&)> setUp;
  Rows rows;  // name, X, Y, Z, PLOT No.
};

void PrintTo(const ListingCase& c, std::ostream* os) {
  *os << c.what;
}

// Each case: the tables and options, and the list EntToSL makes of them (sorted by name,
// PLOT No. renumbered). Decimals 3, range 5, "DIMSCALE 倍" off unless the case says.
class EntToSlTest : public ReadFixture, public ::testing::WithParamInterface<ListingCase> {};

TEST_P(EntToSlTest, ListsAndNames) {
  state_.UpDown6.position = 3;
  state_.Edit28.text = "5";
  state_.CheckBox25.checked = false;
  GetParam().setUp(tables_, state_, cad_);
  EntToSL(state_, tables_, platform_, ui_);
  EXPECT_EQ(DataRows(state_.StringGrid1), GetParam().rows);
  EXPECT_FALSE(state_.entToSlFlag);
  EXPECT_EQ(state_.StatusBar1[0], "1 / " + std::to_string(state_.StringGrid1.DataRowCount()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntToSlTest,
    ::testing::Values(
        ListingCase{"rounding to the chosen decimals, half away from zero",
                    [](EntityTables& t, FormState& s, SimCad&) {
                      s.UpDown6.position = 0;
                      AddPoint(t, {0.5, 2.5, -2.5});
                      AddPoint(t, {-0.4, 0, 0});
                    },
                    {{"", "1", "3", "-3", "1"}, {"", "0", "0", "0", "2"}}},
        ListingCase{"vertices in vertex order, a mirrored polyline's in world coordinates",
                    [](EntityTables& t, FormState& s, SimCad&) {
                      s.CheckBox1.checked = true;
                      AddPolyline(t, {{0, 0, 0}, {1.23449, 0, 0}});
                      AddPolyline(t, {{3, 4, 2}}, {0, 0, -1});
                    },
                    {{"", "0.000", "0.000", "0.000", "1"},
                     {"", "1.234", "0.000", "0.000", "2"},
                     {"", "-3.000", "4.000", "-2.000", "3"}}},
        ListingCase{"nearest text in a square window, first of equals; comma texts never name",
                    [](EntityTables& t, FormState&, SimCad&) {
                      for (TAcadPoint p : {TAcadPoint{100, 200, 0}, {0, 0, 0}, {50, 0, 0}}) {
                        AddPoint(t, p);
                      }
                      t.TextBlks = {Txt("A1", {101, 201, 0}),  Txt("1,2", {100.1, 200, 0}),
                                    Txt("A2", {99, 199.5, 0}), Txt("far", {4.9, 4.9, 0}),
                                    Txt("B", {51, 0, 0}),      Txt("C", {49, 0, 0}),
                                    Txt("out", {5, 0, 0})};
                    },
                    {{"A2", "100.000", "200.000", "0.000", "1"},
                     {"B", "50.000", "0.000", "0.000", "2"},
                     {"far", "0.000", "0.000", "0.000", "3"}}},
        ListingCase{"range times DIMSCALE when asked",
                    [](EntityTables& t, FormState& s, SimCad& cad) {
                      s.CheckBox25.checked = true;
                      cad.SetSystemVariable("DIMSCALE", 100.0);
                      AddPoint(t, {0, 0, 0});
                      t.TextBlks = {Txt("N", {499.99, -499.99, 0}), Txt("M", {500, 0, 0})};
                    },
                    {{"N", "0.000", "0.000", "0.000", "1"}}},
        ListingCase{"layer filter ignores ASCII case only while a layer is named",
                    [](EntityTables& t, FormState& s, SimCad&) {
                      s.CheckBox10.checked = true;
                      s.Edit29.text = "text";
                      AddPoint(t, {0, 0, 0});
                      AddPoint(t, {10, 0, 0});
                      t.TextBlks = {Txt("X", {0, 0, 0}, "TEXT2"), Txt("Y", {0.5, 0, 0}, "Text"),
                                    Txt("Z", {10, 0, 0}, "TEXT2")};
                    },
                    {{"", "10.000", "0.000", "0.000", "1"}, {"Y", "0.000", "0.000", "0.000", "2"}}},
        ListingCase{"text rows at their position by alignment, named by themselves",
                    [](EntityTables& t, FormState& s, SimCad&) {
                      s.CheckBox2.checked = false;
                      s.CheckBox3.checked = false;
                      s.CheckBox27.checked = true;
                      t.TextBlks = {Txt("L", {1, 1, 0}, "0", 0, 0, {9, 9, 0}),
                                    Txt("M", {2, 2, 0}, "0", 1, 0, {3, 3, 0}),
                                    Txt("F", {4, 4, 0}, "0", 5, 0, {9, 9, 0}),
                                    Txt("T", {5, 5, 0}, "0", 0, 3, {6, 6, 0})};
                    },
                    {{"F", "4.000", "4.000", "0.000", "1"},
                     {"L", "1.000", "1.000", "0.000", "2"},
                     {"M", "3.000", "3.000", "0.000", "3"},
                     {"T", "6.000", "6.000", "0.000", "4"}}},
        ListingCase{"points in the current UCS",
                    [](EntityTables& t, FormState& s, SimCad&) {
                      s.UCS.checked = true;
                      s.UpDown6.position = 0;
                      s.CurrentUcs = UcsAxes{{0, 1, 0}, {-1, 0, 0}, {10, 0, 0}};
                      AddPoint(t, {10, 5, 2});
                    },
                    {{"", "5", "0", "2", "1"}}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(ReadFixture, ClickedBoxesRelistTheSameTablesWithoutTheCad) {
  state_.CheckBox25.checked = false;
  AddPoint(tables_, {1, 2, 3});
  tables_.CircleBlks.emplace_back().center = {4, 5, 6};
  state_.CheckBox2.checked = false;
  RelistEntities(state_, tables_, platform_, ui_);
  EXPECT_EQ(state_.StringGrid1.DataRowCount(), 1);
  state_.CheckBox2.checked = true;
  RelistEntities(state_, tables_, platform_, ui_);
  EXPECT_EQ(DataRows(state_.StringGrid1),
            (Rows{{"", "1.000", "2.000", "3.000", "1"}, {"", "4.000", "5.000", "6.000", "2"}}));
  EXPECT_EQ(log_->CountPrefix("sset."), 0);
  EXPECT_EQ(log_->CountPrefix("doc."), 0);
}

TEST_F(ReadFixture, ClearingInternalDataLetsTheTablesGo) {
  AddPoint(tables_, {1, 2, 3});
  EntToSL(state_, tables_, platform_, ui_);
  const CommandOutcome cleared = ClearInternalData(state_, tables_);
  EXPECT_EQ(DataRows(state_.StringGrid1), (Rows{{"", "", "", "", "1"}}));
  EXPECT_TRUE(tables_.PointEnts.empty());
  EXPECT_EQ(cleared.summary, "") << "the status panel emptied";
  RelistEntities(state_, tables_, platform_, ui_);
  EXPECT_EQ(DataRows(state_.StringGrid1), (Rows{{"", "", "", "", "1"}}));
}

TEST_F(ReadFixture, ListingErrorReachesTheCallerWithTheFlagDown) {
  AddPoint(tables_, {1, 2, 3});
  cad_.FailAt("doc.GetVariable", 1, "CAD は応答しません");
  EXPECT_THROW(EntToSL(state_, tables_, platform_, ui_), VensaError);
  EXPECT_FALSE(state_.entToSlFlag);
}

TEST_F(ReadFixture, GetFromCadGoldenCallOrder) {
  state_.UCS.checked = true;
  cad_.SetSystemVariable("UCSORG", PointValue({10, 0, 0}));
  cad_.SetSystemVariable("DIMSCALE", 2.0);
  auto handles = AddAll({PointEnt({10, 5, 2}), TextEnt("P1", {10, 6, 0})});
  cad_.QueueSelection(handles);
  const GetFromCadOutcome got = GetFromCad(state_, tables_, platform_, ui_);

  EXPECT_EQ(DataRows(state_.StringGrid1), (Rows{{"P1", "0.000", "5.000", "2.000", "1"}}));
  EXPECT_EQ(state_.StatusBar1[0], "1 / 1");
  EXPECT_EQ(got.outcome.summary, " TEXT=1, POINT=1,");
  EXPECT_EQ(got.entitiesRead, 2);
  EXPECT_EQ(got.rowsListed, 1);
  EXPECT_TRUE(state_.ListDisplayGroupEnabled);
  EXPECT_EQ(state_.CurrentUcs.origin, (TAcadPoint{10, 0, 0}));
  EXPECT_TRUE(cad_.SelectionSetNames().empty());
  const std::string w = std::to_string(cad_.Window());
  EXPECT_EQ(LogFrom("app.HWND"), (Lines{"app.HWND",
                                        "IsMinimized " + w,
                                        "app.HWND",
                                        "SetForegroundWindow " + w,
                                        "GetForegroundWindow",
                                        "app.HWND",
                                        "KeyDown 27",
                                        "Sleep 5",
                                        "KeyUp 27",
                                        "Sleep 200",
                                        "app.ActiveDocument",
                                        "doc.GetVariable UCSXDIR",
                                        "doc.GetVariable UCSYDIR",
                                        "doc.GetVariable UCSORG",
                                        "ui.MinimizeMainWindow",
                                        "Sleep 100",
                                        "doc.SelectionSets",
                                        "ssets.Count",
                                        "ssets.Add ssTemp",
                                        "sset.SelectOnScreen",
                                        "ui.RestoreMainWindow",
                                        "sset.Count",
                                        "sset.Count",
                                        "ui.SetProgressMax ProgressBar1 2",
                                        "ui.SetProgressPosition ProgressBar1 0",
                                        "ui.SetStatusPanel 0 1 / 2",
                                        "ui.SetProgressPosition ProgressBar1 1",
                                        "ui.ProcessPendingMessages",
                                        "sset.Item 0",
                                        "ent.EntityName",
                                        "ent.Coordinates",
                                        "ui.SetStatusPanel 0 2 / 2",
                                        "ui.SetProgressPosition ProgressBar1 2",
                                        "ui.ProcessPendingMessages",
                                        "sset.Item 1",
                                        "ent.EntityName",
                                        "ent.InsertionPoint",
                                        "ent.HorizontalAlignment",
                                        "ent.VerticalAlignment",
                                        "ent.Layer",
                                        "ent.TextString",
                                        "ui.SetProgressPosition ProgressBar1 0",
                                        "ui.ProcessPendingMessages",
                                        "ClassIdFromProgId Gcad.Application.23",
                                        "GetActiveObject {5E7A0C2D-0000-4000-8000-00000000CAD0}",
                                        "ClassIdFromProgId Gcad.Application.23",
                                        "GetActiveObject {5E7A0C2D-0000-4000-8000-00000000CAD0}",
                                        "app.ActiveDocument",
                                        "doc.GetVariable DIMSCALE",
                                        "sset.Delete",
                                        "ui.RestoreMainWindow",
                                        "ui.RestoreMainWindow",
                                        "ui.BringMainWindowForward"}));
}

TEST_F(ReadFixture, EntitiesReadButNoneListedAreReported) {
  cad_.QueueSelection(AddAll({Ent("AcDbLine")}));
  const GetFromCadOutcome got = GetFromCad(state_, tables_, platform_, ui_);
  EXPECT_EQ(got.outcome.summary, " LINE=1,");
  EXPECT_EQ(got.outcome.notes, (Lines{kNothingListedMessage}));
  EXPECT_TRUE(got.outcome.done);
  EXPECT_EQ(got.entitiesRead, 1);
  EXPECT_EQ(got.rowsListed, 0);
  EXPECT_TRUE(ui_.Messages().empty());
  EXPECT_EQ(DataRows(state_.StringGrid1), (Rows{{"", "", "", "", "1"}}));
}

TEST_F(ReadFixture, OnlyArcsClearTheSummaryWithoutMessage) {
  cad_.QueueSelection(AddAll({Ent("AcDbArc")}));
  const GetFromCadOutcome got = GetFromCad(state_, tables_, platform_, ui_);
  EXPECT_EQ(got.outcome.summary, "");
  EXPECT_TRUE(got.outcome.notes.empty());
  EXPECT_TRUE(ui_.Messages().empty());
  EXPECT_EQ(tables_.arcCount, 1u);
}

// Cancel and failures in the guarded part: "取得失敗", the group disabled, the set deleted.
struct FailureCase {
  const char* what;
  bool cancel;             // the user cancels the selection; else an entity fails
  std::size_t pointsLeft;  // what the tables keep
};

class GetFromCadFailureTest : public ReadFixture,
                              public ::testing::WithParamInterface<FailureCase> {};

TEST_P(GetFromCadFailureTest, IsReportedAndLeavesTheListAsItWas) {
  SetRows(state_.StringGrid1, {{"K", "1", "2", "3", "1"}});
  state_.ListDisplayGroupEnabled = true;
  state_.StatusBar1[1] = " POINT=1,";
  auto handles = AddAll({PointEnt({1, 1, 0}), PointEnt({2, 2, 0})});
  if (GetParam().cancel) {
    cad_.QueueSelectionCancel();
  } else {
    cad_.QueueSelection(handles);
    cad_.FailAt("ent.Coordinates", 2, "オブジェクトは削除されています");
  }
  const GetFromCadOutcome got = GetFromCad(state_, tables_, platform_, ui_);
  EXPECT_FALSE(got.outcome.done);
  EXPECT_EQ(got.outcome.notes, (Lines{kGetFailedMessage}));
  EXPECT_FALSE(got.outcome.cause.empty());
  EXPECT_FALSE(state_.ListDisplayGroupEnabled);
  EXPECT_EQ(got.outcome.summary, "");
  EXPECT_EQ(ui_.Progress(ProgressBarId::ProgressBar1).position, 0);
  EXPECT_EQ(DataRows(state_.StringGrid1), (Rows{{"K", "1", "2", "3", "1"}}));
  EXPECT_EQ(tables_.PointEnts.size(), GetParam().pointsLeft);
  EXPECT_TRUE(cad_.SelectionSetNames().empty());
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
}

INSTANTIATE_TEST_SUITE_P(Cases, GetFromCadFailureTest,
                         ::testing::Values(FailureCase{"cancelled selection", true, 0},
                                           FailureCase{"entity erased in the read", false, 2}),
                         [](const auto& info) { return info.param.cancel ? "Cancel" : "Error"; });

TEST_F(ReadFixture, NothingSelectedOrNoCadChangesNothing) {
  SetRows(state_.StringGrid1, {{"K", "1", "2", "3", "1"}});
  state_.CurrentUcs.origin = {5, 5, 5};
  // The user ends the selection at once: the summary panel stays as it was.
  EXPECT_EQ(GetFromCad(state_, tables_, platform_, ui_).outcome.summary, std::nullopt);
  EXPECT_EQ(DataRows(state_.StringGrid1), (Rows{{"K", "1", "2", "3", "1"}}));
  EXPECT_TRUE(state_.ListDisplayGroupEnabled);
  EXPECT_EQ(state_.CurrentUcs, UcsAxes{});

  platform_.RemoveRunningObject(SimCad::kDefaultClassId);
  state_.ListDisplayGroupEnabled = false;
  log_->Clear();
  EXPECT_FALSE(GetFromCad(state_, tables_, platform_, ui_).outcome.done);
  EXPECT_FALSE(state_.ListDisplayGroupEnabled);
  EXPECT_EQ(LogFrom("ui."),
            (Lines{"ui.SetStatusPanel 1 CAD (Gcad.Application.23) が起動していません",
                   "ui.RestoreMainWindow", "ui.BringMainWindowForward"}));
  EXPECT_TRUE(ui_.Messages().empty());
}

}  // namespace
}  // namespace vensa
