// Tabs " CAD 設定 " (target CAD, layers, text and table sizes) and " 取得, ID 設定 "
// (decimals and point-name search of "CADから", the options of point picking).
#include <wx/spinbutt.h>

#include "app/controls.h"
#include "app/main_form.h"
#include "cad/commands/view_helpers.h"

namespace vensa {
namespace {

struct Field {
  const char* name;
  const char* label;
  EditState& state;
};

}  // namespace

wxWindow* TForm1::BuildCadSettingsTab(wxNotebook* book) {
  wxPanel* page = MakePage(book, "TabSheet2");
  FormState& s = state_;

  MakeGroup(page, "ターゲット CAD", 4, 0, 375, 76);
  const Field target[] = {{"Edit35", "名称", s.Edit35}, {"Edit36", "ProgID", s.Edit36}};
  for (int i = 0; i < 2; ++i) {
    binding_.Bind(MakeLabeledEdit(page, target[i].label, 12, target[i].name, 60, 20 + i * 26, 212,
                                  wxTE_READONLY),
                  target[i].state);
  }
  wxButton* edit = MakeButton(page, "SpeedButton5", "編集", 278, 20, 94, 24);
  edit->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SpeedButton5Click(); });
  wxButton* openDrawing = MakeButton(page, "OpenDrawingButton", "図面を開く...", 278, 46, 94, 24,
                                     "図面ファイル (DXF) を開いてターゲット CAD にする");
  openDrawing->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    RunCommand([this] { OpenDrawingClick(state_, cadPlatform_, ui_); });
  });

  MakeGroup(page, "作成画層", 4, 80, 186, 232);
  const Field layers[] = {
      {"Edit2", "PLINE", s.Edit2},    {"Edit8", "POINT", s.Edit8},
      {"Edit18", "CIRCLE", s.Edit18}, {"Edit9", "測点名", s.Edit9},
      {"Edit10", "座標値", s.Edit10}, {"Edit11", "表枠", s.Edit11},
      {"Edit12", "表文字", s.Edit12}, {"Edit37", "画地", s.Edit37},
  };
  for (int i = 0; i < 8; ++i) {
    binding_.Bind(MakeLabeledEdit(page, layers[i].label, 12, layers[i].name, 66, 98 + i * 26, 118),
                  layers[i].state);
  }

  MakeGroup(page, "作成文字、表ｻｲｽﾞ", 194, 80, 185, 232);
  const Field sizes[] = {
      {"Edit1", "測点名", s.Edit1},        {"Edit13", "座標値", s.Edit13},
      {"Edit14", "表文字", s.Edit14},      {"Edit15", "一行高さ", s.Edit15},
      {"Edit16", "列幅(測点）", s.Edit16}, {"Edit17", "列幅（座標値）", s.Edit17},
      {"Edit19", "半径", s.Edit19},        {"Edit20", "作表 少数桁数", s.Edit20},
  };
  for (int i = 0; i < 8; ++i) {
    binding_.Bind(
        MakeLabeledEdit(page, sizes[i].label, 202, sizes[i].name, 318, 98 + i * 26, 54, wxTE_RIGHT),
        sizes[i].state);
  }
  binding_.Bind(MakeCheckBox(page, "CheckBox24", "上記数値を DIMSCALE 倍", 12, 320), s.CheckBox24);
  MakeLabel(page, "作表の座標値", 12, 346);
  binding_.Bind(MakeCheckBox(page, "CheckBox9", "1/1000", 100, 346), s.CheckBox9);
  return page;
}

wxWindow* TForm1::BuildGetIdSettingsTab(wxNotebook* book) {
  wxPanel* page = MakePage(book, "TabSheet3");
  FormState& s = state_;

  // A decimals field with its horizontal up-down (0 to 8); the field shows the position.
  auto decimals = [this, page](const char* label, const char* name, const char* upDownName,
                               EditState& field, UpDownState& upDown, int x, int y) {
    wxTextCtrl* edit =
        MakeLabeledEdit(page, label, x, name, 214, y, 30, wxTE_RIGHT | wxTE_READONLY);
    ArrowUpDown* spin = MakeUpDown(page, upDownName, 246, y, true);
    binding_.Bind(edit, field);
    binding_.Bind(spin, upDown);
    auto step = [this, &upDown](int delta) {
      RunCommand([this, &upDown, delta] {
        StepUpDown(upDown, delta);
        ApplyDependentStates(state_);
      });
    };
    spin->Bind(wxEVT_SPIN_UP, [step](wxSpinEvent&) { step(+1); });
    spin->Bind(wxEVT_SPIN_DOWN, [step](wxSpinEvent&) { step(-1); });
  };

  decimals("CAD から座標取得時の少数桁数", "Edit27", "UpDown6", s.Edit27, s.UpDown6, 8, 8);
  binding_.Bind(MakeLabeledEdit(page, "測点名検索範囲", 8, "Edit28", 214, 34, 50, wxTE_RIGHT),
                s.Edit28);
  binding_.Bind(MakeCheckBox(page, "CheckBox25", "DIMSCALE 倍", 276, 34), s.CheckBox25);
  binding_.Bind(MakeCheckBox(page, "CheckBox10", "測点名検索画層", 8, 60), s.CheckBox10);
  wxTextCtrl* edit29 = MakeEdit(page, "Edit29", 130, 60, 150);
  LabelFor(edit29, "測点名検索画層");
  binding_.Bind(edit29, s.Edit29);
  wxButton* layer = MakeButton(page, "SpeedButton2", "画層取得", 290, 59, 86, 24);
  layer->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    RunCommand([this] { LayerFromTarget(state_, cadPlatform_, ui_); });
  });

  MakeGroup(page, "ID", 4, 92, 375, 130);
  decimals("CAD から取得時の少数桁数", "Edit32", "UpDown7", s.Edit32, s.UpDown7, 12, 110);
  binding_.Bind(
      MakeLabeledEdit(page, "測点名プロットの文字サイズ", 12, "Edit34", 214, 136, 50, wxTE_RIGHT),
      s.Edit34);
  binding_.Bind(MakeCheckBox(page, "CheckBox20", "DIMSCALE 倍", 276, 136), s.CheckBox20);
  wxCheckBox* int16 = MakeCheckBox(
      page, "CheckBox16", "交点 ( INT ) オプション ( [ ID ] ボタンの右クリックでも反転）", 12, 164);
  binding_.Bind(int16, s.CheckBox16);
  int16->Bind(wxEVT_CHECKBOX,
              [this](wxCommandEvent&) { RunCommand([this] { ApplyDependentStates(state_); }); });

  // The DXF wait time is shown, not edited: the field and its labels stay disabled.
  wxStaticText* waitLabel = MakeLabel(page, "DXFファイル作成待ち", 8, 236);
  wxTextCtrl* edit26 = MakeEdit(page, "Edit26", 150, 236, 50, wxTE_RIGHT);
  LabelFor(edit26, "DXFファイル作成待ち");
  wxStaticText* msec = MakeLabel(page, "(msec)", 204, 236);
  waitLabel->Disable();
  msec->Disable();
  binding_.Bind(edit26, s.Edit26);

  wxButton* hidden = MakeButton(page, "SpeedButton4", "", 340, 236, 20, 20);
  hidden->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    RunCommand([this] { BringCadForward(state_, platform_, ui_); });
  });
  hidden->Hide();
  return page;
}

}  // namespace vensa
