#include "app/wx_ui.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/choicdlg.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/number_format.h"
#include "core/number_read.h"

namespace vensa {
namespace {

wxString Title() {
  return wxString::FromUTF8(std::string(kApplicationTitle));
}

std::optional<std::string> RunFileDialog(wxWindow* parent, const std::string& filter, long style,
                                         const std::string& proposedPath = {}) {
  const wxFileName proposed(wxString::FromUTF8(proposedPath));
  wxFileDialog dialog(parent, wxEmptyString, proposed.GetPath(), proposed.GetFullName(),
                      wxString::FromUTF8(filter), style);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.GetPath().utf8_string();
}

// Decimals enough for a drawing coordinate typed back unchanged.
constexpr int kPointDecimals = 3;

// The small dialog of a typed point: X and Y, OK and 取り消し.
std::optional<TAcadPoint> RunPointDialog(wxWindow* parent, const std::string& prompt,
                                         const TAcadPoint& proposed) {
  wxDialog dialog(parent, wxID_ANY, wxString::FromUTF8(prompt), wxDefaultPosition, wxDefaultSize,
                  wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "PointDialog");
  dialog.SetClientSize(240, 100);
  new wxStaticText(&dialog, wxID_ANY, "X", {12, 14});
  auto* x =
      new wxTextCtrl(&dialog, wxID_ANY, wxString::FromUTF8(FormatFixed(proposed.x, kPointDecimals)),
                     {40, 10}, {188, -1}, 0, wxDefaultValidator, "PointX");
  new wxStaticText(&dialog, wxID_ANY, "Y", {12, 42});
  auto* y =
      new wxTextCtrl(&dialog, wxID_ANY, wxString::FromUTF8(FormatFixed(proposed.y, kPointDecimals)),
                     {40, 38}, {188, -1}, 0, wxDefaultValidator, "PointY");
  new wxButton(&dialog, wxID_OK, "OK", {72, 70}, {76, 24});
  new wxButton(&dialog, wxID_CANCEL, wxString::FromUTF8("取り消し"), {152, 70}, {76, 24});
  dialog.CentreOnParent();
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return TAcadPoint{ReadNumberCell(x->GetValue().utf8_string()),
                    ReadNumberCell(y->GetValue().utf8_string()), 0.0};
}

}  // namespace

int WxUi::Ask(const std::string& text, long style) const {
  wxMessageDialog dialog(&frame_, wxString::FromUTF8(text), Title(), style);
  return dialog.ShowModal();
}

void WxUi::ShowMessage(const std::string& text) {
  if (dialogs_) return dialogs_->ShowMessage(text);
  Ask(text, wxOK | wxICON_QUESTION);
}

MessageAnswer WxUi::AskYesNoCancel(const std::string& text) {
  if (dialogs_) return dialogs_->AskYesNoCancel(text);
  switch (Ask(text, wxYES_NO | wxCANCEL | wxICON_QUESTION)) {
    case wxID_YES:
      return MessageAnswer::Yes;
    case wxID_NO:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Cancel;
  }
}

MessageAnswer WxUi::AskYesNo(const std::string& text, bool yesIsDefault) {
  if (dialogs_) return dialogs_->AskYesNo(text, yesIsDefault);
  const long style = wxYES_NO | wxICON_QUESTION | (yesIsDefault ? wxYES_DEFAULT : wxNO_DEFAULT);
  return Ask(text, style) == wxID_YES ? MessageAnswer::Yes : MessageAnswer::No;
}

void WxUi::ShowError(const std::string& text) {
  if (dialogs_) return dialogs_->ShowError(text);
  Ask(text, wxOK | wxICON_ERROR);
}

std::optional<std::string> WxUi::OpenFileDialog(const std::string& filter) {
  if (dialogs_) return dialogs_->OpenFileDialog(filter);
  return RunFileDialog(&frame_, filter, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
}

// The overwrite question is the command's own, so the dialog does not ask it again.
std::optional<std::string> WxUi::SaveFileDialog(const std::string& filter) {
  if (dialogs_) return dialogs_->SaveFileDialog(filter);
  return RunFileDialog(&frame_, filter, wxFD_SAVE);
}

std::optional<std::string> WxUi::SaveFileDialogProposing(const std::string& filter,
                                                         const std::string& proposedPath) {
  if (dialogs_) return dialogs_->SaveFileDialogProposing(filter, proposedPath);
  return RunFileDialog(&frame_, filter, wxFD_SAVE | wxFD_OVERWRITE_PROMPT, proposedPath);
}

std::optional<std::size_t> WxUi::ChooseFromList(const std::string& prompt,
                                                const std::vector<std::string>& items) {
  if (dialogs_) return dialogs_->ChooseFromList(prompt, items);
  wxArrayString choices;
  for (const std::string& item : items) choices.Add(wxString::FromUTF8(item));
  wxSingleChoiceDialog dialog(&frame_, wxString::FromUTF8(prompt), Title(), choices);
  dialog.SetName("ListChoiceDialog");
  if (dialog.ShowModal() != wxID_OK || dialog.GetSelection() < 0) return std::nullopt;
  return static_cast<std::size_t>(dialog.GetSelection());
}

std::optional<TAcadPoint> WxUi::AskPoint(const std::string& prompt, const TAcadPoint& proposed) {
  if (dialogs_) return dialogs_->AskPoint(prompt, proposed);
  return RunPointDialog(&frame_, prompt, proposed);
}

void WxUi::MinimizeMainWindow() {
  frame_.Iconize(true);
}

void WxUi::RestoreMainWindow() {
  frame_.Iconize(false);
  frame_.Show();
}

void WxUi::BringMainWindowForward() {
  frame_.Raise();
}

wxGauge* WxUi::Bar(ProgressBarId bar) const {
  return bar == ProgressBarId::ProgressBar1 ? progressBar1_ : progressBar2_;
}

void WxUi::SetProgressMax(ProgressBarId bar, int maximum) {
  if (wxGauge* gauge = Bar(bar)) gauge->SetRange(std::max(maximum, 1));
}

void WxUi::SetProgressPosition(ProgressBarId bar, int position) {
  if (wxGauge* gauge = Bar(bar)) gauge->SetValue(std::clamp(position, 0, gauge->GetRange()));
}

void WxUi::SetStatusPanel(int panel, const std::string& text) {
  if (panel < 0 || panel > 1) return;
  state_.StatusBar1[static_cast<std::size_t>(panel)] = text;
  if (statusBar1_) statusBar1_->SetStatusText(wxString::FromUTF8(text), panel);
}

// Repaints and progress run; the user's input waits until the command has ended.
void WxUi::ProcessPendingMessages() {
  // Only the window's own events (painting, sizing) run: the user's clicks and keys wait
  // until the command ends, so no command starts inside another. Disabling every window
  // around the yield instead, as a safe yield does, repaints the whole window each time.
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_UI);
}

}  // namespace vensa
