// The readers of outside data, each fed one input whole, as a fuzzer or the regression
// test gives it. An input a reader refuses with its own error (VensaError) is a pass;
// anything else that escapes (another exception, a crash, a sanitizer report) is a fault.
#pragma once

#include <string_view>
#include <vector>

namespace vensa::fuzz {

struct Reader {
  const char* name;  // also the folder of its seeds and of its regression inputs
  void (*read)(std::string_view bytes);
};

// SIMA files, the settings file, the target CAD list, the list text and the clipboard
// text, DXF drawings, spreadsheet files (CSV, XLSX), map files (GeoJSON, KML) and
// latitude/longitude lists.
const std::vector<Reader>& Readers();

// The reader of that name, or null.
const Reader* FindReader(std::string_view name);

}  // namespace vensa::fuzz
