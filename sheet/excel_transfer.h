// The three transfers between the worksheet and the window's lists: "Exceｌから" reads
// the coordinate list, the two "Excelへ" write the coordinate list and the text list.
// Which worksheet columns hold name, X, Y and Z, and the first worksheet row, come from
// the group "Excel" of the main tab.
#pragma once

#include <vector>

#include "core/text_grid.h"
#include "platform/platform.h"
#include "sheet/excel_link.h"
#include "state/form_state.h"

namespace vensa {

// One field of a transfer: list column `listColumn` goes to and from worksheet column
// `sheetColumn` (1 = "A").
struct TransferField {
  int listColumn = 0;
  int sheetColumn = 0;
};

// The fields in transfer order: name, X, Y, and Z only while "Z座標" is on.
std::vector<TransferField> TransferFields(const FormState& form);

// "Exceｌから": rebuilds the coordinate list from the active worksheet, row after row
// from the start row until the first row whose X or Y cell is empty, then numbers the
// PLOT No. column. Nothing happens without a spreadsheet; an error while reading ends
// the read silently with the rows taken so far.
void ReadListFromExcel(FormState& form, ExcelLink& link, Platform& platform);

// The reading of "Exceｌから" from the given worksheet: the coordinate list rebuilt from it,
// PLOT No. numbered, the list display group off and the summary panel cleared. An error
// of the worksheet passes through, the rows taken so far left in the list.
void ReadListFromSheet(FormState& form, ExcelWorksheet& sheet);

// "Excelへ" of the main tab: writes the coordinate list to the active worksheet. Errors
// are not caught: they end the transfer at the failing cell and reach the general error
// report.
void WriteCoordListToExcel(FormState& form, ExcelLink& link, Platform& platform);

// "Excelへ" of the " TEXT " tab: the same for the text list.
void WriteTextListToExcel(FormState& form, ExcelLink& link, Platform& platform);

// The common write: list rows 1..n to worksheet rows start row .. start row + n - 1. An
// empty list cell leaves its worksheet cell as it was.
void WriteListToSheet(const FormState& form, const TextGrid& list, ExcelWorksheet& sheet);

}  // namespace vensa
