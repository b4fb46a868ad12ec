// The parcels (画地) of the SIMA file last read, written back behind the points of a saved
// SIMA file, so that a file read and saved keeps its parcels.
//
// Each parcel becomes "D00,<number>,<name>,<kind>," then one "B01,<point number>,<point
// name>," per corner and "D99,". A corner is the written point at its coordinates: the
// points are numbered and named afresh when the write list is built, but a point keeps
// where it lies. A parcel with a corner no written point lies at is left out.
#pragma once

#include <string>
#include <vector>

#include "core/parcel.h"
#include "core/text_grid.h"

namespace vensa {

struct SimaParcelRecords {
  std::string lines;  // UTF-8, every line ended by CR LF
  int written = 0;
  // One message per parcel left out, naming it and its first corner not found.
  std::vector<std::string> leftOut;
};

// The parcel blocks for the points of the SIMA write list (rows between "A00" and "A99").
// Coordinates are compared as numbers to the millimetre (the write list holds three
// decimals), each corner's X and Y as the SIMA file read them.
SimaParcelRecords BuildSimaParcelRecords(const std::vector<TParcel>& parcels,
                                         const TextGrid& writeList);

}  // namespace vensa
