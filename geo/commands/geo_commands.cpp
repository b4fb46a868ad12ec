#include "geo/commands/geo_commands.h"

#include <cmath>
#include <filesystem>

#include "area/area_rings.h"
#include "area/parcel_area.h"
#include "core/coord_list.h"
#include "core/file_io.h"
#include "core/list_headers.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/plot_range.h"
#include "core/text.h"
#include "geo/angle_text.h"
#include "geo/geojson.h"
#include "geo/kml.h"
#include "geo/plane_zone.h"

namespace vensa {
namespace {

// Plane coordinates written into the list: 0.1 mm, finer than the 1e-9 degrees of a file.
constexpr int kPlaneDecimals = 4;

std::string RowLabel(int row, std::string_view name) {
  std::string label = "行 " + std::to_string(row);
  if (!TrimBlanks(name).empty()) label += " (" + std::string(TrimBlanks(name)) + ")";
  return label + ": ";
}

std::string KindName(MapFileKind kind) {
  return kind == MapFileKind::Kml ? "KML" : "GeoJSON";
}

MapFileKind RequireMapKind(const std::string& path) {
  const auto kind = MapFileKindOf(path);
  if (!kind) throw VensaError("地図ファイルは .geojson, .json か .kml です: " + path);
  return *kind;
}

double RequireNumber(std::string_view text, const std::string& where, const char* what) {
  const auto value = TryReadNumber(text);
  if (!value || !std::isfinite(*value))
    throw GeoRangeError(where + what + " が数値ではありません: \"" + std::string(text) + "\"");
  return *value;
}

// The parcel's area as its area by coordinates gives it, to two decimals: exact, so the
// map and the 座標求積表 never differ in a last digit. Corners that enclose nothing (fewer
// than three distinct points) have no area.
std::string ParcelAreaText(const TParcel& parcel) {
  try {
    return FormatAreaDecimals(
        ComputeParcelArea(RingOfParcel(parcel), LandCategory::kTakuchi, CoordUnit::kMetre), 2);
  } catch (const AreaRefusedError&) {
    return "0.00";
  }
}

std::string DocumentName(const std::string& path) {
  return PathToUtf8(PathFromUtf8(path).stem());
}

}  // namespace

std::optional<MapFileKind> MapFileKindOf(const std::string& path) {
  if (EndsWithIgnoringAsciiCase(path, ".geojson") || EndsWithIgnoringAsciiCase(path, ".json"))
    return MapFileKind::GeoJson;
  if (EndsWithIgnoringAsciiCase(path, ".kml")) return MapFileKind::Kml;
  return std::nullopt;
}

std::optional<int> ZoneOfForm(const FormState& form) {
  const std::string_view text = TrimBlanks(form.GeoZone.text);
  if (text.empty()) return std::nullopt;
  const auto zone = TryReadInteger(text);
  if (!zone || !IsPlaneZone(*zone))
    throw GeoRangeError(std::string(kZoneSettingKey) +
                        " は平面直角座標系の 1〜19 です: " + std::string(text));
  return *zone;
}

CommandOutcome SaveListAsMap(const FormState& form, int zone, const std::string& path,
                             ExistingFile existing) {
  const MapFileKind kind = RequireMapKind(path);
  const TextGrid& list = form.StringGrid1;
  const PlotRange range(form.Edit31.text);
  std::vector<GeoPointFeature> points;
  points.reserve(static_cast<std::size_t>(list.DataRowCount()));
  for (int row = 1; row < list.RowCount(); ++row) {
    const GridRow cells = list.Row(row);
    const std::string_view x = cells[kColX], y = cells[kColY];
    if (TrimBlanks(x).empty() && TrimBlanks(y).empty()) continue;
    if (!range.Contains(ReadIntegerCell(cells[kColPlotNo]))) continue;
    const std::string where = RowLabel(row, cells[kColName]);
    const PlaneXY plane{RequireNumber(x, where, "X座標"), RequireNumber(y, where, "Y座標")};
    GeoPointFeature point{cells[kColName], {}, std::nullopt, x, y, cells[kColZ]};
    try {
      point.position = PlaneToLatLon(zone, plane);
    } catch (const GeoRangeError& e) {
      throw GeoRangeError(where + e.what());
    }
    if (const auto z = TryReadNumber(cells[kColZ]); z && std::isfinite(*z)) point.height = *z;
    points.push_back(point);
  }
  std::vector<GeoParcelFeature> parcels;
  for (const TParcel& parcel : form.SimaParcels) {
    if (parcel.vertices.size() < 3) continue;
    const std::string where = "画地 " + parcel.name + " (" + parcel.number + "): ";
    GeoParcelFeature feature{parcel.name, parcel.number, {}};
    for (const TParcelVertex& v : parcel.vertices) {
      const PlaneXY plane{RequireNumber(v.x, where, "X座標"), RequireNumber(v.y, where, "Y座標")};
      try {
        feature.corners.push_back(PlaneToLatLon(zone, plane));
      } catch (const GeoRangeError& e) {
        throw GeoRangeError(where + e.what());
      }
    }
    feature.area = ParcelAreaText(parcel);
    parcels.push_back(std::move(feature));
  }
  CommandOutcome outcome;
  if (points.empty() && parcels.empty()) {
    outcome.done = false;
    outcome.notes.push_back(
        "地図に書く点がありません (X座標, Y座標 のある行がプロット範囲にありません): " + path);
    return outcome;
  }
  const std::string text = kind == MapFileKind::Kml
                               ? KmlText(points, parcels, zone, DocumentName(path))
                               : GeoJsonText(points, parcels, zone);
  SaveFileAtomically(path, text, existing);
  outcome.summary = KindName(kind) + ": " + std::to_string(points.size()) + " 点" +
                    (parcels.empty() ? "" : "、画地 " + std::to_string(parcels.size())) + "、" +
                    PlaneZoneLabel(zone);
  return outcome;
}

CommandOutcome ReadMapIntoList(FormState& form, int zone, const std::string& path) {
  const MapFileKind kind = RequireMapKind(path);
  std::error_code ec;
  const auto size = std::filesystem::file_size(PathFromUtf8(path), ec);
  if (!ec && size > kMaxGeoFileBytes)
    throw GeoFileError(KindName(kind) + " ファイル \"" + path + "\": 大きすぎます (" +
                       std::to_string(kMaxGeoFileBytes >> 20) + " MB まで)");
  const std::string bytes = ReadFileBytes(path);
  const std::vector<GeoPlace> places =
      kind == MapFileKind::Kml ? ReadKml(bytes, path) : ReadGeoJson(bytes, path);
  CommandOutcome outcome;
  if (places.empty()) {
    outcome.done = false;
    outcome.notes.push_back("緯度経度の点がありません: " + path);
    return outcome;
  }
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), static_cast<int>(places.size()));
  for (std::size_t i = 0; i < places.size(); ++i) {
    const GeoPlace& place = places[i];
    const int row = static_cast<int>(i) + 1;
    PlaneXY plane;
    try {
      plane = LatLonToPlane(zone, place.position);
    } catch (const GeoRangeError& e) {
      throw GeoRangeError(path + ": " + RowLabel(row, place.name) + e.what());
    }
    MutableGridRow cells = list.MutableRow(row);
    cells[kColName] = place.name;
    cells[kColX] = FormatFixed(plane.x, kPlaneDecimals);
    cells[kColY] = FormatFixed(plane.y, kPlaneDecimals);
    if (place.height) cells[kColZ] = FormatG15(*place.height);
  }
  RenumberPlotNo(list);
  form.StringGrid1 = std::move(list);
  form.ListDisplayGroupEnabled = false;
  outcome.summary =
      KindName(kind) + ": " + std::to_string(places.size()) + " 点 → " + PlaneZoneLabel(zone);
  return outcome;
}

CommandOutcome ConvertLatLonColumns(TextGrid& list, int zone) {
  struct Converted {
    int row;
    PlaneXY plane;
  };
  std::vector<Converted> rows;
  for (int row = 1; row < list.RowCount(); ++row) {
    const std::string_view lat = list.Cell(kColX, row), lon = list.Cell(kColY, row);
    if (TrimBlanks(lat).empty() && TrimBlanks(lon).empty()) continue;
    const std::string where = RowLabel(row, list.Cell(kColName, row));
    const auto latitude = ReadAngleText(lat);
    if (!latitude)
      throw GeoRangeError(where + "緯度が数値でも度分秒でもありません: \"" + std::string(lat) +
                          "\"");
    const auto longitude = ReadAngleText(lon);
    if (!longitude)
      throw GeoRangeError(where + "経度が数値でも度分秒でもありません: \"" + std::string(lon) +
                          "\"");
    try {
      rows.push_back({row, LatLonToPlane(zone, {*latitude, *longitude})});
    } catch (const GeoRangeError& e) {
      throw GeoRangeError(where + e.what());
    }
  }
  for (const Converted& c : rows) {
    list.SetCell(kColX, c.row, FormatFixed(c.plane.x, kPlaneDecimals));
    list.SetCell(kColY, c.row, FormatFixed(c.plane.y, kPlaneDecimals));
  }
  CommandOutcome outcome;
  outcome.summary = "緯度経度: " + std::to_string(rows.size()) + " 点 → " + PlaneZoneLabel(zone);
  return outcome;
}

std::optional<int> ZoneOfFormOrAsk(FormState& form, Ui& ui) {
  if (const auto zone = ZoneOfForm(form)) return zone;
  std::vector<std::string> zones;
  for (int zone = kFirstPlaneZone; zone <= kLastPlaneZone; ++zone)
    zones.push_back(PlaneZoneLabel(zone));
  const auto chosen = ui.ChooseFromList("平面直角座標系を選んでください", zones);
  if (!chosen) return std::nullopt;
  const int zone = static_cast<int>(*chosen) + kFirstPlaneZone;
  form.GeoZone.text = std::to_string(zone);
  return zone;
}

CommandOutcome SaveListAsMapDialog(FormState& form, Ui& ui) {
  const auto zone = ZoneOfFormOrAsk(form, ui);
  if (!zone) return CommandOutcome::Failed();
  auto path = ui.SaveFileDialog(kMapFileFilter);
  if (!path || path->empty()) return CommandOutcome::Failed();
  if (PathFromUtf8(*path).extension().empty()) *path += ".geojson";
  if (FileExists(*path) && ui.AskYesNo(kMapOverwriteQuestion, true) != MessageAnswer::Yes)
    return CommandOutcome::Failed();
  return SaveListAsMap(form, *zone, *path);
}

CommandOutcome ReadMapIntoListDialog(FormState& form, Ui& ui) {
  const auto zone = ZoneOfFormOrAsk(form, ui);
  if (!zone) return CommandOutcome::Failed();
  const auto path = ui.OpenFileDialog(kMapFileFilter);
  if (!path || path->empty()) return CommandOutcome::Failed();
  return ReadMapIntoList(form, *zone, *path);
}

}  // namespace vensa
