// A substitute spreadsheet application for tests and for machines without one: workbooks
// of worksheets whose cells hold text, numbers or nothing, an active workbook and sheet,
// the current selection, a main window of class "XLMAIN" and a running object under
// "Excel.Application" in a SimPlatform.
//
// Every automation call is recorded as one line of the call log (shared with the
// platform when the test wants one order across both):
//   "app.ActiveWorkBook"  "book.Name"  "book.ActiveSheet"  "sheet.Name"
//   "sheet.Cells(3,2)"    "sheet.Rows(5)"  "sheet.Columns(2)"
//   "B3.Select"  "B3.Value"  "B3.Value=12.5"  "5:5.Select"  "B:B.Select"
// A call can be scripted to fail: FailAt("range.Value", 3, "text") makes the third
// "range.Value" call from now on throw ExcelAutomationError("text"). The member keys are
// "app.ActiveWorkBook", "book.Name", "book.ActiveSheet", "sheet.Name", "sheet.Cells",
// "sheet.Rows", "sheet.Columns", "range.Select", "range.Value" and "range.Value=".
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/call_log.h"
#include "platform/sim/sim_platform.h"
#include "sheet/excel_objects.h"
#include "sheet/sim/sim_worksheet.h"

namespace vensa {

namespace sim_excel_detail {
struct Server;
}

class SimExcel {
 public:
  static constexpr const char* kProgId = "Excel.Application";
  static constexpr const char* kClassId = "{SIM-SPREADSHEET-APPLICATION}";
  static constexpr const char* kWindowClass = "XLMAIN";
  static constexpr WindowHandle kDefaultWindow = 0x5100;

  explicit SimExcel(std::shared_ptr<CallLog> log = std::make_shared<CallLog>());
  ~SimExcel();
  SimExcel(const SimExcel&) = delete;
  SimExcel& operator=(const SimExcel&) = delete;

  // Opens a workbook with the named sheets (the first one active) and brings it in front.
  // Returns its first sheet.
  SimWorksheet& AddWorkbook(const std::string& name,
                            const std::vector<std::string>& sheetNames = {"Sheet1"});
  void ActivateWorkbook(const std::string& name);
  void ActivateSheet(const std::string& book, const std::string& sheet);
  // Closes the workbook; references to it and its sheets fail from now on.
  void CloseWorkbook(const std::string& name);
  SimWorksheet& Sheet(const std::string& book, const std::string& sheet);
  // The sheet in front; std::logic_error when no workbook is open.
  SimWorksheet& ActiveSheet();

  // Makes the application reachable: its class under kProgId, its running object and
  // its main window in the platform's tables.
  void Start(SimPlatform& platform, WindowHandle window = kDefaultWindow, bool minimized = false);
  // Ends the application: it leaves the platform's tables, and every reference still held
  // fails from now on, as calls into a server that has gone away do.
  void Quit(SimPlatform& platform);
  bool Running() const;
  WindowHandle Window() const { return window_; }

  // The application object itself, as GetActiveObject hands it out.
  std::shared_ptr<ExcelApplication> Application();

  void FailAt(const std::string& member, int k, const std::string& text);

  CallLog& Log();

 private:
  std::shared_ptr<sim_excel_detail::Server> server_;
  std::shared_ptr<ExcelApplication> application_;
  WindowHandle window_ = 0;
};

}  // namespace vensa
