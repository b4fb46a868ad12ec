#include "sheet/sim/sim_excel.h"

#include <gtest/gtest.h>

#include "sheet/excel_error.h"

namespace vensa {
namespace {

using Lines = std::vector<std::string>;

class SimExcelTest : public ::testing::Test {
 protected:
  SimExcelTest() : excel(platform.SharedLog()) {
    excel.AddWorkbook("Book1.xlsx", {"Sheet1", "Sheet2"});
    excel.Start(platform);
    platform.Log().Clear();
  }

  std::shared_ptr<ExcelWorksheet> FrontSheet() {
    return excel.Application()->ActiveWorkBook()->ActiveSheet();
  }

  SimPlatform platform;
  SimExcel excel;
};

TEST_F(SimExcelTest, StartRegistersClassRunningObjectAndMainWindow) {
  auto classId = platform.ClassIdFromProgId("Excel.Application");
  ASSERT_TRUE(classId.has_value());
  EXPECT_EQ(platform.GetActiveObject(*classId), excel.Application());
  EXPECT_EQ(platform.FindTopLevelWindow("XLMAIN"), SimExcel::kDefaultWindow);

  excel.Quit(platform);
  EXPECT_EQ(platform.GetActiveObject(*classId), nullptr);
  EXPECT_EQ(platform.FindTopLevelWindow("XLMAIN"), 0);
}

TEST_F(SimExcelTest, RecordsEveryCallAsOneLineInOrder) {
  excel.ActiveSheet().SetNumber(3, 2, 12.5);
  auto book = excel.Application()->ActiveWorkBook();
  EXPECT_EQ(book->Name(), "Book1.xlsx");
  auto sheet = book->ActiveSheet();
  EXPECT_EQ(sheet->Name(), "Sheet1");
  EXPECT_EQ(sheet->Cells(3, 2)->Value(), SheetValue::Number(12.5));
  sheet->Cells(3, 2)->Select();
  sheet->Cells(28, 27)->SetValue("abc");
  sheet->Rows(5)->Select();
  sheet->Columns(2)->Select();
  EXPECT_EQ(
      platform.Log().Lines(),
      (Lines{"app.ActiveWorkBook", "book.Name", "book.ActiveSheet", "sheet.Name",
             "sheet.Cells(3,2)", "B3.Value", "sheet.Cells(3,2)", "B3.Select", "sheet.Cells(28,27)",
             "AA28.Value=abc", "sheet.Rows(5)", "5:5.Select", "sheet.Columns(2)", "B:B.Select"}));
  EXPECT_EQ(excel.ActiveSheet().Get(28, 27), SheetValue::Text("abc"));
  EXPECT_EQ(excel.ActiveSheet().Selection(), "B:B");
}

TEST_F(SimExcelTest, ScriptedErrorHitsTheKthCallOfThatMemberOnly) {
  auto sheet = FrontSheet();
  sheet->Cells(1, 1)->Value();  // calls before the script do not count
  excel.FailAt("range.Value", 2, "refused");
  EXPECT_NO_THROW(sheet->Cells(1, 1)->Select());
  EXPECT_NO_THROW(sheet->Cells(1, 1)->Value());
  try {
    sheet->Cells(2, 1)->Value();
    FAIL() << "no error at the second value read";
  } catch (const ExcelAutomationError& e) {
    EXPECT_STREQ(e.what(), "refused");
  }
  EXPECT_NO_THROW(sheet->Cells(3, 1)->Value());
  EXPECT_EQ(platform.Log().Lines().back(), "A3.Value");
}

TEST_F(SimExcelTest, NoWorkbookMeansActiveWorkBookFails) {
  excel.CloseWorkbook("Book1.xlsx");
  EXPECT_THROW(excel.Application()->ActiveWorkBook(), ExcelAutomationError);
}

TEST_F(SimExcelTest, HeldReferencesFailOnceTheApplicationHasQuit) {
  auto sheet = FrontSheet();
  auto cell = sheet->Cells(1, 1);
  excel.Quit(platform);
  EXPECT_THROW(sheet->Name(), ExcelAutomationError);
  EXPECT_THROW(cell->Value(), ExcelAutomationError);
  // A new instance shows the same workbooks, but the old references stay dead.
  excel.Start(platform);
  EXPECT_THROW(sheet->Rows(1), ExcelAutomationError);
  EXPECT_EQ(FrontSheet()->Name(), "Sheet1");
}

TEST_F(SimExcelTest, ClosedWorkbookReferencesFail) {
  auto sheet = FrontSheet();
  excel.AddWorkbook("Book2.xlsx");
  excel.CloseWorkbook("Book1.xlsx");
  EXPECT_THROW(sheet->Cells(1, 1), ExcelAutomationError);
  EXPECT_EQ(excel.Application()->ActiveWorkBook()->Name(), "Book2.xlsx");
}

TEST_F(SimExcelTest, OnlyTheSheetInFrontCanBeSelectedButAnySheetCanBeRead) {
  auto sheet1 = FrontSheet();
  excel.ActiveSheet().SetText(1, 1, "x");
  excel.ActivateSheet("Book1.xlsx", "Sheet2");
  EXPECT_THROW(sheet1->Rows(1)->Select(), ExcelAutomationError);
  EXPECT_EQ(sheet1->Cells(1, 1)->Value(), SheetValue::Text("x"));
  EXPECT_NO_THROW(FrontSheet()->Rows(1)->Select());
  EXPECT_EQ(excel.Sheet("Book1.xlsx", "Sheet2").Selection(), "1:1");
}

TEST_F(SimExcelTest, AddressesOutsideTheWorksheetFail) {
  auto sheet = FrontSheet();
  EXPECT_THROW(sheet->Cells(0, 1), ExcelAutomationError);
  EXPECT_THROW(sheet->Cells(1, 0), ExcelAutomationError);
  EXPECT_THROW(sheet->Rows(SimWorksheet::kMaxRow + 1), ExcelAutomationError);
  EXPECT_THROW(sheet->Columns(SimWorksheet::kMaxColumn + 1), ExcelAutomationError);
  EXPECT_NO_THROW(sheet->Cells(SimWorksheet::kMaxRow, SimWorksheet::kMaxColumn));
  EXPECT_THROW(sheet->Rows(2)->Value(), ExcelAutomationError);
}

TEST(ColumnLettersTest, CountsInLettersLikeTheWorksheet) {
  EXPECT_EQ(ColumnLetters(1), "A");
  EXPECT_EQ(ColumnLetters(26), "Z");
  EXPECT_EQ(ColumnLetters(27), "AA");
  EXPECT_EQ(ColumnLetters(52), "AZ");
  EXPECT_EQ(ColumnLetters(703), "AAA");
  EXPECT_EQ(ColumnLetters(16384), "XFD");
}

}  // namespace
}  // namespace vensa
