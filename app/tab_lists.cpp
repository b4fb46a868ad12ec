// Tabs " TEXT ", " SIMA/R " and " SIMA/W ": the text list and the two SIMA lists with
// their commands.
#include <wx/gauge.h>

#include "app/cell_renderers.h"
#include "app/controls.h"
#include "app/main_form.h"
#include "cad/commands/text_list.h"
#include "cad/commands/view_helpers.h"
#include "sima/sima_record.h"

namespace vensa {
namespace {

// The SIMA lists start below the tabs' second row of options.
constexpr int kOptionRow2 = 28;
constexpr int kListTop = 48;

}  // namespace

wxWindow* TForm1::BuildTextTab(wxNotebook* book) {
  wxPanel* page = MakePage(book, "TabSheet4");
  wxButton* read = MakeButton(page, "Button6", "TEXT 取得", 4, 4, 90, 24);
  read->Bind(wxEVT_BUTTON,
             [this](wxCommandEvent&) { RunCommand("TEXT 取得", [this] { Button6Click(); }); });
  wxButton* toSheet = MakeButton(page, "Button7", "Excelへ", 98, 4, 90, 24);
  toSheet->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RunCommand([this] { Button7Click(); }); });
  binding_.Bind(MakeCheckBox(page, "CheckBox17", "常にPAN", 200, 6), state_.CheckBox17);
  wxButton* pan = MakeButton(page, "SpeedButton1", "PAN", 290, 4, 60, 24);
  pan->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    RunCommand([this] { ShowOutcome(PanToTextListRowOnTarget(state_, cadPlatform_, ui_)); });
  });
  MakeLabel(page, "↓項目名クリックでソート", 4, 28);

  constexpr int kGaugeHeight = 10;
  const int listTop = 48;
  const int gaugeTop = kPageHeight - kGaugeHeight - 2;
  StringGrid2 = new ListGrid(page, "StringGrid2", state_.StringGrid2, clipboard_,
                             {.colWidth = 87, .sizableCols = true});
  StringGrid2->SetSize(2, listTop, kPageWidth - 4, gaugeTop - listTop - 2);
  StringGrid2->Bind(wxEVT_GRID_LABEL_LEFT_CLICK, [this](wxGridEvent& event) {
    if (event.GetRow() < 0 && event.GetCol() >= 0)
      RunCommand("並べ替え",
                 [this, col = event.GetCol()] { SortTextListByColumn(state_.StringGrid2, col); });
  });
  // A current-cell move pans when the text list's "常にPAN" is on.
  StringGrid2->onCurrentCellMoved = [this] {
    StringGrid2->PullSelection();
    if (PansOnTextListMove(state_))
      RunCommand([this] { ShowOutcome(FollowTextListRowOnTarget(state_, cadPlatform_, ui_)); });
  };
  auto* gauge = new wxGauge(page, wxID_ANY, 100, {2, gaugeTop}, {kPageWidth - 4, kGaugeHeight},
                            wxGA_HORIZONTAL | wxGA_SMOOTH, wxDefaultValidator, "ProgressBar2");
  ui_.AttachProgressBar(ProgressBarId::ProgressBar2, gauge);
  return page;
}

wxWindow* TForm1::BuildSimaReadTab(wxNotebook* book) {
  wxPanel* page = MakePage(book, "TabSheet5");
  wxButton* read = MakeButton(page, "Button9", "読み込み", 4, 4, 90, 24);
  read->Bind(wxEVT_BUTTON,
             [this](wxCommandEvent&) { RunCommand("読み込み", [this] { Button9Click(); }); });
  for (auto [name, caption, state, x] :
       {std::tuple{"CheckBox13", "×1000", &state_.CheckBox13, 110},
        std::tuple{"CheckBox12", "X-Y 反転", &state_.CheckBox12, 180}}) {
    wxCheckBox* box = MakeCheckBox(page, name, caption, x, 6);
    binding_.Bind(box, *state);
    box->Bind(wxEVT_CHECKBOX, [this, step = caption](wxCommandEvent&) {
      RunCommand(step, [this] { CheckBox13Click(); });
    });
  }
  MakeLabel(page, "(メインへ転記)", 270, 6);
  // Read by "CADへ" and "CADへ (Z=0)" when they run; a click changes nothing here.
  binding_.Bind(MakeCheckBox(page, "CheckBox29", "画地を描画", 110, kOptionRow2),
                state_.CheckBox29);
  StringGrid3 = new ListGrid(page, "StringGrid3", state_.StringGrid3, clipboard_,
                             {.colWidth = 58, .movableCols = true, .sizableCols = true});
  StringGrid3->SetSize(2, kListTop, kPageWidth - 4, kPageHeight - kListTop - 2);
  NumberColumns(*StringGrid3, kSimaColX, kSimaColZ);
  return page;
}

wxWindow* TForm1::BuildSimaWriteTab(wxNotebook* book) {
  wxPanel* page = MakePage(book, "TabSheet6");
  wxButton* build = MakeButton(page, "Button10", "データ作成", 4, 4, 90, 24);
  build->Bind(wxEVT_BUTTON,
              [this](wxCommandEvent&) { RunCommand("データ作成", [this] { Button10Click(); }); });
  for (auto [name, caption, state, x, y] :
       {std::tuple{"CheckBox14", "1/1000", &state_.CheckBox14, 100, 6},
        std::tuple{"CheckBox15", "X-Y 反転", &state_.CheckBox15, 166, 6},
        std::tuple{"CheckBox30", "リストの測点名", &state_.CheckBox30, 246, kOptionRow2}}) {
    wxCheckBox* box = MakeCheckBox(page, name, caption, x, y);
    binding_.Bind(box, *state);
    box->Bind(wxEVT_CHECKBOX,
              [this](wxCommandEvent&) { RunCommand("データ作成", [this] { Button10Click(); }); });
  }
  binding_.Bind(MakeLabeledEdit(page, "測点名：", 246, "Edit30", 294, 6, 40), state_.Edit30);
  // Read by "保存" when it runs: the parcels of the last SIMA file read follow the points.
  binding_.Bind(MakeCheckBox(page, "CheckBox31", "画地も保存", 100, kOptionRow2),
                state_.CheckBox31);
  wxButton* save = MakeButton(page, "Button11", "保存", 338, 4, 42, 24);
  save->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RunCommand([this] { Button11Click(); }); });
  StringGrid4 = new ListGrid(page, "StringGrid4", state_.StringGrid4, clipboard_,
                             {.colWidth = 58, .editable = true});
  StringGrid4->SetSize(2, kListTop, kPageWidth - 4, kPageHeight - kListTop - 2);
  NumberColumns(*StringGrid4, kSimaColX, kSimaColZ);
  return page;
}

}  // namespace vensa
