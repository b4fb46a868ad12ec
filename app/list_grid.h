// One list grid of the main window: a wxGrid over a TextGrid with range selection, the
// shared key handling, and columns that carry their cells when dragged, so that every
// command still finds a column's cells at its position.
#pragma once

#include <functional>

#include <wx/grid.h>

#include "app/text_grid_table.h"
#include "platform/clipboard.h"
#include "state/form_histories.h"

namespace vensa {

struct ListGridOptions {
  int colWidth = 64;
  bool editable = false;
  bool movableCols = false;
  bool sizableCols = false;
};

class ListGrid : public wxGrid {
 public:
  ListGrid(wxWindow* parent, const wxString& name, TextGrid& grid, Clipboard& clipboard,
           const ListGridOptions& options);

  TextGrid& Grid() { return table_->Grid(); }

  // The view's current cell and selection copied into the TextGrid.
  void PullSelection();
  // The TextGrid shown again: its row count, current cell and selection.
  void ShowGrid();
  // The grid's edits (keys, a cell typed, a column dragged) become named steps of
  // `histories`; Ctrl+Z undoes the grid's last step, Ctrl+Y and Ctrl+Shift+Z redo.
  void AttachHistories(FormHistories& histories) { histories_ = &histories; }
  // The grid's last step undone (or the last undone redone) and shown. False when none.
  bool UndoStep(bool redo);

  // Where the current cell may rest: given the wanted cell (TextGrid coordinates), the
  // cell to take instead. Unset, every cell may be current.
  std::function<GridCoord(GridCoord)> currentCellRule;
  // After the current cell moved.
  std::function<void()> onCurrentCellMoved;
  // After a key changed the grid's row count, or an undo or redo changed the grid.
  std::function<void()> onRowCountChanged;

 private:
  void OnKeyDown(wxKeyEvent& event);
  void OnSelectCell(wxGridEvent& event);
  void ApplyColumnOrder();

  TextGridTable* table_;
  Clipboard& clipboard_;
  FormHistories* histories_ = nullptr;
};

}  // namespace vensa
