// The command line of vensa-cli, parsed and checked before anything is read or written.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vensa::cli {

enum class Command { Help, Plot, Table, List, Sima, Excel, Get, Texts, Area, Geo, Cads };

// The list commands of "list", in the order given on the command line.
enum class ListOperation { SortByName, SortByNumber, Tidy };

struct Arguments {
  Command command = Command::Help;
  std::optional<std::string> settingsFile;
  std::vector<std::pair<std::string, std::string>> settings;  // "Section/Key", value
  std::string range;                                          // plot range text
  double scale = 1.0;                                         // drawing scale factor
  bool zeroZ = false;                                         // plot: "CADへ (Z=0)"
  bool yx = false;                                            // table: "YX 作表"
  bool force = false;       // plot, table, sima, excel, area: replace an existing OUT
  bool cad = false;         // plot, table: into the running target CAD instead of OUT
  bool excel = false;       // list: from the running spreadsheet's active worksheet, no INPUT
  std::optional<int> zone;  // --zone: the plane-rectangular zone, 1..19
  bool latlon = false;      // INPUT's X and Y cells hold latitude and longitude
  std::vector<ListOperation> listOperations;
  // area: the land category ("takuchi", "other"), the list's unit ("m", "mm"), both empty
  // for the settings' choice; the name of the list's parcel; the direction angles.
  std::string category;
  std::string unit;
  std::string parcelName;
  bool direction = false;
  bool listParcel = false;  // area: the list's rows even when the SIMA file has parcels
  std::string input;
  std::string output;
};

// Thrown for a command line that cannot be run; the message says what was wrong.
struct BadArguments {
  std::string message;
};

// Whether INPUT names a drawing: ".dxf", or ".dwg", which the drawing reader refuses with
// its own message, in any letter case.
bool IsDrawingInputName(const std::string& path);

// Whether the name is a map file's: ".geojson", ".json" or ".kml" in any letter case.
bool IsMapInputName(const std::string& path);

// Parses everything after the program name. Throws BadArguments.
Arguments ParseArguments(const std::vector<std::string>& args);

// The usage text with one worked example, as --help prints it.
std::string UsageText();

}  // namespace vensa::cli
