#include "geo/geo_features.h"

namespace vensa {

std::string VertexName(std::string_view featureName, std::size_t k) {
  std::string name(featureName);
  if (!name.empty()) name += '-';
  name += std::to_string(k);
  return name;
}

}  // namespace vensa
