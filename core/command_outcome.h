// What a command did, returned as a value: the window shows it (the second status panel,
// a message box for each note) and vensa-cli prints it (the summary and the notes on
// standard error, the exit status). Neither reads a result back from the status bar or
// from messages a Ui recorded. A command with more to say (rows listed, counts read)
// returns a struct of its own that holds one of these as `outcome`.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vensa {

struct CommandOutcome {
  // False when the command did not finish (cancelled, refused, or failed part way): the
  // notes say why, and vensa-cli exits with status 1.
  bool done = true;
  // The second status panel's new text ("SIMA: 26 点、画地 3"), also the line vensa-cli
  // writes on standard error; empty clears the panel, none leaves it as it was.
  std::optional<std::string> summary;
  // What the user is told besides the summary, one message each: a message box in the
  // window, a line on standard error in vensa-cli.
  std::vector<std::string> notes;
  // Why the command did not finish, as the error said, when the system's own message says
  // less ("取得失敗") or nothing: vensa-cli prints it, the window shows the notes only.
  std::string cause;

  // The command did not finish; `note`, when not empty, says why.
  static CommandOutcome Failed(std::string note = {}) {
    CommandOutcome outcome;
    outcome.done = false;
    if (!note.empty()) outcome.notes.push_back(std::move(note));
    return outcome;
  }

  // The command did not finish for `cause` (an error's text, or why it could not start),
  // which vensa-cli prints; the window shows nothing more.
  static CommandOutcome FailedBecause(std::string cause) {
    CommandOutcome outcome = Failed();
    outcome.cause = std::move(cause);
    return outcome;
  }
};

}  // namespace vensa
