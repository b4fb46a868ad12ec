// How the coordinate list is shown, without a window: the row indicator, where the current
// cell may rest, and which PLOT No. cells are greyed by the plot range.
#pragma once

#include <string>
#include <string_view>

#include "core/text_grid.h"

namespace vensa {

// Status panel 0: " r / n", the current row and the number of data rows.
std::string RowIndicatorText(const TextGrid& list);

// Where a current cell moved to `wanted` comes to rest: never in the PLOT No. column,
// which sends it to column 0 of the same row.
GridCoord CoordListCurrentCell(GridCoord wanted);

// Whether the PLOT No. cell of data row `row` is drawn greyed (white text on grey): only
// when a plot range is given and leaves the row out.
bool PlotNoGreyed(std::string_view plotRange, int row);

}  // namespace vensa
