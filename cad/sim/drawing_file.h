// A DXF drawing file opened as the substitute CAD's drawing, for the tests and the test
// server: its layers, its entities with new handles, DIMSCALE and the current UCS.
#pragma once

#include <memory>
#include <string>

#include "cad/sim/sim_cad.h"
#include "dxf/drawing_reader.h"

namespace vensa {

// A substitute CAD holding the drawing of the file; every on-screen selection takes every
// entity (every TEXT with the TEXT filter), as a user's select-all does.
std::unique_ptr<SimCad> OpenDrawingFile(const std::string& path,
                                        std::shared_ptr<CallLog> log = std::make_shared<CallLog>());

}  // namespace vensa
