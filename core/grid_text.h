// Grid clipboard text: the text form of a block of cells, exchanged with spreadsheets and
// editors. The cells of a row are joined by TAB; every row, the last included, is followed
// by CR LF. Cells are written without quoting; a TAB, CR LF, CR or LF inside a cell
// becomes one blank, so that no cell breaks the rows or columns.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_grid.h"

namespace vensa {

// The cells of the rectangle (inclusive), rows top to bottom, columns left to right.
std::string GridClipboardText(const TextGrid& grid, const GridRect& block);
// The same text written to `out` a piece at a time (a list of 100,000s of rows is not
// held twice). Returns the count of cells whose TABs or line breaks became blanks.
std::size_t WriteGridClipboardText(const TextGrid& grid, const GridRect& block, std::ostream& out);

// Clipboard text read back: lines cut at each CR LF (text after the last CR LF is
// dropped), each line cut into fields at each TAB, nothing trimmed. A clipboard that holds
// no text of rows (NUL bytes or other control characters, bytes that are not UTF-8) gives
// no lines, so a paste of it changes nothing.
std::vector<std::vector<std::string>> ParseGridClipboardText(std::string_view text);

}  // namespace vensa
