// The first worksheet of an XLSX workbook, read into memory.
#pragma once

#include <string>
#include <string_view>

#include "sheet/file/file_worksheet.h"

namespace vensa {

// Reads the workbook's first sheet (the first <sheet> of its workbook part, found through
// the package's relationships) from the file's bytes. Cells take what the sheet holds:
// numbers as numbers, shared and inline strings and a formula's text result as text, a
// formula's cached number as that number, truth values as "TRUE" / "FALSE", error values
// and dates as the text stored; cells without a value stay empty. Cells are placed by
// their references ("AB12"), or one after another where a writer leaves them out.
// Refused with a FileReadError naming `path`: bytes that are no zip or no workbook, a
// broken part, XML that is not well-formed, a reference or a number that is none, and a
// workbook unpacking to more than ZipPackage::kMaxUnpackedBytes or holding more than a
// FileWorksheet may.
FileWorksheet ReadXlsx(std::string_view bytes, const std::string& path);

}  // namespace vensa
