#include "cad/sim/insert_file.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "dxf/dxf_group_reader.h"
#include "tests/support/text_lines.h"

#include <numbers>

namespace vensa {
namespace {

// The lines inside a file's ENTITIES section, with the sections around them, in the
// system's code page as the insert files are written.
std::string Entities(std::initializer_list<std::string_view> lines) {
  std::string text =
      test::CrLfText({"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  0",
                      "ENDSEC", "  0", "SECTION", "  2", "ENTITIES"});
  text += test::CrLfText(lines);
  text += test::CrLfText({"  0", "ENDSEC", "  0", "EOF"});
  return Utf8ToAnsi(text);
}

TEST(InsertFileTest, PolylineWithVerticesBecomesOneEntity) {
  auto result = ReadInsertFile(
      Entities({"  0", "POLYLINE",   "  8", "PL",         " 66", "     1",     " 10", "0.0",
                " 20", "0.0",        " 30", "0.0",        " 70", "     1",     "  0", "VERTEX",
                "  8", "PL",         " 10", "1.00000000", " 20", "2.00000000", " 30", "3.00000000",
                "  0", "VERTEX",     "  8", "PL",         " 10", "4.00000000", " 20", "5.00000000",
                " 30", "6.00000000", "  0", "SEQEND",     "  0", "POLYLINE",   "  8", "PL",
                " 70", "     9",     "  0", "VERTEX",     " 10", "7",          " 20", "8",
                " 30", "9",          "  0", "SEQEND"}));
  ASSERT_EQ(result.entities.size(), 2u);
  const SimEntity& open = result.entities[0];
  EXPECT_EQ(open.className, "AcDb2dPolyline");
  EXPECT_TRUE(open.closed);
  EXPECT_EQ(open.layer, "PL");
  EXPECT_EQ(open.coordinates, (std::vector<double>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(open.bulges, (std::vector<double>{0, 0}));
  EXPECT_EQ(result.entities[1].className, "AcDb3dPolyline");
  EXPECT_EQ(result.entities[1].coordinates, (std::vector<double>{7, 8, 9}));
}

TEST(InsertFileTest, PointCircleLineAndBothTextForms) {
  auto result = ReadInsertFile(Entities({"  0", "POINT",
                                         "  8", "P",
                                         " 10", "-12.50000000",
                                         " 20", "0.00000000",
                                         " 30", "1.0",
                                         "  0", "CIRCLE",
                                         "  8", "C",
                                         " 10", "1",
                                         " 20", "2",
                                         " 30", "0",
                                         " 40", "250",
                                         "  0", "LINE",
                                         "  8", "L",
                                         " 10", "0.0",
                                         " 20", "-5.0",
                                         " 11", "55.0",
                                         " 21", "-5.0",
                                         "  0", "TEXT",
                                         "  8", "T",
                                         " 72", "0",
                                         " 73", "3",
                                         " 10", "1",
                                         " 20", "2",
                                         " 30", "3",
                                         " 11", "1",
                                         " 21", "2",
                                         " 31", "3",
                                         " 40", "1.8",
                                         "  1", "100.000,200.000",
                                         " 41", "0.8",
                                         "  0", "TEXT",
                                         "  8", "測点",
                                         " 10", "4",
                                         " 20", "5",
                                         " 30", "0",
                                         " 40", "2.5",
                                         "  1", "A-1",
                                         " 41", "1.0",
                                         " 50", "90"}));
  ASSERT_EQ(result.entities.size(), 5u);
  EXPECT_EQ(result.entities[0].className, "AcDbPoint");
  EXPECT_EQ(result.entities[0].coordinates, (std::vector<double>{-12.5, 0, 1}));
  EXPECT_EQ(result.entities[1].center, (TAcadPoint{1, 2, 0}));
  EXPECT_EQ(result.entities[1].radius, 250);
  EXPECT_EQ(result.entities[2].start, (TAcadPoint{0, -5, 0}));
  EXPECT_EQ(result.entities[2].end, (TAcadPoint{55, -5, 0}));
  const SimEntity& label = result.entities[3];
  EXPECT_EQ(label.verticalAlignment, 3);
  EXPECT_EQ(label.alignment, (TAcadPoint{1, 2, 3}));
  EXPECT_EQ(label.scaleFactor, 0.8);
  EXPECT_EQ(label.text, "100.000,200.000");
  EXPECT_EQ(result.entities[4].layer, "測点");
  EXPECT_DOUBLE_EQ(result.entities[4].rotation, std::numbers::pi / 2);
}

TEST(InsertFileTest, OtherTypesAreSkippedAndNamed) {
  auto result = ReadInsertFile(
      Entities({"  0", "ARC", "  8", "0", "  0", "POINT", " 10", "1", " 20", "1", " 30", "1"}));
  EXPECT_EQ(result.entities.size(), 1u);
  EXPECT_EQ(result.entities[0].layer, "0") << "no layer group: layer 0";
  EXPECT_EQ(result.skipped, (std::vector<std::string>{"ARC"}));
}

TEST(InsertFileTest, BrokenPolylineStructureIsAnError) {
  EXPECT_THROW(ReadInsertFile(Entities({"  0", "POLYLINE", " 70", "     0", "  0", "VERTEX"})),
               DxfReadError);
  EXPECT_THROW(ReadInsertFile(Entities({"  0", "VERTEX", " 10", "1"})), DxfReadError);
  EXPECT_THROW(ReadInsertFile(Entities({"  0", "POLYLINE", "  0", "POINT", "  0", "SEQEND"})),
               DxfReadError);
  EXPECT_THROW(ReadInsertFile(Entities({"  0", "POINT", " 10", "abc"})), DxfReadError);
}

TEST(InsertFileTest, FileWithoutEntitiesSectionGivesNothing) {
  auto result = ReadInsertFile(
      test::CrLfText({"  0", "SECTION", "  2", "HEADER", "  0", "ENDSEC", "  0", "EOF"}));
  EXPECT_TRUE(result.entities.empty());
}

}  // namespace
}  // namespace vensa
