#include "testserver/scripted_user.h"

#include <cmath>
#include <limits>

namespace vensa {

namespace {

double Distance2(const TAcadPoint& a, const TAcadPoint& b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

std::vector<TAcadPoint> DefiningPoints(const SimEntity& e) {
  if (e.className == "AcDbText") return {e.insertion};
  if (e.className == "AcDbCircle") return {e.center};
  if (e.className == "AcDbLine") return {e.start, e.end};
  if (e.className == "AcDbArc" || e.className == "AcDbEllipse") return {e.center, e.start, e.end};
  const std::size_t stride = e.className == "AcDbPolyline" ? 2 : 3;
  std::vector<TAcadPoint> points;
  for (std::size_t i = 0; i + stride <= e.coordinates.size(); i += stride) {
    points.push_back({e.coordinates[i], e.coordinates[i + 1], 0.0});
  }
  return points;
}

}  // namespace

std::string NearestEntityHandle(const std::vector<SimEntity>& entities, const TAcadPoint& at) {
  std::string nearest;
  double best = std::numeric_limits<double>::infinity();
  for (const SimEntity& e : entities) {
    for (const TAcadPoint& p : DefiningPoints(e)) {
      if (const double d = Distance2(p, at); d < best) {
        best = d;
        nearest = e.handle;
      }
    }
  }
  return nearest;
}

void ScriptedUser::BeforePointPrompt(SimCad& cad) {
  if (next_ < picks_.size()) {
    cad.QueuePick(picks_[next_++]);
  } else {
    cad.QueuePickCancel();
  }
}

void ScriptedUser::BeforeEntityPrompt(SimCad& cad) {
  if (next_ < picks_.size()) {
    const TAcadPoint at = picks_[next_++];
    const std::string handle = NearestEntityHandle(cad.Entities(), at);
    if (!handle.empty()) {
      cad.QueueEntityPick(handle, at);
      return;
    }
  }
  cad.QueueEntityPickCancel();
}

}  // namespace vensa
