#include "cad/sim/insert_file.h"

#include <set>

#include "dxf/drawing_reader.h"

namespace vensa {

InsertedEntities ReadInsertFile(std::string_view bytes) {
  static const std::set<std::string_view> kInserted = {"POINT", "CIRCLE", "LINE", "TEXT",
                                                       "POLYLINE"};
  const Drawing drawing = ReadDrawing(bytes);
  InsertedEntities result;
  for (std::size_t i = 0; i < drawing.Size(); ++i) {
    SimEntity e;
    static_cast<DrawingEntity&>(e) = drawing.Entity(i);
    if (kInserted.count(e.dxfType) == 0) {
      result.skipped.push_back(e.dxfType);
    } else {
      result.entities.push_back(std::move(e));
    }
  }
  return result;
}

}  // namespace vensa
