// The main window minimised while the user works in the CAD: every command that hands the
// screen to the CAD holds one, so the window comes back however the command leaves, by
// its end, an early return or an automation error on the way to the general error report.
#pragma once

#include "cad/cad_connection.h"
#include "platform/platform.h"
#include "platform/ui.h"

namespace vensa {

class MinimizedMainWindow {
 public:
  // Minimises the main window and pauses, so the CAD's window is uncovered before the
  // user is asked to pick in it.
  MinimizedMainWindow(Ui& ui, Platform& platform) : ui_(ui) {
    ui_.MinimizeMainWindow();
    platform.Sleep(kMinimizePauseMs);
  }
  // Restored here only when the command has not restored it itself.
  ~MinimizedMainWindow() {
    if (minimized_) ui_.RestoreMainWindow();
  }
  MinimizedMainWindow(const MinimizedMainWindow&) = delete;
  MinimizedMainWindow& operator=(const MinimizedMainWindow&) = delete;

  // Restores the window now (before a read whose progress the user should see, or at the
  // command's end); calling it again restores it again.
  void Restore() {
    ui_.RestoreMainWindow();
    minimized_ = false;
  }

 private:
  Ui& ui_;
  bool minimized_ = true;
};

}  // namespace vensa
