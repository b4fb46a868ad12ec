#include "cli/drawing_input.h"

#include <vector>

#include "cad/commands/get_from_cad.h"
#include "cad/commands/text_list.h"
#include "cad/entity_tables.h"
#include "cad/file/drawing_file_cad.h"
#include "cli/windowless_ui.h"
#include "core/error.h"
#include "core/text.h"

namespace vensa::cli {
namespace {

// The window's part in a command run on a drawing file: messages and errors are kept to
// be reported, questions are answered No (Cancel where offered), the window's own state is
// ignored.
class DrawingUi final : public WindowlessUi {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  MessageAnswer AskYesNoCancel(const std::string&) override { return MessageAnswer::Cancel; }
  MessageAnswer AskYesNo(const std::string&, bool) override { return MessageAnswer::No; }
  void ShowError(const std::string& text) override { errors.push_back(text); }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
};

// The drawing as the running CAD of whatever the target ProgID names.
struct DrawingSession {
  explicit DrawingSession(const std::string& path) : cad(path), platform(cad) {}

  // What the command told the user, as one line each; "取得失敗" and any other message
  // that means the command did not finish end the program.
  void ReportMessages(std::ostream& notes, const std::string& path) const {
    for (const std::string& message : ui.messages) {
      if (message != kNothingListedMessage) {
        throw VensaError(LineBreaksToBlanks(message) + ": " + path);
      }
      notes << LineBreaksToBlanks(message) << '\n';
    }
    for (const std::string& error : ui.errors) throw VensaError(error + ": " + path);
  }

  DrawingFileCad cad;
  DrawingFilePlatform platform;
  DrawingUi ui;
  EntityTables tables;
};

}  // namespace

void GetFromDrawing(const std::string& path, FormState& state, std::ostream& notes) {
  DrawingSession session(path);
  Button4Click(state, session.tables, session.platform, session.ui);
  const std::string_view summary = TrimBlanks(state.StatusBar1[1]);
  if (!summary.empty()) notes << summary << '\n';
  session.ReportMessages(notes, path);
}

void TextsFromDrawing(const std::string& path, FormState& state, std::ostream& notes) {
  DrawingSession session(path);
  Button6Click(state, session.tables, session.platform, session.ui);
  session.ReportMessages(notes, path);
}

}  // namespace vensa::cli
