// The spreadsheet's object model over late-bound automation calls on the running
// spreadsheet. Failures are ComError (the spreadsheet's or the system's text).
#pragma once

#include <memory>

#include "platform/win/dispatch.h"
#include "sheet/excel_objects.h"

namespace vensa::win {

std::shared_ptr<ExcelApplication> MakeComExcelApplication(Dispatch application);

}  // namespace vensa::win
