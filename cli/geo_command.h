// vensa-cli's maps: the geo verb, map files as INPUT, and INPUT of latitude/longitude
// (--latlon), each through the zone of --zone or the setting Geo/Zone.
#pragma once

#include <ostream>

#include "cli/arguments.h"
#include "state/form_state.h"

namespace vensa::cli {

// The coordinate list from a map INPUT (.geojson, .json, .kml) in the zone; false, with
// nothing read, for any other INPUT. The summary goes to `err`.
bool ReadMapInput(const Arguments& args, FormState& state, std::ostream& err);

// With --latlon, the X and Y cells of the list just read taken as latitude and longitude
// and converted into the zone; nothing without it.
void ConvertLatLonInput(const Arguments& args, FormState& state, std::ostream& err);

// geo: the list's rows of --range and the parcels read into OUT; the summary on `err`.
int RunGeo(const Arguments& args, FormState& state, std::ostream& err);

}  // namespace vensa::cli
