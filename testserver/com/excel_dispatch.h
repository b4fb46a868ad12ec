// The spreadsheet's automation objects served through IDispatch: application, workbook,
// worksheet and range, each with its own member table.
#pragma once

#include <memory>

#include "sheet/excel_objects.h"
#include "testserver/com/dispatch_object.h"

namespace vensa::server {

win::ComPtr<IDispatch> ExcelApplicationDispatch(std::shared_ptr<ExcelApplication> app,
                                                ServerContext& server);

}  // namespace vensa::server
