#include "platform/sim/sim_ui.h"

#include <stdexcept>
#include <utility>

namespace vensa {

namespace {

const char* AnswerName(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Ok:
      return "Ok";
    case MessageAnswer::Yes:
      return "Yes";
    case MessageAnswer::No:
      return "No";
    case MessageAnswer::Cancel:
      return "Cancel";
  }
  return "?";
}

const char* BarName(ProgressBarId bar) {
  return bar == ProgressBarId::ProgressBar1 ? "ProgressBar1" : "ProgressBar2";
}

void CheckPanel(int panel) {
  if (panel < 0 || panel > 1) throw std::out_of_range("status panel " + std::to_string(panel));
}

}  // namespace

SimUi::SimUi(std::shared_ptr<CallLog> log) : log_(std::move(log)) {
  if (!log_) log_ = std::make_shared<CallLog>();
}

const SimProgressBar& SimUi::Progress(ProgressBarId bar) const {
  return bars_[bar == ProgressBarId::ProgressBar1 ? 0 : 1];
}

SimProgressBar& SimUi::Bar(ProgressBarId bar) {
  return bars_[bar == ProgressBarId::ProgressBar1 ? 0 : 1];
}

const std::string& SimUi::StatusPanel(int panel) const {
  CheckPanel(panel);
  return panels_[panel];
}

MessageAnswer SimUi::NextAnswer(MessageAnswer fallback) {
  if (answers_.empty()) return fallback;
  MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<std::string> SimUi::NextFileName() {
  if (fileNames_.empty()) return std::nullopt;
  std::optional<std::string> name = std::move(fileNames_.front());
  fileNames_.pop_front();
  return name;
}

void SimUi::ShowMessage(const std::string& text) {
  log_->Add("ui.ShowMessage " + text);
  messages_.push_back(text);
}

MessageAnswer SimUi::AskYesNoCancel(const std::string& text) {
  questions_.push_back(text);
  MessageAnswer answer = NextAnswer(MessageAnswer::Cancel);
  log_->Add(std::string("ui.AskYesNoCancel ") + text + " -> " + AnswerName(answer));
  return answer;
}

MessageAnswer SimUi::AskYesNo(const std::string& text, bool yesIsDefault) {
  questions_.push_back(text);
  MessageAnswer answer = NextAnswer(MessageAnswer::No);
  log_->Add(std::string("ui.AskYesNo ") + text + (yesIsDefault ? " (Yes)" : " (No)") + " -> " +
            AnswerName(answer));
  return answer;
}

void SimUi::ShowError(const std::string& text) {
  log_->Add("ui.ShowError " + text);
  errors_.push_back(text);
}

std::optional<std::string> SimUi::OpenFileDialog(const std::string& filter) {
  std::optional<std::string> name = NextFileName();
  log_->Add("ui.OpenFileDialog " + filter + " -> " + name.value_or("(cancel)"));
  return name;
}

std::optional<std::string> SimUi::SaveFileDialog(const std::string& filter) {
  std::optional<std::string> name = NextFileName();
  log_->Add("ui.SaveFileDialog " + filter + " -> " + name.value_or("(cancel)"));
  return name;
}

std::optional<std::string> SimUi::SaveFileDialogProposing(const std::string& filter,
                                                          const std::string& proposedPath) {
  std::optional<std::string> name = NextFileName();
  log_->Add("ui.SaveFileDialog " + filter + " [" + proposedPath + "] -> " +
            name.value_or("(cancel)"));
  return name;
}

std::optional<std::size_t> SimUi::ChooseFromList(const std::string& prompt,
                                                 const std::vector<std::string>& items) {
  offered_ = items;
  std::optional<std::size_t> index;
  if (!choices_.empty()) {
    index = choices_.front();
    choices_.pop_front();
  }
  log_->Add("ui.ChooseFromList " + prompt + " (" + std::to_string(items.size()) + ") -> " +
            (index ? std::to_string(*index) : "(cancel)"));
  return index;
}

void SimUi::MinimizeMainWindow() {
  log_->Add("ui.MinimizeMainWindow");
  state_ = MainWindowState::Minimized;
  inFront_ = false;
}

void SimUi::RestoreMainWindow() {
  log_->Add("ui.RestoreMainWindow");
  state_ = MainWindowState::Normal;
}

void SimUi::BringMainWindowForward() {
  log_->Add("ui.BringMainWindowForward");
  inFront_ = true;
}

void SimUi::SetProgressMax(ProgressBarId bar, int maximum) {
  log_->Add(std::string("ui.SetProgressMax ") + BarName(bar) + " " + std::to_string(maximum));
  Bar(bar).maximum = maximum;
}

void SimUi::SetProgressPosition(ProgressBarId bar, int position) {
  log_->Add(std::string("ui.SetProgressPosition ") + BarName(bar) + " " + std::to_string(position));
  Bar(bar).position = position;
}

void SimUi::SetStatusPanel(int panel, const std::string& text) {
  CheckPanel(panel);
  log_->Add("ui.SetStatusPanel " + std::to_string(panel) + " " + text);
  panels_[panel] = text;
}

void SimUi::ProcessPendingMessages() {
  log_->Add("ui.ProcessPendingMessages");
  ++pendingRuns_;
}

}  // namespace vensa
