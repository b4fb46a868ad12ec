#include "sima/sima_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/coord_list.h"
#include "core/error.h"
#include "core/file_io.h"
#include "sima/sima_reader.h"
#include "sima/sima_record.h"
#include "sima/sima_writer.h"
#include "sima_test_support.h"

namespace vensa {
namespace {

using Outcome = SimaSaveCheck::Outcome;
using Row = std::vector<std::string>;
using test::CoordListOf;
using test::CrLfLines;
using test::LinesAre;
using test::TempDir;

// The write list built from P1 (1000, 2000, 0) and P2 (1500, 2500, 10), both options on.
TextGrid TwoPointList(bool divideAndSwap = true) {
  TextGrid write = MakeSimaList();
  const TextGrid coord = CoordListOf({{"P1", "1000", "2000", "0"}, {"P2", "1500", "2500", "10"}});
  EXPECT_TRUE(BuildSimaWriteList(coord, {divideAndSwap, divideAndSwap, "A1"}, write));
  return write;
}

// A write list of `points` point rows named N1, N2, ...
TextGrid PointRows(int points) {
  TextGrid write = MakeSimaList();
  write.SetRowCount(points + 3);
  write.SetCell(kSimaColCode, 1, "A00");
  for (int w = 2; w < points + 2; ++w) {
    std::string name = "N";
    name += std::to_string(w);
    write.MutableRow(w) = {"A01", "1", name, "1.000", "2.000", "3.000"};
  }
  write.SetCell(kSimaColCode, points + 2, "A99");
  return write;
}

TEST(SimaSaveCheck, TooShortListsAndAnIncompleteFirstPointSaveNothingSilently) {
  EXPECT_EQ(CheckSimaWriteList(PointRows(1)).outcome, Outcome::kNothingToSave);
  EXPECT_EQ(CheckSimaWriteList(MakeSimaList(1)).outcome, Outcome::kNothingToSave);
  for (int col : {kSimaColX, kSimaColY}) {
    TextGrid write = PointRows(3);
    write.SetCell(col, 2, "");
    const SimaSaveCheck check = CheckSimaWriteList(write);
    EXPECT_EQ(check.outcome, Outcome::kNothingToSave) << col;
    EXPECT_TRUE(check.messages.empty());
  }
  EXPECT_EQ(CheckSimaWriteList(PointRows(2)).outcome, Outcome::kReady);
  // A first point without height is saved with an empty Z field.
  TextGrid noHeight = PointRows(2);
  noHeight.SetCell(kSimaColZ, 2, "");
  EXPECT_EQ(CheckSimaWriteList(noHeight).outcome, Outcome::kReady);
  EXPECT_NE(BuildSimaFileText(noHeight).find("\r\nA01,1,N2,1.000,2.000,,\r\n"), std::string::npos);
}

TEST(SimaSaveCheck, OneMessagePerBlankNameInRowOrder) {
  TextGrid write = PointRows(5);
  write.SetCell(kSimaColName, 3, "");
  write.SetCell(kSimaColName, 5, "");
  const SimaSaveCheck check = CheckSimaWriteList(write);
  EXPECT_EQ(check.outcome, Outcome::kRejected);
  EXPECT_EQ(check.messages, (Row{"3 行の測点名が空白です.", "5 行の測点名が空白です."}));
}

TEST(SimaSaveCheck, CommaInANameIsRejectedLikeABlankName) {
  TextGrid write = PointRows(4);
  write.SetCell(kSimaColName, 4, "P,1");
  write.SetCell(kSimaColName, 2, "");
  const SimaSaveCheck check = CheckSimaWriteList(write);
  EXPECT_EQ(check.outcome, Outcome::kRejected);
  EXPECT_EQ(check.messages,
            (Row{"2 行の測点名が空白です.", "4 行の測点名にカンマが含まれています."}));
}

TEST(SimaSaveCheck, EveryWrittenCellMustBeOneFieldInTheCodePage) {
  TextGrid write = PointRows(3);
  write.SetCell(kSimaColX, 3, "1,5");
  write.SetCell(kSimaColNumber, 3, "1\n2");
  write.SetCell(kSimaColZ, 4, "\r");
  write.SetCell(kSimaColName, 4, "点\xF0\xA0\xAE\xB7");  // U+20BB7 has no CP932 form
  write.SetCell(kSimaColCode, 5, "A99,");
  // Only column 0 of the first and the last row is written; the rest may hold anything.
  write.SetCell(kSimaColName, 1, "a,b");
  write.SetCell(kSimaColName, 5, "a,b");
  const SimaSaveCheck check = CheckSimaWriteList(write);
  EXPECT_EQ(check.outcome, Outcome::kRejected);
  EXPECT_EQ(check.messages,
            (Row{"3 行の点番号に改行が含まれています.", "3 行のX座標にカンマが含まれています.",
                 "4 行の測点名に保存できない文字が含まれています.",
                 "4 行のZ座標に改行が含まれています.", "5 行のコードにカンマが含まれています."}));
  // Names in the code page, full-width and half-width kana included, are fine.
  TextGrid fine = PointRows(2);
  fine.SetCell(kSimaColName, 2, "境界ｱ１");
  EXPECT_EQ(CheckSimaWriteList(fine).outcome, Outcome::kReady);
}

TEST(SimaFileText, TwoPointsBothOptionsOn) {
  EXPECT_TRUE(
      LinesAre(BuildSimaFileText(TwoPointList()),
               {"G00,01,,", "Z00,// AutoCAD座標読み取りデータ//,", "A00,",
                "A01,    1,A1,2.000,1.000,0.000,", "A01,    2,A2,2.500,1.500,0.010,", "A99,"}));
}

TEST(SimaFileText, WritesHandEditsAndInsertedRowsAsTheyAre) {
  TextGrid write = TwoPointList(false);
  write.InsertRows(3, 1);
  write.MutableRow(3) = {"A02", "x", "", "", "", ""};
  write.SetCell(kSimaColCode, 1, "A00 edited");
  write.SetCell(kSimaColName, 1, "not written");
  EXPECT_TRUE(
      LinesAre(BuildSimaFileText(write),
               {"G00,01,,", "Z00,// AutoCAD座標読み取りデータ//,", "A00 edited,",
                "A01,    1,A1,1000,2000,0,", "A02,x,,,,,", "A01,    2,A2,1500,2500,10,", "A99,"}));
}

TEST(SimaSaveFile, WritesCp932WithCrLfAndNoByteOrderMark) {
  TempDir dir;
  const std::string path = dir.File("out.sim");
  TextGrid write = TwoPointList();
  write.SetCell(kSimaColName, 3, "境界ｱ");
  SaveSimaFile(path, write);
  const std::string bytes = ReadFileBytes(path);
  EXPECT_TRUE(LinesAre(bytes, {"G00,01,,",
                               "Z00,// AutoCAD\x8d\xc0\x95\x57\x93\xc7\x82\xdd\x8e\xe6\x82\xe8"
                               "\x83\x66\x81\x5b\x83\x5e//,",
                               "A00,", "A01,    1,A1,2.000,1.000,0.000,",
                               "A01,    2,\x8b\xab\x8a\x45\xb1,2.500,1.500,0.010,", "A99,"}));
  EXPECT_EQ(bytes.substr(bytes.size() - 6), "A99,\r\n");
}

TEST(SimaSaveFile, ReplacesAnExistingFileWholeAndAsksFirst) {
  TempDir dir;
  const std::string path = dir.File("out.sim");
  EXPECT_EQ(SimaOverwriteQuestion(path), std::nullopt);
  test::WriteBytes(path, std::string(100000, 'x'));
  EXPECT_EQ(SimaOverwriteQuestion(path), "すでにファイルが存在します．上書きしますか？");
  SaveSimaFile(path, TwoPointList());
  EXPECT_EQ(ReadFileBytes(path), Utf8ToAnsi(BuildSimaFileText(TwoPointList())));
  // No temporary file is left beside it.
  int files = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(SimaSaveFile, AFolderThatDoesNotExistIsAnErrorNamingTheFile) {
  TempDir dir;
  const std::string path = dir.File("missing/out.sim");
  try {
    SaveSimaFile(path, TwoPointList());
    FAIL() << "no error";
  } catch (const FileCreateError& e) {
    EXPECT_EQ(e.path(), path);
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
}

TEST(SimaSavePath, AppendsTheExtensionOnlyWhenTheNameHasNone) {
  EXPECT_EQ(SimaSavePath("C:\\data\\site"), "C:\\data\\site.sim");
  EXPECT_EQ(SimaSavePath("C:\\data.2023\\site"), "C:\\data.2023\\site.sim");
  EXPECT_EQ(SimaSavePath("/tmp/dir.x/site"), "/tmp/dir.x/site.sim");
  EXPECT_EQ(SimaSavePath("site.sim"), "site.sim");
  EXPECT_EQ(SimaSavePath("site.txt"), "site.txt");
  EXPECT_EQ(SimaSavePath("現場"), "現場.sim");
}

// A saved file reads back into the same points: the writer and the reader agree on the
// record layout, and the two scalings undo each other down to whole millimetres.
TEST(SimaRoundTrip, SavedPointsReadBackIntoTheCoordinateList) {
  TempDir dir;
  const std::string path = dir.File("round.sim");
  const TextGrid coord = CoordListOf(
      {{"x", "-12345", "98765", "12"}, {"y", "0", "1", "0.4"}, {"z", "1000.5", "2000", "-3000"}});
  TextGrid write = MakeSimaList();
  ASSERT_TRUE(BuildSimaWriteList(coord, {true, true, "K-1"}, write));
  ASSERT_EQ(CheckSimaWriteList(write).outcome, Outcome::kReady);
  SaveSimaFile(path, write);

  TextGrid sima = MakeSimaList();
  TextGrid back = MakeCoordList();
  ASSERT_EQ(ReadSimaFile(path, {true, true}, sima, back).pointCount, 3);
  EXPECT_EQ(sima.Row(1), (Row{"A01", "    1", "K-1", "98.765", "-12.345", "0.012"}));
  EXPECT_EQ(back.Row(1), (Row{"K-1", "-12345", "98765", "12", "1"}));
  EXPECT_EQ(back.Row(2), (Row{"K-2", "0", "1", "0", "2"}));
  EXPECT_EQ(back.Row(3), (Row{"K-3", "1001", "2000", "-3000", "3"}));
}

}  // namespace
}  // namespace vensa
