#include "sheet/sheet_value.h"

#include "core/number_format.h"

namespace vensa {

std::string SheetValueToText(const SheetValue& value) {
  if (value.IsText()) return value.AsText();
  if (value.IsNumber()) return FormatG15(value.AsNumber());
  return std::string();
}

}  // namespace vensa
