#include "cad/sim/drawing_file.h"

namespace vensa {

std::unique_ptr<SimCad> OpenDrawingFile(const std::string& path, std::shared_ptr<CallLog> log) {
  const Drawing drawing = ReadDrawingFile(path);
  auto cad = std::make_unique<SimCad>(std::move(log));
  for (const std::string& layer : drawing.layers) cad->AddLayer(layer);
  for (std::size_t i = 0; i < drawing.Size(); ++i) {
    SimEntity entity;
    static_cast<DrawingEntity&>(entity) = drawing.Entity(i);
    cad->AddEntity(std::move(entity));
  }
  cad->SetSystemVariable("DIMSCALE", drawing.dimscale);
  cad->SetSystemVariable("UCSORG", PointValue(drawing.ucsOrigin));
  cad->SetSystemVariable("UCSXDIR", PointValue(drawing.ucsXDir));
  cad->SetSystemVariable("UCSYDIR", PointValue(drawing.ucsYDir));
  cad->SelectEverythingOnScreen();
  return cad;
}

}  // namespace vensa
