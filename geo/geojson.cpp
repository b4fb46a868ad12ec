#include "geo/geojson.h"

#include <nlohmann/json.hpp>

#include <algorithm>

#include "core/number_format.h"
#include "core/number_read.h"

namespace vensa {
namespace {

using Json = nlohmann::json;

constexpr int kMaxDepth = 64;

// The text as a JSON string: quoted and escaped by the JSON library; bytes that are no
// UTF-8 become U+FFFD.
void AppendString(std::string& out, std::string_view text) {
  // Printable ASCII without quote or backslash, as most point names are, stands as it is.
  if (std::all_of(text.begin(), text.end(),
                  [](char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; })) {
    out += '"';
    out += text;
    out += '"';
    return;
  }
  out += Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether the text is a number as JSON writes one, so it can stand in the file as it is.
bool IsJsonNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && s[i] == '-') ++i;
  if (i >= s.size() || !IsDigit(s[i])) return false;
  if (s[i] == '0') {
    ++i;
  } else {
    while (i < s.size() && IsDigit(s[i])) ++i;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    if (i >= s.size() || !IsDigit(s[i])) return false;
    while (i < s.size() && IsDigit(s[i])) ++i;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i >= s.size() || !IsDigit(s[i])) return false;
    while (i < s.size() && IsDigit(s[i])) ++i;
  }
  return i == s.size();
}

// A cell of the list: its text when it is a JSON number, the number it reads as (with
// blanks around, "+1", ".5"), null when empty, else the text as a string.
void AppendCell(std::string& out, std::string_view text) {
  if (IsJsonNumber(text)) {
    out += text;
  } else if (text.empty()) {
    out += "null";
  } else if (const auto value = TryReadNumber(text); value && std::isfinite(*value)) {
    AppendG15(out, *value);
  } else {
    AppendString(out, text);
  }
}

void AppendPosition(std::string& out, LatLon p, const std::optional<double>& height) {
  out += '[';
  AppendLonLatHeight(out, p, height);
  out += ']';
}

// Twice the signed area of the ring in longitude and latitude: positive counter-clockwise.
double SignedArea(const std::vector<LatLon>& ring) {
  double sum = 0.0;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const LatLon& a = ring[i];
    const LatLon& b = ring[(i + 1) % ring.size()];
    sum += a.longitude * b.latitude - b.longitude * a.latitude;
  }
  return sum;
}

// ---- Reading ------------------------------------------------------------------------

struct Reader {
  const std::string& fileName;
  std::vector<GeoPlace> places;

  [[noreturn]] void Fail(const std::string& what) const {
    throw GeoFileError("GeoJSON ファイル \"" + fileName + "\": " + what);
  }

  // Checked before anything else is done with it: a position is two or three numbers, so
  // comparing or copying one never walks a deep value.
  LatLon Position(const Json& p, std::optional<double>& height) const {
    if (!p.is_array() || p.size() < 2 || p.size() > 3)
      Fail(std::string("座標は [経度, 緯度] か [経度, 緯度, 高さ] です (") + p.type_name() +
           (p.is_array() ? ", 要素 " + std::to_string(p.size()) : std::string()) + ")");
    for (const Json& v : p)
      if (!v.is_number()) Fail(std::string("座標が数値ではありません (") + v.type_name() + ")");
    height.reset();
    if (p.size() == 3) height = p[2].get<double>();
    return {p[1].get<double>(), p[0].get<double>()};
  }

  void Add(const std::string& name, const Json& p) {
    GeoPlace place{name, {}, {}};
    place.position = Position(p, place.height);
    places.push_back(std::move(place));
  }

  // The positions of a line or a ring, each named after the feature and its place in
  // the geometry; a ring's closing repeat of its first position is passed over.
  void AddVertices(const std::string& name, const Json& line, bool ring, std::size_t& k) {
    if (!line.is_array()) Fail("座標の配列がありません");
    std::size_t n = line.size();
    if (ring && n >= 2) {
      std::optional<double> h0, h1;
      const LatLon first = Position(line[0], h0), last = Position(line[n - 1], h1);
      if (first.latitude == last.latitude && first.longitude == last.longitude && h0 == h1) --n;
    }
    for (std::size_t i = 0; i < n; ++i) Add(VertexName(name, ++k), line[i]);
  }

  void Geometry(const std::string& name, const Json& g, int depth = 0) {
    if (g.is_null()) return;  // a feature without a place
    if (depth > kMaxDepth) Fail("GeometryCollection の入れ子が深すぎます");
    if (!g.is_object()) Fail("geometry がオブジェクトではありません");
    const auto type = g.find("type");
    if (type == g.end() || !type->is_string()) Fail("geometry に type がありません");
    const std::string& t = type->get_ref<const std::string&>();
    if (t == "GeometryCollection") {
      const auto members = g.find("geometries");
      if (members == g.end() || !members->is_array()) Fail("geometries がありません");
      for (const Json& member : *members) Geometry(name, member, depth + 1);
      return;
    }
    const auto c = g.find("coordinates");
    if (c == g.end() || !c->is_array()) Fail(t + " に coordinates がありません");
    std::size_t k = 0;
    if (t == "Point") {
      Add(name, *c);
    } else if (t == "MultiPoint") {
      AddVertices(name, *c, false, k);
    } else if (t == "LineString") {
      AddVertices(name, *c, false, k);
    } else if (t == "MultiLineString" || t == "Polygon") {
      for (const Json& line : *c) AddVertices(name, line, t == "Polygon", k);
    } else if (t == "MultiPolygon") {
      for (const Json& polygon : *c) {
        if (!polygon.is_array()) Fail("MultiPolygon の座標が配列ではありません");
        for (const Json& ring : polygon) AddVertices(name, ring, true, k);
      }
    } else {
      Fail("GeoJSON の geometry ではありません: " + t.substr(0, 40));
    }
  }

  static std::string FeatureName(const Json& feature) {
    const auto properties = feature.find("properties");
    if (properties == feature.end() || !properties->is_object()) return {};
    const auto name = properties->find("name");
    if (name == properties->end()) return {};
    if (name->is_string()) return name->get<std::string>();
    if (name->is_number_integer()) return std::to_string(name->get<std::int64_t>());
    if (name->is_number()) return FormatG15(name->get<double>());
    return {};
  }

  // An object whose "type" is the text "Feature" (a type of another kind is no feature,
  // not an error of the JSON library).
  static bool IsFeature(const Json& f) {
    if (!f.is_object()) return false;
    const auto type = f.find("type");
    return type != f.end() && type->is_string() && type->get_ref<const std::string&>() == "Feature";
  }

  void Object(const Json& o) {
    if (!o.is_object()) Fail("GeoJSON のオブジェクトではありません");
    const auto type = o.find("type");
    if (type == o.end() || !type->is_string()) Fail("type がありません");
    const std::string& t = type->get_ref<const std::string&>();
    if (t == "FeatureCollection") {
      const auto features = o.find("features");
      if (features == o.end() || !features->is_array()) Fail("features がありません");
      for (const Json& feature : *features) {
        if (!IsFeature(feature)) Fail("features に Feature でないものがあります");
        Object(feature);
      }
    } else if (t == "Feature") {
      const auto geometry = o.find("geometry");
      if (geometry == o.end()) Fail("Feature に geometry がありません");
      Geometry(FeatureName(o), *geometry);
    } else {
      Geometry("", o);
    }
  }
};

// The line and column of a byte offset, both counted from 1.
std::string LineAndColumn(std::string_view bytes, std::size_t offset) {
  offset = std::min(offset, bytes.size());
  const std::string_view before = bytes.substr(0, offset);
  const std::size_t line =
      1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
  const std::size_t lineStart = before.rfind('\n');
  const std::size_t column = offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1);
  return std::to_string(line) + " 行 " + std::to_string(column) + " 桁";
}

}  // namespace

void AppendGeoJson(std::string& out, std::span<const GeoPointFeature> points,
                   std::span<const GeoParcelFeature> parcels, int zone) {
  const std::string zoneText = std::to_string(zone);
  out += "{\"type\":\"FeatureCollection\",\"features\":[\n";
  bool first = true;
  for (const GeoPointFeature& p : points) {
    if (!first) out += ",\n";
    first = false;
    out += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":";
    AppendPosition(out, p.position, p.height);
    out += "},\"properties\":{\"name\":";
    AppendString(out, p.name);
    out += ",\"X\":";
    AppendCell(out, p.x);
    out += ",\"Y\":";
    AppendCell(out, p.y);
    out += ",\"Z\":";
    AppendCell(out, p.z);
    out += ",\"zone\":";
    out += zoneText;
    out += "}}";
  }
  for (const GeoParcelFeature& parcel : parcels) {
    if (parcel.corners.size() < 3) continue;
    if (!first) out += ",\n";
    first = false;
    // The exterior ring counter-clockwise, as RFC 7946 asks of a writer.
    std::vector<LatLon> ring = parcel.corners;
    if (SignedArea(ring) < 0.0) std::reverse(ring.begin(), ring.end());
    out += "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Polygon\",\"coordinates\":[[";
    for (const LatLon& corner : ring) {
      AppendPosition(out, corner, std::nullopt);
      out += ',';
    }
    AppendPosition(out, ring.front(), std::nullopt);
    out += "]]},\"properties\":{\"name\":";
    AppendString(out, parcel.name);
    out += ",\"number\":";
    AppendString(out, parcel.number);
    out += ",\"area\":";
    out += parcel.area;
    out += ",\"zone\":";
    out += zoneText;
    out += "}}";
  }
  out += "\n]}\n";
}

std::string GeoJsonText(std::span<const GeoPointFeature> points,
                        std::span<const GeoParcelFeature> parcels, int zone) {
  std::string out;
  out.reserve(64 + points.size() * 160);
  AppendGeoJson(out, points, parcels, zone);
  return out;
}

std::vector<GeoPlace> ReadGeoJson(std::string_view bytes, const std::string& fileName) {
  Reader reader{fileName, {}};
  if (bytes.size() > kMaxGeoFileBytes)
    reader.Fail("大きすぎます (" + std::to_string(kMaxGeoFileBytes >> 20) + " MB まで)");
  Json document;
  try {
    // The parser keeps its own stack (no recursion), and so does the document's release;
    // what walks the document below goes only as deep as GeoJSON does.
    document = Json::parse(bytes.begin(), bytes.end());
  } catch (const Json::parse_error& e) {
    std::string what = e.what();
    if (const std::size_t colon = what.find(": "); colon != std::string::npos)
      what = what.substr(colon + 2);
    reader.Fail(LineAndColumn(bytes, e.byte == 0 ? 0 : e.byte - 1) + ": JSON の誤り (" + what +
                ")");
  } catch (const Json::exception& e) {
    // A number beyond every double ("1e400") is refused by the parser as out of range.
    std::string what = e.what();
    if (const std::size_t bracket = what.find("] "); bracket != std::string::npos)
      what = what.substr(bracket + 2);
    reader.Fail("JSON の誤り (" + what + ")");
  }
  try {
    reader.Object(document);
  } catch (const Json::exception& e) {
    // A value of an unexpected kind that a check above let through: refused as the file's
    // error, never out of the reader.
    std::string what = e.what();
    if (const std::size_t bracket = what.find("] "); bracket != std::string::npos)
      what = what.substr(bracket + 2);
    reader.Fail("GeoJSON の誤り (" + what + ")");
  }
  return std::move(reader.places);
}

}  // namespace vensa
