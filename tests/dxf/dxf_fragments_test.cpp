#include "dxf/dxf_fragments.h"

#include <gtest/gtest.h>

#include "dxf_golden.h"

namespace vensa {
namespace {

using testing::HeaderLines;
using testing::LinesAre;

TEST(DxfFragments, HeaderIsTheFortyTwoFixedLinesDeclaringItsCodePage) {
  DxfBuilder out;
  WriteDxfHeader(out);
  EXPECT_EQ(testing::CrLfLines(out.Str()).size(), 42u);
  EXPECT_TRUE(LinesAre(out.Str(), HeaderLines()));
}

TEST(DxfFragments, FileWithoutEntitiesHasFiftyLines) {
  DxfBuilder out;
  WriteDxfHeader(out);
  WriteEntitiesOpener(out);
  WriteDxfClosing(out);
  std::vector<std::string> expected = HeaderLines();
  expected.insert(expected.end(),
                  {"  0", "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "  0", "EOF"});
  EXPECT_TRUE(LinesAre(out.Str(), expected));
  EXPECT_EQ(expected.size(), 50u);
  EXPECT_EQ(out.Str().substr(out.Size() - 5), "EOF\r\n");
}

TEST(DxfFragments, PolylineVertexSeqend) {
  DxfBuilder out;
  WritePolylineHeader(out, "PL", 9);
  WriteVertex(out, "PL", DxfPoint({-12.5, 0, 1e-9}));
  WriteSeqend(out);
  WritePolylineHeader(out, "PL", 0);
  EXPECT_TRUE(
      LinesAre(out.Str(),
               {"  0", "POLYLINE", "  8", "PL",           " 66", "     1",     " 10", "0.0",
                " 20", "0.0",      " 30", "0.0",          " 70", "     9",     "  0", "VERTEX",
                "  8", "PL",       " 10", "-12.50000000", " 20", "0.00000000", " 30", "0.00000000",
                "  0", "SEQEND",   "  0", "POLYLINE",     "  8", "PL",         " 66", "     1",
                " 10", "0.0",      " 20", "0.0",          " 30", "0.0",        " 70", "     0"}));
}

TEST(DxfFragments, PointAndCircle) {
  DxfBuilder out;
  WritePoint(out, "P", DxfPoint({1, 2, 3}));
  WriteCircle(out, "C", DxfPoint({1, 2, 3}), 5.0 * 100);
  EXPECT_TRUE(LinesAre(out.Str(), {"  0", "POINT",      "  8", "P",          " 10", "1.00000000",
                                   " 20", "2.00000000", " 30", "3.00000000", "  0", "CIRCLE",
                                   "  8", "C",          " 10", "1.00000000", " 20", "2.00000000",
                                   " 30", "3.00000000", " 40", "500"}));
}

TEST(DxfFragments, NameLabelAndCoordinateLabel) {
  DxfBuilder out;
  WriteNameLabel(out, "N", DxfPoint({100, 200, 10.5}), 2.5, "A-1");
  WriteCoordLabel(out, "XY", DxfPoint({100, 200, 10.5}), 1.8, "100.000,200.000");
  EXPECT_TRUE(LinesAre(out.Str(), {"  0", "TEXT",
                                   "  8", "N",
                                   " 10", "100.00000000",
                                   " 20", "200.00000000",
                                   " 30", "10.50000000",
                                   " 40", "2.5",
                                   "  1", "A-1",
                                   " 41", "1.0",
                                   "  0", "TEXT",
                                   "  8", "XY",
                                   " 72", "0",
                                   " 73", "3",
                                   " 10", "100.00000000",
                                   " 20", "200.00000000",
                                   " 30", "10.50000000",
                                   " 11", "100.00000000",
                                   " 21", "200.00000000",
                                   " 31", "10.50000000",
                                   " 40", "1.8",
                                   "  1", "100.000,200.000",
                                   " 41", "0.8"}));
}

TEST(DxfFragments, TableRulesAndCells) {
  DxfBuilder out;
  WriteTableHLine(out, "T", -5, 85);
  WriteTableVLine(out, "T", 25, -15);
  WriteTableCell(out, "S", CellAlign::kCentre, 12.5, -2.5, 2.5, "測点", CellRow::kHeader);
  WriteTableCell(out, "S", CellAlign::kRight, 50, -7.5, 2.5, "100.000", CellRow::kData);
  WriteTableCell(out, "S", CellAlign::kLeft, 5, -7.5, 2.5, "A-1", CellRow::kData);
  EXPECT_TRUE(LinesAre(
      out.Str(),
      {"  0", "LINE",        "  8", "T",           " 10", "0.0",         " 20", "-5.00000000",
       " 11", "85.00000000", " 21", "-5.00000000", "  0", "LINE",        "  8", "T",
       " 10", "25.00000000", " 20", "0.0",         " 11", "25.00000000", " 21", "-15.00000000",
       "  0", "TEXT",        "  8", "S",           " 72", "1",           " 73", "2",
       " 10", "12.50000000", " 20", "-2.50000000", " 11", "12.50000000", " 21", "-2.50000000",
       " 40", "2.5",         "  1", "測点",        " 41", "1.0",         "  0", "TEXT",
       "  8", "S",           " 72", "2",           " 73", "2",           " 10", "50.00000000",
       " 20", "-7.50000000", " 11", "50.00000000", " 21", "-7.50000000", " 40", "2.5",
       "  1", "100.000",     " 41", "0.8",         "  0", "TEXT",        "  8", "S",
       " 72", "0",           " 73", "2",           " 10", "5.00000000",  " 20", "-7.50000000",
       " 11", "5.00000000",  " 21", "-7.50000000", " 40", "2.5",         "  1", "A-1",
       " 41", "0.8"}));
}

// A layer or label holding a line break (a worksheet cell can) must not shift the pairs.
TEST(DxfFragments, LineBreaksInLayersAndLabelsStayInTheirLine) {
  DxfBuilder out;
  WriteNameLabel(out, "測点\n名", DxfPoint({}), 1, "A\r\n1");
  EXPECT_TRUE(LinesAre(
      out.Str(), {"  0", "TEXT", "  8", "測点 名", " 10", "0.00000000", " 20", "0.00000000", " 30",
                  "0.00000000", " 40", "1", "  1", "A  1", " 41", "1.0"}));
}

}  // namespace
}  // namespace vensa
