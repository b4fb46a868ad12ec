#include "cad/cad_value.h"

#include <cmath>
#include <limits>

#include "core/number_format.h"
#include "core/number_read.h"
#include "platform/automation_error.h"

namespace vensa {

TAcadPoint VariantToPoint(const CadValue& value) {
  const auto* array = std::get_if<std::vector<double>>(&value);
  if (array == nullptr || array->size() < 3) {
    throw VariantError("点の値ではありません: " + VariantText(value));
  }
  return TAcadPoint{(*array)[0], (*array)[1], (*array)[2]};
}

double VariantToDouble(const CadValue& value) {
  if (const auto* d = std::get_if<double>(&value)) return *d;
  if (const auto* i = std::get_if<std::int32_t>(&value)) return *i;
  if (const auto* s = std::get_if<std::string>(&value)) {
    if (auto number = TryReadNumber(*s)) return *number;
  }
  throw VariantError("数値ではありません: " + VariantText(value));
}

std::int32_t VariantToInteger(const CadValue& value) {
  if (const auto* i = std::get_if<std::int32_t>(&value)) return *i;
  if (const auto* d = std::get_if<double>(&value)) {
    if (std::isfinite(*d) && *d == std::trunc(*d) &&
        *d >= std::numeric_limits<std::int32_t>::min() &&
        *d <= std::numeric_limits<std::int32_t>::max()) {
      return static_cast<std::int32_t>(*d);
    }
  }
  throw VariantError("整数ではありません: " + VariantText(value));
}

std::string VariantText(const CadValue& value) {
  if (const auto* d = std::get_if<double>(&value)) return FormatG15(*d);
  if (const auto* i = std::get_if<std::int32_t>(&value)) return std::to_string(*i);
  if (const auto* s = std::get_if<std::string>(&value)) return *s;
  if (const auto* a = std::get_if<std::vector<double>>(&value)) {
    std::string text;
    for (std::size_t k = 0; k < a->size(); ++k) {
      if (k > 0) text += ',';
      AppendG15(text, (*a)[k]);
    }
    return text;
  }
  return "(empty)";
}

}  // namespace vensa
