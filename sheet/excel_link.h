// The main window's hold on the running spreadsheet, and attaching to it. The references
// stay between commands: a row selection reuses them, every transfer and every column
// selection attaches again so that the workbook and sheet in front at that moment are used.
#pragma once

#include <memory>

#include "platform/platform.h"
#include "sheet/excel_objects.h"
#include "state/form_state.h"

namespace vensa {

inline constexpr const char* kExcelProgId = "Excel.Application";
inline constexpr const char* kExcelWindowClass = "XLMAIN";

struct ExcelLink {
  WindowHandle EXcelHandle = 0;  // the spreadsheet's main window; 0 = not attached
  std::shared_ptr<ExcelApplication> MSExcel;
  std::shared_ptr<ExcelWorkbook> WorkBook;    // its active workbook at the last attach
  std::shared_ptr<ExcelWorksheet> WorkSheet;  // that workbook's active sheet; all cell access

  bool Attached() const { return EXcelHandle != 0; }
  // Drops the references, the sheet first; the window does this when it is destroyed.
  void Release();
};

// Attaches to the running spreadsheet: finds its main window, takes the running
// application object, its active workbook and that workbook's active sheet, and shows
// their names in the caption ("<title> - <book>", then "<title> [ <sheet> ] "). Any
// failure leaves the link not attached and shows nothing. True when attached.
bool GetExcelApp(FormState& form, ExcelLink& link, Platform& platform);

// Selects worksheet row `row` and brings the spreadsheet forward. Reuses the last
// attachment while there is one. Rows below 1 and every error are ignored.
void ExcelRowSelect(FormState& form, ExcelLink& link, Platform& platform, int row);

// Selects worksheet column `column` (1 = "A") and brings the spreadsheet forward, always
// attaching again so the sheet in front is the one used. Columns below 1 and every error
// are ignored.
void ExcelColSelect(FormState& form, ExcelLink& link, Platform& platform, int column);

}  // namespace vensa
