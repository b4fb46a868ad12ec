// The point records shared by every subsystem: a drawing point and one entry of a plot.
#pragma once

#include <cstdint>
#include <string>

namespace vensa {

// A point of the drawing in drawing units. Points read from the CAD arrive as three
// doubles and become a TAcadPoint before anything else looks at them.
struct TAcadPoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  friend bool operator==(const TAcadPoint&, const TAcadPoint&) = default;
};

// One entry of a plot: the list row it came from (idx, 0 for list row 1), its polyline
// group, its point and its name exactly as the list holds it.
struct TPlotData {
  std::int32_t idx = 0;
  std::int32_t grp = 0;
  TAcadPoint pt;
  std::string name;
};

}  // namespace vensa
