// What every spreadsheet command test starts from: a substitute platform with a running
// substitute spreadsheet (one workbook "Book1.xlsx" with "Sheet1" and "Sheet2"), the
// window's state as it is created, and a link not yet attached. Platform and spreadsheet
// share one call log, so the order of calls across both can be asserted.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "sheet/excel_link.h"
#include "sheet/sim/sim_excel.h"
#include "state/form_state.h"

namespace vensa {

using Lines = std::vector<std::string>;

struct SheetWorld {
  SheetWorld() : excel(platform.SharedLog()), form(InitialFormState()) {
    excel.AddWorkbook("Book1.xlsx", {"Sheet1", "Sheet2"});
    excel.Start(platform);
  }

  SimWorksheet& Sheet() { return excel.ActiveSheet(); }
  const Lines& Calls() { return platform.Log().Lines(); }
  void ClearCalls() { platform.Log().Clear(); }
  // The calls starting with `prefix`, in order.
  Lines CallsStartingWith(const std::string& prefix) {
    Lines out;
    for (const auto& line : Calls()) {
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    }
    return out;
  }

  // The lines one attach makes when everything answers.
  static Lines AttachCalls() {
    return {"FindTopLevelWindow XLMAIN",
            "ClassIdFromProgId Excel.Application",
            std::string("GetActiveObject ") + SimExcel::kClassId,
            "app.ActiveWorkBook",
            "book.Name",
            "book.ActiveSheet",
            "sheet.Name"};
  }

  SimPlatform platform;
  SimExcel excel;
  FormState form;
  ExcelLink link;
};

class SheetCommandTest : public ::testing::Test, public SheetWorld {};

}  // namespace vensa
