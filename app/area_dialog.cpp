#include "app/area_dialog.h"

#include <optional>

#include <wx/radiobut.h>

#include "app/controls.h"
#include "app/main_form.h"
#include "area/file/area_file.h"
#include "core/file_io.h"
#include "sheet/file/sheet_file.h"
#include "sheet/file/sheet_file_commands.h"

namespace vensa {

TAreaForm::TAreaForm(wxWindow* parent, const FormState& state)
    : wxDialog(parent, wxID_ANY, U8("座標求積"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "AreaForm") {
  SetClientSize(300, 144);
  MakeGroup(this, "画地", 4, 2, 292, 70);
  const bool haveParcels = !state.SimaParcels.empty();
  parcels_ = new wxRadioButton(
      this, wxID_ANY,
      U8(("SIMA の画地 (" + std::to_string(state.SimaParcels.size()) + ")").c_str()), {12, 20},
      wxDefaultSize, wxRB_GROUP, wxDefaultValidator, "RadioParcels");
  list_ = new wxRadioButton(this, wxID_ANY, U8("座標リスト (プロット範囲)"), {12, 44},
                            wxDefaultSize, 0, wxDefaultValidator, "RadioList");
  parcels_->Enable(haveParcels);
  (haveParcels ? parcels_ : list_)->SetValue(true);
  name_ = MakeLabeledEdit(this, "画地名", 180, "EditAreaName", 222, 44, 68);
  other_ = MakeCheckBox(this, "CheckBox32", "その他の土地", 12, 80,
                        "地積: 宅地・鉱泉地は 0.01 ㎡、その他は 10 ㎡ を超えると 1 ㎡ 未満切捨て");
  millimetre_ = MakeCheckBox(this, "CheckBox33", "座標は mm", 118, 80,
                             "座標リストの座標が mm (SIMA の画地は常に m)");
  direction_ = MakeCheckBox(this, "CheckBox34", "方向角", 212, 80);
  other_->SetValue(state.CheckBox32.checked);
  millimetre_->SetValue(state.CheckBox33.checked);
  direction_->SetValue(state.CheckBox34.checked);
  struct Choice {
    int id;
    const char* name;
    const char* caption;
    int x;
    const char* hint;
  };
  for (const Choice& c :
       {Choice{kToCad, "ButtonAreaCad", "CADへ", 4, "作表の左上基点を指示して挿入"},
        Choice{kToSheet, "ButtonAreaExcel", "Excelへ", 78,
               "実行中の Excel の作業中シートへ (なければファイル)"},
        Choice{kToFile, "ButtonAreaFile", "ファイルへ", 152,
               "図面 (.dxf)、Excel ブック (.xlsx) か CSV (.csv) に保存"},
        Choice{wxID_CANCEL, "ButtonAreaClose", "閉じる", 226, nullptr}}) {
    wxButton* button = MakeButton(this, c.name, c.caption, c.x, 110, 70, 26, c.hint);
    button->SetId(c.id);
    button->Bind(wxEVT_BUTTON, [this, id = c.id](wxCommandEvent&) { EndModal(id); });
  }
  SetEscapeId(wxID_CANCEL);
  CentreOnParent();
}

void TAreaForm::TakeChoices(FormState& state) const {
  state.CheckBox32.checked = other_->GetValue();
  state.CheckBox33.checked = millimetre_->GetValue();
  state.CheckBox34.checked = direction_->GetValue();
}

AreaSource TAreaForm::Source() const {
  return parcels_->GetValue() ? AreaSource::kSimaParcels : AreaSource::kList;
}

std::string TAreaForm::ParcelName() const {
  return name_->GetValue().utf8_string();
}

}  // namespace vensa

// ---- The command behind the dialog ------------------------------------------------------

namespace vensa {
namespace {

// The file the user names, its kind by its name (".xlsx" when it has none); an existing
// one only when the user agrees to replace it.
std::optional<std::string> AskAreaFile(Ui& ui, const char* filter) {
  const std::optional<std::string> chosen = ui.SaveFileDialog(filter);
  if (!chosen || chosen->empty()) return std::nullopt;
  std::string path = SheetFileSavePath(*chosen);
  if (!IsAreaFileName(path)) path += ".xlsx";
  if (FileExists(path) && ui.AskYesNo(kSheetFileOverwriteQuestion, true) != MessageAnswer::Yes)
    return std::nullopt;
  return path;
}

void SaveToFile(const FormState& state, Ui& ui, const AreaTables& tables, const char* filter) {
  const std::optional<std::string> path = AskAreaFile(ui, filter);
  if (!path) return;
  TAcadPoint corner{};
  if (!SheetFileKindOf(*path)) {
    // A drawing file is opened as it is: the tables' top-left corner is typed.
    const std::optional<TAcadPoint> typed = ui.AskPoint(kTableCornerPrompt, corner);
    if (!typed) return;
    corner = *typed;
  }
  SaveAreaTablesFile(*path, tables.tables, state, 1.0, corner);
}

}  // namespace

void TForm1::AreaClick() {
  TAreaForm dialog(this, state_);
  const int target = dialog.ShowModal();
  dialog.TakeChoices(state_);
  if (target == TAreaForm::kCancel) return;
  const AreaTables tables = ComputeAreaTablesFromForm(state_, dialog.Source(), dialog.ParcelName());
  const CommandOutcome outcome = AreaOutcome(tables);
  state_.StatusBar1[1] = outcome.summary.value_or(std::string());
  // One box for all notes: a file of thousands of parcels must not ask for a click each.
  if (!outcome.notes.empty()) {
    constexpr std::size_t kShown = 10;
    std::string text;
    for (std::size_t i = 0; i < outcome.notes.size() && i < kShown; ++i)
      text += (i > 0 ? "\n" : "") + outcome.notes[i];
    if (outcome.notes.size() > kShown)
      text += "\nほか " + std::to_string(outcome.notes.size() - kShown) + " 件";
    ui_.ShowMessage(text);
  }
  if (!outcome.done) return;
  switch (target) {
    case TAreaForm::kToCad:
      if (state_.TargetIsDrawingFile) return SaveToFile(state_, ui_, tables, kDrawingSaveFilter);
      // A cancelled pick leaves the drawing unchanged, which says enough.
      AreaTablesToCad(state_, platform_, ui_, files_.insertFile, tables.tables);
      return;
    case TAreaForm::kToSheet:
      if (AreaTablesToExcel(state_, excel_, platform_, tables.tables)) return;
      return SaveToFile(state_, ui_, tables, kSheetFileFilter);
    default:
      return SaveToFile(state_, ui_, tables, kAreaFileFilter);
  }
}

}  // namespace vensa
