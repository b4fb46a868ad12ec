// vensa-cli area: the area tables (座標求積表) of the parcels of INPUT, on standard output
// or into OUT.
#pragma once

#include <ostream>

#include "cli/arguments.h"
#include "state/form_state.h"

namespace vensa::cli {

// With INPUT read into `state`: the SIMA file's parcels when it had any, otherwise the
// coordinate list's rows in the range as one parcel. Refusals and warnings go to `err`,
// one line each; 1 when no table came out (nothing written then) or OUT exists without
// --force.
int RunArea(const Arguments& args, FormState& state, std::ostream& out, std::ostream& err);

}  // namespace vensa::cli
