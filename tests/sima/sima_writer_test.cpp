#include "sima/sima_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/coord_list.h"
#include "sima/sima_record.h"
#include "sima_test_support.h"

namespace vensa {
namespace {

using Row = std::vector<std::string>;
using test::CoordListOf;

SimaWriteOptions Options(bool divide, bool swap, std::string head = "A1") {
  return {divide, swap, std::move(head)};
}

TEST(PadLeft, PutsBlanksInFrontUpToTheWidth) {
  EXPECT_EQ(PadLeft("1", 5), "    1");
  EXPECT_EQ(PadLeft("1234", 5), " 1234");
  EXPECT_EQ(PadLeft("12345", 5), "12345");
  EXPECT_EQ(PadLeft("123456", 5), "123456");
  EXPECT_EQ(PadLeft("", 3), "   ");
  EXPECT_EQ(PadLeft("7", 0), "7");
  // Characters, not bytes: two kanji take two places.
  EXPECT_EQ(PadLeft("測点", 4), "  測点");
}

TEST(SimaBuild, TwoPointsWithBothOptionsOn) {
  const TextGrid coord = CoordListOf({{"P1", "1000", "2000", "0"}, {"P2", "1500", "2500", "10"}});
  TextGrid write = MakeSimaList();
  ASSERT_TRUE(BuildSimaWriteList(coord, Options(true, true), write));
  ASSERT_EQ(write.RowCount(), 5);
  EXPECT_EQ(write.Row(0), SimaListHeaders());
  EXPECT_EQ(write.Row(1), (Row{"A00", "", "", "", "", ""}));
  EXPECT_EQ(write.Row(2), (Row{"A01", "    1", "A1", "2.000", "1.000", "0.000"}));
  EXPECT_EQ(write.Row(3), (Row{"A01", "    2", "A2", "2.500", "1.500", "0.010"}));
  EXPECT_EQ(write.Row(4), (Row{"A99", "", "", "", "", ""}));
}

TEST(SimaBuild, BothOptionsOffCopiesTheTextsXBeforeY) {
  const TextGrid coord = CoordListOf({{"P1", "1000", "2000", "0"}, {"P2", "1500", "2500", "10"}});
  TextGrid write = MakeSimaList();
  ASSERT_TRUE(BuildSimaWriteList(coord, Options(false, false), write));
  EXPECT_EQ(write.Row(2), (Row{"A01", "    1", "A1", "1000", "2000", "0"}));
  EXPECT_EQ(write.Row(3), (Row{"A01", "    2", "A2", "1500", "2500", "10"}));
}

TEST(SimaBuild, DividingRoundsToThreeDecimalsAndReadsNonNumbersAsZero) {
  const TextGrid coord = CoordListOf(
      {{"", "12.6", "2", "-0.4"}, {"", " 1234567 ", "abc", "-1e3"}, {"", "0.5", "-0.5", "x"}});
  TextGrid write = MakeSimaList();
  ASSERT_TRUE(BuildSimaWriteList(coord, Options(true, false), write));
  EXPECT_EQ(write.Row(2), (Row{"A01", "    1", "A1", "0.013", "0.002", "0.000"}));
  EXPECT_EQ(write.Row(3), (Row{"A01", "    2", "A2", "1234.567", "0.000", "-1.000"}));
  // Halfway values round away from zero; no "-0.000".
  EXPECT_EQ(write.Row(4), (Row{"A01", "    3", "A3", "0.001", "-0.001", "0.000"}));
}

TEST(SimaBuild, NamesAndNumbersFollowTheListRowsWithGaps) {
  const TextGrid coord = CoordListOf({{"a", "1", "2", "3"},
                                      {"b", "4", "5", "6"},
                                      {"c", "", "8", "9"},
                                      {"d", "10", "11", ""},
                                      {"e", "13", "", "15"}});
  TextGrid write = MakeSimaList();
  ASSERT_TRUE(BuildSimaWriteList(coord, Options(false, false, "P-10"), write));
  ASSERT_EQ(write.RowCount(), 6);
  EXPECT_EQ(write.Row(2), (Row{"A01", "    1", "P-10", "1", "2", "3"}));
  EXPECT_EQ(write.Row(3), (Row{"A01", "    2", "P-11", "4", "5", "6"}));
  // Row 3 has no X and row 5 no Y; row 4 goes without a Z.
  EXPECT_EQ(write.Row(4), (Row{"A01", "    4", "P-13", "10", "11", ""}));
  EXPECT_EQ(write.Row(5), (Row{"A99", "", "", "", "", ""}));
}

TEST(SimaBuild, TheNameHeadDecidesPrefixAndStartNumber) {
  const TextGrid coord = CoordListOf({{"", "1", "2", "3"}, {"", "4", "5", "6"}});
  const struct {
    const char* head;
    const char* first;
    const char* second;
  } cases[] = {{"ABC", "ABC0", "ABC1"},
               {"A-01", "A-1", "A-2"},
               {"", "0", "1"},
               {"12", "12", "13"},
               {"測点9", "測点9", "測点10"},
               {"2147483647", "2147483647", "2147483648"}};
  for (const auto& c : cases) {
    TextGrid write = MakeSimaList();
    ASSERT_TRUE(BuildSimaWriteList(coord, Options(false, false, c.head), write)) << c.head;
    EXPECT_EQ(write.Cell(kSimaColName, 2), c.first) << c.head;
    EXPECT_EQ(write.Cell(kSimaColName, 3), c.second) << c.head;
  }
}

TEST(SimaBuild, ATooLargeHeadNumberIsAnErrorAfterTheFirstSteps) {
  const TextGrid coord = CoordListOf({{"", "1", "2", "3"}, {"", "4", "5", "6"}});
  TextGrid write = MakeSimaList(1);
  try {
    BuildSimaWriteList(coord, Options(true, true, "P2147483648"), write);
    FAIL() << "no error";
  } catch (const SimaNameNumberError& e) {
    EXPECT_NE(std::string(e.what()).find("2147483648"), std::string::npos) << e.what();
  }
  EXPECT_EQ(write.RowCount(), coord.RowCount() + 2);
  EXPECT_EQ(write.Cell(kSimaColCode, 1), "A00");
  EXPECT_EQ(write.Cell(kSimaColCode, 2), "");
}

TEST(SimaBuild, AnUnusableFirstRowChangesNothing) {
  for (const Row& first : {Row{"P", "", "2", "3"}, Row{"P", "1", "", "3"}}) {
    const TextGrid coord = CoordListOf({first, {"Q", "4", "5", "6"}});
    TextGrid write = MakeSimaList(1);
    write.SetCell(kSimaColName, 1, "kept");
    EXPECT_FALSE(BuildSimaWriteList(coord, Options(true, true), write));
    EXPECT_EQ(write.RowCount(), 2);
    EXPECT_EQ(write.Cell(kSimaColName, 1), "kept");
  }
}

// A list without heights is built, and saved, with empty Z fields: no height is not 0.
TEST(SimaBuild, PointsWithoutHeightKeepAnEmptyZ) {
  const TextGrid coord = CoordListOf({{"P1", "1000", "2000", ""}, {"P2", "1500", "2500", " "}});
  TextGrid write = MakeSimaList();
  ASSERT_TRUE(BuildSimaWriteList(coord, Options(true, true), write));
  EXPECT_EQ(write.Row(2), (Row{"A01", "    1", "A1", "2.000", "1.000", ""}));
  EXPECT_EQ(write.Row(3), (Row{"A01", "    2", "A2", "2.500", "1.500", " "}));
}

TEST(SimaBuild, ListNamesAreKeptAndTheHeadNamesOnlyTheRowsWithout) {
  const TextGrid coord =
      CoordListOf({{"T-5965", "1", "2", ""}, {"", "3", "4", ""}, {"境界3", "5", "6", ""}});
  for (const bool keep : {false, true}) {
    TextGrid write = MakeSimaList();
    SimaWriteOptions options = Options(false, false, "K-1");
    options.listNames = keep;
    ASSERT_TRUE(BuildSimaWriteList(coord, options, write));
    const Row names{write.Cell(kSimaColName, 2), write.Cell(kSimaColName, 3),
                    write.Cell(kSimaColName, 4)};
    EXPECT_EQ(names, keep ? (Row{"T-5965", "K-2", "境界3"}) : (Row{"K-1", "K-2", "K-3"}));
  }
}

TEST(SimaBuild, RebuildingReplacesEarlierRowsAndEdits) {
  TextGrid write = MakeSimaList();
  std::vector<Row> many(6, Row{"", "1", "2", "3"});
  ASSERT_TRUE(BuildSimaWriteList(CoordListOf(many), Options(true, true), write));
  ASSERT_EQ(write.RowCount(), 9);
  write.SetCell(kSimaColName, 2, "edited");
  const TextGrid two = CoordListOf({{"", "1", "2", "3"}, {"", "4", "5", "6"}});
  ASSERT_TRUE(BuildSimaWriteList(two, Options(false, true), write));
  ASSERT_EQ(write.RowCount(), 5);
  EXPECT_EQ(write.Row(2), (Row{"A01", "    1", "A1", "2", "1", "3"}));
  // The old point row 4 became the end row: nothing of it is left.
  EXPECT_EQ(write.Row(4), (Row{"A99", "", "", "", "", ""}));
}

TEST(SimaBuild, PointNumbersOfFiveDigitsAndMoreHaveNoBlanks) {
  std::vector<Row> rows(123456, Row{"", "1", "2", "3"});
  TextGrid write = MakeSimaList();
  ASSERT_TRUE(BuildSimaWriteList(CoordListOf(rows), Options(true, true), write));
  EXPECT_EQ(write.Cell(kSimaColNumber, 10000), " 9999");
  EXPECT_EQ(write.Cell(kSimaColNumber, 10001), "10000");
  EXPECT_EQ(write.Cell(kSimaColNumber, 123457), "123456");
  EXPECT_EQ(write.Cell(kSimaColName, 123457), "A123456");
}

}  // namespace
}  // namespace vensa
