// A worksheet as a CSV file: comma-separated cells, one worksheet row per line, a cell in
// double quotes where it holds a comma, a quote or a line end (a quote doubled inside).
#pragma once

#include <string>
#include <string_view>

#include "sheet/file/file_worksheet.h"

namespace vensa {

// Reads the bytes of a CSV file from row 1, column A. The bytes are decoded as every
// other input: a byte-order mark, else valid UTF-8, else the ANSI code page (CP932).
// Lines end in CR LF, LF or CR, also inside a quoted cell, where they stay part of the
// text; rows may have any number of cells; an empty cell stays empty. Every cell is text:
// the reader of the list decides which columns hold numbers (FileWorksheet::TypeNumbers).
// A quote left open, a control character or bytes the encoding cannot decode, and more
// than a worksheet holds, are refused with a FileReadError naming `path`.
FileWorksheet ReadCsv(std::string_view bytes, const std::string& path);

// The cells as CSV text: UTF-8 with a byte-order mark (so the spreadsheet application
// takes it as UTF-8), CR LF after every row from row 1 to the last one holding something,
// each row's cells from column A to its last one, numbers in the general form. Only cells
// holding a comma, a quote, a line end or blanks at either end are quoted.
std::string CsvBytes(const FileWorksheet& sheet);

// One cell as CsvBytes writes it, for writers that stream their rows.
void AppendCsvCell(std::string& out, std::string_view text);

}  // namespace vensa
