#include "core/coord_list.h"

#include "core/number_read.h"

namespace vensa {

TextGrid MakeCoordList() {
  return TextGrid::WithHeaders(CoordListHeaders(), 4);
}

bool IsListInUse(const TextGrid& list) {
  return list.RowCount() >= 2 && !list.Cell(kColX, 1).empty();
}

void RenumberPlotNo(TextGrid& list) {
  if (list.ColCount() <= kColPlotNo) return;
  for (int r = 1; r < list.RowCount(); ++r) list.SetCell(kColPlotNo, r, std::to_string(r));
}

TAcadPoint ReadRowPoint(const TextGrid& list, int row) {
  return {ReadNumberCell(list.Cell(kColX, row)), ReadNumberCell(list.Cell(kColY, row)),
          ReadNumberCell(list.Cell(kColZ, row))};
}

}  // namespace vensa
