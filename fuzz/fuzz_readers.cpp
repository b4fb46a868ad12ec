#include "fuzz/fuzz_readers.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "cli/list_text.h"
#include "cli/run.h"
#include "core/encoding.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/grid_text.h"
#include "core/list_headers.h"
#include "dxf/drawing_reader.h"
#include "geo/angle_text.h"
#include "geo/commands/geo_commands.h"
#include "geo/geojson.h"
#include "geo/kml.h"
#include "geo/plane_zone.h"
#include "platform/clipboard.h"
#include "sheet/excel_transfer.h"
#include "sheet/file/csv_sheet.h"
#include "sheet/file/xlsx_reader.h"
#include "sima/sima_reader.h"
#include "sima/sima_record.h"
#include "state/form_state.h"
#include "state/grid_edit.h"
#include "state/ini_document.h"
#include "state/settings_file.h"
#include "state/target_cad_list.h"

namespace vensa::fuzz {
namespace {

// Refusals are what a reader does with input it cannot take.
template <typename Read>
void Refusing(Read read) {
  try {
    read();
  } catch (const VensaError&) {
  }
}

void ReadSima(std::string_view bytes) {
  for (const SimaReadOptions options :
       {SimaReadOptions{true, true}, SimaReadOptions{false, false}}) {
    TextGrid readList = MakeSimaList();
    TextGrid coordList = TextGrid::WithHeaders(CoordListHeaders(), 4);
    Refusing([&] { LoadSimaBytes(bytes, options, readList, coordList); });
  }
}

// Read at start-up, written back at shut-down: both halves see the file's lines.
void ReadSettings(std::string_view bytes) {
  Refusing([&] {
    IniDocument settings(DecodeText(bytes).text);
    FormState state = InitialFormState();
    ApplySettings(state, settings, ScreenMetrics{400, 300, 1920, 1080});
    StoreSettings(state, settings);
    EncodeSettingsText(settings.Text());
  });
}

void ReadTargetCadList(std::string_view bytes) {
  Refusing([&] {
    const TargetCadList list = ParseTargetCadList(bytes);
    FormState state = InitialFormState();
    ApplyTargetName(state, list.lines);
    TargetCadListBytes(list);
  });
}

class TextClipboard : public Clipboard {
 public:
  explicit TextClipboard(std::string text) : text_(std::move(text)) {}
  std::string GetText() override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

// The list text of vensa-cli, and the same bytes as clipboard text pasted into the list.
void ReadListTexts(std::string_view bytes) {
  Refusing([&] { cli::ReadListText(bytes, "fuzz"); });
  TextClipboard clipboard{std::string(bytes)};
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), 3);
  list.current = {1, 2};
  list.selection = {1, 2, 2, 3};
  PasteWithRepetition(list, clipboard);
  PasteAtSelection(list, clipboard);
}

void ReadDrawingBytes(std::string_view bytes) {
  Refusing([&] { ReadDrawing(bytes); });
}

// "CADから" over the whole drawing as vensa-cli's get runs it: the listing and the
// point-name search multiply what a drawing holds (one long text naming many points,
// texts piled on one spot), which reading it alone does not show.
void ListDrawing(std::string_view bytes) {
  static const std::string path = [] {
    const auto token = std::random_device{}();
    return PathToUtf8(std::filesystem::temp_directory_path() /
                      ("vensa-fuzz-" + std::to_string(token) + ".dxf"));
  }();
  SaveFileAtomically(path, bytes);
  std::ostringstream out, err;
  cli::Run({"get", path}, out, err, cli::Automation{});
  RemoveFileIfExists(path);
}

// A spreadsheet file's worksheet, then "Exceｌから" on it with Z on, as the window reads it.
void ReadSheet(FileWorksheet sheet) {
  FormState state = InitialFormState();
  state.CheckBox8.checked = true;
  sheet.TypeNumbers({2, 3, 4});
  ReadListFromSheet(state, sheet);
}

void ReadCsvSheet(std::string_view bytes) {
  Refusing([&] { ReadSheet(ReadCsv(bytes, "fuzz.csv")); });
}

void ReadXlsxSheet(std::string_view bytes) {
  Refusing([&] { ReadSheet(ReadXlsx(bytes, "fuzz.xlsx")); });
}

// The places of a map file, each taken into the zone its longitude lies nearest to.
void TakePlaces(const std::vector<GeoPlace>& places) {
  for (const GeoPlace& place : places) {
    Refusing([&] {
      const int zone = place.position.longitude < 135.0 ? 2 : 9;
      PlaneToLatLon(zone, LatLonToPlane(zone, place.position));
    });
  }
}

void ReadGeoJsonBytes(std::string_view bytes) {
  Refusing([&] { TakePlaces(ReadGeoJson(bytes, "fuzz.geojson")); });
}

void ReadKmlBytes(std::string_view bytes) {
  Refusing([&] { TakePlaces(ReadKml(bytes, "fuzz.kml")); });
}

// A latitude/longitude list as vensa-cli --latlon reads it: the list text, its X and Y
// cells taken as angles; and each line as one angle text.
void ReadLatLonText(std::string_view bytes) {
  Refusing([&] {
    TextGrid list = cli::ReadListText(bytes, "fuzz");
    ConvertLatLonColumns(list, 9);
  });
  std::size_t start = 0;
  while (start <= bytes.size()) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    ReadAngleText(bytes.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

const std::vector<Reader>& Readers() {
  static const std::vector<Reader> readers = {
      {"sima", ReadSima},
      {"settings", ReadSettings},
      {"target_cad_list", ReadTargetCadList},
      {"list_text", ReadListTexts},
      {"drawing", ReadDrawingBytes},
      {"drawing_listing", ListDrawing},
      {"csv_sheet", ReadCsvSheet},
      {"xlsx_sheet", ReadXlsxSheet},
      {"geojson", ReadGeoJsonBytes},
      {"kml", ReadKmlBytes},
      {"latlon_text", ReadLatLonText},
  };
  return readers;
}

const Reader* FindReader(std::string_view name) {
  for (const Reader& reader : Readers())
    if (name == reader.name) return &reader;
  return nullptr;
}

}  // namespace vensa::fuzz
