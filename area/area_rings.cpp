#include "area/area_rings.h"

#include "core/coord_list.h"
#include "core/number_read.h"
#include "core/plot_range.h"
#include "core/text.h"

namespace vensa {

AreaRing RingOfParcel(const TParcel& parcel) {
  AreaRing ring;
  ring.name = parcel.name;
  ring.corners.reserve(parcel.vertices.size());
  std::int64_t k = 0;
  for (const TParcelVertex& v : parcel.vertices)
    ring.corners.push_back(
        {v.name.empty() ? std::string_view(v.number) : std::string_view(v.name), v.x, v.y, ++k});
  return ring;
}

AreaRing RingOfList(const TextGrid& list, const std::string& range, const std::string& name) {
  AreaRing ring;
  ring.name = name;
  const PlotRange selected(range);
  for (int r = 1; r < list.RowCount(); ++r) {
    if (!selected.Contains(ReadIntegerCell(list.Cell(kColPlotNo, r)))) continue;
    const std::string& x = list.Cell(kColX, r);
    const std::string& y = list.Cell(kColY, r);
    if (TrimBlanks(x).empty() && TrimBlanks(y).empty()) continue;
    ring.corners.push_back({list.Cell(kColName, r), x, y, r});
  }
  return ring;
}

}  // namespace vensa
