// What a command did, returned as a value: the window shows it (the status panels, a
// message box for each note) and vensa-cli prints it (the summary and the notes on
// standard error, the exit status). Neither reads a result back from the status bar or
// from messages a Ui recorded. A command with more to say (rows listed, counts read)
// returns a struct of its own that holds one of these.
#pragma once

#include <string>
#include <vector>

namespace vensa {

struct CommandOutcome {
  // False when the command did not finish: what it would have changed or written is left
  // as it was, and the notes say why. vensa-cli then exits with status 1.
  bool done = true;
  // One line for the second status panel and standard error ("SIMA: 26 点, 画地 3"); empty
  // when there is nothing to say.
  std::string summary;
  // What the user is told besides the summary, one message each: a message box in the
  // window, a line on standard error in vensa-cli.
  std::vector<std::string> notes;
};

}  // namespace vensa
