#include "state/grid_edit.h"

#include <string>
#include <vector>

#include "core/coord_list.h"
#include "core/grid_text.h"

namespace vensa {
namespace {

using Block = std::vector<std::vector<std::string>>;

int CellCount(const GridRect& r) {
  return (r.right - r.left + 1) * (r.bottom - r.top + 1);
}

void EmptyCells(TextGrid& grid, const GridRect& r) {
  for (int row = std::max(r.top, 1); row <= r.bottom && row < grid.RowCount(); ++row)
    for (int col = r.left; col <= r.right && col < grid.ColCount(); ++col)
      grid.SetCell(col, row, {});
}

// The grid grows so that a block of `lines` rows from the current row fits; the rule
// counts from the current row whichever cell the block is put at.
void GrowForBlock(TextGrid& grid, int lines) {
  if (lines + grid.current.row >= grid.RowCount()) grid.SetRowCount(lines + grid.current.row);
}

// A field whose cell lies outside the grid is dropped.
void PutField(TextGrid& grid, int col, int row, const std::string& text) {
  if (col >= 0 && col < grid.ColCount() && row >= 1 && row < grid.RowCount())
    grid.SetCell(col, row, text);
}

// The clipboard's block put once at (left, top) of the coordinate list, PLOT No.
// renumbered. True when the row count changed.
bool PasteBlockAt(TextGrid& list, Clipboard& clipboard, int left, int top) {
  const Block block = ParseGridClipboardText(clipboard.GetText());
  if (block.empty()) return false;
  const int before = list.RowCount();
  GrowForBlock(list, static_cast<int>(block.size()));
  for (int i = 0; i < static_cast<int>(block.size()); ++i)
    for (int k = 0; k < static_cast<int>(block[i].size()); ++k)
      PutField(list, left + k, top + i, block[i][k]);
  RenumberPlotNo(list);
  return list.RowCount() != before;
}

void DeleteCurrentRow(TextGrid& grid) {
  // A single data row is kept as it is: the grid never loses its last data row.
  if (grid.RowCount() <= 2 || grid.current.row < 1) return;
  grid.EraseRows(grid.current.row, grid.current.row);
}

void InsertRowAtCurrent(TextGrid& grid) {
  if (grid.current.row < 1) return;
  const GridCoord current = grid.current;
  grid.InsertRows(current.row, 1);
  grid.current = current;
}

}  // namespace

bool HandleGridKey(TextGrid& grid, GridKey key, KeyModifiers modifiers, Clipboard& clipboard) {
  if (key == GridKey::Delete && modifiers.shift) {
    DeleteCurrentRow(grid);
  } else if (key == GridKey::Delete) {
    if (CellCount(grid.selection) > 1) {
      EmptyCells(grid, grid.selection);
      return true;
    }
    EmptyCells(grid, {grid.current.col, grid.current.row, grid.current.col, grid.current.row});
    return false;
  } else if (key == GridKey::Insert && modifiers.shift) {
    InsertRowAtCurrent(grid);
  }
  if (!modifiers.ctrl) return false;
  switch (key) {
    case GridKey::C:
    case GridKey::X:
      CopySelectedCells(grid, clipboard);
      if (key == GridKey::X) EmptyCells(grid, grid.selection);
      return true;
    case GridKey::V:
      PasteWithRepetition(grid, clipboard);
      return true;
    default:
      return false;
  }
}

void PasteWithRepetition(TextGrid& grid, Clipboard& clipboard) {
  const Block block = ParseGridClipboardText(clipboard.GetText());
  const int n = static_cast<int>(block.size());
  if (n == 0) return;
  GrowForBlock(grid, n);
  const GridRect sel = grid.selection;
  for (int i = 0; i < n; ++i)
    for (int k = 0; k < static_cast<int>(block[i].size()); ++k) {
      PutField(grid, sel.left + k, sel.top + i, block[i][k]);
      for (int row = sel.top + i + n; row <= sel.bottom; row += n)
        PutField(grid, sel.left + k, row, block[i][k]);
    }
}

void CopySelectedCells(const TextGrid& list, Clipboard& clipboard) {
  clipboard.SetText(GridClipboardText(list, list.selection));
}

void CopyAllPoints(const TextGrid& list, Clipboard& clipboard) {
  if (list.RowCount() < 2) {
    clipboard.SetText({});
    return;
  }
  clipboard.SetText(GridClipboardText(list, {kColName, 1, kColY, list.RowCount() - 1}));
}

bool PasteAtSelection(TextGrid& list, Clipboard& clipboard) {
  return PasteBlockAt(list, clipboard, list.selection.left, list.selection.top);
}

void PasteAtFirstCell(TextGrid& list, Clipboard& clipboard) {
  PasteBlockAt(list, clipboard, 0, 1);
}

void ClearSelectedCells(TextGrid& list) {
  EmptyCells(list, list.selection);
  RenumberPlotNo(list);
}

void ClearShownData(TextGrid& list) {
  EmptyCells(list, {kColName, 1, kColZ, list.RowCount() - 1});
  RenumberPlotNo(list);
  list.SetRowCount(2);
}

}  // namespace vensa
