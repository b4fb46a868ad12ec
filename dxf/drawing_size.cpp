#include "dxf/drawing_size.h"

#include <cmath>
#include <string>

#include "core/number_format.h"
#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

double DrawingSize(std::string_view text, double scale, std::string_view setting) {
  const double size = ReadNumberCell(text);
  if (!std::isfinite(size) || size < 0.0) {
    throw DrawingSizeError(std::string(setting) + " は 0 以上の数で指定してください: \"" +
                           QuotedExcerpt(text) + "\"");
  }
  const double scaled = size * scale;
  if (!std::isfinite(scaled) || scaled < 0.0) {
    throw DrawingSizeError(std::string(setting) + " \"" + QuotedExcerpt(text) + "\" に尺度 " +
                           FormatG15(scale) + " を掛けた大きさは描けません");
  }
  return scaled;
}

}  // namespace vensa
