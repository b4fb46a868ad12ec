// A failed call into the spreadsheet's automation interface. The message is the error's
// own text as the spreadsheet (or the automation runtime) gave it, so the general error
// report shows the user exactly that.
#pragma once

#include <string>

#include "core/error.h"

namespace vensa {

class ExcelAutomationError : public VensaError {
 public:
  using VensaError::VensaError;
};

}  // namespace vensa
