// Entities for the CAD tests.
#pragma once

#include <string>

#include "cad/sim/sim_cad.h"

namespace vensa::test {

// An entity of the class on the layer, every other property as a new entity has it.
inline SimEntity Ent(const std::string& className, const std::string& layer = "0") {
  SimEntity e;
  e.className = className;
  e.layer = layer;
  return e;
}

}  // namespace vensa::test
