#include "dxf/dxf_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/number_format.h"
#include "dxf_golden.h"

namespace vensa {
namespace {

using testing::LinesAre;

TEST(DxfBuilder, CodeLinesAreRightAlignedInThreeCharacters) {
  DxfBuilder out;
  out.Literal(0, "SECTION");
  out.Literal(8, "L");
  out.Literal(10, "0.0");
  out.Literal(73, "3");
  out.Literal(100, "AcDbEntity");
  out.Literal(999, "x");
  EXPECT_TRUE(LinesAre(out.Str(), {"  0", "SECTION", "  8", "L", " 10", "0.0", " 73", "3", "100",
                                   "AcDbEntity", "999", "x"}));
}

TEST(DxfBuilder, NumbersInTheirFormats) {
  DxfBuilder out;
  out.C8(10, -12.5);
  out.C8(20, 0.0);
  out.C8(30, 1e-9);
  out.C8(11, -0.0);
  out.C8(21, 0.001953125);
  out.G15(40, 2.5 * 100);
  out.G15(40, 1.8 * 100);
  out.G15(40, 0);
  out.G15(40, 1.5e-6);
  EXPECT_TRUE(LinesAre(out.Str(), {" 10", "-12.50000000", " 20", "0.00000000", " 30", "0.00000000",
                                   " 11", "0.00000000", " 21", "0.00195313", " 40", "250", " 40",
                                   "180", " 40", "0", " 40", "1.5E-6"}));
}

// Values are remembered with their texts; a remembered text must never stand in for a
// different value, also when more values alternate than are remembered.
TEST(DxfBuilder, RememberedNumbersNeverMixUp) {
  DxfBuilder out;
  std::vector<std::string> expected;
  const double values[] = {1, 2, 3, 4, 5, 6, 1, 6, 2, 5, -0.0, 0.0, 1, 1};
  for (double v : values) {
    out.C8(10, v);
    out.G15(40, v * 0.5);
    expected.insert(expected.end(), {" 10", FormatC8(v), " 40", FormatG15(v * 0.5)});
  }
  EXPECT_TRUE(LinesAre(out.Str(), expected));
}

TEST(DxfBuilder, LineBreaksInTextsAreWrittenAsBlanks) {
  DxfBuilder out;
  out.Text(8, "層\r\n一");
  out.Text(1, "A\n1\r");
  out.Text(1, "");
  out.Literal(0, "EOF");
  EXPECT_TRUE(LinesAre(out.Str(), {"  8", "層  一", "  1", "A 1 ", "  1", "", "  0", "EOF"}));
}

TEST(DxfBuilder, LongTextsAreWrittenWhole) {
  const std::string name(500, 'N');
  std::string broken = std::string(300, 'a') + "\n" + std::string(300, 'b');
  DxfBuilder out;
  out.Text(1, name);
  out.Text(1, broken);
  out.Literal(1200, "x");  // a code wider than the three-character field
  broken[300] = ' ';
  EXPECT_TRUE(LinesAre(out.Str(), {"  1", name, "  1", broken, "1200", "x"}));
}

TEST(DxfPoint, HoldsTheThreeCoordinatesInC8) {
  const DxfPoint point(TAcadPoint{-12.5, 123456789.123456789, -0.0});
  const C8Point p = point;
  EXPECT_EQ(p.x, "-12.50000000");
  EXPECT_EQ(p.y, "123456789.12345679");
  EXPECT_EQ(p.z, "0.00000000");
  DxfBuilder out;
  out.Formatted(10, p.x);
  EXPECT_TRUE(LinesAre(out.Str(), {" 10", "-12.50000000"}));
}

TEST(DxfPointList, EveryPointKeepsItsOwnTexts) {
  DxfPointList list;
  list.Reserve(2);
  for (int i = 0; i < 300; ++i) list.Add(TAcadPoint{i * 1.5, -i * 1e6, i % 2 ? 1e20 : 0.0});
  ASSERT_EQ(list.Size(), 300u);
  for (int i : {0, 1, 150, 299}) {
    EXPECT_EQ(list[i].x, FormatC8(i * 1.5));
    EXPECT_EQ(list[i].y, FormatC8(-i * 1e6));
    EXPECT_EQ(list[i].z, FormatC8(i % 2 ? 1e20 : 0.0));
    EXPECT_EQ(list.TextSize(i), list[i].x.size() + list[i].y.size() + list[i].z.size());
  }
}

TEST(DxfBuilder, TakeEmptiesAndASpareTextStartsEmpty) {
  DxfBuilder out;
  out.Literal(0, "EOF");
  std::string taken = out.Take();
  EXPECT_EQ(taken, "  0\r\nEOF\r\n");
  EXPECT_EQ(out.Size(), 0u);
  out.Literal(0, "SEQEND");
  EXPECT_EQ(out.Str(), "  0\r\nSEQEND\r\n");

  DxfBuilder again(std::move(taken));
  EXPECT_EQ(again.Size(), 0u);
  again.C8(10, 1);
  EXPECT_EQ(again.Str(), " 10\r\n1.00000000\r\n");
}

}  // namespace
}  // namespace vensa
