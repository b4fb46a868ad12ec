#include "geo/kml.h"

#include <expat.h>

#include <algorithm>
#include <memory>
#include <type_traits>

#include "core/number_format.h"
#include "core/number_read.h"

namespace vensa {
namespace {

// Text as XML character data or an attribute value: the five characters XML reserves.
void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        // Control characters other than TAB, LF and CR are no XML 1.0 text: left out.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += c;
    }
  }
}

void AppendData(std::string& out, std::string_view name, std::string_view value) {
  out += "<Data name=\"";
  out += name;
  out += "\"><value>";
  AppendEscaped(out, value);
  out += "</value></Data>";
}

// ---- Reading ------------------------------------------------------------------------

std::string_view LocalName(const char* name) {
  // expat without namespace processing gives "prefix:local" as written.
  std::string_view n(name);
  if (const std::size_t colon = n.rfind(':'); colon != std::string_view::npos)
    n.remove_prefix(colon + 1);
  return n;
}

bool IsXmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct KmlReader {
  explicit KmlReader(const std::string& file) : fileName(file) {}
  const std::string& fileName;
  XML_Parser parser = nullptr;
  std::vector<GeoPlace> places;
  int placemarkDepth = 0;  // >0 inside a Placemark
  int depth = 0;
  int nameDepth = -1;  // the depth of the Placemark's own name element
  bool inCoordinates = false;
  bool ring = false;
  std::string name;
  std::string text;
  // The coordinates elements of the Placemark, kept until its end: its name may follow.
  struct Pending {
    std::string text;
    bool ring;
    unsigned long line;
  };
  std::vector<Pending> pending;
  std::string error;

  std::string Where(unsigned long line) const {
    return "KML ファイル \"" + fileName + "\" " + std::to_string(line) + " 行: ";
  }

  void Start(const char* rawName) {
    ++depth;
    const std::string_view n = LocalName(rawName);
    if (n == "Placemark") {
      if (placemarkDepth == 0) {
        placemarkDepth = depth;
        name.clear();
        pending.clear();
      }
    } else if (placemarkDepth > 0 && n == "name" && depth == placemarkDepth + 1) {
      nameDepth = depth;
      text.clear();
    } else if (placemarkDepth > 0 && n == "coordinates") {
      inCoordinates = true;
      text.clear();
    } else if (n == "LinearRing") {
      ring = true;
    }
  }

  void End(const char* rawName) {
    const std::string_view n = LocalName(rawName);
    if (depth == nameDepth) {
      name = text;
      nameDepth = -1;
    } else if (inCoordinates && n == "coordinates") {
      pending.push_back({text, ring, static_cast<unsigned long>(XML_GetCurrentLineNumber(parser))});
      inCoordinates = false;
    } else if (n == "LinearRing") {
      ring = false;
    } else if (depth == placemarkDepth && n == "Placemark") {
      TakePlacemark();
      placemarkDepth = 0;
    }
    --depth;
  }

  void Text(const char* s, int length) {
    if (nameDepth >= 0 || inCoordinates) {
      if (text.size() + static_cast<std::size_t>(length) > kMaxGeoFileBytes) return;
      text.append(s, static_cast<std::size_t>(length));
    }
  }

  // Each tuple "lon,lat[,height]" of the Placemark's coordinates becomes a place: a
  // Point's one under the Placemark's name, the vertices of lines and rings numbered.
  void TakePlacemark() {
    std::size_t total = 0;
    std::vector<std::vector<GeoPlace>> lists;
    for (const Pending& p : pending) {
      std::vector<GeoPlace> tuples;
      std::size_t i = 0;
      const std::string& s = p.text;
      while (i < s.size()) {
        while (i < s.size() && IsXmlSpace(s[i])) ++i;
        if (i >= s.size()) break;
        std::size_t j = i;
        while (j < s.size() && !IsXmlSpace(s[j])) ++j;
        tuples.push_back(Tuple(std::string_view(s).substr(i, j - i), p.line));
        i = j;
      }
      if (p.ring && tuples.size() >= 2 &&
          tuples.front().position.latitude == tuples.back().position.latitude &&
          tuples.front().position.longitude == tuples.back().position.longitude &&
          tuples.front().height == tuples.back().height)
        tuples.pop_back();
      total += tuples.size();
      lists.push_back(std::move(tuples));
    }
    std::size_t k = 0;
    for (auto& tuples : lists) {
      for (GeoPlace& place : tuples) {
        place.name = total == 1 ? name : VertexName(name, ++k);
        places.push_back(std::move(place));
      }
    }
  }

  GeoPlace Tuple(std::string_view tuple, unsigned long line) const {
    GeoPlace place;
    double values[3] = {0, 0, 0};
    int count = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= tuple.size(); ++i) {
      if (i < tuple.size() && tuple[i] != ',') continue;
      const auto value = count < 3 ? TryReadNumber(tuple.substr(start, i - start)) : std::nullopt;
      if (!value)
        throw GeoFileError(Where(line) + "座標は 経度,緯度 か 経度,緯度,高さ です: " +
                           std::string(tuple.substr(0, 80)));
      values[count++] = *value;
      start = i + 1;
    }
    if (count < 2)
      throw GeoFileError(Where(line) + "座標は 経度,緯度 か 経度,緯度,高さ です: " +
                         std::string(tuple.substr(0, 80)));
    place.position = {values[1], values[0]};
    if (count == 3) place.height = values[2];
    return place;
  }
};

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char**) {
  static_cast<KmlReader*>(data)->Start(name);
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
  auto* reader = static_cast<KmlReader*>(data);
  try {
    reader->End(name);
  } catch (const GeoFileError& e) {
    // Exceptions do not cross expat's C frames: the parse is stopped and the error kept.
    reader->error = e.what();
    XML_StopParser(reader->parser, XML_FALSE);
  }
}

void XMLCALL OnText(void* data, const XML_Char* s, int length) {
  static_cast<KmlReader*>(data)->Text(s, length);
}

void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  auto* reader = static_cast<KmlReader*>(data);
  reader->error =
      reader->Where(static_cast<unsigned long>(XML_GetCurrentLineNumber(reader->parser))) +
      "文書型宣言 (DOCTYPE) は読みません";
  XML_StopParser(reader->parser, XML_FALSE);
}

}  // namespace

std::string KmlText(std::span<const GeoPointFeature> points,
                    std::span<const GeoParcelFeature> parcels, int zone,
                    std::string_view documentName) {
  const std::string zoneText = std::to_string(zone);
  std::string out;
  out.reserve(256 + points.size() * 300);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>";
  AppendEscaped(out, documentName);
  out += "</name>\n";
  for (const GeoPointFeature& p : points) {
    out += "<Placemark><name>";
    AppendEscaped(out, p.name);
    out += "</name><ExtendedData>";
    AppendData(out, "X", p.x);
    AppendData(out, "Y", p.y);
    AppendData(out, "Z", p.z);
    AppendData(out, "zone", zoneText);
    out += "</ExtendedData><Point><coordinates>";
    AppendLonLatHeight(out, p.position, p.height);
    out += "</coordinates></Point></Placemark>\n";
  }
  for (const GeoParcelFeature& parcel : parcels) {
    if (parcel.corners.size() < 3) continue;
    out += "<Placemark><name>";
    AppendEscaped(out, parcel.name);
    out += "</name><description>";
    AppendEscaped(out, "面積 " + parcel.area + " m²");
    out += "</description><ExtendedData>";
    AppendData(out, "number", parcel.number);
    AppendData(out, "area", parcel.area);
    AppendData(out, "zone", zoneText);
    out += "</ExtendedData><Polygon><outerBoundaryIs><LinearRing><coordinates>";
    for (const LatLon& corner : parcel.corners) {
      AppendLonLatHeight(out, corner, std::nullopt);
      out += ' ';
    }
    AppendLonLatHeight(out, parcel.corners.front(), std::nullopt);
    out += "</coordinates></LinearRing></outerBoundaryIs></Polygon></Placemark>\n";
  }
  out += "</Document>\n</kml>\n";
  return out;
}

std::vector<GeoPlace> ReadKml(std::string_view bytes, const std::string& fileName) {
  KmlReader reader{fileName};
  if (bytes.size() > kMaxGeoFileBytes)
    throw GeoFileError("KML ファイル \"" + fileName + "\": 大きすぎます (" +
                       std::to_string(kMaxGeoFileBytes >> 20) + " MB まで)");
  std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> parser(
      XML_ParserCreate("UTF-8"), &XML_ParserFree);
  if (!parser) throw GeoFileError("KML ファイル \"" + fileName + "\": XML パーサを作れません");
  reader.parser = parser.get();
  XML_SetUserData(parser.get(), &reader);
  XML_SetElementHandler(parser.get(), OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser.get(), OnText);
  XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);
  // Parsed in pieces: expat takes an int length.
  constexpr std::size_t kPiece = 1u << 20;
  std::size_t offset = 0;
  do {
    const std::size_t n = std::min(kPiece, bytes.size() - offset);
    const bool last = offset + n == bytes.size();
    if (XML_Parse(parser.get(), bytes.data() + offset, static_cast<int>(n), last) !=
        XML_STATUS_OK) {
      if (!reader.error.empty()) throw GeoFileError(reader.error);
      throw GeoFileError(
          reader.Where(static_cast<unsigned long>(XML_GetCurrentLineNumber(parser.get()))) +
          "XML の誤り (" + XML_ErrorString(XML_GetErrorCode(parser.get())) + ")");
    }
    offset += n;
  } while (offset < bytes.size());
  return std::move(reader.places);
}

}  // namespace vensa
