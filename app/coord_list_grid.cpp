// The coordinate list on the main tab: its grid, the current-cell rules, the row
// indicator and the pop-up menu.
#include <map>

#include <wx/menu.h>

#include "app/about_box.h"
#include "app/cell_renderers.h"
#include "app/geo_dialog.h"
#include "app/main_form.h"
#include "cad/commands/view_helpers.h"
#include "core/coord_list.h"
#include "state/coord_list_view.h"
#include "state/grid_edit.h"

namespace vensa {

void TForm1::BuildCoordListGrid(wxWindow* page, int x, int y, int w, int h) {
  StringGrid1 = new ListGrid(page, "StringGrid1", state_.StringGrid1, clipboard_,
                             {.colWidth = 71, .editable = true, .movableCols = true});
  StringGrid1->SetSize(x, y, w, h);
  StringGrid1->SetDefaultCellFont(CoordListFont());
  StringGrid1->SetLabelFont(CoordListFont());
  StringGrid1->ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_DEFAULT);
  NumberColumns(*StringGrid1, kColX, kColZ);
  auto* plotNo = new wxGridCellAttr;
  plotNo->SetRenderer(
      new PlotNoCellRenderer([this](int row) { return PlotNoGreyed(state_.Edit31.text, row); }));
  StringGrid1->SetColAttr(kColPlotNo, plotNo);

  StringGrid1->currentCellRule = &CoordListCurrentCell;
  StringGrid1->onCurrentCellMoved = [this] { CoordListCurrentCellMoved(); };
  StringGrid1->onRowCountChanged = [this] { UpdateRowIndicator(); };
  StringGrid1->Bind(wxEVT_GRID_CELL_RIGHT_CLICK, [this](wxGridEvent& event) {
    // The click first makes the cell current unless it lies in the selected block.
    if (!StringGrid1->IsInSelection(event.GetRow(), event.GetCol()))
      StringGrid1->SetGridCursor(event.GetRow(), event.GetCol());
    ShowCoordListPopup();
  });
}

void TForm1::UpdateRowIndicator() {
  state_.StatusBar1[0] = RowIndicatorText(state_.StringGrid1);
  StatusBar1->SetStatusText(ToWx(state_.StatusBar1[0]), 0);
}

void TForm1::CoordListCurrentCellMoved() {
  StringGrid1->PullSelection();
  UpdateRowIndicator();
  if (PansOnCoordListMove(state_))
    RunCommand([this] { ShowOutcome(FollowCoordListRowOnTarget(state_, cadPlatform_, ui_)); });
}

std::vector<TForm1::PopupItem> TForm1::PopupMenu1Items() {
  TextGrid& list = state_.StringGrid1;
  // Undo and redo name the step they would apply ("元に戻す: 貼り付け").
  const std::string undo = histories_.Attached() ? histories_.List(0).UndoName() : "";
  const std::string redo = histories_.Attached() ? histories_.List(0).RedoName() : "";
  undoCaption_ = undo.empty() ? "元に戻す" : "元に戻す: " + undo;
  redoCaption_ = redo.empty() ? "やり直し" : "やり直し: " + redo;
  return {
      {undoCaption_.c_str(), [this] { StringGrid1->UndoStep(false); }, nullptr, !undo.empty()},
      {redoCaption_.c_str(), [this] { StringGrid1->UndoStep(true); }, nullptr, !redo.empty()},
      {nullptr, {}},
      {"選択範囲をコピー", [this, &list] { CopySelectedCells(list, clipboard_); }},
      {"すべてコピー", [this, &list] { CopyAllPoints(list, clipboard_); }},
      {nullptr, {}},
      {"現在セルから貼り付け（ペースト）", [this, &list] { PasteAtSelection(list, clipboard_); },
       "貼り付け"},
      {"先頭セルから貼り付け（ペースト）", [this, &list] { PasteAtFirstCell(list, clipboard_); },
       "貼り付け"},
      {nullptr, {}},
      {"選択範囲をクリア", [&list] { ClearSelectedCells(list); }, "クリア"},
      {"表示データをすべてクリア", [&list] { ClearShownData(list); }, "クリア"},
      {"内部データをすべてクリア", [this] { ShowOutcome(ClearInternalData(state_, tables_)); },
       "クリア"},
      {nullptr, {}},
      {"測点名でソート", [this] { N10Click(); }, "並べ替え"},
      {"測点名の番号のみでソート", [this] { N15Click(); }, "並べ替え"},
      {nullptr, {}},
      {"同じ行データを整理", [this] { N13Click(); }, "整理"},
      {nullptr, {}},
      {"座標求積...", [this] { AreaClick(); }},
      {"地図 (緯度経度)...",
       [this] {
         TGeoDialog dialog(*this);
         dialog.ShowModal();
       },
       "地図"},
      {"プレビュー", [this] { PreviewClick(); }},
      {nullptr, {}},
      {"バージョン情報",
       [this] {
         TAboutBox about(this);
         about.ShowModal();
       }},
  };
}

bool TForm1::PopupMenu1Click(std::string_view caption) {
  // The caption may be one the last menu built (undo, redo), which building it again renews.
  const std::string wanted(caption);
  for (const PopupItem& item : PopupMenu1Items()) {
    if (item.caption && wanted == item.caption) {
      if (!item.enabled) return false;
      RunCommand(item.step ? item.step : "", item.run);
      return true;
    }
  }
  return false;
}

void TForm1::ShowCoordListPopup() {
  wxMenu menu;
  int id = wxID_HIGHEST + 1;
  std::map<int, PopupItem> actions;
  for (const PopupItem& item : PopupMenu1Items()) {
    if (!item.caption) {
      menu.AppendSeparator();
      continue;
    }
    menu.Append(id, ToWx(item.caption));
    menu.Enable(id, item.enabled);
    actions[id++] = item;
  }
  const int chosen = StringGrid1->GetPopupMenuSelectionFromUser(menu);
  if (auto found = actions.find(chosen); found != actions.end())
    RunCommand(found->second.step ? found->second.step : "", found->second.run);
}

}  // namespace vensa
