// What the map files hold for the system: survey points and parcels placed by latitude
// and longitude, as the writers take them and the readers give them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "geo/plane_zone.h"

namespace vensa {

// A point of the coordinate list on the map: its name, where it lies, its height, and the
// list's own texts of X, Y and Z, kept beside the position for a reader of the file.
struct GeoPointFeature {
  std::string_view name;
  LatLon position;
  std::optional<double> height;  // the list's Z when it is a number
  std::string_view x, y, z;
};

// A parcel (画地) as a closed outline: corners in order, the first not repeated at the
// end; its 地番 and its area in square metres on the plane, as the text written (two
// decimals, the same value as the parcel's area by coordinates).
struct GeoParcelFeature {
  std::string_view name;
  std::string_view number;
  std::vector<LatLon> corners;
  std::string area = "0.00";
};

// A place read from a map file: a Point, or one vertex of a line or an outline.
struct GeoPlace {
  std::string name;
  LatLon position;
  std::optional<double> height;
};

// A map file the readers refuse: malformed, too large, or not of the kind. The message
// names the file and, where it has one, the line or byte.
class GeoFileError : public VensaError {
 public:
  using VensaError::VensaError;
};

// The largest map file read (GeoJSON, KML): lists of survey points are far smaller, and a
// document is held whole while it is read.
inline constexpr std::uintmax_t kMaxGeoFileBytes = 64u << 20;

// The number of decimals of a degree in the files written: 1e-9 degrees is about 0.1 mm.
inline constexpr int kGeoDegreeDecimals = 9;

// "longitude,latitude[,height]" as both map files write a position: the degrees to
// kGeoDegreeDecimals decimals, the height in general form.
void AppendLonLatHeight(std::string& out, LatLon p, const std::optional<double>& height);

// The vertices of a line or outline are named after their feature: "<name>-<k>", k from 1,
// so that the plot's grouping by the delimiter "-" gathers them again.
std::string VertexName(std::string_view featureName, std::size_t k);

}  // namespace vensa
