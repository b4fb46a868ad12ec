// What the substitute CAD's "-INSERT *" takes of an insert file: the file read as every
// drawing is read, then its entities of the types our insert files hold (POLYLINE with its
// vertices, POINT, CIRCLE, TEXT and LINE); entities of other types are passed over and
// named in `skipped`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cad/sim/sim_entity.h"

namespace vensa {

struct InsertedEntities {
  std::vector<SimEntity> entities;   // in file order, at their own coordinates, no handles
  std::vector<std::string> skipped;  // DXF types that were passed over
};

// `bytes` are the file's own bytes; DxfReadError as the drawing reader gives it.
InsertedEntities ReadInsertFile(std::string_view bytes);

}  // namespace vensa
