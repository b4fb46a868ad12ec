// Editing the list grids like a small spreadsheet, without a window: the shared key
// handling of all four grids and the copy, paste and clear items of the coordinate list's
// pop-up menu. The window turns its key events into GridKey and shows the grid afterwards.
#pragma once

#include "core/text_grid.h"
#include "platform/clipboard.h"
#include "state/form_state.h"

namespace vensa {

enum class GridKey { Delete, Insert, C, X, V, Other };

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
};

// One key pressed while a grid has the focus and no cell is being edited (the cell editor
// keeps its own keys). Shift+Delete deletes the current row (a last data row stays), Delete
// empties the selected block or the current cell, Shift+Insert inserts an empty row at the current
// row, Ctrl+C / Ctrl+X copy (and cut) the selection as grid clipboard text, Ctrl+V pastes with
// repetition down the selected rows. True when the key is consumed: the grid must do nothing more
// with it. The PLOT No. column is not renumbered here.
bool HandleGridKey(TextGrid& grid, GridKey key, KeyModifiers modifiers, Clipboard& clipboard);

// Ctrl+V: the clipboard's block put at the selection's top-left cell, repeated downwards
// until the selected rows are filled; the grid grows when the block reaches past its end.
void PasteWithRepetition(TextGrid& grid, Clipboard& clipboard);

// ---- The coordinate list's pop-up menu --------------------------------------------------

// "選択範囲をコピー"
void CopySelectedCells(const TextGrid& list, Clipboard& clipboard);
// "すべてコピー": name, X and Y of every data row.
void CopyAllPoints(const TextGrid& list, Clipboard& clipboard);
// "現在セルから貼り付け（ペースト）": the block at the selection's top-left cell, once;
// PLOT No. renumbered. True when the row count changed (the row indicator follows).
bool PasteAtSelection(TextGrid& list, Clipboard& clipboard);
// "先頭セルから貼り付け（ペースト）": the block at row 1, column 0; PLOT No. renumbered.
void PasteAtFirstCell(TextGrid& list, Clipboard& clipboard);
// "選択範囲をクリア": the selected cells emptied, PLOT No. renumbered.
void ClearSelectedCells(TextGrid& list);
// "表示データをすべてクリア": one empty data row remains, PLOT No. "1".
void ClearShownData(TextGrid& list);

}  // namespace vensa
