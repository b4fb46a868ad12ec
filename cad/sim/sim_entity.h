// One entity of the substitute CAD's drawing, with the properties the system reads.
// Which properties an entity answers depends on its class, as in a real CAD.
#pragma once

#include <string>

#include "cad/class_members.h"
#include "dxf/drawing_entity.h"

namespace vensa {

// A drawing's entity as the substitute CAD holds it: with its handle, and erased entities
// kept until the end so their handles stay taken.
struct SimEntity : DrawingEntity {
  std::string handle;
  bool erased = false;
};

}  // namespace vensa
