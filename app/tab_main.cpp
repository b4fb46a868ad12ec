// Tab " メイン ": the spreadsheet columns, the listing and drawing options, the command
// buttons, point picking, the plot range and the coordinate list.
#include <map>
#include <string_view>
#include <vector>

#include <wx/gauge.h>
#include <wx/spinbutt.h>

#include "app/controls.h"
#include "app/main_form.h"
#include "cad/commands/get_from_cad.h"
#include "cad/commands/point_picking.h"
#include "cad/commands/view_helpers.h"
#include "dxf/commands/drawing_commands.h"
#include "sheet/excel_updown.h"
#include "sheet/file/sheet_file_commands.h"

namespace vensa {
namespace {

using UpDownCommand = void (*)(FormState&, ExcelLink&, Platform&, UpDownArrow);

// A check box of the tab: its name, caption, the state it shows and its place.
struct PlacedCheckBox {
  const char* name;
  const char* caption;
  CheckBoxState& state;
  int x, y;
};

}  // namespace

wxWindow* TForm1::BuildMainTab(wxNotebook* book) {
  wxPanel* page = MakePage(book, "TabSheet1");
  FormState& s = state_;

  // ---- group "Excel" ----
  MakeGroup(page, "Excel", 4, 0, 200, 100);
  // A read-only field and its up-down; the Z column's field has "Z座標" as its label.
  struct Column {
    const char* label;
    const char* edit;
    const char* upDown;
    EditState& editState;
    UpDownState& upDownState;
    UpDownCommand click;
    int x, y, editWidth;
  };
  const Column columns[] = {
      {"測点名", "Edit3", "UpDown1", s.Edit3, s.UpDown1, &StepNameColumn, 10, 18, 24},
      {"X座標", "Edit4", "UpDown2", s.Edit4, s.UpDown2, &StepXColumn, 106, 18, 24},
      {"Y座標", "Edit5", "UpDown3", s.Edit5, s.UpDown3, &StepYColumn, 10, 44, 24},
      {nullptr, "Edit21", "UpDown5", s.Edit21, s.UpDown5, &StepZColumn, 106, 44, 24},
      {"開始行", "Edit6", "UpDown4", s.Edit6, s.UpDown4, &StepStartRow, 10, 70, 44},
  };
  for (const Column& c : columns) {
    if (c.label) MakeLabel(page, c.label, c.x, c.y);
    const int editX = c.x + (c.label ? 44 : 50);
    wxTextCtrl* edit = MakeEdit(page, c.edit, editX, c.y, c.editWidth, wxTE_READONLY);
    LabelFor(edit, c.label ? c.label : "Z座標");
    ArrowUpDown* upDown = MakeUpDown(page, c.upDown, editX + c.editWidth, c.y);
    binding_.Bind(edit, c.editState);
    binding_.Bind(upDown, c.upDownState);
    const UpDownCommand click = c.click;
    auto arrow = [this, click](UpDownArrow direction) {
      RunCommand([this, click, direction] { click(state_, excel_, platform_, direction); });
    };
    upDown->Bind(wxEVT_SPIN_UP, [arrow](wxSpinEvent&) { arrow(UpDownArrow::Up); });
    upDown->Bind(wxEVT_SPIN_DOWN, [arrow](wxSpinEvent&) { arrow(UpDownArrow::Down); });
  }
  wxCheckBox* checkBox8 =
      MakeCheckBox(page, "CheckBox8", "Z座標", 100, 44, "描画時の2D, 3D と兼用");
  binding_.Bind(checkBox8, s.CheckBox8);

  // ---- group "リスト表示" ----
  wxStaticBox* listGroup = MakeGroup(page, "リスト表示", 208, 0, 171, 100);
  listGroup->SetName("GroupBox2");
  const PlacedCheckBox listings[] = {
      {"CheckBox1", "POLYLINE", s.CheckBox1, 214, 18},
      {"CheckBox2", "POINT", s.CheckBox2, 300, 18},
      {"CheckBox6", "CIRCLE", s.CheckBox6, 214, 44},
      {"CheckBox3", "測点名検索", s.CheckBox3, 300, 44},
      {"CheckBox27", "TEXT", s.CheckBox27, 214, 70},
      {"UCS", "UCS", s.UCS, 300, 70},
  };
  std::vector<wxCheckBox*> listBoxes;
  for (const PlacedCheckBox& l : listings) {
    wxCheckBox* box = MakeCheckBox(page, l.name, l.caption, l.x, l.y);
    binding_.Bind(box, l.state);
    listBoxes.push_back(box);
    if (l.name != std::string_view("UCS"))
      box->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        RunCommand("リスト表示", [this] { RelistEntities(state_, tables_, platform_, ui_); });
      });
  }
  binding_.Add(nullptr, [this, listGroup, listBoxes] {
    listGroup->Enable(state_.ListDisplayGroupEnabled);
    for (wxCheckBox* box : listBoxes) box->Enable(state_.ListDisplayGroupEnabled);
  });

  // ---- group "CAD 描画" ----
  MakeGroup(page, "CAD 描画", 4, 102, 375, 82);
  const PlacedCheckBox drawings[] = {
      {"CheckBox21", "PLINE", s.CheckBox21, 10, 118},
      {"CheckBox28", "3D", s.CheckBox28, 76, 118},
      {"CheckBox5", "閉鎖", s.CheckBox5, 120, 118},
      {"CheckBox7", "2点目以降座標順", s.CheckBox7, 180, 118},
      {"CheckBox22", "POINT", s.CheckBox22, 160, 140},
      {"CheckBox26", "CIRCLE", s.CheckBox26, 226, 140},
      {"CheckBox23", "測点名", s.CheckBox23, 300, 140},
      {"CheckBox4", "座標値（", s.CheckBox4, 10, 162},
      {"CheckBox11", "Z値のみ）", s.CheckBox11, 86, 162},
  };
  std::map<std::string, wxCheckBox*> drawBoxes;
  for (const PlacedCheckBox& d : drawings) {
    wxCheckBox* box = MakeCheckBox(page, d.name, d.caption, d.x, d.y);
    binding_.Bind(box, d.state);
    drawBoxes[d.name] = box;
  }
  binding_.Bind(MakeLabeledEdit(page, "区切文字", 10, "Edit7", 64, 140, 24, wxTE_CENTRE), s.Edit7);
  MakeLabel(page, "(1文字)", 92, 140);
  // The boxes that enable others: the state decides, the controls follow.
  for (wxCheckBox* box : {checkBox8, drawBoxes["CheckBox21"], drawBoxes["CheckBox4"]})
    box->Bind(wxEVT_CHECKBOX,
              [this](wxCommandEvent&) { RunCommand([this] { ApplyDependentStates(state_); }); });

  // ---- commands ----
  struct Command {
    const char* name;
    const char* caption;
    const char* hint;
    std::function<void()> run;
  };
  const Command commands[] = {
      {"Button1", "Exceｌから", "Excel から座標リストを取得", [this] { Button1Click(); }},
      {"Button2", "CADへ", "座標リストをチェックした図形でCADへプロット",
       [this] { Button2Click(); }},
      {"Button13", "CADへ (Z=0)", "CAD にプロット（Z値=0)", [this] { Button13Click(); }},
      {"Button4", "CADから", "CAD から図形を取得し、チェックした図形の座標をリストに追加",
       [this] { Button4Click(); }},
      {"Button5", "Excelへ", "現在の座標リストを Excel に転送", [this] { Button5Click(); }},
      {"Button3", "XY 作表", "X, Y で座標リストを作表", [this] { Button3Click(); }},
      {"Button8", "YX 作表", "Y, X で座標リストを作表", [this] { Button8Click(); }},
      {"Button12", "ID (INT)", "CAD で座標を指示し、リストに追加 (右クリックで INT 反転)",
       [this] { Button12Click(); }},
  };
  wxButton* button12 = nullptr;
  for (int i = 0; i < 8; ++i) {
    const Command& c = commands[i];
    wxButton* button =
        MakeButton(page, c.name, c.caption, 4 + (i % 4) * 94, 188 + (i / 4) * 26, 92, 24, c.hint);
    button->Bind(wxEVT_BUTTON,
                 [this, step = c.caption, run = c.run](wxCommandEvent&) { RunCommand(step, run); });
    if (i == 7) button12 = button;
  }
  binding_.Add(nullptr, [this, button12] { button12->SetLabel(ToWx(state_.Button12Caption)); });
  // The right mouse button on "ID" or "Z値のみ）" toggles the INT option of point picking.
  for (wxWindow* target :
       {static_cast<wxWindow*>(button12), static_cast<wxWindow*>(drawBoxes["CheckBox11"])})
    target->Bind(wxEVT_RIGHT_DOWN,
                 [this](wxMouseEvent&) { RunCommand([this] { ToggleIntOption(state_); }); });

  // ---- point picking, plot range, pan ----
  wxCheckBox* checkBox19 = MakeCheckBox(page, "CheckBox19", " ID で測点名プロット", 4, 242);
  binding_.Bind(checkBox19, s.CheckBox19);
  wxTextCtrl* edit33 = MakeEdit(page, "Edit33", 150, 241, 60);
  edit33->SetForegroundColour(*wxRED);
  edit33->SetFont(wxFont(wxFontInfo(wxSize(0, 13)).Bold().FaceName(UiFont().GetFaceName())));
  binding_.Bind(edit33, s.Edit33);
  wxCheckBox* checkBox18 = MakeCheckBox(page, "CheckBox18", "常にPAN", 228, 242);
  binding_.Bind(checkBox18, s.CheckBox18);
  checkBox18->Bind(wxEVT_CHECKBOX, [this, checkBox18](wxCommandEvent& event) {
    event.Skip();
    if (checkBox18->GetValue()) RunCommand([this] { ShowOutcome(AlwaysPanOnTarget(state_)); });
  });
  wxButton* pan = MakeButton(page, "SpeedButton3", "PAN", 316, 241, 60, 22);
  pan->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    RunCommand([this] { ShowOutcome(PanToCoordListRowOnTarget(state_, cadPlatform_, ui_)); });
  });

  wxTextCtrl* edit31 = MakeLabeledEdit(page, "プロット範囲", 4, "Edit31", 76, 266, 140);
  MakeLabel(page, "(ex: 1-3, 5, 7, 9-)", 222, 266);
  binding_.Bind(edit31, s.Edit31);
  // A new plot range repaints the list so that the PLOT No. colouring follows it.
  edit31->Bind(wxEVT_TEXT, [this, edit31](wxCommandEvent&) {
    state_.Edit31.text = FromWx(edit31->GetValue());
    StringGrid1->ForceRefresh();
  });

  constexpr int kStatusHeight = 22;
  constexpr int kGaugeHeight = 10;
  const int gridTop = 292;
  const int gaugeTop = kPageHeight - kStatusHeight - kGaugeHeight;
  BuildCoordListGrid(page, 2, gridTop, kPageWidth - 4, gaugeTop - gridTop - 2);
  auto* gauge = new wxGauge(page, wxID_ANY, 100, {2, gaugeTop}, {kPageWidth - 4, kGaugeHeight},
                            wxGA_HORIZONTAL | wxGA_SMOOTH, wxDefaultValidator, "ProgressBar1");
  StatusBar1 = new wxStatusBar(page, wxID_ANY, 0, "StatusBar1");
  const int widths[] = {50, 200};
  StatusBar1->SetFieldsCount(2, widths);
  StatusBar1->SetSize(0, kPageHeight - kStatusHeight, kPageWidth, kStatusHeight);
  ui_.AttachProgressBar(ProgressBarId::ProgressBar1, gauge);
  ui_.AttachStatusBar(StatusBar1);
  return page;
}

}  // namespace vensa
