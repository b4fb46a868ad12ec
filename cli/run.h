// The command-line program as a function, so tests run it without a process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vensa::cli {

// What the commands that drive the running CAD and spreadsheet need. Without a platform
// (systems without COM automation) they fail with a message saying so.
struct Automation {
  Platform* platform = nullptr;
  std::string insertFile;  // the insert file beside the program
};

inline constexpr char kNoAutomationMessage[] = "COM automation is not available here";

// Runs one command line (without the program name); returns the exit status: 0 done,
// 1 failed (message on err, nothing written), 2 bad arguments (usage on err).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const Automation& automation = {});

}  // namespace vensa::cli
