#include "sheet/excel_transfer.h"

#include <gtest/gtest.h>

#include "core/coord_list.h"
#include "sheet/excel_error.h"
#include "sheet_fixture.h"

namespace vensa {
namespace {

using Row = std::vector<std::string>;

class ExcelTransferTest : public SheetCommandTest {
 protected:
  // Worksheet rows from `row` on, cells A.. left to right; "" leaves a cell empty.
  void PutRows(int row, const std::vector<Row>& rows) {
    for (const Row& cells : rows) {
      for (std::size_t c = 0; c < cells.size(); ++c) {
        if (!cells[c].empty()) Sheet().SetText(row, static_cast<int>(c) + 1, cells[c]);
      }
      ++row;
    }
  }
  // Data rows of a list, all columns.
  static std::vector<Row> DataRows(const TextGrid& list) {
    std::vector<Row> rows;
    for (int r = 1; r < list.RowCount(); ++r) rows.push_back(list.Row(r));
    return rows;
  }
  void SetList(TextGrid& list, const std::vector<Row>& rows) {
    list.SetRowCount(1);
    list.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        list.SetCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
      }
    }
  }
  std::string CellText(int row, int column) { return SheetValueToText(Sheet().Get(row, column)); }
};

// ---- Reading: "Exceｌから" ---------------------------------------------------------------

TEST_F(ExcelTransferTest, ReadsRowsUntilTheFirstEmptyXAndNumbersThem) {
  PutRows(1, {{"P1", "10", "20", "99"}, {"P2", "11", "21"}, {"P3", "12", "22"}, {"P4", "", "23"}});
  form.ListDisplayGroupEnabled = true;
  form.StatusBar1[1] = "取得失敗";
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1), (std::vector<Row>{{"P1", "10", "20", "", "1"},
                                                          {"P2", "11", "21", "", "2"},
                                                          {"P3", "12", "22", "", "3"}}));
  EXPECT_EQ(form.StringGrid1.Row(0), CoordListHeaders());
  EXPECT_FALSE(form.ListDisplayGroupEnabled);
  EXPECT_EQ(form.StatusBar1[1], "");
  EXPECT_EQ(form.Caption, "Vensa2023.8.9 [ Sheet1 ] ");
}

TEST_F(ExcelTransferTest, ReadFollowsTheCellCursorAndStopsAtTheMissingY) {
  PutRows(1, {{"P1", "10", "20"}, {"P2", "11", ""}, {"P3", "12", "22"}});
  ClearCalls();
  ReadListFromExcel(form, link, platform);
  Lines expected = AttachCalls();
  for (const char* cell : {"A1", "B1", "C1", "A2", "B2", "C2"}) {
    std::string col = std::to_string(cell[0] - 'A' + 1);
    std::string args = "sheet.Cells(" + std::string(cell + 1) + "," + col + ")";
    expected.insert(expected.end(),
                    {args, std::string(cell) + ".Select", args, std::string(cell) + ".Value"});
  }
  EXPECT_EQ(Calls(), expected);
  EXPECT_EQ(form.StringGrid1.DataRowCount(), 1);
  EXPECT_EQ(Sheet().Selection(), "C2");
}

TEST_F(ExcelTransferTest, AnEmptyNameIsTakenAndNothingOfTheEarlierListRemains) {
  SetList(
      form.StringGrid1,
      {{"OLD1", "1", "2", "3", "7"}, {"OLD2", "1", "2", "3", "8"}, {"OLD3", "1", "2", "3", "9"}});
  PutRows(1, {{"P1", "10", "20"}, {"", "11", "21"}});
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1),
            (std::vector<Row>{{"P1", "10", "20", "", "1"}, {"", "11", "21", "", "2"}}));
}

TEST_F(ExcelTransferTest, FirstRowWithoutXGivesAnEmptyList) {
  PutRows(1, {{"P1", "", "20"}, {"P2", "11", "21"}});
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(form.StringGrid1.RowCount(), 1);
  EXPECT_EQ(form.StringGrid1.Row(0), CoordListHeaders());
}

TEST_F(ExcelTransferTest, NumbersBecomeGeneralFormTextWithAtMost15Digits) {
  Sheet().SetText(1, 1, " 名前 ");
  Sheet().SetNumber(1, 2, 100.0);  // shown as 100.000 by its format; read as its value
  Sheet().SetNumber(1, 3, 0.1 + 0.2);
  Sheet().SetNumber(2, 1, 101);
  Sheet().SetNumber(2, 2, 123456789.123456789);
  Sheet().SetNumber(2, 3, -0.0);
  Sheet().SetNumber(3, 1, 1e20);
  Sheet().SetNumber(3, 2, -12.5);
  Sheet().SetText(3, 3, "  12.50 ");  // text stays exactly as typed
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1), (std::vector<Row>{{" 名前 ", "100", "0.3", "", "1"},
                                                          {"101", "123456789.123457", "0", "", "2"},
                                                          {"1E20", "-12.5", "  12.50 ", "", "3"}}));
}

TEST_F(ExcelTransferTest, ZIsReadOnlyWithTheZBoxAndAnEmptyZDoesNotEndTheRead) {
  PutRows(1, {{"P1", "10", "20", "5"}, {"P2", "11", "21", ""}, {"P3", "12", "22", "7"}});
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(platform.Log().Count("sheet.Cells(1,4)"), 0);

  form.CheckBox8.checked = true;
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1), (std::vector<Row>{{"P1", "10", "20", "5", "1"},
                                                          {"P2", "11", "21", "", "2"},
                                                          {"P3", "12", "22", "7", "3"}}));
}

TEST_F(ExcelTransferTest, StartRowAndColumnPositionsChooseTheCells) {
  PutRows(1, {{"no", "no", "no"}, {"", "", ""}, {}, {}, {"P5", "15", "25", "", "X6"}});
  PutRows(6, {{"P6", "16", "26", "", "X7"}});
  form.UpDown4.position = 5;
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1),
            (std::vector<Row>{{"P5", "15", "25", "", "1"}, {"P6", "16", "26", "", "2"}}));

  // Name from E, X from C, Y from A, Z from B.
  form.UpDown1.position = 4;
  form.UpDown2.position = 2;
  form.UpDown3.position = 0;
  form.UpDown5.position = 1;
  form.CheckBox8.checked = true;
  ClearCalls();
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1),
            (std::vector<Row>{{"X6", "25", "P5", "15", "1"}, {"X7", "26", "P6", "16", "2"}}));
  EXPECT_EQ(
      CallsStartingWith("sheet.Cells(5,"),
      (Lines{"sheet.Cells(5,5)", "sheet.Cells(5,5)", "sheet.Cells(5,3)", "sheet.Cells(5,3)",
             "sheet.Cells(5,1)", "sheet.Cells(5,1)", "sheet.Cells(5,2)", "sheet.Cells(5,2)"}));
}

TEST_F(ExcelTransferTest, AReadErrorKeepsTheRowsTakenAndSkipsTheNumbering) {
  PutRows(1, {{"P1", "10", "20"}, {"P2", "11", "21"}, {"P3", "12", "22"}, {"P4", "13", "23"}});
  form.ListDisplayGroupEnabled = true;
  excel.FailAt("range.Value", 8, "busy");  // the X of worksheet row 3
  EXPECT_NO_THROW(ReadListFromExcel(form, link, platform));
  EXPECT_EQ(DataRows(form.StringGrid1),
            (std::vector<Row>{{"P1", "10", "20", "", ""}, {"P2", "11", "21", "", ""}}));
  EXPECT_TRUE(form.ListDisplayGroupEnabled);
  EXPECT_EQ(Calls().back(), "B3.Value");
}

TEST_F(ExcelTransferTest, ReadErrorAtTheVeryFirstCellLeavesAnEmptyList) {
  PutRows(1, {{"P1", "10", "20"}});
  excel.FailAt("range.Select", 1, "busy");
  EXPECT_NO_THROW(ReadListFromExcel(form, link, platform));
  EXPECT_EQ(form.StringGrid1.RowCount(), 1);
}

TEST_F(ExcelTransferTest, ReadWithoutSpreadsheetChangesNothing) {
  SetList(form.StringGrid1, {{"KEEP", "1", "2", "", "1"}});
  excel.CloseWorkbook("Book1.xlsx");
  ReadListFromExcel(form, link, platform);
  excel.Quit(platform);
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1), (std::vector<Row>{{"KEEP", "1", "2", "", "1"}}));
  EXPECT_EQ(form.Caption, "Vensa2023");
}

TEST_F(ExcelTransferTest, ReadingRunsOffTheWorksheetEndAndStopsThere) {
  form.UpDown4.position = SimWorksheet::kMaxRow;
  PutRows(SimWorksheet::kMaxRow, {{"P", "1", "2"}});
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1), (std::vector<Row>{{"P", "1", "2", "", ""}}));
}

// ---- Writing: "Excelへ" ------------------------------------------------------------------

TEST_F(ExcelTransferTest, WritesTheCoordinateListFromTheStartRowSkippingEmptyCells) {
  SetList(form.StringGrid1, {{"P1", "10.000", "20.000", "1.5", "1"}, {"", "11", "21", "", "2"}});
  Sheet().SetText(4, 1, "keep name");
  Sheet().SetText(4, 4, "keep z");
  form.UpDown4.position = 3;
  ClearCalls();
  WriteCoordListToExcel(form, link, platform);
  Lines expected = AttachCalls();
  expected.insert(expected.end(),
                  {"sheet.Cells(3,1)", "A3.Select",   "sheet.Cells(3,1)", "A3.Value=P1",
                   "sheet.Cells(3,2)", "B3.Select",   "sheet.Cells(3,2)", "B3.Value=10.000",
                   "sheet.Cells(3,3)", "C3.Select",   "sheet.Cells(3,3)", "C3.Value=20.000",
                   "sheet.Cells(4,1)", "A4.Select",   "sheet.Cells(4,2)", "B4.Select",
                   "sheet.Cells(4,2)", "B4.Value=11", "sheet.Cells(4,3)", "C4.Select",
                   "sheet.Cells(4,3)", "C4.Value=21"});
  EXPECT_EQ(Calls(), expected);
  EXPECT_EQ(CellText(4, 1), "keep name");
  EXPECT_EQ(CellText(3, 4), "");  // Z off: neither Z nor PLOT No. is written
  EXPECT_EQ(CellText(4, 4), "keep z");
  EXPECT_EQ(CellText(3, 5), "");
}

TEST_F(ExcelTransferTest, WritesZWithTheZBoxAndLeavesTheCellOfAnEmptyZ) {
  SetList(form.StringGrid1, {{"P1", "1", "2", "3", "1"}, {"P2", "4", "5", "", "2"}});
  Sheet().SetNumber(2, 7, 42);
  form.CheckBox8.checked = true;
  form.UpDown5.position = 6;
  WriteCoordListToExcel(form, link, platform);
  EXPECT_EQ(CellText(1, 7), "3");
  EXPECT_EQ(Sheet().Get(2, 7), SheetValue::Number(42));
  EXPECT_EQ(platform.Log().Count("G2.Select"), 1);
}

TEST_F(ExcelTransferTest, WritesTheTextListToTheSameColumns) {
  SetList(form.StringGrid2, {{"境界", "1.00", "2.00", "0.00"}});
  SetList(form.StringGrid1, {{"NOT", "9", "9", "9", "1"}});
  form.CheckBox8.checked = true;
  WriteTextListToExcel(form, link, platform);
  EXPECT_EQ(CellText(1, 1), "境界");
  EXPECT_EQ(CellText(1, 2), "1.00");
  EXPECT_EQ(CellText(1, 3), "2.00");
  EXPECT_EQ(CellText(1, 4), "0.00");
  EXPECT_EQ(platform.Log().CountPrefix("sheet.Cells(2,"), 0);
}

TEST_F(ExcelTransferTest, AWriteErrorStopsAtThatCellAndReachesTheCaller) {
  SetList(form.StringGrid1, {{"P1", "1", "2", "", "1"}, {"P2", "3", "4", "", "2"}});
  excel.FailAt("range.Value=", 4, "書き込めません");  // P2
  try {
    WriteCoordListToExcel(form, link, platform);
    FAIL() << "the write error was swallowed";
  } catch (const ExcelAutomationError& e) {
    EXPECT_STREQ(e.what(), "書き込めません");
  }
  EXPECT_EQ(CellText(1, 1), "P1");
  EXPECT_EQ(CellText(1, 3), "2");
  EXPECT_EQ(CellText(2, 1), "");
  EXPECT_EQ(Calls().back(), "A2.Value=P2");

  excel.FailAt("range.Select", 1, "refused");
  EXPECT_THROW(WriteTextListToExcel(form, link, platform), ExcelAutomationError);
}

TEST_F(ExcelTransferTest, WriteWithoutSpreadsheetOrWithoutDataRowsWritesNothing) {
  form.StringGrid1.SetRowCount(1);
  ClearCalls();
  EXPECT_NO_THROW(WriteCoordListToExcel(form, link, platform));
  EXPECT_EQ(Calls(), AttachCalls());  // attached, but there is nothing to write

  SetList(form.StringGrid1, {{"P1", "1", "2", "", "1"}});
  excel.CloseWorkbook("Book1.xlsx");
  EXPECT_NO_THROW(WriteCoordListToExcel(form, link, platform));
  excel.Quit(platform);
  EXPECT_NO_THROW(WriteCoordListToExcel(form, link, platform));
  EXPECT_NO_THROW(WriteTextListToExcel(form, link, platform));
  EXPECT_EQ(platform.Log().CountPrefix("sheet.Cells"), 0);
}

TEST_F(ExcelTransferTest, AWrittenListReadsBackTheSame) {
  SetList(form.StringGrid1, {{"A-1", "-1.250", "3.000", "0.5", "1"}, {"A-2", "4", "5", "", "2"}});
  form.CheckBox8.checked = true;
  form.UpDown4.position = 10;
  const std::vector<Row> before = DataRows(form.StringGrid1);
  WriteCoordListToExcel(form, link, platform);
  form.StringGrid1 = MakeCoordList();
  ReadListFromExcel(form, link, platform);
  EXPECT_EQ(DataRows(form.StringGrid1), before);
}

}  // namespace
}  // namespace vensa
