// The test server's drawing written back as an R12 DXF file when it ends: its layers in a
// LAYER table, then every entity it holds (lines, arcs, circles, points, texts and
// polylines) at its own coordinates, so a script can see what its clients drew.
#pragma once

#include <string>
#include <vector>

#include "cad/sim/sim_entity.h"

namespace vensa {

// The DXF text (UTF-8, CR LF lines). Light polylines become 2-D POLYLINEs at their
// elevation; entities of other classes are left out.
std::string DrawingDxfText(const std::vector<std::string>& layers,
                           const std::vector<SimEntity>& entities);

// The text in the ANSI code page, replacing `path` atomically; FileCreateError on failure.
void SaveDrawingDxf(const std::string& path, const std::vector<std::string>& layers,
                    const std::vector<SimEntity>& entities);

}  // namespace vensa
