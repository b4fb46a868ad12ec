// The Ui port over the main window: message boxes with the application title as caption,
// file dialogs, the window's minimise / restore / raise, the two progress bars, the status
// panels and letting pending window messages run.
#pragma once

#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/statusbr.h>

#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa {

class WxUi : public Ui {
 public:
  WxUi(wxFrame& frame, FormState& state) : frame_(frame), state_(state) {}

  // The controls the port drives, once the tabs exist.
  void AttachProgressBar(ProgressBarId bar, wxGauge* gauge) {
    (bar == ProgressBarId::ProgressBar1 ? progressBar1_ : progressBar2_) = gauge;
  }
  void AttachStatusBar(wxStatusBar* statusBar1) { statusBar1_ = statusBar1; }
  // Message boxes and every dialog that asks the user (files, a list choice, a point) go
  // to `dialogs` instead of the screen: the window driven by a program of its own.
  void RouteDialogsTo(Ui* dialogs) { dialogs_ = dialogs; }

  void ShowMessage(const std::string& text) override;
  MessageAnswer AskYesNoCancel(const std::string& text) override;
  MessageAnswer AskYesNo(const std::string& text, bool yesIsDefault) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> OpenFileDialog(const std::string& filter) override;
  std::optional<std::string> SaveFileDialog(const std::string& filter) override;
  std::optional<std::string> SaveFileDialogProposing(const std::string& filter,
                                                     const std::string& proposedPath) override;
  std::optional<std::size_t> ChooseFromList(const std::string& prompt,
                                            const std::vector<std::string>& items) override;
  std::optional<TAcadPoint> AskPoint(const std::string& prompt,
                                     const TAcadPoint& proposed) override;
  void MinimizeMainWindow() override;
  void RestoreMainWindow() override;
  void BringMainWindowForward() override;
  void SetProgressMax(ProgressBarId bar, int maximum) override;
  void SetProgressPosition(ProgressBarId bar, int position) override;
  void SetStatusPanel(int panel, const std::string& text) override;
  void ProcessPendingMessages() override;

 private:
  wxGauge* Bar(ProgressBarId bar) const;
  int Ask(const std::string& text, long style) const;

  wxFrame& frame_;
  FormState& state_;
  wxGauge* progressBar1_ = nullptr;
  wxGauge* progressBar2_ = nullptr;
  wxStatusBar* statusBar1_ = nullptr;
  Ui* dialogs_ = nullptr;
};

}  // namespace vensa
