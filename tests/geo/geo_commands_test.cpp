#include "geo/commands/geo_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/file_io.h"
#include "geo/geojson.h"
#include "geo/plane_zone.h"
#include "platform/sim/sim_ui.h"
#include "tests/support/coord_rows.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

using test::CoordListOf;

std::string ErrorOf(const std::function<void()>& run) {
  try {
    run();
  } catch (const VensaError& e) {
    return e.what();
  }
  return "no error";
}

TEST(GeoCommands, SavesTheRowsOfThePlotRangeAndTheParcels) {
  test::TempDir dir;
  FormState form = InitialFormState();
  form.StringGrid1 = CoordListOf(
      {{"A", "11543.6883", "22916.2436", "3"}, {"", "", ""}, {"B", "100", "200"}, {"C", "0", "0"}});
  form.Edit31.text = "1-3";
  // The second parcel's area is 143.665 m² exactly, which a sum in floating point puts
  // just below the half: the map gives the area by coordinates, 143.67.
  form.SimaParcels = {
      {"1", "446-2", "", {{"1", "K1", "0", "0"}, {"2", "K2", "10", "0"}, {"3", "K3", "10", "20"}}},
      {"2",
       "447",
       "",
       {{"1", "K4", "20068.258", "-18919.904"},
        {"2", "K5", "20075.633", "-18919.904"},
        {"3", "K6", "20075.633", "-18900.424"},
        {"4", "K7", "20068.258", "-18900.424"}}}};
  const std::string path = dir.File("地図.geojson");
  const CommandOutcome outcome = SaveListAsMap(form, 9, path);
  EXPECT_TRUE(outcome.done);
  EXPECT_EQ(outcome.summary, "GeoJSON: 2 点、画地 2、第9系 (IX)");
  const std::vector<GeoPlace> places = ReadGeoJson(ReadFileBytes(path), path);
  ASSERT_EQ(places.size(), 9u);  // A, B and the parcels' corners
  EXPECT_NE(ReadFileBytes(path).find("\"area\":143.67"), std::string::npos);
  EXPECT_EQ(places[1].name, "B");
  EXPECT_NEAR(places[0].position.latitude, 36 + 6 / 60.0 + 13.58925 / 3600, 1e-9);
  EXPECT_NE(ReadFileBytes(path).find("\"area\":100.00"), std::string::npos);

  // Refusals name the row; the file stays as it was.
  form.StringGrid1.SetCell(kColY, 3, "2OO");
  EXPECT_EQ(ErrorOf([&] { SaveListAsMap(form, 9, path); }),
            "行 3 (B): Y座標 が数値ではありません: \"2OO\"");
  form.StringGrid1.SetCell(kColY, 3, "2000000");
  EXPECT_NE(
      ErrorOf([&] { SaveListAsMap(form, 9, path); }).find("行 3 (B): X 100, Y 2000000 は第9系"),
      std::string::npos);
  EXPECT_EQ(places.size(), ReadGeoJson(ReadFileBytes(path), path).size());
  EXPECT_NE(ErrorOf([&] { SaveListAsMap(form, 9, dir.File("a.txt")); }).find(".kml"),
            std::string::npos);
  form.Edit31.text = "9";
  form.SimaParcels.clear();
  EXPECT_FALSE(SaveListAsMap(form, 9, dir.File("none.kml")).done);
  EXPECT_FALSE(FileExists(dir.File("none.kml")));
}

TEST(GeoCommands, ReadsMapFilesAllOrNothing) {
  test::TempDir dir;
  FormState form = InitialFormState();
  const std::string good =
      dir.Write("p.kml",
                "<kml><Placemark><name>K1</name><Point><coordinates>140.087855042,36.103774791,"
                "7.25</coordinates></Point></Placemark></kml>");
  EXPECT_EQ(ReadMapIntoList(form, 9, good).summary, "KML: 1 点 → 第9系 (IX)");
  EXPECT_EQ(form.StringGrid1.Row(1),
            (std::vector<std::string>{"K1", "11543.6882", "22916.2436", "7.25", "1"}));
  const std::string far =
      dir.Write("far.geojson", R"({"type":"MultiPoint","coordinates":[[140,36],[129.5,33]]})");
  EXPECT_NE(ErrorOf([&] {
              ReadMapIntoList(form, 9, far);
            }).find("far.geojson: 行 2 (2): 経度 129.5 は第9系 (IX)の原点"),
            std::string::npos);
  EXPECT_EQ(form.StringGrid1.Cell(kColName, 1), "K1");  // the list is as it was
  EXPECT_FALSE(
      ReadMapIntoList(form, 9, dir.Write("e.json", R"({"type":"FeatureCollection","features":[]})"))
          .done);
}

TEST(GeoCommands, ConvertsLatitudeLongitudeColumns) {
  TextGrid list = CoordListOf({{"G1", "36°06′13.58925″", "140°05′16.27815″", "31.2"},
                               {"", "", ""},
                               {"G2", "36.103774791", "1400516.27815"}});
  EXPECT_EQ(ConvertLatLonColumns(list, 9).summary, "緯度経度: 2 点 → 第9系 (IX)");
  EXPECT_EQ(list.Row(1), (std::vector<std::string>{"G1", "11543.6883", "22916.2436", "31.2", "1"}));
  EXPECT_EQ(list.Cell(kColY, 3), "22916.2436");
  TextGrid bad =
      CoordListOf({{"G1", "36.1", "140.1"}, {"G2", "36度", "東経140°61′"}, {"G3", "", "140"}});
  EXPECT_EQ(ErrorOf([&] { ConvertLatLonColumns(bad, 9); }),
            "行 2 (G2): 経度が数値でも度分秒でもありません: \"東経140°61′\"");
  EXPECT_EQ(bad.Cell(kColX, 1), "36.1");  // nothing converted
}

TEST(GeoCommands, TheZoneIsTheFormsOrTheOneChosen) {
  FormState form = InitialFormState();
  SimUi ui;
  EXPECT_FALSE(ZoneOfFormOrAsk(form, ui));  // cancelled
  EXPECT_EQ(ui.OfferedItems().size(), 19u);
  ui.QueueChoice(8);
  EXPECT_EQ(ZoneOfFormOrAsk(form, ui), 9);
  EXPECT_EQ(form.GeoZone.text, "9");
  EXPECT_EQ(ZoneOfForm(form), 9);
  // The dialogs' steps: a name without extension saves GeoJSON; an existing file is
  // replaced only when the question is answered Yes.
  test::TempDir dir;
  form.StringGrid1 = CoordListOf({{"A", "1", "2"}});
  ui.QueueFileName(dir.File("map"));
  EXPECT_TRUE(SaveListAsMapDialog(form, ui).done);
  ui.QueueFileName(dir.File("map.geojson"));
  EXPECT_FALSE(SaveListAsMapDialog(form, ui).done);
  EXPECT_EQ(ui.Questions().back(), kMapOverwriteQuestion);
  ui.QueueFileName(dir.File("map.geojson"));
  ui.QueueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(SaveListAsMapDialog(form, ui).done);
  form.GeoZone.text = "20";
  EXPECT_EQ(ErrorOf([&] { ZoneOfForm(form); }), "Geo/Zone は平面直角座標系の 1〜19 です: 20");
}

}  // namespace
}  // namespace vensa
