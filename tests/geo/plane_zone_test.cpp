#include "geo/plane_zone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "geo/angle_text.h"

namespace vensa {
namespace {

// The Geospatial Information Authority's worked example of zone IX (latitude
// 36°06′13.58925″, longitude 140°05′16.27815″ to X 11543.6883 m, Y 22916.2436 m), and every
// zone's origin, which the notice puts at X 0, Y 0.
TEST(PlaneZone, PublishedExamples) {
  const LatLon example{36 + 6 / 60.0 + 13.58925 / 3600, 140 + 5 / 60.0 + 16.27815 / 3600};
  const PlaneXY xy = LatLonToPlane(9, example);
  EXPECT_NEAR(xy.x, 11543.6883, 1e-4);
  EXPECT_NEAR(xy.y, 22916.2436, 1e-4);
  const LatLon back = PlaneToLatLon(9, {11543.6883, 22916.2436});
  EXPECT_NEAR(back.latitude, example.latitude, 1e-9);
  EXPECT_NEAR(back.longitude, example.longitude, 1e-9);
  for (int zone = 1; zone <= 19; ++zone) {
    const PlaneXY origin = LatLonToPlane(zone, PlaneZoneOrigin(zone));
    EXPECT_NEAR(origin.x, 0.0, 1e-6) << zone;
    EXPECT_NEAR(origin.y, 0.0, 1e-6) << zone;
  }
  EXPECT_EQ(PlaneZoneLabel(9), "第9系 (IX)");
  EXPECT_EQ(PlaneZoneLabel(18), "第18系 (XVIII)");
}

// PROJ's projections of EPSG 6669-6687 (tests/geo/make_proj_table.py wrote the table):
// 1 mm on the plane, 1e-9 degrees back, for random points of all 19 zones both ways.
TEST(PlaneZone, AgreesWithProj) {
  std::ifstream table(VENSA_TEST_DATA_DIR "/geo/proj_points.tsv");
  ASSERT_TRUE(table) << "proj_points.tsv";
  std::string line;
  int rows = 0;
  while (std::getline(table, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    char kind = 0;
    int zone = 0;
    double lat = 0, lon = 0, x = 0, y = 0;
    in >> kind >> zone >> lat >> lon >> x >> y;
    ASSERT_TRUE(in) << line;
    if (kind == 'F') {
      const PlaneXY ours = LatLonToPlane(zone, {lat, lon});
      EXPECT_NEAR(ours.x, x, 1e-3) << line;
      EXPECT_NEAR(ours.y, y, 1e-3) << line;
    } else {
      const LatLon ours = PlaneToLatLon(zone, {x, y});
      EXPECT_NEAR(ours.latitude, lat, 1e-9) << line;
      EXPECT_NEAR(ours.longitude, lon, 1e-9) << line;
    }
    ++rows;
  }
  EXPECT_EQ(rows, 19 * 40);
}

TEST(PlaneZone, RefusesWhatNoZoneTakes) {
  struct Case {
    int zone;
    LatLon point;
    const char* message;
  };
  for (const Case& c : std::initializer_list<Case>{
           {9, {91.0, 140.0}, "緯度が範囲"},
           {9, {36.0, -181.0}, "経度が範囲"},
           {9, {NAN, 140.0}, "緯度が範囲"},
           {9, {36.0, 151.0}, "第9系 (IX)の原点から 10 度"},  // a point of another zone
           {1, {33.0, 140.0}, "第1系 (I)の原点から 10 度"},
           {0, {36.0, 140.0}, "1〜19"},
           {20, {36.0, 140.0}, "1〜19"},
       }) {
    try {
      LatLonToPlane(c.zone, c.point);
      ADD_FAILURE() << c.message;
    } catch (const GeoRangeError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(PlaneToLatLon(9, {0.0, 2.0e6}), GeoRangeError);
  EXPECT_THROW(PlaneToLatLon(9, {INFINITY, 0.0}), GeoRangeError);
  EXPECT_NO_THROW(LatLonToPlane(19, {26.0, 163.9}));  // 9.9° east of the origin
}

TEST(AngleText, DecimalAndSexagesimalForms) {
  const double dms = 36 + 6 / 60.0 + 13.58925 / 3600;
  struct Case {
    const char* text;
    double degrees;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"36.103774791", 36.103774791},
           {"-36.5", -36.5},
           {"36°06′13.58925″", dms},
           {"36°06'13.58925\"", dms},
           {"36°06'13.58925''", dms},
           {"３６°０６′１３．５８９２５″", dms},
           {"36度06分13.58925秒", dms},
           {"36-06-13.58925", dms},
           {"36:06:13.58925", dms},
           {"36 06 13.58925", dms},
           {"360613.58925", dms},
           {"1400516.27815", 140 + 5 / 60.0 + 16.27815 / 3600},
           {"N36°06′13.58925″", dms},
           {"36°06′13.58925″S", -dms},
           {"西経 36°06′13.58925″", -dms},
           {"-36-06-13.58925", -dms},
           {"36°30′", 36.5},
           {" 36° ", 36.0},
       }) {
    const auto value = ReadAngleText(c.text);
    ASSERT_TRUE(value) << c.text;
    EXPECT_NEAR(*value, c.degrees, 1e-12) << c.text;
  }
  for (const char* bad : {"", "abc", "36°60′00″", "36°06′60″", "360660", "36.5°06′", "36°06′13″12",
                          "1e2", "N-36", "36--06", "36°06′13.5″ 1", "３６度X"}) {
    EXPECT_FALSE(ReadAngleText(bad)) << bad;
  }
}

}  // namespace
}  // namespace vensa
