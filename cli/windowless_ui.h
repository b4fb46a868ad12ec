// The main window's part in a command, for a program without a window: dialogs are
// cancelled and the window's own state, progress and status are ignored. What is shown
// and asked is left to the program.
#pragma once

#include <optional>
#include <string>

#include "platform/ui.h"

namespace vensa::cli {

class WindowlessUi : public Ui {
 public:
  std::optional<std::string> OpenFileDialog(const std::string&) override { return std::nullopt; }
  std::optional<std::string> SaveFileDialog(const std::string&) override { return std::nullopt; }
  void MinimizeMainWindow() override {}
  void RestoreMainWindow() override {}
  void BringMainWindowForward() override {}
  void SetProgressMax(ProgressBarId, int) override {}
  void SetProgressPosition(ProgressBarId, int) override {}
  void SetStatusPanel(int, const std::string&) override {}
  void ProcessPendingMessages() override {}
};

}  // namespace vensa::cli
