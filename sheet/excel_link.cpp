#include "sheet/excel_link.h"

#include <exception>
#include <string>

#include "sheet/excel_error.h"

namespace vensa {

void ExcelLink::Release() {
  WorkSheet.reset();
  WorkBook.reset();
  MSExcel.reset();
  EXcelHandle = 0;
}

namespace {

// The running application object, or an error with the runtime's text.
std::shared_ptr<ExcelApplication> ActiveExcelApplication(Platform& platform) {
  std::optional<std::string> classId = platform.ClassIdFromProgId(kExcelProgId);
  if (!classId) throw ExcelAutomationError("Invalid class string: " + std::string(kExcelProgId));
  auto app = std::dynamic_pointer_cast<ExcelApplication>(platform.GetActiveObject(*classId));
  if (!app) throw ExcelAutomationError("Operation unavailable: " + std::string(kExcelProgId));
  return app;
}

}  // namespace

bool GetExcelApp(FormState& form, ExcelLink& link, Platform& platform) {
  link.EXcelHandle = platform.FindTopLevelWindow(kExcelWindowClass);
  if (link.EXcelHandle == 0) {
    link.Release();  // the spreadsheet is gone: nothing worth holding on to
    return false;
  }
  try {
    link.MSExcel = ActiveExcelApplication(platform);
    link.WorkBook = link.MSExcel->ActiveWorkBook();
    form.Caption = std::string(kApplicationTitle) + " - " + link.WorkBook->Name();
    link.WorkSheet = link.WorkBook->ActiveSheet();
    form.Caption = std::string(kApplicationTitle) + " [ " + link.WorkSheet->Name() + " ] ";
    return true;
  } catch (const std::exception&) {
    // Not running, no workbook open, a call refused: simply not attached. What was
    // taken in this attempt is dropped with the older references; nothing reads them
    // while the link is not attached.
    link.Release();
    return false;
  }
}

void ExcelRowSelect(FormState& form, ExcelLink& link, Platform& platform, int row) {
  if (row <= 0) return;
  try {
    if (link.EXcelHandle == 0) GetExcelApp(form, link, platform);
    if (link.EXcelHandle == 0) return;
    link.WorkSheet->Rows(row)->Select();
    platform.SetForegroundWindow(link.EXcelHandle);
  } catch (const std::exception&) {
    // A selection is only a convenience; a spreadsheet closed since the last attach
    // makes it fail here, and that is not worth a message.
  }
}

void ExcelColSelect(FormState& form, ExcelLink& link, Platform& platform, int column) {
  if (column <= 0) return;
  try {
    if (!GetExcelApp(form, link, platform)) return;
    link.WorkSheet->Columns(column)->Select();
    platform.SetForegroundWindow(link.EXcelHandle);
  } catch (const std::exception&) {
    // As for rows: errors of a selection are ignored.
  }
}

}  // namespace vensa
