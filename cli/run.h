// The command-line program as a function, so tests run it without a process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vensa::cli {

// Runs one command line (without the program name); returns the exit status: 0 done,
// 1 failed (message on err, nothing written), 2 bad arguments (usage on err).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vensa::cli
