// The coordinate list: five text columns (name, X, Y, Z, PLOT No.) under one header row.
#pragma once

#include <string>
#include <vector>

#include "core/acad_point.h"
#include "core/list_headers.h"
#include "core/text_grid.h"

namespace vensa {

// Column positions of the coordinate list; every command addresses columns by position.
enum CoordColumn : int {
  kColName = 0,
  kColX = 1,
  kColY = 2,
  kColZ = 3,
  kColPlotNo = 4,
  kCoordColumnCount = 5,
};

// The list as the window starts with it: the header row and four empty data rows.
TextGrid MakeCoordList();

// The drawing commands run only on a list in use: at least one data row, and the X cell
// of row 1 not empty.
bool IsListInUse(const TextGrid& list);

// Cell 4 of data row r becomes the decimal text of r, for every data row.
void RenumberPlotNo(TextGrid& list);

// The point of data row `row`: cells 1, 2, 3 read as numbers (unreadable text is 0).
TAcadPoint ReadRowPoint(const TextGrid& list, int row);

}  // namespace vensa
