#include "sheet/excel_link.h"

#include <gtest/gtest.h>

#include <functional>

#include "sheet_fixture.h"

namespace vensa {
namespace {

using ExcelLinkTest = SheetCommandTest;

// The platform call that brings the spreadsheet's main window forward.
const std::string kForeground = "SetForegroundWindow " + std::to_string(SimExcel::kDefaultWindow);

TEST_F(ExcelLinkTest, AttachTakesApplicationBookAndSheetAndShowsTheSheetInTheCaption) {
  ClearCalls();
  EXPECT_TRUE(GetExcelApp(form, link, platform));
  EXPECT_EQ(link.EXcelHandle, SimExcel::kDefaultWindow);
  EXPECT_TRUE(link.MSExcel && link.WorkBook && link.WorkSheet);
  EXPECT_EQ(form.Caption, "Vensa2023.8.9 [ Sheet1 ] ");
  EXPECT_EQ(Calls(), AttachCalls());
}

TEST_F(ExcelLinkTest, AttachUsesTheBookAndSheetInFrontAtThatMoment) {
  ASSERT_TRUE(GetExcelApp(form, link, platform));
  excel.AddWorkbook("座標.xlsx", {"現場A"});
  ASSERT_TRUE(GetExcelApp(form, link, platform));
  EXPECT_EQ(form.Caption, "Vensa2023.8.9 [ 現場A ] ");
  EXPECT_EQ(link.WorkBook->Name(), "座標.xlsx");
}

TEST_F(ExcelLinkTest, NoSpreadsheetWindowMeansNotAttachedAndNothingAsked) {
  excel.Quit(platform);
  ClearCalls();
  EXPECT_FALSE(GetExcelApp(form, link, platform));
  EXPECT_FALSE(link.Attached());
  EXPECT_EQ(form.Caption, "Vensa2023");
  EXPECT_EQ(Calls(), Lines{"FindTopLevelWindow XLMAIN"});
}

TEST_F(ExcelLinkTest, FailuresAfterTheWindowWasFoundLeaveTheLinkNotAttached) {
  struct Case {
    const char* what;
    std::function<void(SheetWorld&)> arrange;
    const char* caption;
  };
  // A window without a registered running object, no workbook, refused calls: each is
  // swallowed; the caption shows how far the attach came.
  const Case cases[] = {
      {"no running object",
       [](SheetWorld& t) { t.platform.RemoveRunningObject(SimExcel::kClassId); }, "Vensa2023"},
      {"ProgID unknown",
       [](SheetWorld& t) { t.platform.RegisterClass("Excel.Application", "{other}"); },
       "Vensa2023"},
      {"no workbook", [](SheetWorld& t) { t.excel.CloseWorkbook("Book1.xlsx"); }, "Vensa2023"},
      {"book name refused", [](SheetWorld& t) { t.excel.FailAt("book.Name", 1, "busy"); },
       "Vensa2023"},
      {"no active sheet", [](SheetWorld& t) { t.excel.FailAt("book.ActiveSheet", 1, "busy"); },
       "Vensa2023.8.9 - Book1.xlsx"},
      {"sheet name refused", [](SheetWorld& t) { t.excel.FailAt("sheet.Name", 1, "busy"); },
       "Vensa2023.8.9 - Book1.xlsx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SheetWorld t;  // each case on its own spreadsheet and window state
    c.arrange(t);
    EXPECT_FALSE(GetExcelApp(t.form, t.link, t.platform));
    EXPECT_EQ(t.link.EXcelHandle, 0);
    EXPECT_FALSE(t.link.WorkSheet);
    EXPECT_EQ(t.form.Caption, c.caption);
  }
}

TEST_F(ExcelLinkTest, ReleaseDropsTheHeldReferences) {
  ASSERT_TRUE(GetExcelApp(form, link, platform));
  std::weak_ptr<ExcelWorksheet> sheet = link.WorkSheet;
  std::weak_ptr<ExcelWorkbook> book = link.WorkBook;
  link.Release();
  EXPECT_TRUE(sheet.expired());
  EXPECT_TRUE(book.expired());
  EXPECT_FALSE(link.MSExcel);
  EXPECT_FALSE(link.Attached());
}

TEST_F(ExcelLinkTest, RowSelectAttachesWhenNeededSelectsAndBringsTheSpreadsheetForward) {
  ClearCalls();
  ExcelRowSelect(form, link, platform, 7);
  Lines expected = AttachCalls();
  expected.insert(expected.end(),
                  {"sheet.Rows(7)", "7:7.Select",
                   "SetForegroundWindow " + std::to_string(SimExcel::kDefaultWindow)});
  EXPECT_EQ(Calls(), expected);
  EXPECT_EQ(Sheet().Selection(), "7:7");
  EXPECT_EQ(platform.GetForegroundWindow(), SimExcel::kDefaultWindow);
}

TEST_F(ExcelLinkTest, RowSelectReusesTheLastAttachment) {
  ASSERT_TRUE(GetExcelApp(form, link, platform));
  ClearCalls();
  ExcelRowSelect(form, link, platform, 3);
  EXPECT_EQ(Calls(), (Lines{"sheet.Rows(3)", "3:3.Select", kForeground}));
}

TEST_F(ExcelLinkTest, RowSelectOnASheetNoLongerInFrontOrAClosedSpreadsheetDoesNothing) {
  ASSERT_TRUE(GetExcelApp(form, link, platform));
  excel.ActivateSheet("Book1.xlsx", "Sheet2");
  EXPECT_NO_THROW(ExcelRowSelect(form, link, platform, 3));
  EXPECT_EQ(platform.Log().CountPrefix("SetForegroundWindow"), 0);

  excel.Quit(platform);
  excel.Start(platform);  // a new instance; the link still holds the old one
  ClearCalls();
  EXPECT_NO_THROW(ExcelRowSelect(form, link, platform, 3));
  EXPECT_EQ(Calls(), Lines{"sheet.Rows(3)"});
  EXPECT_EQ(excel.ActiveSheet().Selection(), "A1");
}

TEST_F(ExcelLinkTest, RowAndColumnBelowOneAreIgnored) {
  ClearCalls();
  ExcelRowSelect(form, link, platform, 0);
  ExcelColSelect(form, link, platform, -1);
  EXPECT_TRUE(Calls().empty());
}

TEST_F(ExcelLinkTest, ColumnSelectAlwaysAttachesAgainAndFollowsTheSheetInFront) {
  ASSERT_TRUE(GetExcelApp(form, link, platform));
  excel.ActivateSheet("Book1.xlsx", "Sheet2");
  ClearCalls();
  ExcelColSelect(form, link, platform, 4);
  Lines expected = AttachCalls();
  expected.insert(expected.end(), {"sheet.Columns(4)", "D:D.Select", kForeground});
  EXPECT_EQ(Calls(), expected);
  EXPECT_EQ(form.Caption, "Vensa2023.8.9 [ Sheet2 ] ");
  EXPECT_EQ(excel.Sheet("Book1.xlsx", "Sheet2").Selection(), "D:D");
}

TEST_F(ExcelLinkTest, SelectionsBringAMinimisedSpreadsheetForwardWithoutRestoringIt) {
  excel.Quit(platform);
  excel.Start(platform, SimExcel::kDefaultWindow, /*minimized=*/true);
  ExcelColSelect(form, link, platform, 2);
  ExcelRowSelect(form, link, platform, 2);
  EXPECT_EQ(platform.Log().Count(kForeground), 2);
  EXPECT_EQ(platform.Log().CountPrefix("RestoreWindow"), 0);
  EXPECT_TRUE(platform.WindowMinimized(SimExcel::kDefaultWindow));
}

TEST_F(ExcelLinkTest, SelectionErrorsAreSwallowedAndNothingIsBroughtForward) {
  excel.FailAt("range.Select", 1, "refused");
  EXPECT_NO_THROW(ExcelColSelect(form, link, platform, 2));
  excel.FailAt("sheet.Rows", 1, "refused");
  EXPECT_NO_THROW(ExcelRowSelect(form, link, platform, 2));
  EXPECT_EQ(platform.Log().CountPrefix("SetForegroundWindow"), 0);
  EXPECT_TRUE(link.Attached());  // a failed selection does not undo the attach
}

}  // namespace
}  // namespace vensa
