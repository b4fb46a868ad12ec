#include "app/target_cad_form.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include "app/controls.h"
#include "app/form_binding.h"
#include "app/main_form.h"
#include "cad/commands/registered_cads.h"
#include "cad/file/drawing_target.h"
#include "core/file_io.h"

namespace vensa {

namespace {

constexpr char kRegisteredCadPrompt[] = "この PC に登録されている CAD (選ぶとリストに追加します)";
constexpr char kNoRegisteredCadMessage[] =
    "この PC に登録されている CAD が見つかりません。ProgID を入力して追加してください。";

}  // namespace

TTargetCADForm::TTargetCADForm(TForm1& form, std::string listPath, Platform& platform, Ui& ui)
    : wxDialog(&form, wxID_ANY, U8("ターゲット CAD"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "TargetCADForm"),
      form_(form),
      listPath_(std::move(listPath)),
      platform_(platform),
      ui_(ui) {
  SetClientSize(380, 300);
  ListBox1 = new wxListBox(this, wxID_ANY, {8, 8}, {364, 170}, 0, nullptr, wxLB_SINGLE,
                           wxDefaultValidator, "ListBox1");
  Edit1 = MakeLabeledEdit(this, "名称 （説明）", 8, "Edit1", 130, 186, 242, wxTE_PROCESS_ENTER);
  Edit2 = MakeLabeledEdit(this, "ProgID （クラス文字列）", 8, "Edit2", 130, 212, 242,
                          wxTE_PROCESS_ENTER);
  auto* add = MakeButton(this, "SpeedButton1", "追加", 8, 240, 60, 24);
  auto* remove = MakeButton(this, "SpeedButton2", "削除", 72, 240, 60, 24);
  auto* change = MakeButton(this, "SpeedButton3", "変更", 136, 240, 60, 24);
  auto* detect = MakeButton(this, "SpeedButton4", "検出", 312, 240, 60, 24,
                            "この PC に登録されている CAD を一覧から選んで追加します");
  auto* ok =
      new wxButton(this, wxID_OK, "OK", {212, 270}, {76, 24}, 0, wxDefaultValidator, "Button1");
  auto* cancel = new wxButton(this, wxID_CANCEL, U8("取り消し"), {296, 270}, {76, 24}, 0,
                              wxDefaultValidator, "Button2");
  (void)cancel;  // closes the dialog through its standard identifier
  DisableInputMethod(Edit1);
  DisableInputMethod(Edit2);

  ListBox1->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ListBox1Click(); });
  add->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SpeedButton1Click(); });
  remove->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SpeedButton2Click(); });
  change->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SpeedButton3Click(); });
  detect->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SpeedButton4Click(); });
  ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Button1Click(); });
  // Enter in either edit box acts as "変更"; the key stroke itself goes no further.
  for (wxTextCtrl* edit : {Edit1, Edit2})
    edit->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { SpeedButton3Click(); });
  Centre(wxBOTH);
}

int TTargetCADForm::ShowFor(FormState& state) {
  state_ = &state;
  drawingChosen_ = state.TargetIsDrawingFile;
  FormShow(state.TargetProgID);
  // A first start: no list yet, so the CADs found here are offered before anything else.
  if (!FileExists(listPath_)) SpeedButton4Click(/*sayWhenNone=*/false);
  CentreOnScreen();
  const int result = ShowModal();
  state_ = nullptr;
  return result;
}

void TTargetCADForm::FormShow(const std::string& targetProgId) {
  try {
    TargetListShowFile(box_, listPath_, targetProgId);
  } catch (const std::exception& error) {
    form_.ReportError(error.what());
  }
  if (drawingChosen_) box_.ItemIndex = -1;
  ShowBox();
}

void TTargetCADForm::ShowBox() {
  wxArrayString items;
  for (const std::string& line : box_.ListBox1) items.Add(ToWx(line));
  items.Add(U8(kDrawingFileTargetName));
  ListBox1->Set(items);
  if (drawingChosen_) {
    ListBox1->SetSelection(DrawingEntryIndex());
    Edit1->ChangeValue(U8(kDrawingFileTargetName));
    Edit2->ChangeValue(wxEmptyString);
    return;
  }
  if (box_.ItemIndex >= 0) ListBox1->SetSelection(box_.ItemIndex);
  Edit1->ChangeValue(ToWx(box_.Edit1));
  Edit2->ChangeValue(ToWx(box_.Edit2));
}

void TTargetCADForm::Operate(bool (*operation)(TargetListBox&)) {
  box_.Edit1 = FromWx(Edit1->GetValue());
  box_.Edit2 = FromWx(Edit2->GetValue());
  box_.ItemIndex = drawingChosen_ ? -1 : ListBox1->GetSelection();
  const bool changed = operation(box_);
  // Adding an entry selects it; deleting or changing leaves the drawing entry as it is.
  if (box_.ItemIndex >= 0) drawingChosen_ = false;
  ShowBox();
  if (!changed) return;
  try {
    SaveTargetList(box_, listPath_);
  } catch (const std::exception& error) {
    form_.ReportError(error.what());
  }
}

void TTargetCADForm::ListBox1Click() {
  const int index = ListBox1->GetSelection();
  if (index == wxNOT_FOUND) return;
  drawingChosen_ = index == DrawingEntryIndex();
  if (!drawingChosen_) TargetListClick(box_, index);
  ShowBox();
}

void TTargetCADForm::SpeedButton1Click() {
  Operate([](TargetListBox& box) {
    TargetListAdd(box);
    return true;
  });
}

void TTargetCADForm::SpeedButton2Click() {
  Operate(&TargetListDelete);
}
void TTargetCADForm::SpeedButton3Click() {
  Operate(&TargetListChange);
}

void TTargetCADForm::SpeedButton4Click(bool sayWhenNone) {
  std::vector<RegisteredCad> cads;
  try {
    cads = FindRegisteredCads(platform_);
  } catch (const std::exception& error) {
    form_.ReportError(error.what());
    return;
  }
  if (cads.empty()) {
    if (sayWhenNone) ui_.ShowMessage(kNoRegisteredCadMessage);
    return;
  }
  std::vector<std::string> items;
  for (const RegisteredCad& cad : cads) items.push_back(RegisteredCadChoice(cad));
  const std::optional<std::size_t> chosen = ui_.ChooseFromList(kRegisteredCadPrompt, items);
  if (!chosen || *chosen >= cads.size()) return;
  Edit1->ChangeValue(ToWx(cads[*chosen].name));
  Edit2->ChangeValue(ToWx(cads[*chosen].progId));
  SpeedButton1Click();
}

void TTargetCADForm::Button1Click() {
  box_.Edit1 = FromWx(Edit1->GetValue());
  box_.Edit2 = FromWx(Edit2->GetValue());
  if (state_ && drawingChosen_) {
    state_->TargetIsDrawingFile = true;
    ShowDrawingTarget(*state_);
  } else if (state_) {
    state_->TargetIsDrawingFile = false;
    TargetListConfirm(box_, *state_);
  }
  EndModal(wxID_OK);
}

}  // namespace vensa
