#include "sima/sima_reader.h"

#include <gtest/gtest.h>

#include "core/list_sort.h"

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/coord_list.h"
#include "core/error.h"
#include "sima/sima_parcels.h"
#include "sima/sima_record.h"
#include "sima_test_support.h"

namespace vensa {
namespace {

using Row = std::vector<std::string>;
using test::TempDir;

constexpr SimaReadOptions kBothOn{true, true};
constexpr SimaReadOptions kBothOff{false, false};

struct Lists {
  TextGrid sima = MakeSimaList();
  TextGrid coord = MakeCoordList();
};

SimaReadResult Load(Lists& lists, std::string_view bytes, SimaReadOptions options = kBothOn) {
  return LoadSimaBytes(bytes, options, lists.sima, lists.coord);
}

const std::string kFourLines = "G00,01,,\r\nA00,\r\nA01,1,P-1,0.1,0.25,0.5,\r\nA99,\r\n";

TEST(SimaRead, OnePointWithBothOptionsOn) {
  Lists lists;
  const SimaReadResult result = Load(lists, kFourLines);
  EXPECT_EQ(result.pointCount, 1);
  EXPECT_EQ(result.skippedLines, 0);  // G00, A00 and A99 are in every file
  ASSERT_EQ(lists.sima.RowCount(), 2);
  ASSERT_EQ(lists.coord.RowCount(), 2);
  EXPECT_EQ(lists.sima.Row(1), (Row{"A01", "1", "P-1", "0.1", "0.25", "0.5"}));
  // X-Y reversed: SIMA Y to x, SIMA X to y; all three scaled to millimetres.
  EXPECT_EQ(lists.coord.Row(1), (Row{"P-1", "250", "100", "500", "1"}));
  EXPECT_EQ(lists.sima.Row(0), SimaListHeaders());
  EXPECT_EQ(lists.coord.Row(0), CoordListHeaders());
}

TEST(SimaRead, OnePointWithBothOptionsOffCopiesTheTexts) {
  Lists lists;
  Load(lists, kFourLines, kBothOff);
  EXPECT_EQ(lists.coord.Row(1), (Row{"P-1", "0.1", "0.25", "0.5", "1"}));
}

TEST(SimaRead, EachOptionAlone) {
  Lists lists;
  Load(lists, kFourLines, {true, false});
  EXPECT_EQ(lists.coord.Row(1), (Row{"P-1", "100", "250", "500", "1"}));
  Load(lists, kFourLines, {false, true});
  EXPECT_EQ(lists.coord.Row(1), (Row{"P-1", "0.25", "0.1", "0.5", "1"}));
}

TEST(SimaRead, ScalingWritesTheGeneralForm) {
  Lists lists;
  Load(lists,
       "A01,1,a,1.1,1.5,0.0125,\n"
       "A01,2,b,abc,,-0.0004,\n"
       "A01,3,c, -39525.623,  60295.494,1e-3,\n",
       {true, false});
  EXPECT_EQ(lists.coord.Row(1), (Row{"a", "1100", "1500", "12.5", "1"}));
  EXPECT_EQ(lists.coord.Row(2), (Row{"b", "0", "", "-0.4", "2"}));
  EXPECT_EQ(lists.coord.Row(3), (Row{"c", "-39525623", "60295494", "1", "3"}));
}

// Records as surveyors' files hold them. Each text is read with the options given; the
// coordinate list's rows and what the read passed over are checked.
TEST(SimaRead, RecordsAsFieldFilesHoldThem) {
  const struct {
    const char* what;
    std::string text;
    SimaReadOptions options;
    std::vector<Row> coord;
    std::int64_t skipped, firstSkipped, notNumbers, firstNotNumber;
  } cases[] = {
      {"five fields, no height",
       "A01,1,T-5965,-24010.239,-32836.454",
       kBothOn,
       {{"T-5965", "-32836454", "-24010239", "", "1"}},
       0,
       0,
       0,
       0},
      {"six fields",
       "A01,1,P1,10,20,5",
       kBothOn,
       {{"P1", "20000", "10000", "5000", "1"}},
       0,
       0,
       0,
       0},
      {"seven, the last empty",
       "A01,1,P1,10,20,5,",
       kBothOff,
       {{"P1", "10", "20", "5", "1"}},
       0,
       0,
       0,
       0},
      {"padded",
       "A01,    1,FK12863             , -39525.623,  60295.494,  ,",
       kBothOn,
       {{"FK12863", "60295494", "-39525623", "", "1"}},
       0,
       0,
       0,
       0},
      {"empty Z with x1000",
       "A01,1,5929554,645.479,-52621.837,,",
       kBothOn,
       {{"5929554", "-52621837", "645479", "", "1"}},
       0,
       0,
       0,
       0},
      {"empty Z copied",
       "A01,1,5929554,645.479,-52621.837,,",
       kBothOff,
       {{"5929554", "645.479", "-52621.837", "", "1"}},
       0,
       0,
       0,
       0},
      {"text coordinates",
       "A01,1,P1,1,2,3,\nA01,2,P2,abc,20,x,\nA01,3,P3,1,-,,",
       kBothOn,
       {{"P1", "2000", "1000", "3000", "1"},
        {"P2", "20000", "0", "0", "2"},
        {"P3", "0", "1000", "", "3"}},
       0,
       0,
       3,
       2},
      {"four fields, no point, no fields",
       "G00,01,,\nA01,1,P1,10\nA1,,,,,\n\n  \nA01,2,P2,1,2",
       kBothOff,
       {{"P2", "1", "2", "", "1"}},
       2,
       2,
       0,
       0},
      {"other records",
       "Z00,x,\nZ01,2,\nE00,1,\nA01,1,P1,1,2,\nX",
       kBothOff,
       {{"P1", "1", "2", "", "1"}},
       3,
       2,
       0,
       0},
  };
  for (const auto& c : cases) {
    Lists lists;
    const SimaReadResult r = Load(lists, c.text, c.options);
    ASSERT_EQ(lists.coord.RowCount(), static_cast<int>(c.coord.size()) + 1) << c.what;
    for (int row = 1; row <= static_cast<int>(c.coord.size()); ++row)
      EXPECT_EQ(lists.coord.Row(row), c.coord[static_cast<std::size_t>(row - 1)]) << c.what;
    EXPECT_EQ(r.skippedLines, c.skipped) << c.what;
    EXPECT_EQ(r.firstSkippedLine, c.firstSkipped) << c.what;
    EXPECT_EQ(r.notNumbers, c.notNumbers) << c.what;
    EXPECT_EQ(r.firstNotNumberLine, c.firstNotNumber) << c.what;
  }
}

TEST(SimaRead, CodeRulesPickThePointRecords) {
  Lists lists;
  Load(lists, "A1,1,two,1,2,3,\na01,2,lower,1,2,3,\nB01,3,other,1,2,3,\nA98,4,last,1,2,3,\n",
       kBothOff);
  ASSERT_EQ(lists.sima.RowCount(), 3);
  EXPECT_EQ(lists.sima.Cell(kSimaColName, 1), "two");
  EXPECT_EQ(lists.sima.Cell(kSimaColName, 2), "last");
}

std::string PointsFile(int count, const char* prefix) {
  std::string text = "G00,01,,\r\nA00,\r\n";
  for (int i = 1; i <= count; ++i)
    text += "A01," + std::to_string(i) + "," + prefix + std::to_string(i) + ",1,2,3,\r\n";
  return text + "A99,\r\n";
}

TEST(SimaRead, ASmallerFileReplacesEveryRowOfALargerOne) {
  Lists lists;
  Load(lists, PointsFile(10, "T"));
  ASSERT_EQ(lists.coord.RowCount(), 11);
  lists.coord.SetCell(kColPlotNo, 10, "edited");
  Load(lists, PointsFile(3, "S"));
  ASSERT_EQ(lists.sima.RowCount(), 4);
  ASSERT_EQ(lists.coord.RowCount(), 4);
  EXPECT_EQ(lists.sima.Cell(kSimaColName, 3), "S3");
  EXPECT_EQ(lists.coord.Row(3), (Row{"S3", "2000", "1000", "3000", "3"}));
  // Growing again shows empty rows, not the old contents.
  lists.coord.SetRowCount(11);
  EXPECT_EQ(lists.coord.Row(10), Row(5));
}

TEST(SimaRead, AFileWithoutPointsLeavesOneEmptyRowInBothLists) {
  Lists lists;
  Load(lists, PointsFile(5, "P"));
  const SimaReadResult result = Load(lists, "G00,01,,\r\nZ00,comment,\r\nA00,\r\nA99,\r\n");
  EXPECT_EQ(result.pointCount, 0);
  ASSERT_EQ(lists.sima.RowCount(), 2);
  ASSERT_EQ(lists.coord.RowCount(), 2);
  EXPECT_EQ(lists.sima.Row(1), Row(6));
  EXPECT_EQ(lists.coord.Row(1), (Row{"", "", "", "", "1"}));
  Load(lists, "");
  EXPECT_EQ(lists.coord.RowCount(), 2);
}

// Field files: padded columns, other sections, LF or CR line ends, no final line end.
TEST(SimaRead, PaddedFieldsAreShownAsReadAndTransferredWithoutTheirBlanks) {
  Lists lists;
  Load(lists,
       "G00,03,padded,\r\n"
       "A00,\r\n"
       "A01,    1,FK12863             , -39525.623,  60295.494,,\r\n"
       "A01,   12,FK12864             , -39530.100 ,  60300.25 ,  12.5 ,\r\n"
       "A99,\r\n");
  ASSERT_EQ(lists.sima.RowCount(), 3);
  EXPECT_EQ(lists.sima.Row(1),
            (Row{"A01", "    1", "FK12863             ", " -39525.623", "  60295.494", ""}));
  // The padding goes; the numbers read through their blanks.
  EXPECT_EQ(lists.coord.Row(1), (Row{"FK12863", "60295494", "-39525623", "", "1"}));
  EXPECT_EQ(lists.coord.Row(2), (Row{"FK12864", "60300250", "-39530100", "12500", "2"}));
  // Copied as text, the values lose their padding too, and the names sort by number.
  TransferSimaReadList(kBothOff, lists.sima, lists.coord);
  EXPECT_EQ(lists.coord.Row(2), (Row{"FK12864", "-39530.100", "60300.25", "12.5", "2"}));
  SortByNumber(lists.coord);
  EXPECT_EQ(lists.coord.Cell(kColName, 1), "FK12863");
}

TEST(SimaRead, LfOnlyCrOnlyAndAMissingLastLineEnd) {
  for (const char* text : {"A00,\nA01,1,P1,1,2,3,\nA01,2,P2,4,5,6,\nA99,END",
                           "A00,\rA01,1,P1,1,2,3,\rA01,2,P2,4,5,6,\rA99,END\r",
                           "A00,\r\nA01,1,P1,1,2,3,\nA01,2,P2,4,5,6,\rA99,END\r\n",
                           "A01,1,P1,1,2,3,\r\n\r\n\nA01,2,P2,4,5,6,"}) {
    Lists lists;
    Load(lists, text, kBothOff);
    ASSERT_EQ(lists.coord.RowCount(), 3) << text;
    EXPECT_EQ(lists.coord.Row(1), (Row{"P1", "1", "2", "3", "1"})) << text;
    // A field never carries a piece of the line end.
    EXPECT_EQ(lists.coord.Row(2), (Row{"P2", "4", "5", "6", "2"})) << text;
  }
}

TEST(SimaRead, OtherSectionsAndHalfWidthKanaCommentsInCp932AreSkipped) {
  // "Z00,座標ﾃﾞｰﾀ," and the name "境界1" in CP932 bytes.
  const std::string text =
      "G00,04,site,\r\n"
      "Z00,\x8d\xc0\x95\x57\xc3\xde\xb0\xc0,\r\n"
      "Z01,2,\r\n"
      "A00,\r\n"
      "A01,1,\x8b\xab\x8a\x45\x31,100.5,200.25,,\r\n"
      "A99,\r\n"
      "D00,1,parcel,1,\r\n"
      "B01,1,\x8b\xab\x8a\x45\x31,\r\n"
      "C03,1,2,3,4,5,6,\r\n"
      "D99,\r\n";
  Lists lists;
  const SimaReadResult result = Load(lists, text);
  EXPECT_EQ(result.encoding, TextEncoding::Ansi);
  EXPECT_EQ(result.pointCount, 1);
  EXPECT_EQ(result.skippedLines, 1);  // Z01; the parcel block is read
  ASSERT_EQ(lists.coord.RowCount(), 2);
  EXPECT_EQ(lists.coord.Row(1), (Row{"境界1", "200250", "100500", "", "1"}));
  ASSERT_EQ(result.parcels.size(), 1u);
  ASSERT_EQ(result.parcels[0].vertices.size(), 1u);
  EXPECT_EQ(result.parcels[0].vertices[0].name, "境界1");
}

TEST(SimaRead, HeaderVersionsMakeNoDifference) {
  for (const char* header : {"G00,01,,", "G00,02,-,", "G00,03,name,", "G00,04,name,"}) {
    Lists lists;
    Load(lists, std::string(header) + "\r\nA00,\r\nA01,1,P1,1,2,3,\r\nA99,\r\n", kBothOff);
    ASSERT_EQ(lists.coord.RowCount(), 2) << header;
    EXPECT_EQ(lists.coord.Row(1), (Row{"P1", "1", "2", "3", "1"})) << header;
  }
}

TEST(SimaRead, EncodingsByByteOrderMarkOrByValidUtf8) {
  const std::string utf8 = "A01,1,境界1,1,2,3,\r\n";
  std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
  for (char16_t u : u"A01,1,境界1,1,2,3,\r\n") {
    if (u == 0) break;
    utf16le += static_cast<char>(u & 0xFF);
    utf16le += static_cast<char>(u >> 8);
    utf16be += static_cast<char>(u >> 8);
    utf16be += static_cast<char>(u & 0xFF);
  }
  const struct {
    std::string bytes;
    TextEncoding encoding;
  } cases[] = {{utf8, TextEncoding::Utf8},
               {"\xEF\xBB\xBF" + utf8, TextEncoding::Utf8Bom},
               {utf16le, TextEncoding::Utf16LeBom},
               {utf16be, TextEncoding::Utf16BeBom},
               {"A01,1,\x8b\xab\x8a\x45\x31,1,2,3,\r\n", TextEncoding::Ansi}};
  for (const auto& c : cases) {
    Lists lists;
    const SimaReadResult result = Load(lists, c.bytes, kBothOff);
    EXPECT_EQ(result.encoding, c.encoding);
    ASSERT_EQ(lists.sima.RowCount(), 2);
    // A byte-order mark never sticks to the first record code.
    EXPECT_EQ(lists.sima.Row(1), (Row{"A01", "1", "境界1", "1", "2", "3"}));
  }
}

TEST(SimaRead, ListsWithTooFewColumnsAreRefusedBeforeAnythingChanges) {
  TextGrid sima(3, 2);
  TextGrid coord = MakeCoordList();
  coord.SetCell(kColName, 1, "kept");
  EXPECT_THROW(LoadSimaBytes(kFourLines, kBothOn, sima, coord), std::invalid_argument);
  EXPECT_EQ(coord.Cell(kColName, 1), "kept");
}

// Reading from files.
TEST(SimaReadFile, ReadsTheFileAndNamesItWhenItCannot) {
  TempDir dir;
  const std::string path = dir.File("points.sim");
  test::WriteBytes(path, kFourLines);
  Lists lists;
  const SimaReadResult result = ReadSimaFile(path, kBothOn, lists.sima, lists.coord);
  EXPECT_EQ(result.pointCount, 1);
  EXPECT_EQ(lists.coord.Row(1), (Row{"P-1", "250", "100", "500", "1"}));

  for (const std::string& bad : {dir.File("missing.sim"), dir.File("")}) {
    try {
      ReadSimaFile(bad, kBothOn, lists.sima, lists.coord);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const FileReadError& e) {
      EXPECT_EQ(e.path(), bad);
      EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
    }
    // Both lists still hold the earlier file.
    EXPECT_EQ(lists.sima.Row(1), (Row{"A01", "1", "P-1", "0.1", "0.25", "0.5"}));
    EXPECT_EQ(lists.coord.Row(1), (Row{"P-1", "250", "100", "500", "1"}));
  }
}

TEST(SimaReadFile, AFileBeyondTheSizeLimitIsRefusedUnread) {
  TempDir dir;
  const std::string path = dir.File("huge.sim");
  test::WriteBytes(path, kFourLines);
  // Sparse on most file systems: no gigabyte is written.
  std::filesystem::resize_file(path, kSimaMaxFileBytes + 1);
  Lists lists;
  lists.coord.SetCell(kColName, 1, "kept");
  EXPECT_THROW(ReadSimaFile(path, kBothOn, lists.sima, lists.coord), FileReadError);
  EXPECT_EQ(lists.coord.Cell(kColName, 1), "kept");
  EXPECT_EQ(lists.coord.RowCount(), 5);
}

// Bad input: each gives a plain result in bounded time and memory.
TEST(SimaReadBadInput, BinaryGarbageGivesNoPointsAndKeepsRecordsBetweenIt) {
  std::mt19937 random(20230809);
  std::string garbage(1 << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(random() & 0xFF);
  Lists lists;
  Load(lists, garbage);
  EXPECT_EQ(lists.sima.RowCount(), 2);
  EXPECT_EQ(lists.coord.RowCount(), 2);

  // A record between garbage lines is still found, NUL bytes and all.
  const std::string record("\nA01,1,P\0Q,1,2,3,\n", 19);
  const std::string mixed = garbage.substr(0, 4096) + record + garbage.substr(4096, 4096);
  Load(lists, mixed, kBothOff);
  bool found = false;
  for (int r = 1; r < lists.sima.RowCount(); ++r)
    found = found || lists.sima.Cell(kSimaColName, r) == std::string("P\0Q", 3);
  EXPECT_TRUE(found);
}

TEST(SimaReadBadInput, InvalidShiftJisAndUtf8SequencesBecomeReplacementCharacters) {
  Lists lists;
  // 0x81 followed by 0x20 is no CP932 character; the point stays, its name marked.
  Load(lists, "A01,1,\x81 X,1,2,3,\r\nA01,2,\x8b\xab,4,5,6,\r\n", kBothOff);
  ASSERT_EQ(lists.coord.RowCount(), 3);
  EXPECT_NE(lists.coord.Cell(kColName, 1).find("\xEF\xBF\xBD"), std::string::npos);
  EXPECT_EQ(lists.coord.Cell(kColName, 2), "境");
  EXPECT_EQ(lists.coord.Row(2), (Row{"境", "4", "5", "6", "2"}));

  // UTF-8 broken by a stray byte is no UTF-8: read as CP932, the records survive.
  Load(lists, "A01,1,境界,1,2,3,\r\nA01,2,\xFF,4,5,6,\r\n", kBothOff);
  ASSERT_EQ(lists.coord.RowCount(), 3);
  EXPECT_EQ(lists.coord.Row(2).at(kColX), "4");
}

// A record, a line of 100 MB without a comma, another record.
std::string HundredMegabyteLine() {
  std::string text = "A01,1,P1,1,2,3,\r\n";
  text.append(100u << 20, 'x');
  text += "\r\nA01,2,P2,4,5,6,\r\n";
  return text;
}

TEST(SimaReadBadInput, AHundredMegabyteLineIsSkipped) {
  Lists lists;
  const SimaReadResult result = Load(lists, HundredMegabyteLine(), kBothOff);
  EXPECT_EQ(result.pointCount, 2);
  EXPECT_EQ(result.skippedLines, 1);
  EXPECT_EQ(lists.coord.Row(2), (Row{"P2", "4", "5", "6", "2"}));
}

TEST(SimaReadBadInput, ALongNameIsTakenWholeWithTheFieldsAfterIt) {
  std::string text = "A01,1,";
  text.append(16u << 20, 'n');
  text += ",7,8,9,";
  Lists lists;
  Load(lists, text, kBothOff);
  ASSERT_EQ(lists.sima.RowCount(), 2);
  EXPECT_EQ(lists.sima.Cell(kSimaColName, 1).size(), 16u << 20);
  EXPECT_EQ(lists.coord.Row(1).at(kColZ), "9");
}

// A reader quadratic in the rows would not finish this within the test timeout.
TEST(SimaReadBadInput, AMillionRecordsAreAllRead) {
  std::string text;
  text.reserve(32u << 20);
  text += "G00,01,,\r\nA00,\r\n";
  for (int i = 1; i <= 1'000'000; ++i) {
    text += "A01,";
    text += std::to_string(i);
    text += ",P,1.5,2.5,,\r\n";
  }
  text += "A99,\r\n";
  Lists lists;
  const SimaReadResult result = Load(lists, text);
  EXPECT_EQ(result.pointCount, 1'000'000);
  ASSERT_EQ(lists.coord.RowCount(), 1'000'001);
  EXPECT_EQ(lists.sima.Cell(kSimaColNumber, 1'000'000), "1000000");
  EXPECT_EQ(lists.coord.Row(1'000'000), (Row{"P", "2500", "1500", "", "1000000"}));
}

TEST(SimaReadBadInput, AHundredMegabyteFileOnDisk) {
  TempDir dir;
  const std::string path = dir.File("big.sim");
  test::WriteBytes(path, HundredMegabyteLine());
  Lists lists;
  EXPECT_EQ(ReadSimaFile(path, kBothOff, lists.sima, lists.coord).pointCount, 2);
  EXPECT_EQ(lists.coord.Row(1), (Row{"P1", "1", "2", "3", "1"}));
}

// Parcels: corners found by number, by name when the number is unknown, or left out.
const std::string kParcelFile =
    "G00,01,,\r\n"
    "A00,\r\n"
    "A01,    1,P1,10.0,20.0,,\r\n"
    "A01,    2,P2,10.0,30.0,,\r\n"
    "A01,    3,P3,15.0,30.0,,\r\n"
    "A01,    4,P4,15.0,20.0,,\r\n"
    "A99,\r\n"
    "D00,1,446-2          ,1,\r\n"
    "B01,1,P1,\r\n"
    "C03,1,2,3,\r\n"
    "B01,2,P2,\r\n"
    "B01,9,P3,\r\n"
    "B01,7,NONE,\r\n"
    "B01,4,,\r\n"
    "D99,\r\n"
    "D00,2,1203,1,\r\n"
    "B01,2,P2,\r\n"
    "B01,3,P3,\r\n"
    "D99,\r\n"
    "B01,1,P1,\r\n";

TEST(SimaParcels, AreReadWithTheirCornersAndWhatIsMissingIsCounted) {
  Lists lists;
  const SimaReadResult r = Load(lists, kParcelFile);
  EXPECT_EQ(r.pointCount, 4);
  ASSERT_EQ(r.parcels.size(), 2u);
  EXPECT_EQ(r.parcels[0].number, "1");
  EXPECT_EQ(r.parcels[0].name, "446-2");
  std::vector<std::string> corners;
  for (const TParcelVertex& v : r.parcels[0].vertices)
    corners.push_back(v.number + ":" + v.x + "," + v.y);
  // "9" is no point number, but "P3" is a point name; "7"/"NONE" is neither.
  EXPECT_EQ(corners,
            (std::vector<std::string>{"1:10.0,20.0", "2:10.0,30.0", "9:15.0,30.0", "4:15.0,20.0"}));
  EXPECT_EQ(r.parcels[1].vertices.size(), 2u);
  EXPECT_EQ(r.missingCorners, 1);
  EXPECT_EQ(r.firstMissingCornerLine, 13);
  // A corner outside any parcel is a line passed over.
  EXPECT_EQ(r.skippedLines, 1);
  EXPECT_EQ(r.firstSkippedLine, 20);
  EXPECT_EQ(SimaReadSummary(r),
            "SIMA: 4 点、画地 2、読み飛ばした行 1 (最初は 20 行目)、見つからない画地の点 1 "
            "(最初は 13 行目)");

  // The outline takes the options of the moment: axes exchanged and scaled, or as read.
  EXPECT_EQ(SimaParcelOutline(r.parcels[1], kBothOn),
            (std::vector<TAcadPoint>{{30000, 10000, 0}, {30000, 15000, 0}}));
  EXPECT_EQ(SimaParcelOutline(r.parcels[1], kBothOff),
            (std::vector<TAcadPoint>{{10, 30, 0}, {15, 30, 0}}));
}

TEST(SimaRead, AFileWithoutPointsSaysSo) {
  Lists lists;
  const SimaReadResult r = Load(lists, "G00,01,,\r\nA00,\r\nA01,1,P1,,,5,\r\nA99,\r\n");
  EXPECT_EQ(r.pointCount, 0);
  EXPECT_EQ(SimaReadSummary(r), "SIMA: 0 点、読み飛ばした行 1 (最初は 3 行目)");
}

// "×1000" of 1e308 is no number: the read is refused, naming the line, and nothing is
// written as 0 in its place. Copied as text the value stays what it is.
TEST(SimaReadBadInput, ACoordinateBeyondEveryNumberAfterScalingIsRefused) {
  const std::string text = "A01,1,P1,1,2,3,\r\nA01,2,P2,1e308,2,,\r\n";
  Lists lists;
  lists.coord.SetCell(kColName, 1, "kept");
  try {
    Load(lists, text);
    ADD_FAILURE() << "no error";
  } catch (const SimaRefusedError& e) {
    EXPECT_NE(std::string(e.what()).find("2 行目の座標 \"1e308\""), std::string::npos) << e.what();
  }
  EXPECT_EQ(lists.coord.Cell(kColName, 1), "kept");
  Load(lists, text, kBothOff);
  EXPECT_EQ(lists.coord.Cell(kColX, 2), "1e308");

  // The same value reached by an option click: refused before a row changes.
  lists.coord.SetCell(kColName, 1, "kept");
  EXPECT_THROW(TransferSimaReadList(kBothOn, lists.sima, lists.coord), VensaError);
  EXPECT_EQ(lists.coord.Cell(kColName, 1), "kept");

  TempDir dir;
  const std::string path = dir.File("far.sim");
  test::WriteBytes(path, text);
  try {
    ReadSimaFile(path, kBothOn, lists.sima, lists.coord);
    ADD_FAILURE() << "no error";
  } catch (const FileReadError& e) {
    EXPECT_EQ(e.path(), path);
    EXPECT_NE(std::string(e.what()).find("2 行目"), std::string::npos) << e.what();
  }
}

// 8 MB of "A1,,,,," records once took 445 MB: every one kept two list rows. A record
// without X and Y is passed over and keeps nothing.
TEST(SimaReadBadInput, RecordsWithoutCoordinatesKeepNoRows) {
  std::string text;
  for (int i = 0; i < 100'000; ++i) text += "A1,,,,,\r\n";
  text += "A01,1,P1,1,2,\r\n";
  Lists lists;
  const SimaReadResult r = Load(lists, text);
  EXPECT_EQ(r.pointCount, 1);
  EXPECT_EQ(r.skippedLines, 100'000);
  EXPECT_EQ(lists.sima.RowCount(), 2);
  EXPECT_EQ(lists.coord.RowCount(), 2);
}

// Every point costs two list rows however short its record: a text of tiny records is
// refused once they would take more than the reader keeps for a text of its size.
TEST(SimaReadBadInput, TinyRecordsBeyondWhatIsKeptAreRefused) {
  std::string text;
  const std::uintmax_t records = kSimaMinKeptBytes / 256;
  text.reserve(records * 10);
  for (std::uintmax_t i = 0; i < records; ++i) text += "A1,,,1,2\r\n";
  Lists lists;
  lists.coord.SetCell(kColName, 1, "kept");
  EXPECT_THROW(Load(lists, text), SimaRefusedError);
  EXPECT_EQ(lists.coord.Cell(kColName, 1), "kept");
  EXPECT_EQ(lists.coord.RowCount(), 5);
}

// Transferring again after an option click.
TEST(SimaTransfer, ReversingTwiceExchangesTheAxesAndOverwritesEdits) {
  Lists lists;
  Load(lists, PointsFile(2, "P"));
  EXPECT_EQ(lists.coord.Row(1), (Row{"P1", "2000", "1000", "3000", "1"}));
  TransferSimaReadList({true, false}, lists.sima, lists.coord);
  EXPECT_EQ(lists.coord.Row(1), (Row{"P1", "1000", "2000", "3000", "1"}));
  lists.coord.SetCell(kColName, 2, "edited");
  lists.coord.SetCell(kColZ, 2, "99");
  TransferSimaReadList({true, true}, lists.sima, lists.coord);
  EXPECT_EQ(lists.coord.Row(2), (Row{"P2", "2000", "1000", "3000", "2"}));
  TransferSimaReadList({false, true}, lists.sima, lists.coord);
  EXPECT_EQ(lists.coord.Row(2), (Row{"P2", "2", "1", "3", "2"}));
}

TEST(SimaTransfer, TakesTheReadListsRowCountAndStopsAtTheFirstRowWithoutXOrY) {
  Lists lists;
  Load(lists, PointsFile(4, "P"), kBothOff);
  lists.sima.SetCell(kSimaColY, 3, "");
  lists.coord.SetRowCount(8);
  for (int r = 1; r < 8; ++r) lists.coord.SetCell(kColName, r, "old");
  TransferSimaReadList({true, true}, lists.sima, lists.coord);
  ASSERT_EQ(lists.coord.RowCount(), 5);
  EXPECT_EQ(lists.coord.Row(2), (Row{"P2", "2000", "1000", "3000", "2"}));
  // Row 3 lacks Y: it and every later row keep what the coordinate list held.
  EXPECT_EQ(lists.coord.Row(3), (Row{"old", "1", "2", "3", "3"}));
  EXPECT_EQ(lists.coord.Row(4), (Row{"old", "1", "2", "3", "4"}));
}

TEST(SimaTransfer, AnEmptyReadListOnlyRenumbers) {
  Lists lists;
  lists.coord = test::CoordListOf({{"A", "1", "2", ""}, {"B", "3", "4", ""}});
  lists.coord.SetCell(kColPlotNo, 1, "7");
  TransferSimaReadList(kBothOn, lists.sima, lists.coord);
  ASSERT_EQ(lists.coord.RowCount(), 3);
  EXPECT_EQ(lists.coord.Row(1), (Row{"A", "1", "2", "", "1"}));
  EXPECT_EQ(lists.coord.Row(2), (Row{"B", "3", "4", "", "2"}));
}

}  // namespace
}  // namespace vensa
