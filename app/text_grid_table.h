// A wxGrid's view of a TextGrid: the grid's rows are the data rows (row 0 of the TextGrid
// gives the column labels), read and written in place, so no second copy of the cells
// exists and a list of any length shows at once.
#pragma once

#include <wx/grid.h>

#include "core/text_grid.h"

namespace vensa {

class TextGridTable : public wxGridTableBase {
 public:
  explicit TextGridTable(TextGrid& grid) : grid_(grid) {}

  int GetNumberRows() override { return grid_.DataRowCount(); }
  int GetNumberCols() override { return grid_.ColCount(); }
  bool IsEmptyCell(int row, int col) override { return grid_.Cell(col, row + 1).empty(); }
  wxString GetValue(int row, int col) override;
  void SetValue(int row, int col, const wxString& value) override;
  wxString GetColLabelValue(int col) override;

  // Tells the view how many rows the TextGrid has now, after a command changed it.
  void NotifyRowCount(wxGrid& view);

  TextGrid& Grid() { return grid_; }

 private:
  TextGrid& grid_;
};

}  // namespace vensa
