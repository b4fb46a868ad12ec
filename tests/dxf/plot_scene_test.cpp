#include "dxf/plot_scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/coord_rows.h"

namespace vensa {
namespace {

using test::CoordListOf;

// Two groups, an empty row in the middle; PLOT No. 1 .. 5.
TextGrid SceneList() {
  return CoordListOf({{"A-1", "100", "200", "1"},
                      {"A-2", "150.25", "200", "2"},
                      {"", "", "", ""},
                      {"B-1", "150.25", "260.125", "3"},
                      {"B-2", "90", "260", "4"}});
}

const std::vector<PlotParcel> kParcels = {{"P1", {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}}};

std::int32_t FileCount(const TextGrid& list, const PlotOptions& o,
                       std::span<const PlotParcel> parcels) {
  DxfBuilder out;
  return BuildPlot(out, list, o, 2.0, PlotZMode::kFromList, parcels);
}

// Whatever the options, the scene holds exactly the entities the file counts: both come
// from the plot's one emission, and a kind lost on the way shows here.
TEST(PlotScene, HoldsWhatTheFileCountsForEveryMixOfOptions) {
  struct Case {
    const char* what;
    bool pline, point, circle, name, coord, reorder, parcels;
    const char* range;
  };
  const Case cases[] = {
      {"defaults", false, false, false, false, true, false, false, ""},
      {"everything", true, true, true, true, true, false, true, ""},
      {"range", true, true, true, true, true, false, true, "1-2,4"},
      {"reordered", true, true, false, true, false, true, false, "1-2"},
      {"nothing", false, false, false, false, false, false, false, ""},
  };
  const TextGrid list = SceneList();
  for (const Case& c : cases) {
    PlotOptions o;
    o.pline = c.pline;
    o.point = c.point;
    o.circle = c.circle;
    o.nameLabel = c.name;
    o.coordLabel = c.coord;
    o.reorder = c.reorder;
    o.range = c.range;
    const std::span<const PlotParcel> parcels =
        c.parcels ? std::span<const PlotParcel>(kParcels) : std::span<const PlotParcel>();
    const PlotScene scene = BuildPlotScene(list, o, 2.0, PlotZMode::kFromList, parcels);
    const auto drawn =
        scene.vertices.size() + scene.points.size() + scene.circles.size() + scene.texts.size();
    EXPECT_EQ(scene.entityCount, FileCount(list, o, parcels)) << c.what;
    EXPECT_EQ(static_cast<std::int32_t>(drawn), scene.entityCount) << c.what;
    EXPECT_EQ(scene.entries.size(), 5u) << c.what;
  }
}

TEST(PlotScene, PlacesEntitiesAsTheFileDoesAndGreysTheRowsTheRangeLeavesOut) {
  PlotOptions o;
  o.pline = o.closed = o.point = o.circle = o.nameLabel = true;
  o.coordLabel = false;
  o.range = "1-2,4";
  const PlotScene scene = BuildPlotScene(SceneList(), o, 2.0, PlotZMode::kFromList, kParcels);

  // Groups A (with the empty row, at the origin) and B, then the parcel.
  ASSERT_EQ(scene.polylines.size(), 3u);
  EXPECT_EQ(scene.polylines[0].count, 3u);
  EXPECT_EQ(scene.polylines[1].count, 2u);
  EXPECT_TRUE(scene.polylines[0].closed);
  EXPECT_FALSE(scene.polylines[0].parcel);
  EXPECT_TRUE(scene.polylines[2].parcel);
  EXPECT_EQ(scene.vertices[3].x, 150.25);
  EXPECT_EQ(scene.vertices[3].y, 260.125);

  std::vector<std::int32_t> greyed;
  for (const SceneEntry& e : scene.entries)
    if (!e.selected) greyed.push_back(e.row);
  EXPECT_EQ(greyed, (std::vector<std::int32_t>{3, 5}));
  EXPECT_EQ(scene.points, (std::vector<std::uint32_t>{0, 1, 3}));
  EXPECT_EQ(scene.circleRadius, 10.0);  // 5.0 times the scale

  // Name labels of rows 1, 2 and 4, then the parcel's name at its centroid; heights scaled.
  ASSERT_EQ(scene.texts.size(), 4u);
  EXPECT_EQ(scene.Text(scene.texts[2]), "B-1");
  EXPECT_EQ(scene.texts[2].kind, SceneTextKind::kName);
  EXPECT_EQ(scene.texts[2].height, 5.0);
  EXPECT_EQ(scene.Text(scene.texts[3]), "P1");
  EXPECT_EQ(scene.texts[3].kind, SceneTextKind::kParcel);
  EXPECT_NEAR(scene.texts[3].x, 20.0 / 3, 1e-12);

  // The circles reach out beyond their points; the empty row lies at the origin.
  EXPECT_EQ(scene.bounds.minX, 0.0);
  EXPECT_EQ(scene.bounds.maxY, 270.125);
  EXPECT_EQ(scene.EntryOfRow(4), 3);
  EXPECT_EQ(scene.EntryOfRow(6), -1);
}

TEST(PlotScene, ReorderedEntriesKeepTheirRowsAndTheRangeGoesByPosition) {
  const TextGrid list = CoordListOf(
      {{"1", "0", "0"}, {"2", "10", "0"}, {"3", "20", "0"}, {"4", "100", "0"}, {"5", "21", "0"}});
  PlotOptions o;
  o.reorder = true;
  o.coordLabel = true;
  o.range = "4";
  const PlotScene scene = BuildPlotScene(list, o, 1.0, PlotZMode::kFromList);
  // Position 3 took row 5's point, and the range's "4" selects that position.
  EXPECT_EQ(scene.entries[3].row, 5);
  EXPECT_TRUE(scene.entries[3].selected);
  EXPECT_EQ(scene.EntryOfRow(5), 3);
  ASSERT_EQ(scene.texts.size(), 1u);
  EXPECT_EQ(scene.Text(scene.texts[0]), "21.000,0.000");
}

}  // namespace
}  // namespace vensa
