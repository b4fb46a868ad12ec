// What the commands ask of the main window, answered by a program without one: messages
// go to the error stream, questions take their default answer, dialogs are cancelled and
// the window's own state, progress and status are ignored. What a command did comes back
// as its outcome, never from here.
#pragma once

#include <ostream>
#include <string>

#include "cli/windowless_ui.h"

namespace vensa::cli {

class ConsoleUi : public WindowlessUi {
 public:
  explicit ConsoleUi(std::ostream& err) : err_(err) {}

  void ShowMessage(const std::string& text) override { Report(text); }
  MessageAnswer AskYesNoCancel(const std::string& text) override;
  MessageAnswer AskYesNo(const std::string& text, bool yesIsDefault) override;
  void ShowError(const std::string& text) override { Report(text); }

 private:
  void Report(const std::string& text);

  std::ostream& err_;
};

}  // namespace vensa::cli
