#include "area/parcel_area.h"

#include <gtest/gtest.h>

#include "area/area_table.h"

namespace vensa {
namespace {

using Pts = std::vector<std::pair<const char*, const char*>>;

AreaRing Ring(const Pts& points, const char* name = "1-2") {
  static const char* const kNames[] = {"P1", "P2", "P3", "P4", "P5", "P6", "P7"};
  AreaRing ring{name, {}};
  std::int64_t row = 0;
  for (const auto& [x, y] : points) {
    ring.corners.push_back({kNames[row], x, y, row + 1});
    ++row;
  }
  return ring;
}

const Pts kFive = {{"5", "20"}, {"15", "15"}, {"30", "25"}, {"20", "40"}, {"10", "35"}};
const Pts kFiveReversed = {{"10", "35"}, {"20", "40"}, {"30", "25"}, {"15", "15"}, {"5", "20"}};

struct Known {
  const char* what;
  Pts points;
  LandCategory category;
  CoordUnit unit;
  const char* doubleArea;
  const char* area;
  const char* registered;
};

TEST(ParcelArea, KnownRingsExactAndTruncatedAsRegistered) {
  const auto T = LandCategory::kTakuchi;
  const auto O = LandCategory::kOther;
  const auto M = CoordUnit::kMetre;
  const Known cases[] = {
      {"rectangle",
       {{"0", "0"}, {"10", "0"}, {"10", "20"}, {"0", "20"}},
       T,
       M,
       "400.000000",
       "200.000000",
       "200.00"},
      {"triangle", {{"0", "0"}, {"3", "0"}, {"0", "4"}}, T, M, "12.000000", "6.000000", "6.00"},
      {"five points", kFive, T, M, "725.000000", "362.500000", "362.50"},
      {"five points reversed", kFiveReversed, T, M, "-725.000000", "362.500000", "362.50"},
      {"five points, other land", kFive, O, M, "725.000000", "362.500000", "362"},
      {"five points in mm",
       {{"5000", "20000"},
        {"15000", "15000"},
        {"30000", "25000"},
        {"20000", "40000"},
        {"10000", "35000"}},
       T,
       CoordUnit::kMillimetre,
       "725.000000",
       "362.500000",
       "362.50"},
      {"concave",
       {{"0", "0"}, {"0", "10"}, {"5", "10"}, {"5", "5"}, {"10", "5"}, {"10", "0"}},
       T,
       M,
       "-150.000000",
       "75.000000",
       "75.00"},
      {"plane coordinates",
       {{"-32831.454", "12365.678"},
        {"-32821.454", "12360.678"},
        {"-32806.454", "12370.678"},
        {"-32816.454", "12385.678"},
        {"-32826.454", "12380.678"}},
       T,
       M,
       "725.000000",
       "362.500000",
       "362.50"},
      // 0.57 × 100 is 56.99999999999999 in binary floating point.
      {"no binary rounding",
       {{"0", "0"}, {"0.57", "0"}, {"0.57", "100"}, {"0", "100"}},
       T,
       M,
       "114.000000",
       "57.000000",
       "57.00"},
      {"other land of 10 m²",
       {{"0", "0"}, {"2", "0"}, {"2", "5"}, {"0", "5"}},
       O,
       M,
       "20.000000",
       "10.000000",
       "10.00"},
      {"other land of 10.01 m²",
       {{"0", "0"}, {"1", "0"}, {"1", "10.01"}, {"0", "10.01"}},
       O,
       M,
       "20.020000",
       "10.010000",
       "10"},
      {"100.053245 m² of 宅地",
       {{"0", "0"}, {"1", "0"}, {"1", "100.053245"}, {"0", "100.053245"}},
       T,
       M,
       "200.106490",
       "100.053245",
       "100.05"},
      {"100.053245 m² of other land",
       {{"0", "0"}, {"1", "0"}, {"1", "100.053245"}, {"0", "100.053245"}},
       O,
       M,
       "200.106490",
       "100.053245",
       "100"},
      // Half a square micrometre: shown rounded, truncated exactly.
      {"odd double area",
       {{"0", "0"}, {"0.001", "0"}, {"0.001", "0.001"}},
       T,
       M,
       "0.000001",
       "0.000001",
       "0.00"},
  };
  for (const Known& c : cases) {
    const ParcelArea area = ComputeParcelArea(Ring(c.points), c.category, c.unit);
    EXPECT_EQ(FormatProduct(area, area.doubleArea), c.doubleArea) << c.what;
    EXPECT_EQ(FormatArea(area), c.area) << c.what;
    EXPECT_EQ(FormatRegisteredArea(area), c.registered) << c.what;
    EXPECT_TRUE(area.warnings.empty()) << c.what;
  }
}

TEST(ParcelArea, TableRowsOfTheFivePointExample) {
  AreaRing ring = Ring(kFive, "446-2");
  const AreaTable table =
      BuildAreaTable(ComputeParcelArea(ring, LandCategory::kTakuchi, CoordUnit::kMetre), true);
  std::string text;
  AppendAreaTableText(text, table);
  EXPECT_EQ(text,
            "446-2\n"
            "点名\tX\tY\tYn+1-Yn-1\tXn(Yn+1-Yn-1)\t辺長\t方向角\n"
            "P1\t5.000\t20.000\t-20.000\t-100.000000\t11.180\t333°26′06″\n"
            "P2\t15.000\t15.000\t5.000\t75.000000\t18.028\t33°41′24″\n"
            "P3\t30.000\t25.000\t25.000\t750.000000\t18.028\t123°41′24″\n"
            "P4\t20.000\t40.000\t10.000\t200.000000\t11.180\t206°33′54″\n"
            "P5\t10.000\t35.000\t-20.000\t-200.000000\t15.811\t251°33′54″\n"
            "倍面積\t725.000000\n"
            "面積\t362.500000\n"
            "地積\t362.50\n");
}

TEST(ParcelArea, BadRingsAreRefusedOrWarnedNamingTheParcel) {
  struct Bad {
    Pts points;
    const char* refused;  // the refusal's words, or null when computed
    const char* warned;
  };
  const Bad cases[] = {
      {{{"0", "0"}, {"1", "1"}}, "3 点未満", nullptr},
      {{{"0", "0"}, {"1", "1"}, {"0", "0"}, {"1", "1"}}, "3 点未満", nullptr},
      {{{"0", "0"}, {"1", "0"}, {"abc", "1"}, {"", "1"}},
       "3 行目 (点 P3) の座標が数値ではありません",
       nullptr},
      {{{"0", "0"}, {"1", "0"}, {"1", ""}}, "3 行目", nullptr},
      {{{"0", "0"}, {"1e10", "0"}, {"1", "1"}}, "2 行目 (点 P2) の座標が大きすぎ", nullptr},
      {{{"0", "0"}, {"10", "0"}, {"10", "0"}, {"10", "10"}},
       nullptr,
       "2 行目 (点 P2) と次の点が同じ"},
      {{{"0", "0"}, {"10", "10"}, {"10", "0"}, {"0", "10"}}, nullptr, "辺 P1-P2 と辺 P3-P4 が交差"},
      // A side that runs back along the one before it.
      {{{"0", "0"}, {"10", "0"}, {"5", "0"}, {"5", "5"}}, nullptr, "交差"},
  };
  for (const Bad& c : cases) {
    const AreaRing ring = Ring(c.points, "7-1");
    if (c.refused) {
      try {
        ComputeParcelArea(ring, LandCategory::kTakuchi, CoordUnit::kMetre);
        ADD_FAILURE() << c.refused;
      } catch (const AreaRefusedError& e) {
        EXPECT_NE(std::string(e.what()).find("画地 \"7-1\""), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.refused), std::string::npos) << e.what();
      }
      continue;
    }
    const ParcelArea area = ComputeParcelArea(ring, LandCategory::kTakuchi, CoordUnit::kMetre);
    ASSERT_EQ(area.warnings.size(), 1u) << c.warned;
    EXPECT_NE(area.warnings[0].find("画地 \"7-1\""), std::string::npos) << area.warnings[0];
    EXPECT_NE(area.warnings[0].find(c.warned), std::string::npos) << area.warnings[0];
  }
}

TEST(ParcelArea, FinerDigitsRoundToTheMicrometreAndTheOthersGoOn) {
  // 1.0000005 rounds to 1.000001 and 0.0000004 to 0 m.
  const ParcelArea a = ComputeParcelArea(Ring({{"0", "0"}, {"1.0000005", "0"}, {"0.0000004", "2"}}),
                                         LandCategory::kTakuchi, CoordUnit::kMetre);
  EXPECT_EQ(FormatProduct(a, a.doubleArea), "2.000002");
  const AreaTables t = ComputeAreaTables(
      {Ring({{"0", "0"}, {"x", "0"}, {"1", "1"}}, "bad"), Ring(kFive, "good")}, AreaOptions{});
  ASSERT_EQ(t.tables.size(), 1u);
  EXPECT_EQ(t.tables[0].name, "good");
  EXPECT_EQ(t.refused, 1);
  ASSERT_EQ(t.notes.size(), 1u);
  EXPECT_NE(t.notes[0].find("\"bad\": 2 行目"), std::string::npos);
}

}  // namespace
}  // namespace vensa
