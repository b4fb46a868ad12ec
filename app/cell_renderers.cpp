#include "app/cell_renderers.h"

#include <wx/dc.h>

namespace vensa {

void NumberCellRenderer::DrawNumberText(wxGrid& grid, wxDC& dc, const wxRect& rect, int row,
                                        int col) {
  wxRect inner = rect;
  inner.width = std::max(inner.width - 4, 0);
  dc.SetClippingRegion(rect);
  grid.DrawTextRectangle(dc, grid.GetCellValue(row, col), inner, wxALIGN_RIGHT,
                         wxALIGN_CENTRE_VERTICAL);
  dc.DestroyClippingRegion();
}

void NumberCellRenderer::Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect,
                              int row, int col, bool isSelected) {
  wxGridCellRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
  SetTextColoursAndFont(grid, attr, dc, isSelected);
  DrawNumberText(grid, dc, rect, row, col);
}

void PlotNoCellRenderer::Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect,
                              int row, int col, bool) {
  const bool greyed = greyed_ && greyed_(row + 1);
  const wxColour back = greyed ? wxColour(128, 128, 128) : *wxWHITE;
  dc.SetBrush(wxBrush(back));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(rect);
  dc.SetFont(attr.GetFont());
  dc.SetBackgroundMode(wxTRANSPARENT);
  dc.SetTextForeground(greyed ? *wxWHITE : *wxBLACK);
  DrawNumberText(grid, dc, rect, row, col);
}

void NumberColumns(wxGrid& grid, int first, int last) {
  for (int col = first; col <= last; ++col) {
    auto* attr = new wxGridCellAttr;
    attr->SetRenderer(new NumberCellRenderer);
    grid.SetColAttr(col, attr);
  }
}

}  // namespace vensa
