// The LIST text of the command-line program: one coordinate list row per line, cells
// separated by TAB in the order name, X, Y, Z.
#pragma once

#include <string_view>

#include "core/text_grid.h"

namespace vensa::cli {

// Decodes the bytes (UTF-8 with or without BOM, UTF-16 with BOM, else ANSI), makes one
// list row per line (an empty line is an empty row; nothing after the last line end makes
// no row), leaves missing cells empty, ignores cells after Z and numbers PLOT No. 1..n.
TextGrid ReadListText(std::string_view bytes);

}  // namespace vensa::cli
