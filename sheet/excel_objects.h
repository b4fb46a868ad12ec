// The spreadsheet's automation objects as the link uses them: one method per member the
// system asks for and nothing more. References are shared: the window keeps the
// application, workbook and worksheet between commands, ranges live for one call.
//
// Every method may throw an error carrying the error's own text (ExcelAutomationError from
// the substitute, AutomationError from the Windows adapters, both VensaError): a refused
// call, a server that has gone away, an argument out of range.
#pragma once

#include <memory>
#include <string>

#include "platform/automation_object.h"
#include "sheet/sheet_value.h"

namespace vensa {

// The last row of a worksheet, in the spreadsheet application and in a file alike.
inline constexpr int kWorksheetLastRow = 1048576;

// A cell, a whole row or a whole column of a worksheet.
class ExcelRange {
 public:
  virtual ~ExcelRange() = default;
  // The range becomes the selection, visible in the worksheet.
  virtual void Select() = 0;
  // The value of a one-cell range.
  virtual SheetValue Value() = 0;
  // The cell receives the text.
  virtual void SetValue(const std::string& text) = 0;
};

class ExcelWorksheet {
 public:
  virtual ~ExcelWorksheet() = default;
  virtual std::string Name() = 0;
  // Worksheet rows and columns are numbered from 1.
  virtual std::shared_ptr<ExcelRange> Cells(int row, int column) = 0;
  virtual std::shared_ptr<ExcelRange> Rows(int row) = 0;
  virtual std::shared_ptr<ExcelRange> Columns(int column) = 0;
};

class ExcelWorkbook {
 public:
  virtual ~ExcelWorkbook() = default;
  virtual std::string Name() = 0;
  // The sheet in front; throws when there is none.
  virtual std::shared_ptr<ExcelWorksheet> ActiveSheet() = 0;
};

// What the platform hands out as the running object registered as "Excel.Application".
class ExcelApplication : public AutomationObject {
 public:
  // The workbook in front; throws when no workbook is open (the automation interface
  // answers "nothing" there, which is an error to every caller of the link).
  virtual std::shared_ptr<ExcelWorkbook> ActiveWorkBook() = 0;
};

}  // namespace vensa
