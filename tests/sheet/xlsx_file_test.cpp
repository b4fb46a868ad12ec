// The XLSX reader on packages made here part by part (what outside writers put in them:
// shared strings with readings, inline strings, cached formula results, references left
// out, prefixed names) and on hostile ones; the writer's workbook read back.
#include <zip.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/error.h"
#include "core/file_io.h"
#include "sheet/file/package_xml.h"
#include "sheet/file/sheet_file.h"
#include "sheet/file/xlsx_reader.h"
#include "sheet/file/xlsx_writer.h"
#include "sheet_file_dump.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

using Parts = std::vector<std::pair<std::string, std::string>>;

// A zip package of the parts, deflated. `repeat` more copies of the last part's last
// byte are appended to it, in 1 MB pieces (for a package that unpacks to far more than
// it holds).
std::string Package(const Parts& parts, std::size_t repeatMb = 0) {
  test::TempDir dir;
  const std::string path = dir.File("p.zip");
  zipFile zip = zipOpen64(path.c_str(), 0);
  EXPECT_NE(zip, nullptr);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const auto& [name, content] = parts[i];
    zip_fileinfo info{};
    EXPECT_EQ(zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                    Z_DEFLATED, Z_BEST_SPEED, 1),
              ZIP_OK);
    zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size()));
    if (i + 1 == parts.size() && repeatMb > 0) {
      const std::string piece(1u << 20, content.back());
      for (std::size_t k = 0; k < repeatMb; ++k)
        zipWriteInFileInZip(zip, piece.data(), static_cast<unsigned>(piece.size()));
    }
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
  return ReadFileBytes(path);
}

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string Rels(const std::string& relationships) {
  return "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
         "package/2006/relationships\">" +
         relationships + "</Relationships>";
}

// A workbook whose first sheet is "測点" in xl/worksheets/sheet1.xml, with shared strings.
Parts Workbook(const std::string& sheetData, const std::string& shared = "") {
  return {
      {"_rels/.rels", Rels("<Relationship Id=\"rId1\" Type=\"" + kRel +
                           "/officeDocument\" Target=\"xl/workbook.xml\"/>")},
      {"xl/workbook.xml",
       std::string("<workbook xmlns=\"") + kMain + "\" xmlns:r=\"" + kRel +
           "\"><sheets><sheet name=\"測点\" sheetId=\"1\" r:id=\"rId1\"/>"
           "<sheet name=\"他\" sheetId=\"2\" r:id=\"rId2\"/></sheets></workbook>"},
      {"xl/_rels/workbook.xml.rels",
       Rels("<Relationship Id=\"rId2\" Type=\"" + kRel +
            "/worksheet\" Target=\"worksheets/sheet2.xml\"/>"
            "<Relationship Id=\"rId1\" Type=\"" +
            kRel +
            "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
            "<Relationship Id=\"rId3\" Type=\"" +
            kRel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>")},
      {"xl/sharedStrings.xml", std::string("<sst xmlns=\"") + kMain + "\">" + shared + "</sst>"},
      {"xl/worksheets/sheet2.xml",
       std::string("<worksheet xmlns=\"") + kMain +
           "\"><sheetData><row r=\"1\"><c r=\"A1\"><v>99</v></c></row></sheetData></worksheet>"},
      {"xl/worksheets/sheet1.xml", std::string("<worksheet xmlns=\"") + kMain + "\"><sheetData>" +
                                       sheetData + "</sheetData></worksheet>"},
  };
}

TEST(XlsxReader, ReadsTheFirstSheetsCellsAsTheyAreTyped) {
  const std::string shared =
      "<si><t>P-1</t></si>"
      "<si><t>境界杭</t><rPh sb=\"0\" eb=\"3\"><t>キョウカイクイ</t></rPh><phoneticPr "
      "fontId=\"1\"/></si>"
      "<si><r><rPr><b/></rPr><t>太</t></r><r><t xml:space=\"preserve\"> 字</t></r></si>";
  const std::string data =
      "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>0</v></c><c r=\"B2\"><v>100.5</v></c>"
      "<c r=\"C2\" s=\"1\"><v>-2.5E-3</v></c><c r=\"D2\"/><c r=\"E2\" t=\"s\"><v>1</v></c></row>"
      "<row r=\"3\"><c r=\"A3\" t=\"inlineStr\"><is><t>内</t></is></c>"
      "<c r=\"B3\"><f>B2*2</f><v>201</v></c><c r=\"C3\" "
      "t=\"str\"><f>A2&amp;\"x\"</f><v>P-1x</v></c>"
      "<c r=\"D3\"><f>1/0</f></c><c r=\"E3\" t=\"s\"><v>2</v></c></row>"
      "<row><c t=\"b\"><v>1</v></c><c t=\"b\"><v>0</v></c><c t=\"e\"><v>#N/A</v></c></row>"
      "<row r=\"7\"><c r=\"AB7\"><v>7</v></c></row>";
  const FileWorksheet sheet = ReadXlsx(Package(Workbook(data, shared)), "a.xlsx");
  EXPECT_EQ(test::DumpCells(sheet),
            "2:1=P-1; 2:2#100.5; 2:3#-0.0025; 2:5=境界杭; "
            "3:1=内; 3:2#201; 3:3=P-1x; 3:5=太 字; "
            "4:1=TRUE; 4:2=FALSE; 4:3=#N/A; 7:28#7");
  FileWorksheet copy = sheet;
  EXPECT_EQ(copy.Name(), "測点");
}

// Another writer's habits: prefixed element names, an absolute relationship target, the
// workbook part elsewhere, no shared strings at all.
TEST(XlsxReader, FollowsTheRelationshipsWhereverTheyLead) {
  const std::string x = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
  const Parts parts = {
      {"_rels/.rels", Rels("<Relationship Id=\"a\" Type=\"" + kRel +
                           "/officeDocument\" Target=\"/book/wb.xml\"/>")},
      {"book/wb.xml", "<x:workbook xmlns:x=\"" + x + "\" xmlns:r=\"" + kRel +
                          "\"><x:sheets><x:sheet name=\"S\" sheetId=\"1\" r:id=\"s1\"/>"
                          "</x:sheets></x:workbook>"},
      {"book/_rels/wb.xml.rels",
       Rels("<Relationship Id=\"s1\" Type=\"" + kRel + "/worksheet\" Target=\"/data/s.xml\"/>")},
      {"data/s.xml", "<x:worksheet xmlns:x=\"" + x +
                         "\"><x:sheetData><x:row r=\"1\"><x:c r=\"B1\" t=\"inlineStr\"><x:is>"
                         "<x:t>名</x:t></x:is></x:c><x:c r=\"C1\"><x:v>3</x:v></x:c></x:row>"
                         "</x:sheetData></x:worksheet>"},
  };
  EXPECT_EQ(test::DumpCells(ReadXlsx(Package(parts), "b.xlsx")), "1:2=名; 1:3#3");
}

std::string Repeated(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// A sheet part of a few hundred kB that unpacks to 300 MB of blanks inside its root.
std::string Bomb() {
  Parts parts = Workbook("");
  parts.back().second = std::string("<worksheet xmlns=\"") + kMain + "\"><sheetData> ";
  return Package(parts, 300);
}

TEST(XlsxReader, RefusesBrokenAndHostileWorkbooksNamingTheFile) {
  const std::string good = Package(Workbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"));
  const std::string prefix = "ファイル \"h.xlsx\" を読み込めません。";
  const std::pair<std::string, std::string> cases[] = {
      {"PK\x03\x04 not really", "XLSX (Excel ブック) ではありません (zip として読めません)。"},
      {good.substr(0, good.size() / 2),
       "XLSX (Excel ブック) ではありません (zip として読めません)。"},
      {Package({{"a.txt", "x"}}),
       "ブックの部品 xl/workbook.xml がありません (XLSX ではありません)。"},
      {Package(Workbook("<row r=\"1\"><c r=\"A1\"><v>1</v></row>")),
       "ブックの部品 xl/worksheets/sheet1.xml が壊れています (XML の 1 行目: mismatched tag)。"},
      {Package(Workbook("<row><c r=\"A0\"><v>1</v></c></row>")),
       "xl/worksheets/sheet1.xml のセル参照 \"A0\" が正しくありません。"},
      {Package(Workbook("<row><c r=\"XFE1\"><v>1</v></c></row>")),
       "xl/worksheets/sheet1.xml のセル参照 \"XFE1\" が正しくありません。"},
      {Package(Workbook("<row><c r=\"A1\" t=\"s\"><v>3</v></c></row>", "<si><t>a</t></si>")),
       "xl/worksheets/sheet1.xml の共有文字列の番号 \"3\" が範囲外です。"},
      {Package(Workbook("<row><c r=\"A1\"><v>1,5</v></c></row>")),
       "xl/worksheets/sheet1.xml のセル A1 の数値 \"1,5\" が正しくありません。"},
      {Package(
           {{"xl/workbook.xml", "<!DOCTYPE w [<!ENTITY a \"aaaa\">]><workbook>&a;</workbook>"}}),
       "ブックの部品 xl/workbook.xml が壊れています (文書型宣言があります)。"},
      // A few hundred kB unpacking to more than the bound: refused when the bound is
      // passed, not after taking it all.
      {Bomb(), "展開すると 256 MB を超えます (xl/worksheets/sheet1.xml)。"},
      // Elements nested deeper than any sheet: refused before the parser holds them all.
      {Package(Workbook(Repeated("<a>", 300))),
       "ブックの部品 xl/worksheets/sheet1.xml が壊れています (要素の入れ子が 256 段を超えます)。"},
      // A reference of kilobytes is quoted by its first characters only.
      {Package(Workbook("<row><c r=\"" + std::string(5000, 'A') + "1\"><v>1</v></c></row>")),
       "xl/worksheets/sheet1.xml のセル参照 \"" + std::string(40, 'A') +
           "...\" が正しくありません。"},
  };
  for (const auto& [bytes, reason] : cases) {
    SCOPED_TRACE(reason);
    try {
      ReadXlsx(bytes, "h.xlsx");
      ADD_FAILURE() << "read";
    } catch (const FileReadError& e) {
      EXPECT_EQ(std::string(e.what()), prefix + reason);
    }
  }
}

// A million cells naming one shared string hold it once, not a copy each.
TEST(XlsxReader, CellsNamingOneSharedStringShareIt) {
  const std::string data =
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"
      "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>0</v></c></row>";
  const FileWorksheet sheet =
      ReadXlsx(Package(Workbook(data, "<si><t>" + std::string(255, 'N') + "</t></si>")), "s.xlsx");
  const auto& cells = sheet.Cells();
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(&cells.begin()->second.AsText(), &std::next(cells.begin())->second.AsText());
  EXPECT_EQ(cells.begin()->second, SheetValue::Text(std::string(255, 'N')));
}

// Cells listed out of order (rows backwards, a cell twice) are put in order, the last of
// a cell counting, however many come before.
TEST(XlsxReader, CellsOutOfOrderArePutInOrderAndTheLastOfACellCounts) {
  std::string data;
  for (int r = 200; r >= 1; --r) {
    const std::string n = std::to_string(r);
    data += "<row r=\"" + n + "\"><c r=\"B" + n + "\"><v>" + n + "</v></c><c r=\"A" + n +
            "\"><v>0</v></c></row>";
  }
  data += "<row r=\"7\"><c r=\"A7\"><v>70</v></c></row>";
  const FileWorksheet sheet = ReadXlsx(Package(Workbook(data)), "o.xlsx");
  ASSERT_EQ(sheet.Cells().size(), 400u);
  for (std::size_t i = 0; i < 400; ++i) {
    const auto& [at, value] = sheet.Cells()[i];
    EXPECT_EQ(at, std::make_pair(static_cast<int>(i / 2) + 1, static_cast<int>(i % 2) + 1));
  }
  EXPECT_EQ(sheet.Get(7, 1), SheetValue::Number(70));
  EXPECT_EQ(sheet.Get(7, 2), SheetValue::Number(7));
}

// What the cells hand out to a list is bounded too: each list row keeps its own copy of a
// shared text.
TEST(FileWorksheet, TextsReadFromTheCellsAreBounded) {
  FileWorksheet sheet;
  const auto shared = std::make_shared<const std::string>(std::size_t{1} << 18, 'N');
  const int rows = static_cast<int>(FileWorksheet::kMaxTextBytesRead / shared->size()) + 2;
  for (int r = 1; r <= rows; ++r) sheet.Put(r, 1, SheetValue::Text(shared));
  int read = 0;
  try {
    for (int r = 1; r <= rows; ++r, ++read) sheet.Get(r, 1);
  } catch (const SheetLimitError&) {
  }
  EXPECT_EQ(read, rows - 2);
}

TEST(XlsxWriter, WritesNumbersAsNumbersAndTextsAsTexts) {
  FileWorksheet sheet;
  sheet.Put(3, 2, SheetValue::Text("001"));
  sheet.Put(3, 3, SheetValue::Number(12.5));
  sheet.Put(3, 4, SheetValue::Number(-1e-7));
  sheet.Put(4, 2, SheetValue::Text("境界杭 \"1\" <&>"));
  sheet.Put(4, 30, SheetValue::Text("far"));
  test::TempDir dir;
  const std::string path = dir.File("w.xlsx");
  SaveSheetFile(path, sheet);
  EXPECT_EQ(test::DumpCells(ReadXlsx(ReadFileBytes(path), path)), test::DumpCells(sheet));
}

}  // namespace
}  // namespace vensa
