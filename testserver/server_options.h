// The command line of vensa-testserver:
//   --progid PROGID [--drawing FILE.dxf] [--picks "x,y,z;x,y,z"] [--sheet FILE.tsv]
//   [--save-drawing OUT.dxf] [--save-sheet OUT.tsv] [--seconds N]
// "Excel.Application" as ProgID serves the spreadsheet, any other ProgID the CAD.
#pragma once

#include <string>
#include <vector>

#include "core/acad_point.h"
#include "core/error.h"

namespace vensa {

struct ServerOptions {
  std::string progId;
  std::string drawing;
  std::vector<TAcadPoint> picks;
  std::string sheet;
  std::string saveDrawing;
  std::string saveSheet;
  int seconds = 60;

  bool ServesSpreadsheet() const;
};

class ServerUsageError : public VensaError {
 public:
  using VensaError::VensaError;
};

// The arguments after the program name, UTF-8. ServerUsageError names what is wrong.
ServerOptions ParseServerOptions(const std::vector<std::string>& args);

// "x,y,z;x,y" (z may be left out): the points in order; ServerUsageError for a part that
// is no point.
std::vector<TAcadPoint> ParsePicks(const std::string& text);

extern const char kServerUsage[];

}  // namespace vensa
