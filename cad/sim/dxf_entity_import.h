// Turns the ENTITIES section of an R12 insert file into drawing entities: POLYLINE with
// its VERTEX run and SEQEND, POINT, CIRCLE, TEXT and LINE. This is what the substitute
// CAD inserts; entities of other types are passed over and named in `skipped`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cad/sim/dxf_group_reader.h"
#include "cad/sim/sim_entity.h"

namespace vensa {

struct DxfImport {
  std::vector<SimEntity> entities;   // in file order, at their own coordinates, no handles
  std::vector<std::string> skipped;  // DXF types that were passed over
};

// `text` is the decoded file (UTF-8). DxfReadError for malformed group pairs, numbers
// that do not read, a VERTEX outside a polyline or a polyline without SEQEND.
DxfImport ImportDxfEntities(std::string_view text);

}  // namespace vensa
