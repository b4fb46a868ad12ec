// What a command did, as vensa-cli prints it: the summary and the notes on standard error.
#pragma once

#include <ostream>

#include "core/command_outcome.h"

namespace vensa::cli {

// The summary (blanks at its ends trimmed; nothing when empty) and each note on a line of
// its own, line breaks within a note as blanks. True when the command finished.
bool PrintOutcome(const CommandOutcome& outcome, std::ostream& err);

}  // namespace vensa::cli
