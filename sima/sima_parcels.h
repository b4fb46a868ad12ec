// The parcels (画地) of a SIMA file: read from their blocks beside the point records, and
// their outlines in drawing coordinates.
//
// A parcel block is "D00,<number>,<name>,<kind>," followed by one "B01,<point number>,
// <point name>," per corner and ended by "D99,"; "C03" lines between the corners carry
// nothing the outline uses and are passed over. The corners name point records of the
// same file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/acad_point.h"
#include "core/parcel.h"
#include "core/text_grid.h"
#include "sima/sima_reader.h"

namespace vensa {

// Collects the parcel blocks of a file line by line, then finds their corners among the
// points read.
class SimaParcelCollector {
 public:
  // Takes the line when it belongs to a parcel block: D00 opens a parcel (and ends one
  // left open), B01 adds a corner and C03 is passed over inside a parcel, D99 ends it.
  // False for every other line, and for B01, C03 and D99 outside a parcel.
  bool Take(std::string_view code, std::string_view line, std::int64_t lineNumber);

  // The parcels with their corners found in the SIMA read list: by point number (field 1,
  // compared without blanks), by point name when no point has that number. A corner found
  // by neither is left out and counted in `result` with its line.
  std::vector<TParcel> Resolve(const TextGrid& readList, SimaReadResult& result);

 private:
  // The corners are vertices from the start, their coordinates filled in by Resolve: a
  // file of half a million corners then holds their texts once. Their lines, in the
  // order of the parcels and their vertices, name the first one not found.
  std::vector<TParcel> parcels_;
  std::vector<std::int64_t> cornerLines_;
  bool open_ = false;
};

// The parcel's outline as the plot draws it: each corner through the transfer rule of the
// SIMA read list (axis exchange, ×1000), z 0. Throws VensaError naming the parcel when a
// coordinate is no finite number after scaling.
std::vector<TAcadPoint> SimaParcelOutline(const TParcel& parcel, const SimaReadOptions& options);

}  // namespace vensa
