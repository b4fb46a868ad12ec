#include "state/coord_list_view.h"

#include "core/coord_list.h"
#include "core/plot_range.h"
#include "core/text.h"

namespace vensa {

std::string RowIndicatorText(const TextGrid& list) {
  return " " + std::to_string(list.current.row) + " / " + std::to_string(list.DataRowCount());
}

GridCoord CoordListCurrentCell(GridCoord wanted) {
  if (wanted.col == kColPlotNo) wanted.col = kColName;
  return wanted;
}

bool PlotNoGreyed(std::string_view plotRange, int row) {
  if (TrimBlanks(plotRange).empty()) return false;
  return !InPlotRange(plotRange, row);
}

}  // namespace vensa
