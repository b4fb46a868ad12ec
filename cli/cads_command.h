// vensa-cli cads: the CAD applications registered on this machine, as the target CAD
// dialog's "検出" lists them.
#pragma once

#include <ostream>

#include "cli/run.h"

namespace vensa::cli {

// One line each on `out` (name, TAB, ProgID, TAB, "起動中" or "未起動"); none found is said
// on `err`. Without COM automation the message saying so, and status 1.
int RunCads(const Automation& automation, std::ostream& out, std::ostream& err);

}  // namespace vensa::cli
