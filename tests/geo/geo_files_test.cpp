#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geo/geojson.h"
#include "geo/kml.h"

namespace vensa {
namespace {

const std::vector<GeoPointFeature> kPoints = {
    {"A-1", {36.103774791, 140.087855042}, 25.5, "11543.688", "22916.244", "25.5"},
    {"\"引\"<&>", {36.5, 139.5}, std::nullopt, " 12 ", "x", ""},
};
// Corners given clockwise on the map: the GeoJSON ring is turned counter-clockwise.
const std::vector<GeoParcelFeature> kParcels = {
    {"446-2", "1", {{36.0, 140.0}, {36.001, 140.0}, {36.001, 140.001}, {36.0, 140.001}}, "900.00"},
};

TEST(GeoJson, WritesPointsAndCounterClockwiseParcels) {
  EXPECT_EQ(
      GeoJsonText(kPoints, kParcels, 9),
      "{\"type\":\"FeatureCollection\",\"features\":[\n"
      "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[140.087855042,"
      "36.103774791,25.5]},\"properties\":{\"name\":\"A-1\",\"X\":11543.688,\"Y\":22916.244,"
      "\"Z\":25.5,\"zone\":9}},\n"
      "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[139.500000000,"
      "36.500000000]},\"properties\":{\"name\":\"\\\"引\\\"<&>\",\"X\":12,\"Y\":\"x\",\"Z\":null,"
      "\"zone\":9}},\n"
      "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Polygon\",\"coordinates\":[[[140.001000000,"
      "36.000000000],[140.001000000,36.001000000],[140.000000000,36.001000000],[140.000000000,"
      "36.000000000],[140.001000000,36.000000000]]]},\"properties\":{\"name\":\"446-2\","
      "\"number\":\"1\",\"area\":900.00,\"zone\":9}}\n"
      "]}\n");
}

TEST(Kml, WritesPlacemarksEscaped) {
  const std::string kml = KmlText(kPoints, kParcels, 9, "現場 & 1");
  for (const char* part :
       {"<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>現場 &amp; 1</name>",
        "<Placemark><name>A-1</name><ExtendedData><Data name=\"X\"><value>11543.688</value></Data>",
        "<Point><coordinates>140.087855042,36.103774791,25.5</coordinates></Point>",
        "<name>&quot;引&quot;&lt;&amp;&gt;</name>",
        "<Placemark><name>446-2</name><description>面積 900.00 m²</description>",
        "<coordinates>140.000000000,36.000000000 140.000000000,36.001000000 140.001000000,"
        "36.001000000 140.001000000,36.000000000 140.000000000,36.000000000</coordinates>"}) {
    EXPECT_NE(kml.find(part), std::string::npos) << part;
  }
  // What we write reads back as the points and the parcel's corners.
  const std::vector<GeoPlace> places = ReadKml(kml, "w.kml");
  ASSERT_EQ(places.size(), 6u);
  EXPECT_EQ(places[1].name, "\"引\"<&>");
  EXPECT_EQ(places[5].name, "446-2-4");
  const std::vector<GeoPlace> fromJson =
      ReadGeoJson(GeoJsonText(kPoints, kParcels, 9), "w.geojson");
  ASSERT_EQ(fromJson.size(), 6u);
  EXPECT_EQ(fromJson[0].height, 25.5);
}

std::string Names(const std::vector<GeoPlace>& places) {
  std::string names;
  for (const GeoPlace& p : places) {
    names += p.name + "@" + std::to_string(p.position.latitude).substr(0, 5) + "," +
             std::to_string(p.position.longitude).substr(0, 6) + (p.height ? "h" : "") + " ";
  }
  return names;
}

TEST(GeoJson, ReadsPointsAndVertices) {
  const std::string doc = R"({"type":"FeatureCollection","features":[
    {"type":"Feature","properties":{"name":"K1"},"geometry":{"type":"Point","coordinates":[140.1,36.2,5]}},
    {"type":"Feature","properties":{"name":12},"geometry":{"type":"LineString","coordinates":[[140,36],[140.5,36.5]]}},
    {"type":"Feature","properties":null,"geometry":{"type":"Polygon","coordinates":[[[1,2],[3,4],[5,6],[1,2]]]}},
    {"type":"Feature","properties":{"name":"G"},"geometry":{"type":"GeometryCollection","geometries":[
      {"type":"MultiPoint","coordinates":[[7,8]]}]}},
    {"type":"Feature","properties":{},"geometry":null}]})";
  EXPECT_EQ(Names(ReadGeoJson(doc, "a.geojson")),
            "K1@36.20,140.10h 12-1@36.00,140.00 12-2@36.50,140.50 1@2.000,1.0000 2@4.000,3.0000 "
            "3@6.000,5.0000 G-1@8.000,7.0000 ");
  EXPECT_EQ(Names(ReadGeoJson(R"({"type":"Point","coordinates":[1,2]})", "b.json")),
            "@2.000,1.0000 ");
}

TEST(GeoJson, RefusesNamingFileAndPlace) {
  struct Case {
    std::string doc;
    const char* message;
  };
  for (const Case& c : std::vector<Case>{
           {"{\"type\":\"Point\",\n \"coordinates\":[1,2,]}", "\"bad.geojson\": 2 行 "},
           {"", "1 行 0 桁"},
           {R"({"type":"Point","coordinates":[1e400,2]})", "number overflow"},
           {std::string(100000, '[') + std::string(100000, ']'),
            "GeoJSON のオブジェクトではありません"},
           {[] {
              std::string deep;
              for (int i = 0; i < 100; ++i)
                deep += R"({"type":"GeometryCollection","geometries":[)";
              for (int i = 0; i < 100; ++i) deep += "]}";
              return deep;
            }(),
            "入れ子が深すぎます"},
           {"[1,2]", "GeoJSON のオブジェクトではありません"},
           {R"({"type":"Point","coordinates":[1]})", "[経度, 緯度]"},
           {R"({"type":"Point","coordinates":[1,"2"]})", "数値ではありません"},
           {R"({"type":"Circle","coordinates":[1,2]})", "geometry ではありません: Circle"},
           {R"({"type":"FeatureCollection","features":[1]})", "Feature でない"},
           {R"({"type":"Polygon","coordinates":[5]})", "座標の配列がありません"},
       }) {
    try {
      ReadGeoJson(c.doc, "bad.geojson");
      ADD_FAILURE() << c.doc;
    } catch (const GeoFileError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("bad.geojson"), std::string::npos) << e.what();
    }
  }
}

TEST(Kml, ReadsPlacemarks) {
  const std::string doc = R"(<?xml version="1.0" encoding="UTF-8"?>
<kml:kml xmlns:kml="http://www.opengis.net/kml/2.2"><kml:Document><kml:name>doc</kml:name>
<kml:Placemark><kml:Point><kml:coordinates> 140.1,36.2,5 </kml:coordinates></kml:Point><kml:name>K1</kml:name></kml:Placemark>
<kml:Placemark><kml:name>L</kml:name><kml:LineString><kml:coordinates>140,36
 140.5,36.5</kml:coordinates></kml:LineString></kml:Placemark>
<kml:Placemark><kml:name>P</kml:name><kml:Polygon><kml:outerBoundaryIs><kml:LinearRing><kml:coordinates>1,2 3,4 5,6 1,2</kml:coordinates></kml:LinearRing></kml:outerBoundaryIs></kml:Polygon></kml:Placemark>
</kml:Document></kml:kml>)";
  EXPECT_EQ(Names(ReadKml(doc, "a.kml")),
            "K1@36.20,140.10h L-1@36.00,140.00 L-2@36.50,140.50 P-1@2.000,1.0000 P-2@4.000,3.0000 "
            "P-3@6.000,5.0000 ");
}

TEST(Kml, RefusesNamingFileAndLine) {
  struct Case {
    std::string doc;
    const char* message;
  };
  for (const Case& c : std::vector<Case>{
           {"<kml>\n<Placemark>\n</kml>", "\"bad.kml\" 3 行: XML の誤り"},
           {"", "XML の誤り"},
           {"<!DOCTYPE kml [<!ENTITY a \"b\">]>\n<kml/>", "DOCTYPE"},
           {"<kml><Placemark><Point><coordinates>1,x</coordinates></Point></Placemark></kml>",
            "経度,緯度"},
           {"<kml><Placemark><Point><coordinates>1</coordinates></Point></Placemark></kml>",
            "経度,緯度"},
           {"<kml><Placemark><Point><coordinates>1,2,3,4</coordinates></Point></Placemark></kml>",
            "経度,緯度"},
       }) {
    try {
      ReadKml(c.doc, "bad.kml");
      ADD_FAILURE() << c.doc;
    } catch (const GeoFileError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(GeoFiles, RefuseFilesOverTheBound) {
  const std::string huge(kMaxGeoFileBytes + 1, ' ');
  EXPECT_THROW(ReadGeoJson(huge, "h.geojson"), GeoFileError);
  EXPECT_THROW(ReadKml(huge, "h.kml"), GeoFileError);
}

}  // namespace
}  // namespace vensa
