// A drawing file read with the rules of the window's commands: the drawing opened as the
// running CAD, then "CADから" or "TEXT 取得" run on it with the settings given. The
// drawing and the entities read from it are let go of when the command returns.
#pragma once

#include <string>

#include "cad/commands/get_from_cad.h"
#include "cad/commands/text_list.h"
#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa::cli {

// "CADから" on the drawing: fills the coordinate list. Throws for a drawing that cannot
// be read.
GetFromCadOutcome GetFromDrawing(const std::string& path, FormState& state, Ui& ui);

// "TEXT 取得" on the drawing: fills the text list. Throws as GetFromDrawing.
GetTextsOutcome TextsFromDrawing(const std::string& path, FormState& state, Ui& ui);

}  // namespace vensa::cli
