// What the commands ask of the main window, answered by a program without one: messages
// go to the error stream, questions take their default answer, dialogs are cancelled and
// the window's own state, progress and status are ignored.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/windowless_ui.h"

namespace vensa::cli {

class ConsoleUi : public WindowlessUi {
 public:
  explicit ConsoleUi(std::ostream& err) : err_(err) {}

  // Whether a message or an error was shown: the command did not do all it was asked.
  bool Reported() const { return !messages_.empty(); }
  // The messages and errors shown, in order.
  const std::vector<std::string>& Messages() const { return messages_; }

  void ShowMessage(const std::string& text) override { Report(text); }
  MessageAnswer AskYesNoCancel(const std::string& text) override;
  MessageAnswer AskYesNo(const std::string& text, bool yesIsDefault) override;
  void ShowError(const std::string& text) override { Report(text); }

 private:
  void Report(const std::string& text);

  std::ostream& err_;
  std::vector<std::string> messages_;
};

}  // namespace vensa::cli
