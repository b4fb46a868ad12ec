// The plane-rectangular coordinate systems of Japan on JGD2011 (zones 1 to 19) and
// latitude/longitude: a transverse Mercator projection of the GRS80 ellipsoid with scale
// 0.9999 at each zone's origin, X north and Y east of the origin in metres. Heights are not
// converted (no geoid): what a caller holds as height passes through unchanged.
#pragma once

#include <string>

#include "core/error.h"

namespace vensa {

inline constexpr int kFirstPlaneZone = 1;
inline constexpr int kLastPlaneZone = 19;
// How far from its origin's meridian a zone takes a point: further out the point belongs
// to another zone (or another country), and the projection would distort it past use.
inline constexpr double kMaxZoneLongitudeOffset = 10.0;

struct LatLon {
  double latitude = 0.0;   // degrees, north positive
  double longitude = 0.0;  // degrees, east positive
};

struct PlaneXY {
  double x = 0.0;  // metres north of the zone's origin
  double y = 0.0;  // metres east of the zone's origin
};

// A zone, a latitude or longitude, or a plane point the conversion does not take. The
// message says which value and which zone; callers put the row in front.
class GeoRangeError : public VensaError {
 public:
  using VensaError::VensaError;
};

bool IsPlaneZone(int zone);

// The zone as users name it: "第9系 (IX)".
std::string PlaneZoneLabel(int zone);

// The zone's origin as the national notice gives it.
LatLon PlaneZoneOrigin(int zone);

// Latitude/longitude to the zone's plane. Throws GeoRangeError for a zone outside 1..19,
// a value that is no finite number, a latitude outside ±90 or longitude outside ±180, and a
// point more than kMaxZoneLongitudeOffset degrees of longitude from the zone's origin.
PlaneXY LatLonToPlane(int zone, LatLon point);

// The zone's plane to latitude/longitude. Throws GeoRangeError for a zone outside 1..19,
// coordinates that are no finite numbers, and a point that lies further from the zone's
// origin than LatLonToPlane takes.
LatLon PlaneToLatLon(int zone, PlaneXY point);

}  // namespace vensa
