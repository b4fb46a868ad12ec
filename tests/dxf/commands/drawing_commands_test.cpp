#include "dxf/commands/drawing_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "cad/sim/sim_cad.h"
#include "core/coord_list.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/text.h"
#include "dxf/table.h"
#include "platform/automation_error.h"
#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

using Lines = std::vector<std::string>;

class DrawingCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    insertFile_ = PathToUtf8(dir_ / "survey-tool.dxf");
    state_ = InitialFormState();
    cad_.RegisterWith(platform_, state_.TargetProgID);
  }

  void SetRows(const std::vector<Lines>& rows) {
    TextGrid& list = state_.StringGrid1;
    list.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
      for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) list.SetCell(c, r + 1, rows[r][c]);
    }
    RenumberPlotNo(list);
  }

  // Every command text the CAD received, in order.
  Lines SentCommands() const {
    Lines sent;
    for (const std::string& line : log_->Lines()) {
      if (line.rfind("doc.SendCommand ", 0) == 0) sent.push_back(line.substr(16));
    }
    return sent;
  }

  std::vector<SimEntity> TextsOn(const std::string& layer) const {
    std::vector<SimEntity> texts = cad_.EntitiesOnLayer(layer);
    std::erase_if(texts, [](const SimEntity& e) { return e.className != "AcDbText"; });
    return texts;
  }

  const SimEntity* TextWith(const std::string& layer, const std::string& text) const {
    for (const SimEntity& e : cad_.EntitiesOnLayer(layer)) {
      if (e.text == text) {
        found_.push_back(e);
        return &found_.back();
      }
    }
    return nullptr;
  }

  test::TempDir temp_;
  const std::filesystem::path& dir_ = temp_.path();
  std::string insertFile_;
  FormState state_;
  std::shared_ptr<CallLog> log_ = std::make_shared<CallLog>();
  SimPlatform platform_{log_};
  SimUi ui_{log_};
  SimCad cad_{log_};
  mutable std::deque<SimEntity> found_;
};

void ExpectPoint(const TAcadPoint& actual, const TAcadPoint& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
  EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

// ---- The common start ----------------------------------------------------------------

TEST_F(DrawingCommandsTest, MinimisedCadIsRestoredWaitedForActivatedAndEscapedInThatOrder) {
  platform_.AddWindow(cad_.Window(), SimCad::kWindowClass, /*minimized=*/true);
  SetRows({{"A-1", "100", "200", "0"}});
  PlotIntoCad(state_, platform_, ui_, insertFile_);
  const std::string w = std::to_string(cad_.Window());
  const Lines expected = {"ClassIdFromProgId Gcad.Application.23",
                          std::string("GetActiveObject ") + SimCad::kDefaultClassId,
                          "ClassIdFromProgId Gcad.Application.23",
                          std::string("GetActiveObject ") + SimCad::kDefaultClassId,
                          "app.HWND",
                          "IsMinimized " + w,
                          "app.HWND",
                          "RestoreWindow " + w,
                          "Sleep 500",
                          "app.HWND",
                          "SetForegroundWindow " + w,
                          "GetForegroundWindow",
                          "app.HWND",
                          "KeyDown 27",
                          "Sleep 5",
                          "KeyUp 27",
                          "Sleep 200",
                          "app.ActiveDocument",
                          "doc.GetVariable DIMSCALE",
                          "doc.SendCommand -INSERT *" + insertFile_ + "\r0,0,0 1 0\r"};
  EXPECT_EQ(log_->Lines(), expected);
}

TEST_F(DrawingCommandsTest, NoCadRunningEndsSilently) {
  platform_.RemoveRunningObject(SimCad::kDefaultClassId);
  SetRows({{"A-1", "100", "200", "0"}});
  PlotIntoCad(state_, platform_, ui_, insertFile_);
  TableXYIntoCad(state_, platform_, ui_, insertFile_);
  EXPECT_TRUE(ui_.Messages().empty());
  EXPECT_EQ(log_->CountPrefix("app."), 0);
  EXPECT_FALSE(FileExists(insertFile_));
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
}

TEST_F(DrawingCommandsTest, UnregisteredProgIdIsReportedOnce) {
  state_.TargetProgID = "Nothing.Application";
  SetRows({{"A-1", "100", "200", "0"}});
  PlotIntoCadAtZeroZ(state_, platform_, ui_, insertFile_);
  EXPECT_EQ(ui_.Messages(), (Lines{"ProgID（クラス文字列）: \nNothing.Application は無効です．"}));
  EXPECT_FALSE(FileExists(insertFile_));
}

TEST_F(DrawingCommandsTest, EmptyListStillBringsTheCadForwardAndDoesNothingElse) {
  for (auto click : {PlotIntoCad, PlotIntoCadAtZeroZ, TableXYIntoCad, TableYXIntoCad}) {
    log_->Clear();
    click(state_, platform_, ui_, insertFile_);
    EXPECT_EQ(log_->Count("KeyDown 27"), 1);
    EXPECT_EQ(log_->Lines().back(), "doc.GetVariable DIMSCALE");
  }
  EXPECT_FALSE(FileExists(insertFile_));
  EXPECT_EQ(log_->CountPrefix("ui."), 0) << "the main window is not touched";
}

TEST_F(DrawingCommandsTest, DimscaleOptionOffNeverAsksTheCad) {
  state_.CheckBox24.checked = false;
  cad_.SetSystemVariable("DIMSCALE", 100.0);
  state_.CheckBox26.checked = true;  // circles: radius 5 before scaling
  SetRows({{"A-1", "100", "200", "0"}});
  PlotIntoCad(state_, platform_, ui_, insertFile_);
  EXPECT_EQ(log_->CountPrefix("doc.GetVariable"), 0);
  ASSERT_EQ(cad_.EntitiesOnLayer("VENSA_CIRCLE").size(), 1u);
  EXPECT_EQ(cad_.EntitiesOnLayer("VENSA_CIRCLE")[0].radius, 5.0);
}

TEST_F(DrawingCommandsTest, DimscaleMultipliesSizesAndZeroCountsAsOne) {
  state_.CheckBox26.checked = true;
  state_.CheckBox23.checked = true;
  SetRows({{"A-1", "100", "200", "0"}});
  cad_.SetSystemVariable("DIMSCALE", 100.0);
  PlotIntoCad(state_, platform_, ui_, insertFile_);
  EXPECT_EQ(cad_.EntitiesOnLayer("VENSA_CIRCLE").at(0).radius, 500.0);
  EXPECT_EQ(TextsOn("VENSA_TEXTPT").at(0).height, 250.0);
  EXPECT_EQ(TextsOn("VENSA_TEXTXY").at(0).height, 180.0);

  cad_.SetSystemVariable("DIMSCALE", 0.0);
  PlotIntoCad(state_, platform_, ui_, insertFile_);
  EXPECT_EQ(cad_.EntitiesOnLayer("VENSA_CIRCLE").at(1).radius, 5.0);
}

TEST_F(DrawingCommandsTest, AutomationErrorInTheCommonStartReachesTheCaller) {
  SetRows({{"A-1", "100", "200", "0"}});
  cad_.FailAt("doc.GetVariable", 1, "サーバーが応答しません");
  EXPECT_THROW(PlotIntoCad(state_, platform_, ui_, insertFile_), AutomationError);
  cad_.FailAt("app.ActiveDocument", 1, "サーバーが応答しません");
  EXPECT_THROW(TableXYIntoCad(state_, platform_, ui_, insertFile_), AutomationError);
  EXPECT_FALSE(FileExists(insertFile_));
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
}

// ---- The plot ------------------------------------------------------------------------

TEST_F(DrawingCommandsTest, PlotEndToEndLandsEveryEntityOnItsLayerAtItsCoordinates) {
  state_.CheckBox21.checked = true;  // PLINE
  state_.CheckBox22.checked = true;  // POINT
  state_.CheckBox26.checked = true;  // CIRCLE
  state_.CheckBox23.checked = true;  // 測点名
  state_.Edit9.text = "測点名";
  SetRows(
      {{"A-1", "100", "200", "1.5"}, {"A-2", "150.25", "200.0004", "2"}, {"B-1", "10", "20", "0"}});
  PlotIntoCad(state_, platform_, ui_, insertFile_);

  EXPECT_EQ(SentCommands(), (Lines{"-INSERT *" + insertFile_ + "\r0,0,0 1 0\r"}))
      << "the path goes unquoted";
  EXPECT_TRUE(cad_.CommandLine().empty()) << cad_.CommandLine().front();

  auto plines = cad_.EntitiesOnLayer("VENSA_PLINE");
  ASSERT_EQ(plines.size(), 2u) << "grouped by name prefix";
  EXPECT_EQ(plines[0].className, "AcDb2dPolyline");
  EXPECT_EQ(plines[0].coordinates, (std::vector<double>{100, 200, 1.5, 150.25, 200.0004, 2}));
  EXPECT_EQ(plines[1].coordinates, (std::vector<double>{10, 20, 0}));

  auto points = cad_.EntitiesOnLayer("VENSA_POINT");
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1].coordinates, (std::vector<double>{150.25, 200.0004, 2}));
  auto circles = cad_.EntitiesOnLayer("VENSA_CIRCLE");
  ASSERT_EQ(circles.size(), 3u);
  ExpectPoint(circles[2].center, {10, 20, 0});

  const SimEntity* name = TextWith("測点名", "A-2");
  ASSERT_NE(name, nullptr);
  ExpectPoint(name->insertion, {150.25, 200.0004, 2});
  const SimEntity* coords = TextWith("VENSA_TEXTXY", "150.250,200.000");
  ASSERT_NE(coords, nullptr);
  EXPECT_EQ(coords->verticalAlignment, 3);
  ExpectPoint(coords->alignment, {150.25, 200.0004, 2});

  for (const char* layer :
       {"VENSA_PLINE", "VENSA_POINT", "VENSA_CIRCLE", "測点名", "VENSA_TEXTXY"}) {
    EXPECT_TRUE(cad_.HasLayer(layer)) << layer;
  }
}

TEST_F(DrawingCommandsTest, ZeroCommandDrawsEveryPointAtZero) {
  state_.CheckBox22.checked = true;
  SetRows({{"A-1", "100", "200", "7"}});
  PlotIntoCadAtZeroZ(state_, platform_, ui_, insertFile_);
  EXPECT_EQ(cad_.EntitiesOnLayer("VENSA_POINT").at(0).coordinates,
            (std::vector<double>{100, 200, 0}));
}

TEST_F(DrawingCommandsTest, PlotWithoutEntitiesWritesTheFileButSendsNothing) {
  state_.CheckBox21.checked = true;  // PLINE alone, one row: no polyline
  state_.CheckBox4.checked = false;  // no coordinate labels
  SetRows({{"A-1", "100", "200", "0"}});
  PlotIntoCad(state_, platform_, ui_, insertFile_);
  EXPECT_TRUE(SentCommands().empty());
  ASSERT_TRUE(FileExists(insertFile_));
  EXPECT_EQ(SplitLines(ReadFileBytes(insertFile_)).size(), 50u);
}

TEST_F(DrawingCommandsTest, PlotReplacesAnEarlierInsertFile) {
  SaveFileAtomically(insertFile_, "old");
  SetRows({{"A-1", "100", "200", "0"}});
  PlotIntoCad(state_, platform_, ui_, insertFile_);
  EXPECT_NE(ReadFileBytes(insertFile_), "old");
  EXPECT_EQ(cad_.Entities().size(), 1u) << "one coordinate label";
}

TEST_F(DrawingCommandsTest, UnwritableInsertFileEndsWithTheCreateMessageAndSendsNothing) {
  const std::string path = PathToUtf8(dir_ / "missing folder" / "x.dxf");
  SetRows({{"A-1", "100", "200", "0"}});
  try {
    PlotIntoCad(state_, platform_, ui_, path);
    FAIL() << "no error";
  } catch (const FileCreateError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("ファイル \"" + path + "\" を作成できません。", 0), 0u)
        << e.what();
  }
  EXPECT_THROW(TableXYIntoCad(state_, platform_, ui_, path), FileCreateError);
  EXPECT_TRUE(SentCommands().empty());
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
}

// ---- The table -----------------------------------------------------------------------

TEST_F(DrawingCommandsTest, TableIsInsertedAtThePickedPoint) {
  SetRows({{"A-1", "100", "200", "0"}, {"A-2", "150.25", "200.0004", "0"}});
  cad_.QueuePick({1000, 2000, 0});
  TableXYIntoCad(state_, platform_, ui_, insertFile_);

  Lines tail(log_->Lines().end() - 6, log_->Lines().end());
  EXPECT_EQ(tail, (Lines{"ui.MinimizeMainWindow", "Sleep 100", "doc.Utility",
                         "util.GetPoint 作表の左上基点を指示 : ",
                         "doc.SendCommand -INSERT *" + insertFile_ + "\r@ 1 0\r",
                         "ui.RestoreMainWindow"}));
  EXPECT_EQ(cad_.EntitiesOnLayer("VENSA_TBLLINE").size(), 8u);
  const SimEntity* header = TextWith("VENSA_TBLTEXT", "測点");
  ASSERT_NE(header, nullptr);
  ExpectPoint(header->insertion, {1012.5, 1997.5, 0});
  const SimEntity* cell = TextWith("VENSA_TBLTEXT", "150.250");
  ASSERT_NE(cell, nullptr);
  ExpectPoint(cell->insertion, {1050, 1987.5, 0});
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
}

TEST_F(DrawingCommandsTest, YxTableShowsTheListsYUnderX) {
  SetRows({{"A-1", "100", "200", "0"}});
  cad_.QueuePick({0, 0, 0});
  TableYXIntoCad(state_, platform_, ui_, insertFile_);
  const SimEntity* first = TextWith("VENSA_TBLTEXT", "200.000");
  ASSERT_NE(first, nullptr);
  ExpectPoint(first->insertion, {50, -7.5, 0});
  ASSERT_NE(TextWith("VENSA_TBLTEXT", "X座標"), nullptr);
}

TEST_F(DrawingCommandsTest, CancelledPickLeavesTheNewFileRestoresTheWindowInsertsNothing) {
  SaveFileAtomically(insertFile_, "old");
  SetRows({{"A-1", "100", "200", "0"}});
  cad_.QueuePickCancel();
  CommandOutcome outcome;
  EXPECT_NO_THROW(outcome = TableXYIntoCad(state_, platform_, ui_, insertFile_));
  EXPECT_FALSE(outcome.done);
  EXPECT_TRUE(outcome.notes.empty());
  EXPECT_TRUE(SentCommands().empty());
  EXPECT_TRUE(cad_.Entities().empty());
  ASSERT_TRUE(FileExists(insertFile_));
  EXPECT_NE(ReadFileBytes(insertFile_), "old");
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
  EXPECT_TRUE(ui_.Messages().empty());
  EXPECT_TRUE(ui_.Errors().empty());
}

TEST_F(DrawingCommandsTest, AutomationErrorsOfThePickAndTheInsertAreDropped) {
  SetRows({{"A-1", "100", "200", "0"}});
  cad_.FailAt("doc.Utility", 1, "拒否");
  EXPECT_NO_THROW(TableXYIntoCad(state_, platform_, ui_, insertFile_));
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);

  cad_.QueuePick({1, 1, 0});
  cad_.FailAt("doc.SendCommand", 1, "拒否");
  EXPECT_NO_THROW(TableYXIntoCad(state_, platform_, ui_, insertFile_));
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
  EXPECT_TRUE(cad_.Entities().empty());
  EXPECT_EQ(log_->Count("ui.RestoreMainWindow"), 2);
}

TEST_F(DrawingCommandsTest, TableDecimalsThatAreNoIntegerDeleteTheOldFileAndSendNothing) {
  SaveFileAtomically(insertFile_, "old");
  state_.Edit20.text = "2.5";
  SetRows({{"A-1", "100", "200", "0"}});
  try {
    TableXYIntoCad(state_, platform_, ui_, insertFile_);
    FAIL() << "no error";
  } catch (const TableDecimalsError& e) {
    EXPECT_STREQ(e.what(), "'2.5' は整数ではありません");
  }
  EXPECT_FALSE(FileExists(insertFile_));
  EXPECT_EQ(log_->Count("ui.MinimizeMainWindow"), 0);
  EXPECT_TRUE(SentCommands().empty());
}

// ---- An insert file whose path holds a blank (the CAD's command line takes it as Enter) --

TEST_F(DrawingCommandsTest, PathWithABlankIsSentInItsShortForm) {
  // The short name is a link, as the file system keeps one, so the CAD really reads it.
  const std::string longPath = PathToUtf8(dir_ / "survey tool.dxf");
  const std::string shortPath = PathToUtf8(dir_ / "SURVEY~1.DXF");
  std::filesystem::create_symlink("survey tool.dxf", dir_ / "SURVEY~1.DXF");
  platform_.SetShortPathName(longPath, shortPath);
  state_.CheckBox22.checked = true;  // POINT
  SetRows({{"A-1", "100", "200", "0"}});
  cad_.QueuePick({0, 0, 0});
  PlotIntoCad(state_, platform_, ui_, longPath);
  TableXYIntoCad(state_, platform_, ui_, longPath);
  EXPECT_EQ(SentCommands(), (Lines{"-INSERT *" + shortPath + "\r0,0,0 1 0\r",
                                   "-INSERT *" + shortPath + "\r@ 1 0\r"}));
  EXPECT_TRUE(cad_.CommandLine().empty()) << cad_.CommandLine().front();
  EXPECT_EQ(cad_.EntitiesOnLayer("VENSA_POINT").size(), 1u);
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(DrawingCommandsTest, PathWithABlankAndNoShortFormWithoutOneNamesTheFolder) {
  const std::filesystem::path folder = dir_ / "Program Files";
  std::filesystem::create_directories(folder);
  const std::string insertFile = PathToUtf8(folder / "vensa.dxf");
  state_.CheckBox22.checked = true;  // POINT
  SetRows({{"A-1", "100", "200", "0"}});
  const CommandOutcome plot = PlotIntoCad(state_, platform_, ui_, insertFile);  // no short form
  platform_.SetShortPathName(insertFile, insertFile);  // short names switched off there
  const CommandOutcome table = TableXYIntoCad(state_, platform_, ui_, insertFile);

  EXPECT_TRUE(SentCommands().empty());
  EXPECT_EQ(log_->Count("util.GetPoint 作表の左上基点を指示 : "), 0) << "no pick asked in vain";
  EXPECT_EQ(ui_.WindowState(), MainWindowState::Normal);
  const std::string message = InsertPathBlankMessage(PathToUtf8(folder));
  for (const CommandOutcome& outcome : {plot, table}) {
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.notes, (Lines{message}));
  }
  EXPECT_NE(message.find(PathToUtf8(folder)), std::string::npos);
}

TEST(InsertFilePathTest, ProgramPathWithDxfExtension) {
  EXPECT_EQ(InsertFilePathFor("/opt/tools/survey.exe"), "/opt/tools/survey.dxf");
  EXPECT_EQ(InsertFilePathFor("/opt/tools/測量"), "/opt/tools/測量.dxf");
  EXPECT_EQ(InsertCommandText("C:\\a b\\x.dxf", "@"), "-INSERT *C:\\a b\\x.dxf\r@ 1 0\r");
}

}  // namespace
}  // namespace vensa
