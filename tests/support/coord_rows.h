// Coordinate lists for tests, written as rows of cells.
#pragma once

#include <string>
#include <vector>

#include "core/coord_list.h"
#include "core/text_grid.h"

namespace vensa::test {

// A coordinate list whose data rows hold the given cells (name, X, Y, Z and, where a row
// gives it, PLOT No.); missing cells stay empty, PLOT No. is 1 .. n unless a row sets it.
inline TextGrid CoordListOf(const std::vector<std::vector<std::string>>& rows) {
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), static_cast<int>(rows.size()));
  RenumberPlotNo(list);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      list.SetCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
  return list;
}

}  // namespace vensa::test
