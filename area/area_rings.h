// Where the rings of an area computation come from: the parcels (画地) of the SIMA file
// last read, named by their 地番, in the file's own coordinates (metres, surveying X and
// Y, before the transfer's ×1000 and axis exchange); or the coordinate list's rows in the
// plot range, in list order, as one parcel.
#pragma once

#include <string>
#include <vector>

#include "area/parcel_area.h"
#include "core/parcel.h"
#include "core/text_grid.h"

namespace vensa {

// The parcel's ring, its corners numbered 1.. in the parcel's order and named by their
// point names (the point number where a corner has no name); its texts are views into
// the parcel.
AreaRing RingOfParcel(const TParcel& parcel);

// The list's rows whose PLOT No. the range selects (every row for an empty range), in
// list order; rows without X and Y are no points and are passed over. The list's X and
// Y columns are taken as the surveying X and Y. The ring's texts are views into the list.
AreaRing RingOfList(const TextGrid& list, const std::string& range, const std::string& name);

}  // namespace vensa
