// The area tables as a ruled drawing, in the sizes, layers and scale of the coordinate
// table ("XY 作表"): each parcel's name above its table and the truncation rule of 地積
// below it, the tables one below the other, the top-left corner at `corner`.
#pragma once

#include <vector>

#include "area/area_table.h"
#include "core/acad_point.h"
#include "dxf/dxf_writer.h"
#include "dxf/table.h"

namespace vensa {

// Appends the whole drawing (header to EOF). Every numeric column is as wide as a
// coordinate column of the coordinate table; `scale` multiplies every size.
void BuildAreaDrawing(DxfBuilder& out, const std::vector<AreaTable>& tables,
                      const TableOptions& options, double scale, const TAcadPoint& corner);

}  // namespace vensa
