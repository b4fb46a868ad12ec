#include "dxf/table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dxf/drawing_size.h"
#include "dxf_golden.h"

namespace vensa {
namespace {

using testing::CoordListOf;
using testing::CountLines;
using testing::CrLfLines;
using testing::LinesAre;

std::string TableOf(const TextGrid& list, const TableOptions& options = {}, double scale = 1.0,
                    TableAxes axes = TableAxes::kXY) {
  DxfBuilder out;
  BuildTable(out, list, options, scale, axes);
  return out.Take();
}

// One entity of the table as its kind and the values that place it.
struct Entity {
  std::string kind;  // "LINE" or "TEXT"
  std::string x, y, x2, y2, align, text, width;
  bool operator==(const Entity&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Entity& e) {
  return os << e.kind << " " << e.x << "," << e.y << " " << e.x2 << "," << e.y2 << " 72=" << e.align
            << " '" << e.text << "' 41=" << e.width;
}

std::vector<Entity> EntitiesOf(const std::string& text) {
  const std::vector<std::string> lines = CrLfLines(text);
  std::vector<Entity> entities;
  for (std::size_t i = testing::HeaderLines().size() + 4; i + 1 < lines.size(); i += 2) {
    const std::string& code = lines[i];
    const std::string& value = lines[i + 1];
    if (code == "  0") {
      if (value == "ENDSEC") break;
      Entity e;
      e.kind = value;
      entities.push_back(e);
      continue;
    }
    Entity& e = entities.back();
    if (code == " 10") e.x = value;
    if (code == " 20") e.y = value;
    if (code == " 11") e.x2 = value;
    if (code == " 21") e.y2 = value;
    if (code == " 72") e.align = value;
    if (code == "  1") e.text = value;
    if (code == " 41") e.width = value;
  }
  return entities;
}

Entity Rule(const char* x, const char* y, const char* x2, const char* y2) {
  return Entity{"LINE", x, y, x2, y2, "", "", ""};
}

Entity Cell(const char* align, const char* x, const char* y, const char* text,
            const char* width = "0.8") {
  return Entity{"TEXT", x, y, x, y, align, text, width};
}

TextGrid ExampleList() {
  return CoordListOf({{"A-1", "100", "200"}, {"A-2", "150.25", "200.0004"}});
}

TEST(BuildTable, WorkedExampleEntitySequence) {
  const std::string text = TableOf(ExampleList());
  EXPECT_EQ(EntitiesOf(text), (std::vector<Entity>{
                                  Rule("0.0", "0.00000000", "85.00000000", "0.00000000"),
                                  Rule("0.0", "-5.00000000", "85.00000000", "-5.00000000"),
                                  Rule("0.0", "-10.00000000", "85.00000000", "-10.00000000"),
                                  Rule("0.0", "-15.00000000", "85.00000000", "-15.00000000"),
                                  Rule("0.00000000", "0.0", "0.00000000", "-15.00000000"),
                                  Rule("25.00000000", "0.0", "25.00000000", "-15.00000000"),
                                  Rule("55.00000000", "0.0", "55.00000000", "-15.00000000"),
                                  Rule("85.00000000", "0.0", "85.00000000", "-15.00000000"),
                                  Cell("1", "12.50000000", "-2.50000000", "測点", "1.0"),
                                  Cell("1", "40.00000000", "-2.50000000", "X座標", "1.0"),
                                  Cell("1", "70.00000000", "-2.50000000", "Y座標", "1.0"),
                                  Cell("0", "5.00000000", "-7.50000000", "A-1"),
                                  Cell("2", "50.00000000", "-7.50000000", "100.000"),
                                  Cell("2", "80.00000000", "-7.50000000", "200.000"),
                                  Cell("0", "5.00000000", "-12.50000000", "A-2"),
                                  Cell("2", "50.00000000", "-12.50000000", "150.250"),
                                  Cell("2", "80.00000000", "-12.50000000", "200.000"),
                              }));
  EXPECT_EQ(CountLines(text, "LINE"), 8);
  EXPECT_EQ(CountLines(text, "TEXT"), 9);
}

TEST(BuildTable, WorkedExampleSecondRuleAndFirstCellLineByLine) {
  const std::string text = TableOf(ExampleList());
  const std::size_t entities = testing::HeaderLines().size() + 4;
  EXPECT_TRUE(LinesAre(text,
                       {"  0", "LINE", "  8", "VENSA_TBLLINE", " 10", "0.0", " 20", "-5.00000000",
                        " 11", "85.00000000", " 21", "-5.00000000"},
                       entities + 12, false));
  const std::size_t firstDataCell = entities + 8 * 12 + 3 * 22;
  EXPECT_TRUE(LinesAre(
      text, {"  0", "TEXT",       "  8", "VENSA_TBLTEXT", " 72", "0",          " 73", "2",
             " 10", "5.00000000", " 20", "-7.50000000",   " 11", "5.00000000", " 21", "-7.50000000",
             " 40", "2.5",        "  1", "A-1",           " 41", "0.8"},
      firstDataCell, false));
  EXPECT_TRUE(LinesAre(text, {"  0", "ENDSEC", "  0", "EOF"}, CrLfLines(text).size() - 4));
}

TEST(BuildTable, ZColumnAddsARuleAHeaderAndWidth) {
  TableOptions o;
  o.zColumn = true;
  const std::vector<Entity> e = EntitiesOf(TableOf(CoordListOf({{"P", "1", "2", "3.25"}}), o));
  ASSERT_EQ(e.size(), 3u + 5u + 4u + 4u);
  EXPECT_EQ(e[0], Rule("0.0", "0.00000000", "115.00000000", "0.00000000"));
  EXPECT_EQ(e[7], Rule("115.00000000", "0.0", "115.00000000", "-10.00000000"));
  EXPECT_EQ(e[11], Cell("1", "100.00000000", "-2.50000000", "Z座標", "1.0"));
  EXPECT_EQ(e[15], Cell("2", "110.00000000", "-7.50000000", "3.250"));
}

TEST(BuildTable, YXExchangesTheValuesButTestsTheCellUnderTheColumn) {
  const TextGrid list = CoordListOf({{"P", "", "5"}});
  const std::vector<Entity> xy = EntitiesOf(TableOf(list));
  ASSERT_EQ(xy.size(), 3u + 4u + 3u + 2u);
  EXPECT_EQ(xy.back(), Cell("2", "80.00000000", "-7.50000000", "5.000"));

  const std::vector<Entity> yx = EntitiesOf(TableOf(list, {}, 1.0, TableAxes::kYX));
  ASSERT_EQ(yx.size(), 3u + 4u + 3u + 2u);
  EXPECT_EQ(yx[10], Cell("0", "5.00000000", "-7.50000000", "P"));
  EXPECT_EQ(yx[11], Cell("2", "80.00000000", "-7.50000000", "0.000"));  // the empty X cell

  const std::vector<Entity> swapped =
      EntitiesOf(TableOf(CoordListOf({{"Q", "1", "2"}}), {}, 1.0, TableAxes::kYX));
  EXPECT_EQ(swapped[8].text, "X座標");  // headers stay
  EXPECT_EQ(swapped[11].text, "2.000");
  EXPECT_EQ(swapped[12].text, "1.000");
}

TEST(BuildTable, ValuesDividedRoundedAndPrinted) {
  TableOptions o;
  o.divideBy1000 = true;
  EXPECT_EQ(EntitiesOf(TableOf(CoordListOf({{"", "123456", "-0.4"}}), o)).back().text, "0.000");
  EXPECT_EQ(EntitiesOf(TableOf(CoordListOf({{"", "123456", "1"}}), o))[10].text, "123.456");
  o.divideBy1000 = false;
  o.decimals = "0";
  const std::vector<Entity> whole = EntitiesOf(TableOf(CoordListOf({{"", "2.5", "-2.5"}}), o));
  EXPECT_EQ(whole[10].text, "3");
  EXPECT_EQ(whole[11].text, "-3");
  o.decimals = "-2";  // taken as 0
  EXPECT_EQ(EntitiesOf(TableOf(CoordListOf({{"", "2.5", "-2.5"}}), o))[10].text, "3");
  o.decimals = "+1";
  EXPECT_EQ(EntitiesOf(TableOf(CoordListOf({{"", "1.25", "x"}}), o))[10].text, "1.3");
  EXPECT_EQ(EntitiesOf(TableOf(CoordListOf({{"", "1.25", "x"}}), o))[11].text, "0.0");
}

// Beyond ten decimals the value's own digits are printed, not those of a scale held in
// single precision (100 once came out as 99.999999590400).
TEST(BuildTable, ManyDecimalsPrintTheValuesOwnDigits) {
  TableOptions o;
  for (const auto& [decimals, x, shown] : {std::tuple{"12", "100", "100.000000000000"},
                                           std::tuple{"20", "-2.5", "-2.50000000000000000000"},
                                           std::tuple{"11", "0.125", "0.12500000000"},
                                           std::tuple{"10", "1.23456789012", "1.2345678901"}}) {
    o.decimals = decimals;
    EXPECT_EQ(EntitiesOf(TableOf(CoordListOf({{"", x, "1"}}), o))[10].text, shown) << decimals;
  }
}

// A size that no drawing can take, as typed or once scaled, is refused naming the setting
// before anything is written.
TEST(BuildTable, SizesThatAreNoDrawableNumberAreRefusedNamingTheSetting) {
  const auto refused = [](TableOptions o, double scale, const std::string& named) {
    DxfBuilder out;
    try {
      BuildTable(out, ExampleList(), o, scale, TableAxes::kXY);
      ADD_FAILURE() << named;
    } catch (const DrawingSizeError& e) {
      EXPECT_NE(std::string(e.what()).find(named), std::string::npos) << e.what();
    }
    EXPECT_EQ(out.Size(), 0u) << named;
  };
  TableOptions o;
  o.textHeight = "-5";
  refused(o, 1.0, "表文字 (TextSize/TBLTEXT)");
  o.textHeight = "1e300";
  refused(o, 1e10, "表文字 (TextSize/TBLTEXT)");
  refused(TableOptions{}, 1e308, "一行高さ (TableSize/Height)");
  o = TableOptions{};
  o.coordWidth = "1e308";
  refused(o, 1.0, "作表の大きさ");
}

TEST(BuildTable, EmptyRowKeepsItsRulesButHasNoTexts) {
  const std::string text = TableOf(CoordListOf({{"A", "1", "2"}, {}, {"C", "3", "4"}}));
  EXPECT_EQ(CountLines(text, "LINE"), 5 + 4);
  EXPECT_EQ(CountLines(text, "TEXT"), 3 + 3 + 3);
  EXPECT_EQ(EntitiesOf(text).back(), Cell("2", "80.00000000", "-17.50000000", "4.000"));
}

TEST(BuildTable, SizesAreScaledByTheDrawingScale) {
  const std::vector<Entity> e = EntitiesOf(TableOf(CoordListOf({{"A", "1", "2"}}), {}, 100.0));
  EXPECT_EQ(e[1], Rule("0.0", "-500.00000000", "8500.00000000", "-500.00000000"));
  EXPECT_EQ(e[7], Cell("1", "1250.00000000", "-250.00000000", "測点", "1.0"));
  EXPECT_EQ(e[8].x, "4000.00000000");
  EXPECT_EQ(e[10], Cell("0", "500.00000000", "-750.00000000", "A"));
  EXPECT_EQ(CountLines(TableOf(CoordListOf({{"A", "1", "2"}}), {}, 100.0), "250"), 6);
}

TEST(BuildTable, DecimalsThatAreNoIntegerStopAfterTheHeaderTexts) {
  TableOptions o;
  for (const char* bad : {"3.0", "", " 3", "three", "99999999999"}) {
    o.decimals = bad;
    DxfBuilder out;
    try {
      BuildTable(out, ExampleList(), o, 1.0, TableAxes::kXY);
      ADD_FAILURE() << "no error for '" << bad << "'";
    } catch (const TableDecimalsError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' は整数ではありません");
      EXPECT_EQ(e.text(), bad);
    }
    // The rules and the header texts are written, no data cell and no closing lines.
    EXPECT_EQ(CountLines(out.Str(), "LINE"), 8);
    EXPECT_EQ(CountLines(out.Str(), "TEXT"), 3);
    EXPECT_EQ(CountLines(out.Str(), "EOF"), 0);
  }
}

TEST(BuildTable, CellTextsKeepTheirLinesWhole) {
  const std::vector<Entity> e = EntitiesOf(TableOf(CoordListOf({{"A\r\nB", "1", "2"}})));
  EXPECT_EQ(e[10].text, "A  B");
}

}  // namespace
}  // namespace vensa
