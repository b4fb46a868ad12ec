#include "dxf/dxf_group_reader.h"

#include <gtest/gtest.h>

#include "tests/support/text_lines.h"

namespace vensa {
namespace {

TEST(DxfGroupReaderTest, PairsWithPaddedCodesAndValuesKeptAsTheyAre) {
  auto groups = ReadDxfGroups(test::CrLfText({" 70", "     9", "  1", " label ", "999", ""}));
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].code, 70);
  EXPECT_EQ(GroupInteger(groups[0]), 9);
  EXPECT_EQ(groups[1].value, " label ");
  EXPECT_EQ(groups[2].code, 999);
  EXPECT_EQ(groups[2].value, "");
  EXPECT_EQ(groups[2].line, 5);
}

TEST(DxfGroupReaderTest, MalformedInputNamesTheLine) {
  EXPECT_THROW(ReadDxfGroups(test::CrLfText({"  0", "POINT", " 10"})), DxfReadError);
  try {
    ReadDxfGroups(test::CrLfText({"  0", "POINT", "x10", "1.0"}));
    FAIL();
  } catch (const DxfReadError& e) {
    EXPECT_NE(std::string(e.what()).find("3 行目"), std::string::npos) << e.what();
  }
  auto groups = ReadDxfGroups(test::CrLfText({" 10", "1,5"}));
  EXPECT_THROW(GroupNumber(groups[0]), DxfReadError) << "decimal comma is no number";
}

}  // namespace
}  // namespace vensa
