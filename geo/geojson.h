// GeoJSON (RFC 7946) both ways: the coordinate list's points and the parcels written as
// one FeatureCollection, and the Points (and the vertices of the lines and polygons) of a
// GeoJSON document read as places. JSON is parsed by nlohmann-json.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geo/geo_features.h"

namespace vensa {

// The whole file: a FeatureCollection of Points at [longitude, latitude(, height)] with
// kGeoDegreeDecimals decimals and the properties name, X, Y, Z (the list's texts; numbers
// where they are ones, Z null when empty) and zone; then a Polygon per parcel, its
// exterior ring counter-clockwise and closed, with the properties name (the 地番), number,
// area (m²) and zone. UTF-8, LF line ends, one feature a line.
std::string GeoJsonText(std::span<const GeoPointFeature> points,
                        std::span<const GeoParcelFeature> parcels, int zone);

// Appends the same text piece by piece, for a benchmark or a large list.
void AppendGeoJson(std::string& out, std::span<const GeoPointFeature> points,
                   std::span<const GeoParcelFeature> parcels, int zone);

// The places of a GeoJSON document (a FeatureCollection, a Feature or a bare geometry):
// each Point, MultiPoint member, and vertex of a LineString, Polygon ring (without the
// closing repeat) and their Multi forms and GeometryCollections, in document order. A
// feature's name is its property "name" (a text or a number), else "". Throws
// GeoFileError naming `fileName` with the line and column for JSON that is not well-
// formed, GeometryCollections nested deeper than 64, more than kMaxGeoFileBytes, no GeoJSON object,
// or a position that is not two or three numbers.
std::vector<GeoPlace> ReadGeoJson(std::string_view bytes, const std::string& fileName);

}  // namespace vensa
