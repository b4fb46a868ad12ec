// The toolkit's spacing made compact enough for the controls of a 391 x 464 window, where
// the toolkit's theme would otherwise make them overlap (compact_style_*.cpp).
#pragma once

namespace vensa {

void ApplyCompactStyle();

}  // namespace vensa
