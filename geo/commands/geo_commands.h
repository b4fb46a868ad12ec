// The coordinate list on the map: saving it (the rows of the plot range) and the SIMA
// parcels as GeoJSON or KML, and taking latitude/longitude lists into it, through the
// plane-rectangular zone the user chose. The list's X is north and Y east, in metres, as
// survey coordinates are written; heights (Z) pass through unchanged.
#pragma once

#include <optional>
#include <string>

#include "core/command_outcome.h"
#include "core/file_io.h"
#include "core/text_grid.h"
#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa {

enum class MapFileKind { GeoJson, Kml };

// By the name's end in any letter case: ".geojson" and ".json" GeoJSON, ".kml" KML.
std::optional<MapFileKind> MapFileKindOf(const std::string& path);

// The file dialogs' filter.
inline constexpr const char* kMapFileFilter =
    "GeoJSON (*.geojson;*.json)|*.geojson;*.json|KML (*.kml)|*.kml";

// The settings key of the zone, as messages and the command line name it.
inline constexpr const char* kZoneSettingKey = "Geo/Zone";

// The zone the form holds: nothing when none is chosen. Throws GeoRangeError naming
// kZoneSettingKey for text that is no zone 1..19.
std::optional<int> ZoneOfForm(const FormState& form);

// The rows of the plot range (Edit31, tested against each row's PLOT No. as the plot
// does) that hold X or Y, and the parcels of the last SIMA file read (their corners'
// SIMA X north and Y east, in metres), saved as the file's kind says, replaced atomically.
// Throws GeoRangeError naming the row (or the parcel) for an X or Y that is no number or
// lies outside the zone, VensaError for a name of no map kind, FileCreateError for a
// file that cannot be written; nothing is written then. Not done, with a note and nothing
// written, when there is neither a point nor a parcel.
CommandOutcome SaveListAsMap(const FormState& form, int zone, const std::string& path,
                             ExistingFile existing = ExistingFile::kReplace);

// The places of a GeoJSON or KML file into the coordinate list, rebuilt from them: name,
// X and Y in the zone (4 decimals, 0.1 mm), the height as Z, PLOT No. numbered. The file
// is refused whole (GeoFileError, FileReadError naming it; GeoRangeError naming the place
// and the zone) before anything in the list changes. Not done when it holds no place.
CommandOutcome ReadMapIntoList(FormState& form, int zone, const std::string& path);

// The cells of X and Y of every row that holds either, read as latitude and longitude
// (decimal degrees or degrees-minutes-seconds, geo/angle_text.h), replaced by X and Y in
// the zone (4 decimals). A row whose latitude or longitude is missing, no angle, or out
// of range or of the zone is refused naming the row, before any cell changes.
CommandOutcome ConvertLatLonColumns(TextGrid& list, int zone);

// The window's steps: the zone the form holds, or, when none, the one the user picks
// from the 19 (then held by the form); nothing when the choice is cancelled.
std::optional<int> ZoneOfFormOrAsk(FormState& form, Ui& ui);

// The question asked (Yes and No, Yes the default) before an existing file is replaced.
inline constexpr const char* kMapOverwriteQuestion = "すでにファイルが存在します．上書きしますか？";

// "地図ファイルに保存": the zone, the file chosen in a save dialog (".geojson" added to a
// name without extension), kMapOverwriteQuestion for a file that exists, SaveListAsMap.
// Not done, without a note, when cancelled or not answered Yes.
CommandOutcome SaveListAsMapDialog(FormState& form, Ui& ui);

// "地図ファイルを開く": the zone, the GeoJSON or KML file chosen, ReadMapIntoList.
CommandOutcome ReadMapIntoListDialog(FormState& form, Ui& ui);

}  // namespace vensa
