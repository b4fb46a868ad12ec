#include "cad/com/com_cad_value.h"

#include <string>

#include "platform/automation_error.h"

namespace vensa::win {

CadValue ToCadValue(const Variant& value) {
  const VARIANT& v = value.Raw();
  switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return std::monostate{};
    case VT_R8:
      return v.dblVal;
    case VT_R4:
      return static_cast<double>(v.fltVal);
    case VT_I2:
      return static_cast<std::int32_t>(v.iVal);
    case VT_I4:
      return static_cast<std::int32_t>(v.lVal);
    case VT_INT:
      return static_cast<std::int32_t>(v.intVal);
    case VT_UI1:
      return static_cast<std::int32_t>(v.bVal);
    case VT_BOOL:
      return static_cast<std::int32_t>(v.boolVal != VARIANT_FALSE ? 1 : 0);
    case VT_BSTR:
      return v.bstrVal ? Narrow({v.bstrVal, SysStringLen(v.bstrVal)}) : std::string();
    default:
      break;
  }
  std::vector<double> numbers;
  if (VariantToDoubles(v, numbers)) return numbers;
  throw VariantError("CAD の値の型が扱えません (VARTYPE " + std::to_string(v.vt) + ")");
}

Variant PointArgument(const TAcadPoint& point) {
  return Variant::Doubles({point.x, point.y, point.z});
}

Variant ToVariant(const CadValue& value) {
  if (const auto* number = std::get_if<double>(&value)) return Variant(*number);
  if (const auto* integer = std::get_if<std::int32_t>(&value)) return Variant(*integer);
  if (const auto* numbers = std::get_if<std::vector<double>>(&value))
    return Variant::Doubles(*numbers);
  if (const auto* text = std::get_if<std::string>(&value)) return Variant(*text);
  return Variant();
}

}  // namespace vensa::win
