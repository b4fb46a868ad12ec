#include "cli/drawing_input.h"

#include "cad/entity_tables.h"
#include "cad/file/drawing_file_cad.h"

namespace vensa::cli {
namespace {

// The drawing as the running CAD of whatever the target ProgID names.
struct DrawingSession {
  explicit DrawingSession(const std::string& path) : cad(path), platform(cad) {}

  DrawingFileCad cad;
  DrawingFilePlatform platform;
  EntityTables tables;
};

}  // namespace

GetFromCadOutcome GetFromDrawing(const std::string& path, FormState& state, Ui& ui) {
  DrawingSession session(path);
  return GetFromCad(state, session.tables, session.platform, ui);
}

GetTextsOutcome TextsFromDrawing(const std::string& path, FormState& state, Ui& ui) {
  DrawingSession session(path);
  return GetTextsFromCad(state, session.tables, session.platform, ui);
}

}  // namespace vensa::cli
