// KML 2.2 both ways: the coordinate list's points as Placemarks and the parcels as
// Polygons written as one document, and the Placemarks' Points (and the vertices of their
// lines and polygons) of a KML document read as places. XML is parsed by expat.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geo/geo_features.h"

namespace vensa {

// The whole file, UTF-8: a Document named `documentName` holding a Placemark per point
// (its name, the list's X, Y, Z and the zone as ExtendedData, a Point at
// longitude,latitude(,height)) and a Placemark per parcel (the 地番 as its name, the area in
// its description, a Polygon whose outer ring is closed).
std::string KmlText(std::span<const GeoPointFeature> points,
                    std::span<const GeoParcelFeature> parcels, int zone,
                    std::string_view documentName);

// The places of a KML document: every coordinates element of a Placemark (Point,
// LineString, LinearRing, inside MultiGeometry too) named by the Placemark's name, a
// ring without its closing repeat. Throws GeoFileError naming `fileName` and the line for
// XML that is not well-formed, declares a document type, more than kMaxGeoFileBytes, or
// coordinates that are not two or three numbers each.
std::vector<GeoPlace> ReadKml(std::string_view bytes, const std::string& fileName);

}  // namespace vensa
