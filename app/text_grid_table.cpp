#include "app/text_grid_table.h"

namespace vensa {

wxString TextGridTable::GetValue(int row, int col) {
  return wxString::FromUTF8(grid_.Cell(col, row + 1));
}

void TextGridTable::SetValue(int row, int col, const wxString& value) {
  if (row + 1 < grid_.RowCount() && col < grid_.ColCount())
    grid_.SetCell(col, row + 1, value.utf8_string());
}

wxString TextGridTable::GetColLabelValue(int col) {
  return wxString::FromUTF8(grid_.Cell(col, 0));
}

void TextGridTable::NotifyRowCount(wxGrid& view) {
  const int shown = view.GetNumberRows();
  const int now = GetNumberRows();
  if (now > shown) {
    wxGridTableMessage msg(this, wxGRIDTABLE_NOTIFY_ROWS_APPENDED, now - shown);
    view.ProcessTableMessage(msg);
  } else if (now < shown) {
    wxGridTableMessage msg(this, wxGRIDTABLE_NOTIFY_ROWS_DELETED, now, shown - now);
    view.ProcessTableMessage(msg);
  }
}

}  // namespace vensa
