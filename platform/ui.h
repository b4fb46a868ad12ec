// What the commands ask of the main window and its dialogs: message boxes, file dialogs,
// the window's own state, progress bars, status panels and letting pending window
// messages run. The wx window implements it (app/wx_ui.h); platform/sim/ has a scripted substitute.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/acad_point.h"

namespace vensa {

enum class MessageAnswer { Ok, Yes, No, Cancel };

// The two progress bars of the main window: the main tab's and the text tab's.
enum class ProgressBarId { ProgressBar1, ProgressBar2 };

class Ui {
 public:
  virtual ~Ui() = default;

  // The system's own message: a confirmation box with the single button OK.
  virtual void ShowMessage(const std::string& text) = 0;
  // A question with the buttons Yes, No and Cancel.
  virtual MessageAnswer AskYesNoCancel(const std::string& text) = 0;
  // A question with the buttons Yes and No; `yesIsDefault` picks the default button.
  virtual MessageAnswer AskYesNo(const std::string& text, bool yesIsDefault) = 0;
  // The general error report: the error text, the application title as caption, a stop
  // icon and OK.
  virtual void ShowError(const std::string& text) = 0;

  // File dialogs; `filter` is "description|pattern|..." ("*.sim|*.sim|*.*|*.*"). Nothing
  // when the user cancels.
  virtual std::optional<std::string> OpenFileDialog(const std::string& filter) = 0;
  virtual std::optional<std::string> SaveFileDialog(const std::string& filter) = 0;
  // A save dialog that proposes a file name (a full path). Where no dialog can propose
  // one, the plain save dialog.
  virtual std::optional<std::string> SaveFileDialogProposing(const std::string& filter,
                                                             const std::string& proposedPath) {
    (void)proposedPath;
    return SaveFileDialog(filter);
  }

  // One of `items` chosen from a list under `prompt`: its index, nothing when cancelled.
  // Where there is no window to ask in, nothing is chosen.
  virtual std::optional<std::size_t> ChooseFromList(const std::string& prompt,
                                                    const std::vector<std::string>& items) {
    (void)prompt;
    (void)items;
    return std::nullopt;
  }
  // A point typed by the user (X and Y; z is 0), `proposed` shown first; nothing when
  // cancelled. Where there is no window to ask in, the proposed point.
  virtual std::optional<TAcadPoint> AskPoint(const std::string& prompt,
                                             const TAcadPoint& proposed) {
    (void)prompt;
    return proposed;
  }

  virtual void MinimizeMainWindow() = 0;
  virtual void RestoreMainWindow() = 0;
  // Makes the main window (its coordinate list) the foreground window.
  virtual void BringMainWindowForward() = 0;

  virtual void SetProgressMax(ProgressBarId bar, int maximum) = 0;
  virtual void SetProgressPosition(ProgressBarId bar, int position) = 0;
  // Panel 0 or 1 of the status bar.
  virtual void SetStatusPanel(int panel, const std::string& text) = 0;

  // Lets the window handle its pending messages (repaint, progress) before going on.
  virtual void ProcessPendingMessages() = 0;
};

}  // namespace vensa
