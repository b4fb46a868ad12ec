// Native controls elsewhere already fit the window's fixed layout.
#include "app/compact_style.h"

namespace vensa {

void ApplyCompactStyle() {}

}  // namespace vensa
