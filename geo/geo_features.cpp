#include "geo/geo_features.h"

#include "core/number_format.h"

namespace vensa {

void AppendLonLatHeight(std::string& out, LatLon p, const std::optional<double>& height) {
  AppendFixed(out, p.longitude, kGeoDegreeDecimals);
  out += ',';
  AppendFixed(out, p.latitude, kGeoDegreeDecimals);
  if (height) {
    out += ',';
    AppendG15(out, *height);
  }
}

std::string VertexName(std::string_view featureName, std::size_t k) {
  std::string name(featureName);
  if (!name.empty()) name += '-';
  name += std::to_string(k);
  return name;
}

}  // namespace vensa
