#include "sima/sima_record.h"

#include <gtest/gtest.h>

#include <string>

namespace vensa {
namespace {

TEST(SimaPointCode, TakesA01ToA98AndTwoCharacterCodes) {
  for (const char* code : {"A01", "A02", "A50", "A98", "A1", "A9", "A01X"})
    EXPECT_TRUE(IsSimaPointCode(code)) << code;
  for (const char* code : {"A00", "A99", "A0", "A", "", "a01", "B01", "G00", "Z00", "D00", "AX1",
                           "A1X", "A-1", "A 1", " A01"})
    EXPECT_FALSE(IsSimaPointCode(code)) << code;
}

TEST(SimaPointRecord, SplitsTheFirstSixFieldsUntrimmed) {
  SimaPointFields f;
  ASSERT_TRUE(SplitSimaPointRecord("A01,    1,FK12863             , -39525.623,  60295.494,,", f));
  EXPECT_EQ(f[0], "A01");
  EXPECT_EQ(f[1], "    1");
  EXPECT_EQ(f[2], "FK12863             ");
  EXPECT_EQ(f[3], " -39525.623");
  EXPECT_EQ(f[4], "  60295.494");
  EXPECT_EQ(f[5], "");
}

TEST(SimaPointRecord, NeedsFiveFieldsAndIgnoresTheRest) {
  SimaPointFields f;
  ASSERT_TRUE(SplitSimaPointRecord("A01,1,P1,10,20", f));  // five fields: no height
  EXPECT_EQ(f[4], "20");
  EXPECT_EQ(f[5], "");
  EXPECT_FALSE(SplitSimaPointRecord("A01,1,P1,10", f));     // four
  ASSERT_TRUE(SplitSimaPointRecord("A01,1,P1,10,20,", f));  // six, the last empty
  EXPECT_EQ(f[4], "20");
  EXPECT_EQ(f[5], "");
  ASSERT_TRUE(SplitSimaPointRecord("A01,1,P1,10,20,5", f));  // six without a trailing comma
  EXPECT_EQ(f[5], "5");
  ASSERT_TRUE(SplitSimaPointRecord("A01,1,P1,10,20,5,x,y,,", f));
  EXPECT_EQ(f[5], "5");
  ASSERT_TRUE(SplitSimaPointRecord("A01,,,,,", f));
  for (int i = 1; i < kSimaColumnCount; ++i) EXPECT_EQ(f[i], "") << i;
  EXPECT_FALSE(SplitSimaPointRecord("A01", f));
  EXPECT_FALSE(SplitSimaPointRecord("", f));
  EXPECT_FALSE(SplitSimaPointRecord("A99,,,,,,", f));
  EXPECT_FALSE(SplitSimaPointRecord("B01,1,P1,10,20,", f));
}

TEST(SimaPointRecord, AHugeTailAfterTheSixthFieldIsNotPartOfIt) {
  std::string line = "A01,1,P1,10,20,30,";
  line.append(5'000'000, ',');
  SimaPointFields f;
  ASSERT_TRUE(SplitSimaPointRecord(line, f));
  EXPECT_EQ(f[5], "30");
}

TEST(SimaLists, CarryTheSixHeaders) {
  const TextGrid list = MakeSimaList();
  ASSERT_EQ(list.ColCount(), kSimaColumnCount);
  EXPECT_EQ(list.Row(0), (std::vector<std::string>{" コード", " 点番号", " 測点名", " X座標",
                                                   " Y座標", " Z座標"}));
  EXPECT_EQ(list.RowCount(), 5);
  EXPECT_EQ(MakeSimaList(1).RowCount(), 2);
}

}  // namespace
}  // namespace vensa
