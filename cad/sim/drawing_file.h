// A DXF drawing file (ASCII, from R12 to the 2018 format) opened as the substitute CAD's
// drawing, so the commands that read from the CAD read real drawings on any system: its
// model-space entities in drawing order, its layers, and the header variables the
// commands ask for. Paper-space entities and block definitions are not part of it.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cad/sim/sim_cad.h"
#include "cad/sim/sim_entity.h"
#include "core/acad_point.h"
#include "core/error.h"

namespace vensa {

struct Drawing {
  std::vector<SimEntity> entities;  // model space, in drawing order, without handles
  std::vector<std::string> layers;  // the layer table's names, in table order
  // The header's values, those of a new drawing where the header has none.
  double dimscale = 1.0;
  TAcadPoint ucsOrigin;
  TAcadPoint ucsXDir{1.0, 0.0, 0.0};
  TAcadPoint ucsYDir{0.0, 1.0, 0.0};
};

// A drawing that cannot be read: "ファイル "<path>" を読み込めません。<what and where>".
class DrawingFileError : public FileReadError {
 public:
  using FileReadError::FileReadError;
};

// The drawing held in the bytes of a file. DxfReadError says what is wrong and on which
// line: binary DXF, DWG, an empty, truncated or malformed file. Nothing is returned in
// part.
Drawing ReadDrawing(std::string_view bytes);

// ReadDrawing on a file; DrawingFileError (or FileReadError) names the file.
Drawing ReadDrawingFile(const std::string& path);

// True for a name that ends in ".dxf", in any letter case.
bool IsDrawingFileName(std::string_view path);

// A substitute CAD holding the drawing of the file: its layers, its entities with new
// handles, DIMSCALE and the current UCS; every on-screen selection takes every entity
// (every TEXT with the TEXT filter), as a user's select-all does.
std::unique_ptr<SimCad> OpenDrawingFile(const std::string& path,
                                        std::shared_ptr<CallLog> log = std::make_shared<CallLog>());

}  // namespace vensa
