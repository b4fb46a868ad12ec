// The main window's side of the preview: opening it beside the window, what it is drawn
// from, and the row a click on it picks.
#include <wx/display.h>

#include "app/main_form.h"
#include "app/preview_window.h"
#include "dxf/commands/plot_preview.h"

namespace vensa {

void TForm1::PreviewClick() {
  if (!preview_) {
    PreviewWindow::Link link;
    link.input = [this] {
      // The options as the controls show them: a box ticked or a size typed counts at
      // once, not only at the next command.
      if (controlsChanged_ && commandsRunning_ == 0) {
        controlsChanged_ = false;
        binding_.Pull();
      }
      return PlotPreviewInputFromForm(state_, PlotScaleOnTarget(state_, cadPlatform_));
    };
    link.selectRow = [this](int row) { SelectCoordListRow(row); };
    preview_ = new PreviewWindow(this, state_, ui_, std::move(link));
    // The controls' own events reach the window before any handler of a command runs.
    const auto changed = [this](wxCommandEvent& event) {
      event.Skip();
      controlsChanged_ = true;
    };
    Bind(wxEVT_CHECKBOX, changed);
    Bind(wxEVT_TEXT, changed);
  }
  const wxPoint position = GetPosition();
  state_.Left = position.x;
  state_.Top = position.y;
  const wxRect screen = wxDisplay(0u).GetGeometry();
  const wxSize outer = GetSize();
  preview_->Open(PlacePreview(
      state_, {outer.GetWidth(), outer.GetHeight(), screen.GetWidth(), screen.GetHeight()}));
}

void TForm1::SelectCoordListRow(int row) {
  TextGrid& list = state_.StringGrid1;
  if (row < 1 || row > list.DataRowCount()) return;
  if (StringGrid1->IsCellEditControlShown()) {
    StringGrid1->SaveEditControlValue();
    StringGrid1->HideCellEditControl();
  }
  list.current = {0, row};
  list.selection = {0, row, list.ColCount() - 1, row};
  StringGrid1->ShowGrid();
  StringGrid1->MakeCellVisible(row - 1, 0);
  UpdateRowIndicator();
}

}  // namespace vensa
