#include "sheet/excel_updown.h"

#include <gtest/gtest.h>

#include "sheet_fixture.h"

namespace vensa {
namespace {

using ExcelUpDownTest = SheetCommandTest;

TEST_F(ExcelUpDownTest, ColumnArrowsMoveTheLetterAndSelectThatColumn) {
  StepNameColumn(form, link, platform, UpDownArrow::Up);
  EXPECT_EQ(form.UpDown1.position, 1);
  EXPECT_EQ(form.Edit3.text, "B");
  EXPECT_EQ(Sheet().Selection(), "B:B");

  StepXColumn(form, link, platform, UpDownArrow::Down);
  EXPECT_EQ(form.Edit4.text, "A");
  EXPECT_EQ(Sheet().Selection(), "A:A");

  StepYColumn(form, link, platform, UpDownArrow::Up);
  EXPECT_EQ(form.Edit5.text, "D");
  EXPECT_EQ(Sheet().Selection(), "D:D");
  EXPECT_EQ(platform.GetForegroundWindow(), SimExcel::kDefaultWindow);
  EXPECT_EQ(form.Caption, "Vensa2023.8.9 [ Sheet1 ] ");
}

TEST_F(ExcelUpDownTest, ColumnArrowsDoNotWrapPastZOrBelowA) {
  form.UpDown1.position = 25;
  form.Edit3.text = "Z";
  StepNameColumn(form, link, platform, UpDownArrow::Up);
  EXPECT_EQ(form.UpDown1.position, 25);
  EXPECT_EQ(form.Edit3.text, "Z");
  EXPECT_EQ(Sheet().Selection(), "Z:Z");

  form.UpDown1.position = 0;
  StepNameColumn(form, link, platform, UpDownArrow::Down);
  EXPECT_EQ(form.Edit3.text, "A");
}

TEST_F(ExcelUpDownTest, WithoutSpreadsheetOnlyTheLetterChanges) {
  excel.Quit(platform);
  ClearCalls();
  StepXColumn(form, link, platform, UpDownArrow::Up);
  EXPECT_EQ(form.Edit4.text, "C");
  EXPECT_EQ(form.Caption, "Vensa2023");
  EXPECT_EQ(Calls(), Lines{"FindTopLevelWindow XLMAIN"});
}

TEST_F(ExcelUpDownTest, TheZArrowWorksOnlyWhileZIsOn) {
  ClearCalls();
  StepZColumn(form, link, platform, UpDownArrow::Up);
  EXPECT_EQ(form.UpDown5.position, 3);
  EXPECT_EQ(form.Edit21.text, "D");
  EXPECT_TRUE(Calls().empty());

  form.CheckBox8.checked = true;
  StepZColumn(form, link, platform, UpDownArrow::Up);
  EXPECT_EQ(form.Edit21.text, "E");
  EXPECT_EQ(Sheet().Selection(), "E:E");
}

TEST_F(ExcelUpDownTest, StartRowArrowShowsTheRowAndSelectsIt) {
  StepStartRow(form, link, platform, UpDownArrow::Up);
  EXPECT_EQ(form.UpDown4.position, 2);
  EXPECT_EQ(form.Edit6.text, "2");
  EXPECT_EQ(Sheet().Selection(), "2:2");

  StepStartRow(form, link, platform, UpDownArrow::Down);
  StepStartRow(form, link, platform, UpDownArrow::Down);
  EXPECT_EQ(form.Edit6.text, "1");
  EXPECT_EQ(Sheet().Selection(), "1:1");
  // The second and third arrows reused the first attach.
  EXPECT_EQ(platform.Log().Count("FindTopLevelWindow XLMAIN"), 1);
}

}  // namespace
}  // namespace vensa
