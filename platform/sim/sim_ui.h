// A scripted main window: questions and file dialogs take their answers from queues,
// messages are kept, and the window state, progress bars and status panels are held so a
// test can look at what the user would see. Every call is one line of the call log.
#pragma once

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/call_log.h"
#include "platform/ui.h"

namespace vensa {

enum class MainWindowState { Normal, Minimized };

struct SimProgressBar {
  int maximum = 100;
  int position = 0;
};

class SimUi : public Ui {
 public:
  explicit SimUi(std::shared_ptr<CallLog> log = std::make_shared<CallLog>());

  // Scripting: answers are used in order; when the queue is empty a question is answered
  // with the default (Cancel for Yes/No/Cancel, No for Yes/No) and a dialog is cancelled.
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  void QueueFileName(std::optional<std::string> name) { fileNames_.push_back(std::move(name)); }
  // The next list choice (an index into the items offered); none queued: cancelled.
  void QueueChoice(std::optional<std::size_t> index) { choices_.push_back(index); }

  // Inspection.
  CallLog& Log() { return *log_; }
  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<std::string>& Errors() const { return errors_; }
  // The questions asked, in order, Yes/No/Cancel and Yes/No together.
  const std::vector<std::string>& Questions() const { return questions_; }
  // The items of the last list offered to choose from.
  const std::vector<std::string>& OfferedItems() const { return offered_; }
  MainWindowState WindowState() const { return state_; }
  bool MainWindowInFront() const { return inFront_; }
  const SimProgressBar& Progress(ProgressBarId bar) const;
  const std::string& StatusPanel(int panel) const;
  int PendingMessageRuns() const { return pendingRuns_; }

  // Ui.
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
  void MinimizeMainWindow() override;
  void RestoreMainWindow() override;
  void BringMainWindowForward() override;
  void SetProgressMax(ProgressBarId bar, int maximum) override;
  void SetProgressPosition(ProgressBarId bar, int position) override;
  void SetStatusPanel(int panel, const std::string& text) override;
  void ProcessPendingMessages() override;

 private:
  MessageAnswer NextAnswer(MessageAnswer fallback);
  std::optional<std::string> NextFileName();
  SimProgressBar& Bar(ProgressBarId bar);

  std::shared_ptr<CallLog> log_;
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> fileNames_;
  std::deque<std::optional<std::size_t>> choices_;
  std::vector<std::string> offered_;
  std::vector<std::string> messages_;
  std::vector<std::string> errors_;
  std::vector<std::string> questions_;
  MainWindowState state_ = MainWindowState::Normal;
  bool inFront_ = true;
  std::array<SimProgressBar, 2> bars_;
  std::array<std::string, 2> panels_;
  int pendingRuns_ = 0;
};

}  // namespace vensa
