#include "app/list_grid.h"

#include <optional>
#include <vector>

#include "state/grid_edit.h"

namespace vensa {
namespace {

GridKey KeyOf(int keyCode) {
  switch (keyCode) {
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
      return GridKey::Delete;
    case WXK_INSERT:
    case WXK_NUMPAD_INSERT:
      return GridKey::Insert;
    case 'C':
      return GridKey::C;
    case 'X':
      return GridKey::X;
    case 'V':
      return GridKey::V;
    default:
      return GridKey::Other;
  }
}

// The name of the step an editing key makes.
const char* StepOfKey(GridKey key, const KeyModifiers& modifiers) {
  switch (key) {
    case GridKey::Delete:
      return modifiers.shift ? "行削除" : "削除";
    case GridKey::Insert:
      return "行挿入";
    case GridKey::X:
      return "切り取り";
    case GridKey::V:
      return "貼り付け";
    default:
      return "";
  }
}

}  // namespace

ListGrid::ListGrid(wxWindow* parent, const wxString& name, TextGrid& grid, Clipboard& clipboard,
                   const ListGridOptions& options)
    : wxGrid(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS | wxBORDER_SUNKEN,
             name),
      table_(new TextGridTable(grid)),
      clipboard_(clipboard) {
  SetTable(table_, true, wxGridSelectCells);
  // Headers in the window's own face, not the toolkit's bold label face.
  SetLabelFont(parent->GetFont());
  SetDefaultCellFont(parent->GetFont());
  SetRowLabelSize(0);
  SetColLabelSize(19);
  SetDefaultRowSize(19, true);
  SetDefaultColSize(options.colWidth, true);
  SetColLabelAlignment(wxALIGN_LEFT, wxALIGN_CENTRE);
  EnableEditing(options.editable);
  EnableDragColMove(options.movableCols);
  EnableDragColSize(options.sizableCols);
  EnableDragRowSize(false);
  DisableDragGridSize();
  SetCellHighlightPenWidth(1);

  Bind(wxEVT_KEY_DOWN, &ListGrid::OnKeyDown, this);
  Bind(wxEVT_GRID_SELECT_CELL, &ListGrid::OnSelectCell, this);
  // A cell typed is one step: named as its value is stored, closed once it is.
  Bind(wxEVT_GRID_CELL_CHANGING, [this](wxGridEvent& event) {
    event.Skip();
    if (histories_ && !histories_->InStep())
      if (ListHistory* history = histories_->Of(Grid())) history->NameNextStep("入力");
  });
  Bind(wxEVT_GRID_CELL_CHANGED, [this](wxGridEvent& event) {
    event.Skip();
    if (histories_) histories_->CloseStepsBetweenHandlers();
  });
  Bind(wxEVT_GRID_COL_MOVE, [this](wxGridEvent& event) {
    event.Skip();
    CallAfter([this] { ApplyColumnOrder(); });
  });
}

void ListGrid::PullSelection() {
  TextGrid& grid = Grid();
  const GridCoord current{std::max(GetGridCursorCol(), 0), GetGridCursorRow() + 1};
  GridRect selection{current.col, current.row, current.col, current.row};
  for (const wxGridBlockCoords& block : GetSelectedBlocks()) {
    const GridRect r{block.GetLeftCol(), block.GetTopRow() + 1, block.GetRightCol(),
                     block.GetBottomRow() + 1};
    selection = r;
    if (r.left <= current.col && current.col <= r.right && r.top <= current.row &&
        current.row <= r.bottom)
      break;
  }
  grid.current = current;
  grid.selection = selection;
}

void ListGrid::ShowGrid() {
  TextGrid& grid = Grid();
  // A view losing the row its cursor is on moves the cursor and says so (OnSelectCell),
  // which would overwrite where the list says its current cell is (an undo's, above all).
  const GridCoord current = grid.current;
  const GridRect sel = grid.selection;
  table_->NotifyRowCount(*this);
  grid.current = current;
  grid.selection = sel;
  if (GetNumberRows() > 0) {
    const int row = std::clamp(grid.current.row - 1, 0, GetNumberRows() - 1);
    const int col = std::clamp(grid.current.col, 0, std::max(GetNumberCols() - 1, 0));
    if (row != GetGridCursorRow() || col != GetGridCursorCol()) SetGridCursor(row, col);
    ClearSelection();
    if (sel.left != sel.right || sel.top != sel.bottom)
      SelectBlock(std::max(sel.top - 1, 0), sel.left, std::max(sel.bottom - 1, 0), sel.right);
  }
  ForceRefresh();
}

bool ListGrid::UndoStep(bool redo) {
  ListHistory* history = histories_ ? histories_->Of(Grid()) : nullptr;
  if (!history) return false;
  histories_->CloseStepsBetweenHandlers();
  if (!(redo ? history->Redo() : history->Undo())) return false;
  ShowGrid();
  if (onRowCountChanged) onRowCountChanged();
  return true;
}

void ListGrid::OnKeyDown(wxKeyEvent& event) {
  const int code = event.GetKeyCode();
  if (event.ControlDown() && !event.AltDown() && (code == 'Z' || code == 'Y') &&
      !IsCellEditControlShown()) {
    UndoStep(code == 'Y' || event.ShiftDown());
    return;
  }
  const GridKey key = KeyOf(code);
  if (key == GridKey::Other || IsCellEditControlShown() || GetNumberRows() == 0) {
    event.Skip();
    return;
  }
  const KeyModifiers modifiers{event.ShiftDown(), event.ControlDown()};
  PullSelection();
  const int rowsBefore = Grid().RowCount();
  std::optional<ListStep> step;
  if (histories_) step.emplace(*histories_, StepOfKey(key, modifiers));
  const bool consumed = HandleGridKey(Grid(), key, modifiers, clipboard_);
  step.reset();
  ShowGrid();
  if (Grid().RowCount() != rowsBefore && onRowCountChanged) onRowCountChanged();
  // Delete and Insert are handled in full above; the grid's own Delete would open the
  // cell editor on an emptied cell. Other keys the handler left go on to the grid.
  if (!consumed && key != GridKey::Delete && key != GridKey::Insert) event.Skip();
}

void ListGrid::OnSelectCell(wxGridEvent& event) {
  const GridCoord wanted{event.GetCol(), event.GetRow() + 1};
  if (currentCellRule) {
    const GridCoord allowed = currentCellRule(wanted);
    if (allowed != wanted) {
      event.Veto();
      SetGridCursor(allowed.row - 1, allowed.col);
      return;
    }
  }
  Grid().current = wanted;
  event.Skip();
  if (onCurrentCellMoved) CallAfter([this] { onCurrentCellMoved(); });
}

void ListGrid::ApplyColumnOrder() {
  const int cols = GetNumberCols();
  std::vector<int> order(static_cast<std::size_t>(cols));
  std::vector<int> widths(static_cast<std::size_t>(cols));
  bool moved = false;
  for (int pos = 0; pos < cols; ++pos) {
    order[pos] = GetColAt(pos);
    widths[pos] = GetColSize(order[pos]);
    moved = moved || order[pos] != pos;
  }
  if (!moved) return;
  // The cells follow their column to its new position, the header text included.
  std::optional<ListStep> step;
  if (histories_) step.emplace(*histories_, "列の移動");
  TextGrid& grid = Grid();
  for (int row = 0; row < grid.RowCount(); ++row) {
    const MutableGridRow cells = grid.MutableRow(row);
    std::vector<std::string> old = cells;
    for (int pos = 0; pos < cols; ++pos) cells[pos] = std::move(old[order[pos]]);
  }
  ResetColPos();
  for (int pos = 0; pos < cols; ++pos) SetColSize(pos, widths[pos]);
  ForceRefresh();
}

}  // namespace vensa
