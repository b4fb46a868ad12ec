// A drawing file read with the rules of the window's commands: the drawing opened as the
// running CAD, then "CADから" or "TEXT 取得" run on it with the settings given.
#pragma once

#include <ostream>
#include <string>

#include "state/form_state.h"

namespace vensa::cli {

// "CADから" on the drawing: fills the coordinate list. The read summary and the message
// for entities read but not listed go to `notes`, one line each. Throws for a drawing
// that cannot be read and when the command reports "取得失敗".
void GetFromDrawing(const std::string& path, FormState& state, std::ostream& notes);

// "TEXT 取得" on the drawing: fills the text list. Throws as GetFromDrawing.
void TextsFromDrawing(const std::string& path, FormState& state, std::ostream& notes);

}  // namespace vensa::cli
