// A worksheet saved as an XLSX workbook of one sheet.
#pragma once

#include <string>

#include "sheet/file/file_worksheet.h"

namespace vensa {

// The workbook's bytes: one sheet named as the worksheet, number cells as numbers, text
// cells as text (a text that looks like a number stays text: the caller types the cells
// it wants as numbers first, FileWorksheet::TypeNumbers). The library that packs it
// writes to a file: a temporary one in the system's temporary folder, read back and
// removed. Throws FileCreateError naming `path` when it cannot be made.
std::string XlsxBytes(const FileWorksheet& sheet, const std::string& path);

}  // namespace vensa
