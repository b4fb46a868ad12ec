// The test server's worksheet as a TSV file: one worksheet row per line from row 1, cells
// separated by TAB from column A. Loading turns texts that read as numbers into numbers,
// as a spreadsheet does with what is typed; saving writes numbers in their general form.
#pragma once

#include <string>

#include "sheet/sim/sim_worksheet.h"

namespace vensa {

// `text` is decoded UTF-8; lines end in CR LF or LF.
void LoadSheetTsv(SimWorksheet& sheet, const std::string& text);

// Every row up to the last one holding something, each up to its last cell holding
// something; CR LF after every line.
std::string SheetTsvText(const SimWorksheet& sheet);

// The file is read with the usual detection of its encoding; FileReadError when missing.
void LoadSheetTsvFile(SimWorksheet& sheet, const std::string& path);
// Written in UTF-8, so names survive whatever the system's code page holds.
void SaveSheetTsvFile(const SimWorksheet& sheet, const std::string& path);

}  // namespace vensa
