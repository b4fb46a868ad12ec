#include "app/wx_ui.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

namespace vensa {
namespace {

wxString Title() {
  return wxString::FromUTF8(std::string(kApplicationTitle));
}

std::optional<std::string> RunFileDialog(wxWindow* parent, const std::string& filter, long style) {
  wxFileDialog dialog(parent, wxEmptyString, wxEmptyString, wxEmptyString,
                      wxString::FromUTF8(filter), style);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.GetPath().utf8_string();
}

}  // namespace

int WxUi::Ask(const std::string& text, long style) const {
  wxMessageDialog dialog(&frame_, wxString::FromUTF8(text), Title(), style);
  return dialog.ShowModal();
}

void WxUi::ShowMessage(const std::string& text) {
  Ask(text, wxOK | wxICON_QUESTION);
}

MessageAnswer WxUi::AskYesNoCancel(const std::string& text) {
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
  const long style = wxYES_NO | wxICON_QUESTION | (yesIsDefault ? wxYES_DEFAULT : wxNO_DEFAULT);
  return Ask(text, style) == wxID_YES ? MessageAnswer::Yes : MessageAnswer::No;
}

void WxUi::ShowError(const std::string& text) {
  Ask(text, wxOK | wxICON_ERROR);
}

std::optional<std::string> WxUi::OpenFileDialog(const std::string& filter) {
  return RunFileDialog(&frame_, filter, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
}

// The overwrite question is the command's own, so the dialog does not ask it again.
std::optional<std::string> WxUi::SaveFileDialog(const std::string& filter) {
  return RunFileDialog(&frame_, filter, wxFD_SAVE);
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
  wxTheApp->SafeYieldFor(nullptr, wxEVT_CATEGORY_UI);
}

}  // namespace vensa
