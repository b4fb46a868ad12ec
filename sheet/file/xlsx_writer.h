// A worksheet saved as an XLSX workbook of one sheet.
#pragma once

#include <string>

#include "sheet/file/file_worksheet.h"

namespace vensa {

// Writes the workbook into `file`: one sheet named as the worksheet, number cells as
// numbers, text cells as text (a text that looks like a number stays text: the caller
// types the cells it wants as numbers first, FileWorksheet::TypeNumbers). The library
// that packs it writes by file name, so `file` is the save's own temporary file beside
// `path` (AtomicFileWriter::HandOverTemporaryFile). Throws FileCreateError naming `path`
// when it cannot be made.
void WriteXlsxFile(const FileWorksheet& sheet, const std::string& file, const std::string& path);

}  // namespace vensa
