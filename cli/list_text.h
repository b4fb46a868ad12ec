// The LIST text of the command-line program: one coordinate list row per line, cells
// separated by TAB in the order name, X, Y, Z.
#pragma once

#include <string>
#include <string_view>
#include "core/file_io.h"

#include "core/text_grid.h"

namespace vensa::cli {

// The most rows a list text may make: far beyond any survey, and a bound on the memory a
// file of short lines can claim before anything is shown.
inline constexpr int kListTextMaxRows = 1'000'000;
// The largest list text read: a million rows of long names and coordinates.
inline constexpr ReadCap kListTextCap{std::uint64_t{256} << 20, "座標リストのテキスト"};

// Decodes the bytes (UTF-8 with or without BOM, UTF-16 with BOM, else ANSI), makes one
// list row per line (an empty line is an empty row; nothing after the last line end makes
// no row), leaves missing cells empty, ignores cells after Z and numbers PLOT No. 1..n.
// Bytes that are no text of rows (NUL bytes and other control characters, bytes the
// encoding cannot decode) and texts of more than kListTextMaxRows lines are refused with
// a VensaError naming `name` (and the first bad line).
TextGrid ReadListText(std::string_view bytes, const std::string& name = "");

}  // namespace vensa::cli
