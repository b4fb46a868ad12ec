#include "geo/plane_zone.h"

#include <GeographicLib/TransverseMercator.hpp>

#include <array>
#include <cmath>

#include "core/number_format.h"

namespace vensa {
namespace {

// GRS80, the ellipsoid of JGD2011.
constexpr double kGrs80A = 6378137.0;
constexpr double kGrs80F = 1.0 / 298.257222101;
constexpr double kScale = 0.9999;

struct Origin {
  int degLat, minLat;
  int degLon, minLon;
  const char* roman;
};

// The 19 origins (zone 1 first): latitude and longitude in whole degrees and minutes.
constexpr std::array<Origin, 19> kOrigins = {{
    {33, 0, 129, 30, "I"},    {33, 0, 131, 0, "II"},    {36, 0, 132, 10, "III"},
    {33, 0, 133, 30, "IV"},   {36, 0, 134, 20, "V"},    {36, 0, 136, 0, "VI"},
    {36, 0, 137, 10, "VII"},  {36, 0, 138, 30, "VIII"}, {36, 0, 139, 50, "IX"},
    {40, 0, 140, 50, "X"},    {44, 0, 140, 15, "XI"},   {44, 0, 142, 15, "XII"},
    {44, 0, 144, 15, "XIII"}, {26, 0, 142, 0, "XIV"},   {26, 0, 127, 30, "XV"},
    {26, 0, 124, 0, "XVI"},   {26, 0, 131, 0, "XVII"},  {20, 0, 136, 0, "XVIII"},
    {26, 0, 154, 0, "XIX"},
}};

const GeographicLib::TransverseMercator& Projection() {
  static const GeographicLib::TransverseMercator projection(kGrs80A, kGrs80F, kScale);
  return projection;
}

// The zone's origin and the projection's northing of it, worked out once per zone.
struct ZoneFrame {
  LatLon origin;
  double originNorthing = 0.0;
};

const ZoneFrame& FrameOf(int zone) {
  static const std::array<ZoneFrame, 19> frames = [] {
    std::array<ZoneFrame, 19> all{};
    for (std::size_t i = 0; i < kOrigins.size(); ++i) {
      const Origin& o = kOrigins[i];
      all[i].origin = {o.degLat + o.minLat / 60.0, o.degLon + o.minLon / 60.0};
      double easting = 0.0;
      Projection().Forward(all[i].origin.longitude, all[i].origin.latitude, all[i].origin.longitude,
                           easting, all[i].originNorthing);
    }
    return all;
  }();
  return frames[static_cast<std::size_t>(zone - 1)];
}

void RequireZone(int zone) {
  if (!IsPlaneZone(zone))
    throw GeoRangeError("平面直角座標系は 1〜19 の系です: " + std::to_string(zone));
}

// The longitude's offset from the meridian, brought into -180..180.
double LongitudeOffset(double longitude, double meridian) {
  double d = std::remainder(longitude - meridian, 360.0);
  return d == -180.0 ? 180.0 : d;
}

void RequireNearOrigin(int zone, double longitude) {
  const double offset = LongitudeOffset(longitude, FrameOf(zone).origin.longitude);
  if (!(std::fabs(offset) <= kMaxZoneLongitudeOffset))
    throw GeoRangeError("経度 " + FormatG15(longitude) + " は" + PlaneZoneLabel(zone) +
                        "の原点から " + FormatG15(kMaxZoneLongitudeOffset) +
                        " 度より離れています (系の選び違い)");
}

}  // namespace

bool IsPlaneZone(int zone) {
  return zone >= kFirstPlaneZone && zone <= kLastPlaneZone;
}

std::string PlaneZoneLabel(int zone) {
  RequireZone(zone);
  return "第" + std::to_string(zone) + "系 (" + kOrigins[static_cast<std::size_t>(zone - 1)].roman +
         ")";
}

LatLon PlaneZoneOrigin(int zone) {
  RequireZone(zone);
  return FrameOf(zone).origin;
}

PlaneXY LatLonToPlane(int zone, LatLon point) {
  RequireZone(zone);
  if (!std::isfinite(point.latitude) || std::fabs(point.latitude) > 90.0)
    throw GeoRangeError("緯度が範囲 (-90〜90) の外です: " + FormatG15(point.latitude));
  if (!std::isfinite(point.longitude) || std::fabs(point.longitude) > 180.0)
    throw GeoRangeError("経度が範囲 (-180〜180) の外です: " + FormatG15(point.longitude));
  RequireNearOrigin(zone, point.longitude);
  const ZoneFrame& frame = FrameOf(zone);
  double easting = 0.0, northing = 0.0;
  Projection().Forward(frame.origin.longitude, point.latitude, point.longitude, easting, northing);
  return {northing - frame.originNorthing, easting};
}

LatLon PlaneToLatLon(int zone, PlaneXY point) {
  RequireZone(zone);
  if (!std::isfinite(point.x) || !std::isfinite(point.y))
    throw GeoRangeError("座標が数値ではありません (" + PlaneZoneLabel(zone) + ")");
  const ZoneFrame& frame = FrameOf(zone);
  LatLon result;
  Projection().Reverse(frame.origin.longitude, point.y, point.x + frame.originNorthing,
                       result.latitude, result.longitude);
  // Past ~1,100 km east or west the series lose their meaning long before the offset
  // limit; the point is then no point of this zone.
  if (std::fabs(point.y) > 1.2e6 || std::fabs(point.x) > 1.2e7 ||
      std::fabs(LongitudeOffset(result.longitude, frame.origin.longitude)) >
          kMaxZoneLongitudeOffset)
    throw GeoRangeError("X " + FormatG15(point.x) + ", Y " + FormatG15(point.y) + " は" +
                        PlaneZoneLabel(zone) + "の範囲の外です (原点から経度 " +
                        FormatG15(kMaxZoneLongitudeOffset) + " 度まで)");
  return result;
}

}  // namespace vensa
