// "Exceｌから" and "Excelへ" with a file in place of the running spreadsheet: the same
// cells as on the worksheet, the columns typed as the user expects, the buttons choosing
// between the running spreadsheet and a file.
#include "sheet/file/sheet_file_commands.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "core/file_io.h"
#include "platform/sim/sim_ui.h"
#include "sheet/excel_transfer.h"
#include "sheet/file/csv_sheet.h"
#include "sheet/file/sheet_file.h"
#include "sheet_file_dump.h"
#include "sheet_fixture.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

using Row = std::vector<std::string>;

class SheetFileCommandTest : public SheetCommandTest {
 protected:
  SheetFileCommandTest() {
    // Name in B, X in D, Y in C, Z in E, from row 3.
    form.UpDown1.position = 1;
    form.UpDown2.position = 3;
    form.UpDown3.position = 2;
    form.UpDown5.position = 4;
    form.CheckBox8.checked = true;
    form.UpDown4.position = 3;
  }
  static std::vector<Row> DataRows(const TextGrid& list) {
    std::vector<Row> rows;
    for (int r = 1; r < list.RowCount(); ++r) rows.push_back(list.Row(r));
    return rows;
  }
  void SetList(TextGrid& list, const std::vector<Row>& rows) {
    list.SetRowCount(1);
    list.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        list.SetCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
  }
  test::TempDir dir;
  SimUi ui;
};

TEST_F(SheetFileCommandTest, CsvReadsTheSameCellsAsTheWorksheetNumbersTypedNamesKept) {
  const std::string path = dir.Write(
      "測点.csv",
      "title,,,\r\n\r\n,001,20.000,\" 12.500\",1e1\r\n,P2,21,11,\r\n,P3,22,,\r\n,P4,23,13,x\r\n");
  const CommandOutcome read = ReadListFromSheetFile(form, path);
  // X and Y as from number cells (the list's text of a number), the name as written; the
  // list ends at the row without X, as on the worksheet.
  EXPECT_EQ(DataRows(form.StringGrid1),
            (std::vector<Row>{{"001", "12.5", "20", "10", "1"}, {"P2", "11", "21", "", "2"}}));
  EXPECT_EQ(read.summary, "");
}

// The worksheet's last row is a row: a file whose rows run to it is read to its end.
TEST_F(SheetFileCommandTest, RowsRunningToTheWorksheetsLastRowAreRead) {
  std::string rows;
  rows.reserve(2 * 1048574 + 64);
  for (int r = 1; r <= 1048574; ++r) rows += "\r\n";
  const std::string path = dir.Write("last.csv", rows + ",P1,1,2\r\n,P2,3,4\r\n");
  form.UpDown4.position = 1048575;
  ReadListFromSheetFile(form, path);
  EXPECT_EQ(DataRows(form.StringGrid1),
            (std::vector<Row>{{"P1", "2", "1", "", "1"}, {"P2", "4", "3", "", "2"}}));
}

TEST_F(SheetFileCommandTest, XlsxWrittenHoldsCoordinatesAsNumbersAndNamesAsText) {
  SetList(form.StringGrid1, {{"001", "12.500", "20", "", "1"}, {"P2", "1e3", "abc", "5.25", "2"}});
  const std::string path = dir.File("out.xlsx");
  WriteListToSheetFile(form, form.StringGrid1, path);
  const FileWorksheet sheet = LoadSheetFile(path);
  EXPECT_EQ(test::DumpCells(sheet),
            "3:2=001; 3:3#20; 3:4#12.5; 4:2=P2; 4:3=abc; 4:4#1000; 4:5#5.25");
  // Read back with the same settings: the list again, in the list's text of numbers.
  ReadListFromSheetFile(form, path);
  EXPECT_EQ(DataRows(form.StringGrid1),
            (std::vector<Row>{{"001", "12.5", "20", "", "1"}, {"P2", "1000", "abc", "5.25", "2"}}));
}

TEST_F(SheetFileCommandTest, CsvWrittenKeepsTheListsTexts) {
  SetList(form.StringGrid1, {{"001", "12.500", "20", "", "1"}});
  const std::string path = dir.File("out.csv");
  WriteListToSheetFile(form, form.StringGrid1, path);
  EXPECT_EQ(ReadFileBytes(path), "\xEF\xBB\xBF\r\n\r\n,001,20,12.500\r\n");
}

TEST_F(SheetFileCommandTest, AFileThatCannotBeReadLeavesTheListAsItWas) {
  SetList(form.StringGrid1, {{"P1", "1", "2", "", "1"}});
  // Rows of one-character cells, each a whole list row: the list would take many times the
  // file, past what a CSV file may make.
  std::string tiny;
  for (int r = 0; r < 450'000; ++r) tiny += ",P,1,2\n";
  for (const std::string& path : {dir.Write("bad.xlsx", "not a zip"), dir.File("missing.csv"),
                                  dir.Write("list.txt", "P1,1,2"), dir.Write("tiny.csv", tiny)}) {
    EXPECT_THROW(ReadListFromSheetFile(form, path), FileReadError) << path;
    EXPECT_EQ(DataRows(form.StringGrid1), (std::vector<Row>{{"P1", "1", "2", "", "1"}}));
  }
  // A save that fails (a folder at the path) names the file and leaves the folder.
  std::filesystem::create_directory(dir.path() / "folder.xlsx");
  EXPECT_THROW(WriteListToSheetFile(form, form.StringGrid1, dir.File("folder.xlsx")),
               FileCreateError);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.xlsx"));
}

TEST_F(SheetFileCommandTest, ButtonsUseTheRunningSpreadsheetElseAskForAFile) {
  SetList(form.StringGrid1, {{"P1", "10", "20", "", "1"}});
  SetList(form.StringGrid2, {{"文字", "1", "2", "3"}});
  // Running: the worksheet as today, no dialog.
  WriteCoordListToSheetOrFile(form, link, platform, ui);
  EXPECT_EQ(SheetValueToText(Sheet().Get(3, 2)), "P1");
  EXPECT_TRUE(ui.Log().Lines().empty());

  excel.Quit(platform);
  const std::string coords = dir.File("c.csv"), texts = dir.File("t.xlsx");
  ui.QueueFileName(coords);
  WriteCoordListToSheetOrFile(form, link, platform, ui);
  ui.QueueFileName(texts);
  WriteTextListToSheetOrFile(form, link, platform, ui);
  EXPECT_EQ(ReadFileBytes(coords), "\xEF\xBB\xBF\r\n\r\n,P1,20,10\r\n");
  EXPECT_EQ(test::DumpCells(LoadSheetFile(texts)), "3:2=文字; 3:3#2; 3:4#1; 3:5#3");

  ui.QueueFileName(coords);
  ReadListFromSheetOrFile(form, link, platform, ui);
  EXPECT_EQ(DataRows(form.StringGrid1), (std::vector<Row>{{"P1", "10", "20", "", "1"}}));
  // Cancelled: nothing read, nothing written.
  ui.QueueFileName(std::nullopt);
  EXPECT_FALSE(ReadListFromSheetOrFile(form, link, platform, ui).done);
  EXPECT_EQ(DataRows(form.StringGrid1), (std::vector<Row>{{"P1", "10", "20", "", "1"}}));

  // A file that exists is replaced only when the user says so; a name without extension
  // is a workbook.
  SetList(form.StringGrid1, {{"P2", "30", "40", "", "1"}});
  ui.QueueFileName(coords);
  EXPECT_FALSE(WriteCoordListToSheetOrFile(form, link, platform, ui).done);
  EXPECT_EQ(ReadFileBytes(coords), "\xEF\xBB\xBF\r\n\r\n,P1,20,10\r\n") << "not asked: No";
  ui.QueueFileName(coords);
  ui.QueueAnswer(MessageAnswer::Yes);
  WriteCoordListToSheetOrFile(form, link, platform, ui);
  EXPECT_EQ(ReadFileBytes(coords), "\xEF\xBB\xBF\r\n\r\n,P2,40,30\r\n");
  EXPECT_EQ(ui.Questions(), (std::vector<std::string>(2, kSheetFileOverwriteQuestion)));
  ui.QueueFileName(dir.File("new"));
  WriteCoordListToSheetOrFile(form, link, platform, ui);
  EXPECT_EQ(test::DumpCells(LoadSheetFile(dir.File("new.xlsx"))), "3:2=P2; 3:3#40; 3:4#30");
}

}  // namespace
}  // namespace vensa
