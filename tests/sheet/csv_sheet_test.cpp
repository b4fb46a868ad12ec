// The CSV reader and writer: what a file's bytes become as cells, what is refused, and
// the bytes a worksheet is saved as.
#include "sheet/file/csv_sheet.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "sheet_file_dump.h"

namespace vensa {
namespace {

struct CsvCase {
  const char* what;
  std::string bytes;
  std::string cells;
};

TEST(CsvSheet, ReadsCellsAsTheSpreadsheetApplicationOpensThem) {
  const CsvCase cases[] = {
      {"plain rows, CR LF", "P1,10,20\r\nP2,11,21\r\n",
       "1:1=P1; 1:2=10; 1:3=20; 2:1=P2; 2:2=11; 2:3=21"},
      {"LF only, no line end at the end", "a,b\nc", "1:1=a; 1:2=b; 2:1=c"},
      {"CR only", "a\rb\r", "1:1=a; 2:1=b"},
      {"quotes, doubled quotes, commas inside", "\"a,b\",\"say \"\"hi\"\"\",\"\"",
       "1:1=a,b; 1:2=say \"hi\""},
      {"line ends inside quotes stay in the cell", "\"two\r\nlines\",x\n\"l\nf\"\n",
       "1:1=two\r\nlines; 1:2=x; 2:1=l\nf"},
      {"a quote inside an unquoted cell is text", "5\"pipe,x", "1:1=5\"pipe; 1:2=x"},
      {"text after a closing quote is kept", "\"ab\"c,d", "1:1=abc; 1:2=d"},
      {"ragged rows, empty cells and lines stay empty", "a,,c,\n\n,,,d\n", "1:1=a; 1:3=c; 3:4=d"},
      {"blanks are part of the cell", " a , b", "1:1= a ; 1:2= b"},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF測点,1\r\n", "1:1=測点; 1:2=1"},
      {"UTF-8 without one", "境界杭,2\n", "1:1=境界杭; 1:2=2"},
      {"CP932", "\x8B\xAB\x8A\x45\x8D\x59,3\r\n", "1:1=境界杭; 1:2=3"},
      {"UTF-16LE with its mark",
       std::string("\xFF\xFE"
                   "a\0,\0b\0",
                   8),
       "1:1=a; 1:2=b"},
      {"nothing", "", ""},
  };
  for (const CsvCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(test::DumpCells(ReadCsv(c.bytes, "x.csv")), c.cells);
    // Cells read one by one from the file's text, numbers typed as read, are the cells the
    // sheet holds once it takes them all in.
    FileWorksheet asRead = ReadCsv(c.bytes, "x.csv");
    FileWorksheet held = ReadCsv(c.bytes, "x.csv");
    asRead.TypeNumbers({2});
    held.Cells();
    held.TypeNumbers({2});
    for (int row = 1; row <= 4; ++row)
      for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(asRead.Get(row, column), held.Get(row, column)) << row << ":" << column;
  }
}

TEST(CsvSheet, RefusesWhatIsNoCsvNamingTheFileAndLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\n\"open,b\nc\n",
       "ファイル \"x.csv\" を読み込めません。引用符 (\") が閉じられていません (2 行目)。"},
      {std::string("a\nb\0c\n", 6),
       "ファイル \"x.csv\" を読み込めません。CSV のテキストではありません (2 行目)。"},
      {"a\n\x81\x20\n",
       "ファイル \"x.csv\" を読み込めません。CSV のテキストではありません (2 行目)。"},
      {std::string(16384, ',') + "x",
       "ファイル \"x.csv\" を読み込めません。列 16385 はワークシートの範囲外です。"},
  };
  for (const auto& [bytes, message] : cases) {
    try {
      ReadCsv(bytes, "x.csv");
      ADD_FAILURE() << "read: " << message;
    } catch (const FileReadError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
}

TEST(CsvSheet, WritesUtf8WithBomAndCrLfQuotingOnlyWhereNeeded) {
  FileWorksheet sheet;
  sheet.Put(2, 2, SheetValue::Text("P1"));
  sheet.Put(2, 3, SheetValue::Number(12.5));
  sheet.Put(2, 5, SheetValue::Text("a,b"));
  sheet.Put(4, 1, SheetValue::Text("say \"hi\""));
  sheet.Put(4, 2, SheetValue::Text("two\nlines"));
  sheet.Put(4, 3, SheetValue::Text(" 杭"));
  const std::string bytes = CsvBytes(sheet);
  EXPECT_EQ(
      bytes,
      "\xEF\xBB\xBF\r\n,P1,12.5,,\"a,b\"\r\n\r\n\"say \"\"hi\"\"\",\"two\nlines\",\" 杭\"\r\n");
  // What is written reads back as the same cells (numbers as their text).
  EXPECT_EQ(test::DumpCells(ReadCsv(bytes, "x.csv")),
            "2:2=P1; 2:3=12.5; 2:5=a,b; 4:1=say \"hi\"; 4:2=two\nlines; 4:3= 杭");
  EXPECT_EQ(CsvBytes(FileWorksheet()), "\xEF\xBB\xBF");
}

}  // namespace
}  // namespace vensa
