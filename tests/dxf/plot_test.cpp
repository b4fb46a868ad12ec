#include "dxf/plot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dxf/drawing_size.h"
#include "dxf_golden.h"

namespace vensa {
namespace {

using testing::CoordListOf;
using testing::CountLines;
using testing::CrLfLines;
using testing::LinesAre;

struct Plot {
  std::string text;
  std::int32_t count = 0;
};

Plot BuildOf(const TextGrid& list, const PlotOptions& options, double scale = 1.0,
             PlotZMode mode = PlotZMode::kFromList, std::span<const PlotParcel> parcels = {}) {
  DxfBuilder out;
  Plot plot;
  plot.count = BuildPlot(out, list, options, scale, mode, parcels);
  plot.text = out.Take();
  return plot;
}

PlotOptions NothingOn() {
  PlotOptions o;
  o.coordLabel = false;
  return o;
}

// The list of the worked example: two rows of group "A", one of group "B".
TextGrid ExampleList() {
  return CoordListOf({{"A-1", "100", "200", "10.5"},
                      {"A-2", "150.25", "200", "11"},
                      {"B-1", "150.25", "260.125", ""}});
}

PlotOptions ExampleOptions() {
  PlotOptions o = NothingOn();
  o.pline = o.closed = o.is3d = true;
  return o;
}

// The value lines of every pair with the given group code after the header, in file order.
std::vector<std::string> ValuesOf(const std::string& text, const std::string& code) {
  const std::vector<std::string> lines = CrLfLines(text);
  std::vector<std::string> values;
  for (std::size_t i = testing::HeaderLines().size(); i + 1 < lines.size(); i += 2) {
    if (lines[i] == code) values.push_back(lines[i + 1]);
  }
  return values;
}

TEST(BuildPlot, WorkedExampleThreeGroupPolylinesByteForByte) {
  const Plot plot = BuildOf(ExampleList(), ExampleOptions());
  EXPECT_EQ(plot.count, 3);
  EXPECT_TRUE(LinesAre(plot.text, testing::HeaderLines(), 0, false));
  EXPECT_TRUE(LinesAre(
      plot.text,
      {"  0", "SECTION",      "  2", "ENTITIES",     "  0", "POLYLINE",     "  8", "VENSA_PLINE",
       " 66", "     1",       " 10", "0.0",          " 20", "0.0",          " 30", "0.0",
       " 70", "     9",       "  0", "VERTEX",       "  8", "VENSA_PLINE",  " 10", "100.00000000",
       " 20", "200.00000000", " 30", "10.50000000",  "  0", "VERTEX",       "  8", "VENSA_PLINE",
       " 10", "150.25000000", " 20", "200.00000000", " 30", "11.00000000",  "  0", "SEQEND",
       "  0", "POLYLINE",     "  8", "VENSA_PLINE",  " 66", "     1",       " 10", "0.0",
       " 20", "0.0",          " 30", "0.0",          " 70", "     9",       "  0", "VERTEX",
       "  8", "VENSA_PLINE",  " 10", "150.25000000", " 20", "260.12500000", " 30", "0.00000000",
       "  0", "SEQEND",       "  0", "ENDSEC",       "  0", "EOF"},
      42));
}

TEST(BuildPlot, WorkedExampleNameAndCoordinateLabelsFollowThePolylines) {
  PlotOptions o = ExampleOptions();
  o.nameLabel = true;
  o.coordLabel = true;
  const Plot plot = BuildOf(ExampleList(), o);
  EXPECT_EQ(plot.count, 9);
  // Header 42, opener 4, two polylines of 14 + 10 * vertices + 2 lines.
  const std::size_t afterPolylines = 42 + 4 + (14 + 20 + 2) + (14 + 10 + 2);
  EXPECT_TRUE(
      LinesAre(plot.text,
               {"  0", "TEXT", "  8", "VENSA_TEXTPT", " 10", "100.00000000", " 20", "200.00000000",
                " 30", "10.50000000", " 40", "2.5", "  1", "A-1", " 41", "1.0"},
               afterPolylines, false));
  const std::size_t firstCoordLabel = afterPolylines + 3 * 16;
  EXPECT_TRUE(LinesAre(
      plot.text,
      {"  0", "TEXT",         "  8", "VENSA_TEXTXY", " 72", "0",           " 73", "3",
       " 10", "100.00000000", " 20", "200.00000000", " 30", "10.50000000", " 11", "100.00000000",
       " 21", "200.00000000", " 31", "10.50000000",  " 40", "1.8",         "  1", "100.000,200.000",
       " 41", "0.8"},
      firstCoordLabel, false));
  EXPECT_EQ(ValuesOf(plot.text, "  1"),
            (std::vector<std::string>{"A-1", "A-2", "B-1", "100.000,200.000", "150.250,200.000",
                                      "150.250,260.125"}));
}

TEST(BuildPlot, KindsFollowEachOtherInTheirOrder) {
  PlotOptions o = ExampleOptions();
  o.point = o.circle = o.nameLabel = o.coordLabel = true;
  const Plot plot = BuildOf(ExampleList(), o);
  EXPECT_EQ(plot.count, 3 * 5);
  std::vector<std::string> kinds = ValuesOf(plot.text, "  0");
  kinds.erase(kinds.begin());  // the ENTITIES opener
  EXPECT_EQ(kinds, (std::vector<std::string>{
                       "POLYLINE", "VERTEX", "VERTEX", "SEQEND", "POLYLINE", "VERTEX", "SEQEND",
                       "POINT",    "POINT",  "POINT",  "CIRCLE", "CIRCLE",   "CIRCLE", "TEXT",
                       "TEXT",     "TEXT",   "TEXT",   "TEXT",   "TEXT",     "ENDSEC", "EOF"}));
  EXPECT_EQ(ValuesOf(plot.text, "  8"),
            (std::vector<std::string>{"VENSA_PLINE", "VENSA_PLINE", "VENSA_PLINE", "VENSA_PLINE",
                                      "VENSA_PLINE", "VENSA_POINT", "VENSA_POINT", "VENSA_POINT",
                                      "VENSA_CIRCLE", "VENSA_CIRCLE", "VENSA_CIRCLE",
                                      "VENSA_TEXTPT", "VENSA_TEXTPT", "VENSA_TEXTPT",
                                      "VENSA_TEXTXY", "VENSA_TEXTXY", "VENSA_TEXTXY"}));
}

TEST(BuildPlot, DefaultsDrawCoordinateLabelsOnly) {
  const Plot plot = BuildOf(ExampleList(), PlotOptions{});
  EXPECT_EQ(plot.count, 3);
  EXPECT_EQ(CountLines(plot.text, "TEXT"), 3);
  EXPECT_EQ(CountLines(plot.text, "POLYLINE"), 0);
}

// Heights and radii that no drawing can take (negative, no number, or beyond every number
// once scaled) are refused naming the setting, before anything is written; a size the
// plot does not draw is not looked at.
TEST(BuildPlot, SizesThatAreNoDrawableNumberAreRefusedNamingTheSetting) {
  struct Case {
    std::string PlotOptions::*size;
    const char* text;
    double scale;
    const char* named;
  } cases[] = {
      {&PlotOptions::coordHeight, "-5", 1.0, "TextSize/TEXTXY"},
      {&PlotOptions::nameHeight, "1e300", 1e10, "TextSize/TEXTPT"},
      {&PlotOptions::radius, "5.0", 1e308, "TextSize/CIRCLE"},
  };
  for (const Case& c : cases) {
    PlotOptions o = ExampleOptions();
    o.circle = o.nameLabel = o.coordLabel = true;
    o.*c.size = c.text;
    DxfBuilder out;
    try {
      BuildPlot(out, ExampleList(), o, c.scale, PlotZMode::kFromList);
      ADD_FAILURE() << c.named;
    } catch (const DrawingSizeError& e) {
      EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
    }
    EXPECT_EQ(out.Size(), 0u);
  }
  PlotOptions o = ExampleOptions();
  o.circle = false;
  o.radius = "-1";
  EXPECT_NO_THROW(BuildOf(ExampleList(), o));
}

std::vector<std::int32_t> GroupsOf(const TextGrid& list, const PlotOptions& options) {
  std::vector<std::int32_t> groups;
  for (const TPlotData& e : MakePlotArray(list, options, PlotZMode::kFromList)) {
    groups.push_back(e.grp);
  }
  return groups;
}

TEST(MakePlotArray, GroupsAreRunsOfTheFirstNamesPrefixLength) {
  PlotOptions o = ExampleOptions();
  const TextGrid list = CoordListOf({{"AB-1", "1", "1"},
                                     {"AB-7", "2", "2"},
                                     {"ABC-1", "3", "3"},
                                     {"A-2", "4", "4"},
                                     {"AB-9", "5", "5"}});
  EXPECT_EQ(GroupsOf(list, o), (std::vector<std::int32_t>{0, 0, 0, 1, 2}));
  EXPECT_EQ(CountLines(BuildOf(list, o).text, "POLYLINE"), 3);
  EXPECT_EQ(CountLines(BuildOf(list, o).text, "SEQEND"), 3);

  o.pline = false;  // no polylines, no groups
  EXPECT_EQ(GroupsOf(list, o), (std::vector<std::int32_t>{0, 0, 0, 0, 0}));
}

TEST(MakePlotArray, OneGroupWithoutAUsableDelimiter) {
  const TextGrid list = CoordListOf({{"A1", "1", "1"}, {"B-1", "2", "2"}, {"C-1", "3", "3"}});
  PlotOptions o = ExampleOptions();
  EXPECT_EQ(GroupsOf(list, o), (std::vector<std::int32_t>{0, 0, 0}));  // not in the first name
  o.delimiter = "";
  EXPECT_EQ(GroupsOf(list, o), (std::vector<std::int32_t>{0, 0, 0}));
  const TextGrid leading = CoordListOf({{"-1", "1", "1"}, {"B-1", "2", "2"}});
  o.delimiter = "-";
  EXPECT_EQ(GroupsOf(leading, o), (std::vector<std::int32_t>{0, 0}));
  EXPECT_EQ(CountLines(BuildOf(leading, o).text, "POLYLINE"), 1);
  EXPECT_EQ(CountLines(BuildOf(leading, o).text, "VERTEX"), 2);
}

TEST(MakePlotArray, OnlyTheDelimitersFirstCharacterCountsAndCharactersAreNotBytes) {
  PlotOptions o = ExampleOptions();
  o.delimiter = "_x";  // "_" alone is the delimiter
  EXPECT_EQ(GroupsOf(CoordListOf({{"P_1"}, {"P_2"}, {"Q_1"}, {"Px"}}), o),
            (std::vector<std::int32_t>{0, 0, 1, 2}));
  // Prefixes are whole characters: "測点" and "測量" share their first bytes.
  o.delimiter = "-";
  EXPECT_EQ(GroupsOf(CoordListOf({{"AB-1"}, {"測点1"}, {"測量1"}, {"測量2"}}), o),
            (std::vector<std::int32_t>{0, 1, 2, 2}));
  o.delimiter = "－";  // a full-width delimiter
  EXPECT_EQ(GroupsOf(CoordListOf({{"境界－1"}, {"境界－2"}, {"道路－1"}}), o),
            (std::vector<std::int32_t>{0, 0, 1}));
}

TEST(BuildPlot, EmptyMiddleRowStaysInItsGroupAtTheOrigin) {
  PlotOptions o = ExampleOptions();
  o.point = o.circle = o.nameLabel = o.coordLabel = true;
  const TextGrid list = CoordListOf({{"A-1", "1", "2", "3"}, {}, {"A-3", "4", "5", "6"}});
  EXPECT_EQ(GroupsOf(list, o), (std::vector<std::int32_t>{0, 0, 0}));
  const Plot plot = BuildOf(list, o);
  EXPECT_EQ(CountLines(plot.text, "POLYLINE"), 1);
  EXPECT_EQ(ValuesOf(plot.text, " 10")[2], "0.00000000");  // after the header's and row 1's
  EXPECT_EQ(CountLines(plot.text, "POINT"), 3);
  EXPECT_EQ(CountLines(plot.text, "CIRCLE"), 3);
  EXPECT_EQ(ValuesOf(plot.text, "  1"),
            (std::vector<std::string>{"A-1", "A-3", "1.000,2.000", "0.000,0.000", "4.000,5.000"}));
  EXPECT_EQ(plot.count, 3 + 3 + 3 + 2 + 3);

  o.range = "1,3";  // the empty row's PLOT No. is 2
  EXPECT_EQ(BuildOf(list, o).count, 3 + 2 + 2 + 2 + 2);
}

TEST(BuildPlot, PolylineFlags) {
  const TextGrid list = ExampleList();
  PlotOptions o = ExampleOptions();
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, " 70").back(), "     9");
  o.closed = false;
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, " 70").back(), "     8");
  o.closed = true;
  o.is3d = false;
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, " 70").back(), "     1");
  o.closed = false;
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, " 70").back(), "     0");
}

TEST(BuildPlot, ZeroZModeWritesEveryZAsZero) {
  PlotOptions o = ExampleOptions();
  o.point = o.circle = o.nameLabel = o.coordLabel = true;
  const Plot plot = BuildOf(ExampleList(), o, 1.0, PlotZMode::kZero);
  for (const std::string& z : ValuesOf(plot.text, " 30")) {
    if (z != "0.0") {  // the polyline header's fixed z
      EXPECT_EQ(z, "0.00000000");
    }
  }
  for (const std::string& z : ValuesOf(plot.text, " 31")) EXPECT_EQ(z, "0.00000000");
  EXPECT_EQ(ValuesOf(plot.text, " 31").size(), 3u);

  o.zOnly = true;
  const std::vector<std::string> labels =
      ValuesOf(BuildOf(ExampleList(), o, 1.0, PlotZMode::kZero).text, "  1");
  EXPECT_EQ(labels.back(), "0.000");
  EXPECT_EQ(ValuesOf(BuildOf(ExampleList(), o).text, "  1")[4], "11.000");
}

TEST(BuildPlot, SizesAreScaledByTheDrawingScale) {
  PlotOptions o = NothingOn();
  o.circle = o.nameLabel = o.coordLabel = true;
  const Plot plot = BuildOf(CoordListOf({{"P1", "1", "2"}}), o, 100.0);
  EXPECT_EQ(ValuesOf(plot.text, " 40"), (std::vector<std::string>{"500", "250", "180"}));
  o.nameHeight = "abc";  // unreadable: 0
  o.radius = " 2.5 ";
  EXPECT_EQ(ValuesOf(BuildOf(CoordListOf({{"P1", "1", "2"}}), o, 2.0).text, " 40"),
            (std::vector<std::string>{"5", "0", "3.6"}));
}

TEST(BuildPlot, OneRowWritesNoPolylineButTheOtherKinds) {
  PlotOptions o = ExampleOptions();
  const Plot lone = BuildOf(CoordListOf({{"A-1", "1", "2"}}), o);
  EXPECT_EQ(lone.count, 0);
  EXPECT_EQ(CrLfLines(lone.text).size(), 50u);
  o.point = true;
  const Plot withPoint = BuildOf(CoordListOf({{"A-1", "1", "2"}}), o);
  EXPECT_EQ(withPoint.count, 1);
  EXPECT_EQ(CountLines(withPoint.text, "POLYLINE"), 0);
  EXPECT_EQ(CountLines(withPoint.text, "POINT"), 1);
}

TEST(BuildPlot, LabelDecimalsAndNamesAsLabels) {
  PlotOptions o = NothingOn();
  o.nameLabel = o.coordLabel = true;
  o.decimals = 2;
  const TextGrid list =
      CoordListOf({{"  A-1 ", "150.125", "-0.0004"}, {"  ", "1", "2"}, {"B\r\n2", "1", "2"}});
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, "  1"),
            (std::vector<std::string>{"A-1", "B  2", "150.13,0.00", "1.00,2.00", "1.00,2.00"}));
  o.decimals = 0;
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, "  1")[2], "150,0");
}

TEST(BuildPlot, RangeSelectsByThePlotNumberOfTheRowAtTheSamePosition) {
  PlotOptions o = NothingOn();
  o.point = true;
  TextGrid list = CoordListOf({{"P1", "1", "1"}, {"P2", "2", "2"}, {"P3", "3", "3"}});
  o.range = "2-";
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, " 10"),
            (std::vector<std::string>{"2.00000000", "3.00000000"}));
  // The PLOT No. cell decides, not the row's position.
  list.SetCell(kColPlotNo, 1, "9");
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, " 10").size(), 3u);
  o.range = " ";
  EXPECT_EQ(BuildOf(list, o).count, 0);
}

// Parcels come after every other kind: a closed outline at z 0 and the name centred on
// the centroid, as high as a name label.
TEST(BuildPlot, ParcelsAreClosedOutlinesNamedAtTheirCentroid) {
  const std::vector<PlotParcel> triangle = {
      {"446-2", {{1000000, 2000000, 7}, {1000030, 2000000, 7}, {1000000, 2000030, 7}}}};
  const Plot plot = BuildOf(ExampleList(), NothingOn(), 2.0, PlotZMode::kFromList, triangle);
  EXPECT_EQ(plot.count, 4);
  // clang-format off
  EXPECT_TRUE(LinesAre(plot.text, {
      "  0", "SECTION", "  2", "ENTITIES",
      "  0", "POLYLINE", "  8", "VENSA_PARCEL", " 66", "     1",
      " 10", "0.0", " 20", "0.0", " 30", "0.0", " 70", "     1",
      "  0", "VERTEX", "  8", "VENSA_PARCEL",
      " 10", "1000000.00000000", " 20", "2000000.00000000", " 30", "0.00000000",
      "  0", "VERTEX", "  8", "VENSA_PARCEL",
      " 10", "1000030.00000000", " 20", "2000000.00000000", " 30", "0.00000000",
      "  0", "VERTEX", "  8", "VENSA_PARCEL",
      " 10", "1000000.00000000", " 20", "2000030.00000000", " 30", "0.00000000",
      "  0", "SEQEND",
      "  0", "TEXT", "  8", "VENSA_PARCEL", " 72", "1", " 73", "2",
      " 10", "1000010.00000000", " 20", "2000010.00000000",
      " 11", "1000010.00000000", " 21", "2000010.00000000",
      " 40", "5", "  1", "446-2", " 41", "1.0",
      "  0", "ENDSEC", "  0", "EOF"}, 42));
  // clang-format on

  // One corner is no outline; an unnamed parcel gets no name.
  const std::vector<PlotParcel> others = {{"alone", {{5, 5, 0}}}, {" ", {{0, 0, 0}, {1, 1, 0}}}};
  const Plot rest = BuildOf(ExampleList(), NothingOn(), 1.0, PlotZMode::kFromList, others);
  EXPECT_EQ(rest.count, 2);
  EXPECT_EQ(ValuesOf(rest.text, "  0"),
            (std::vector<std::string>{"SECTION", "POLYLINE", "VERTEX", "VERTEX", "SEQEND", "ENDSEC",
                                      "EOF"}));
  // Corners on one line enclose nothing: their mean is the centre.
  EXPECT_EQ(OutlineCentroid(std::vector<TAcadPoint>{{0, 0, 0}, {4, 0, 0}, {8, 0, 0}}),
            (TAcadPoint{4, 0, 0}));
}

TEST(ReorderByNearest, FiveEntriesOfOneGroup) {
  std::vector<TPlotData> plot;
  const double xs[] = {0, 10, 20, 100, 21};
  for (int i = 0; i < 5; ++i) plot.push_back(TPlotData{i, 0, TAcadPoint{xs[i], 0, 0}, ""});
  ReorderByNearest(plot);
  std::vector<std::int32_t> order;
  for (const TPlotData& e : plot) order.push_back(e.idx);
  EXPECT_EQ(order, (std::vector<std::int32_t>{0, 1, 2, 4, 3}));
}

TEST(ReorderByNearest, OnEqualDistancesTheEntryReachedFirstStays) {
  std::vector<TPlotData> plot;
  const double xs[] = {0, 10, 20, 25, 15};  // 25 and 15 lie 5 from 20
  for (int i = 0; i < 5; ++i) plot.push_back(TPlotData{i, 0, TAcadPoint{xs[i], 0, 0}, ""});
  ReorderByNearest(plot);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(plot[i].idx, i);
}

TEST(ReorderByNearest, FourOrFewerEntriesStayAsTheyAre) {
  std::vector<TPlotData> plot;
  const double xs[] = {0, 100, 50, 1};
  for (int i = 0; i < 4; ++i) plot.push_back(TPlotData{i, 0, TAcadPoint{xs[i], 0, 0}, ""});
  ReorderByNearest(plot);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(plot[i].idx, i);
}

TEST(ReorderByNearest, KeepsEveryGroupsFirstEntryAndNeverCrossesGroups) {
  // Group 0: positions 0..4; group 1: positions 5..8.
  const double xs[] = {0, 1, 2, 50, 3, 100, 180, 120, 101};
  std::vector<TPlotData> plot;
  for (int i = 0; i < 9; ++i) {
    plot.push_back(TPlotData{i, i < 5 ? 0 : 1, TAcadPoint{xs[i], 0, 0}, ""});
  }
  ReorderByNearest(plot);
  std::vector<std::int32_t> order;
  for (const TPlotData& e : plot) order.push_back(e.idx);
  EXPECT_EQ(order, (std::vector<std::int32_t>{0, 1, 2, 4, 3, 5, 8, 7, 6}));
}

TEST(BuildPlot, RangeWithReorderingCountsPositionsNotPoints) {
  PlotOptions o = NothingOn();
  o.point = o.reorder = true;
  const TextGrid list = CoordListOf({{"P1", "0", "0"},
                                     {"P2", "10", "0"},
                                     {"P3", "20", "0"},
                                     {"P4", "100", "0"},
                                     {"P5", "21", "0"}});
  o.range = "1-2";  // positions 0 and 1, which reordering never moves
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, " 10"),
            (std::vector<std::string>{"0.00000000", "10.00000000"}));
  o.range = "4";  // position 3 now holds the point of row 5
  EXPECT_EQ(ValuesOf(BuildOf(list, o).text, " 10"), (std::vector<std::string>{"21.00000000"}));
}

}  // namespace
}  // namespace vensa
