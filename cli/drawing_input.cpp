#include "cli/drawing_input.h"

#include <memory>

#include "cad/commands/get_from_cad.h"
#include "cad/commands/text_list.h"
#include "cad/entity_tables.h"
#include "cad/sim/drawing_file.h"
#include "core/error.h"
#include "core/text.h"
#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"

namespace vensa::cli {
namespace {

// The drawing as the running CAD of the target ProgID, with a window nobody sees.
struct DrawingSession {
  explicit DrawingSession(const std::string& path, const std::string& progId)
      : cad(OpenDrawingFile(path, log)), platform(log), ui(log) {
    cad->RegisterWith(platform, progId);
  }

  // What the command told the user, as one line each; "取得失敗" and any other message
  // that means the command did not finish end the program.
  void ReportMessages(std::ostream& notes, const std::string& path) const {
    for (const std::string& message : ui.Messages()) {
      if (message != kNothingListedMessage) {
        throw VensaError(LineBreaksToBlanks(message) + ": " + path);
      }
      notes << LineBreaksToBlanks(message) << '\n';
    }
    for (const std::string& error : ui.Errors()) throw VensaError(error + ": " + path);
  }

  std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
  std::unique_ptr<SimCad> cad;
  SimPlatform platform;
  SimUi ui;
  EntityTables tables;
};

}  // namespace

void GetFromDrawing(const std::string& path, FormState& state, std::ostream& notes) {
  DrawingSession session(path, state.TargetProgID);
  Button4Click(state, session.tables, session.platform, session.ui);
  const std::string_view summary = TrimBlanks(state.StatusBar1[1]);
  if (!summary.empty()) notes << summary << '\n';
  session.ReportMessages(notes, path);
}

void TextsFromDrawing(const std::string& path, FormState& state, std::ostream& notes) {
  DrawingSession session(path, state.TargetProgID);
  Button6Click(state, session.tables, session.platform, session.ui);
  session.ReportMessages(notes, path);
}

}  // namespace vensa::cli
