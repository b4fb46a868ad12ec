// The window with a drawing file as its target CAD: the commands of the main tab on the
// example drawing, the dialogs answered by a script.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "cad/file/drawing_file_cad.h"
#include "core/file_io.h"
#include "dxf/commands/form_options.h"
#include "dxf/dxf_file.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

class DrawingWindowTest : public ScriptedDialogsTest {
 protected:
  void SetUp() override {
    drawingTargetByDefault_ = true;
    OpenScripted();
    form_->OpenDrawingAtStart(kDrawing);
  }

  static std::vector<std::string> Row(const TextGrid& list, int row, int columns) {
    std::vector<std::string> cells;
    for (int c = 0; c < columns; ++c) cells.push_back(list.Cell(c, row));
    return cells;
  }

  static constexpr const char* kDrawing = VENSA_EXAMPLE_DRAWING;
};

TEST_F(DrawingWindowTest, ReadsTheDrawingAsTheCad) {
  EXPECT_EQ(form_->GetTitle().utf8_string(), "Vensa2023.8.9 [ 図面ファイル (DXF) survey.dxf ]");
  Click("Button4");  // CADから
  const TextGrid& list = form_->State().StringGrid1;
  ASSERT_EQ(list.DataRowCount(), 7);
  EXPECT_EQ(Row(list, 1, 5),
            (std::vector<std::string>{"KBM1", "-32825.000", "-24020.000", "0.000", "1"}));
  EXPECT_EQ(Row(list, 7, 4),
            (std::vector<std::string>{"境界6", "-32842.081", "-24022.590", "12.344"}));
  Click("Button6");  // TEXT 取得
  EXPECT_EQ(form_->State().StringGrid2.DataRowCount(), 8);
  EXPECT_TRUE(dialogs_.Errors().empty()) << dialogs_.Errors().front();

  // 画層取得: the drawing's layers offered, the one chosen becomes the name layer.
  dialogs_.QueueChoice(2);
  Click("SpeedButton2");
  ASSERT_GE(dialogs_.OfferedItems().size(), 3u);
  EXPECT_EQ(Shown("Edit29"), dialogs_.OfferedItems()[2]);

  for (const char* button : {"SpeedButton3", "Button12", "SpeedButton1"}) Click(button);
  EXPECT_EQ(dialogs_.Messages(), std::vector<std::string>(3, kNeedsRunningCadMessage));
}

TEST_F(DrawingWindowTest, PlotAndTableAreSavedIntoFilesTheUserNames) {
  Click("Button4");
  const FormState& state = form_->State();
  const std::string plot = dir_.File("plot.dxf");
  const std::string table = dir_.File("table.dxf");
  dialogs_.QueueFileName(plot);
  Click("Button2");  // CADへ
  dialogs_.QueueFileName(table);
  Click("Button3");  // XY 作表: the corner proposed is the list's smallest X, largest Y
  dialogs_.QueueFileName(std::string(kDrawing));
  Click("Button13");  // the drawing itself is never written
  EXPECT_TRUE(dialogs_.Errors().empty()) << dialogs_.Errors().front();

  const std::string expected = dir_.File("expected.dxf");
  DxfFileWriter plotFile(expected);
  BuildPlot(plotFile.Builder(), state.StringGrid1, PlotOptionsFromForm(state), 1.0,
            PlotZMode::kFromList, PlotParcelsFromForm(state));
  plotFile.Commit();
  EXPECT_EQ(ReadFileBytes(plot), ReadFileBytes(expected));
  DxfFileWriter tableFile(expected);
  BuildTable(tableFile.Builder(), state.StringGrid1, TableOptionsFromForm(state), 1.0,
             TableAxes::kXY, TAcadPoint{-32842.081, -24004.877, 0.0});
  tableFile.Commit();
  EXPECT_EQ(ReadFileBytes(table), ReadFileBytes(expected));
  EXPECT_EQ(dialogs_.Messages().back(), kNotIntoOpenDrawingMessage);
}

TEST_F(DrawingWindowTest, ADrawingChangedOnDiskIsReadAgainAndABrokenOneLeavesTheList) {
  const std::string copy = dir_.Write("copy.dxf", ReadFileBytes(kDrawing));
  form_->OpenDrawingAtStart(copy);
  Click("Button4");
  ASSERT_EQ(form_->State().StringGrid1.DataRowCount(), 7);
  auto rewrite = [&](const std::string& bytes) {
    dir_.Write("copy.dxf", bytes);
    const auto path = PathFromUtf8(copy);
    std::filesystem::last_write_time(
        path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
  };
  rewrite(
      "  0\nSECTION\n  2\nENTITIES\n  0\nPOINT\n  8\n0\n 10\n1\n 20\n2\n 30\n3\n"
      "  0\nENDSEC\n  0\nEOF\n");
  Click("Button4");
  ASSERT_EQ(form_->State().StringGrid1.DataRowCount(), 1);
  rewrite("  0\nSECTION\n  2\nENTITIES\n  0\nPOINT\n 10\nnot a number\n");
  Click("Button4");
  ASSERT_EQ(dialogs_.Errors().size(), 1u);
  EXPECT_NE(dialogs_.Errors()[0].find("copy.dxf"), std::string::npos) << dialogs_.Errors()[0];
  EXPECT_EQ(form_->State().StringGrid1.DataRowCount(), 1);
}

}  // namespace
}  // namespace vensa::test
