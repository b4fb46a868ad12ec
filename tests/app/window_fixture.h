// The real main window under a display (Xvfb in CI): opened on a scratch folder as if the
// program lived there, controls found by their names, and waits that end as soon as what
// they wait for has happened.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "app/main_form.h"
#include "platform/none/no_com_platform.h"
#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"
#include "tests/support/temp_dir.h"

namespace vensa::test {

// Lets the window handle its events until `done` holds; false after 10 s without it.
inline bool WaitUntil(const std::function<bool()>& done) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
  }
  return true;
}

// Lets the window handle everything that is pending now.
inline void WaitForIdle() {
  for (int round = 0; round < 3; ++round) {
    wxTheApp->ProcessPendingEvents();
    while (wxTheApp->Pending()) wxTheApp->Dispatch();
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
  }
}

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override { Close(); }

  void Open() {
    Platform& platform = useSimPlatform_ ? static_cast<Platform&>(simPlatform_) : platform_;
    form_ = new TForm1(ProgramFilesForExecutable(ExePath()), platform, drawingTargetByDefault_);
    form_->Show();
    // Without a window manager (Xvfb) raising also gives the window the keyboard.
    form_->Raise();
    ASSERT_TRUE(WaitUntil([this] { return form_->IsShownOnScreen() && form_->IsActive(); }));
    WaitForIdle();
  }

  // Closes the window as the user does, which writes the settings file.
  void Close() {
    if (!form_) return;
    form_->Close(true);
    ASSERT_TRUE(WaitUntil([this] { return !form_; }));
  }

  virtual std::string ExePath() const { return dir_.File("vensa"); }

  template <class T = wxWindow>
  T* Find(const char* name) const {
    T* found = dynamic_cast<T*>(wxWindow::FindWindowByName(name, form_.get()));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // What a control shows: a field's text, a box's "1" or "0", a button's caption.
  std::string Shown(const char* name) const {
    wxWindow* control = Find(name);
    if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) return edit->GetValue().utf8_string();
    if (auto* box = dynamic_cast<wxCheckBox*>(control)) return box->GetValue() ? "1" : "0";
    return control ? control->GetLabel().utf8_string() : "";
  }

  // The centre of a control on the screen.
  static wxPoint CentreOf(wxWindow* window) {
    return window->ClientToScreen(
        wxPoint(window->GetClientSize().x / 2, window->GetClientSize().y / 2));
  }

  ListGrid* Grid(const char* name) const { return Find<ListGrid>(name); }

  // The centre of a cell (0-based view row) on the screen.
  static wxPoint CellCentre(ListGrid* grid, int row, int col) {
    const wxRect r = grid->CellToRect(row, col);
    const wxPoint logical(r.x + r.width / 2, r.y + r.height / 2);
    return grid->GetGridWindow()->ClientToScreen(grid->CalcScrolledPosition(logical));
  }

  void ClickCell(ListGrid* grid, int row, int col) {
    sim_.MouseMove(CellCentre(grid, row, col));
    WaitForIdle();
    sim_.MouseClick();
    ASSERT_TRUE(WaitUntil([&] {
      wxWindow* focus = wxWindow::FindFocus();
      return grid->GetGridCursorRow() == row && (focus == grid || focus == grid->GetGridWindow());
    })) << (wxWindow::FindFocus() ? wxWindow::FindFocus()->GetName() : "no focus");
  }

  // A mouse drag with intermediate moves, so the grid sees the motion it expects.
  void Drag(const wxPoint& from, const wxPoint& to) {
    sim_.MouseMove(from);
    WaitForIdle();
    sim_.MouseDown();
    WaitForIdle();
    for (int step = 1; step <= 8; ++step) {
      sim_.MouseMove(from + (to - from) * step / 8);
      WaitForIdle();
    }
    sim_.MouseUp();
    WaitForIdle();
  }

  TempDir dir_;
  NoComPlatform platform_;
  // With useSimPlatform_ set before Open, the window runs on simPlatform_ instead: a class
  // registry and running objects of the test's own.
  SimPlatform simPlatform_;
  bool useSimPlatform_ = false;
  bool drawingTargetByDefault_ = false;  // as on Windows; the Linux program starts with true
  wxWeakRef<TForm1> form_;
  wxUIActionSimulator sim_;
};

// The window with its message boxes and dialogs answered by a script (`dialogs_`).
class ScriptedDialogsTest : public WindowTest {
 protected:
  void OpenScripted() {
    Open();
    form_->RouteDialogsTo(&dialogs_);
  }
  void TearDown() override {
    if (form_) form_->RouteDialogsTo(nullptr);
    WindowTest::TearDown();
  }

  // A button's click, and everything it set off handled.
  void Click(const char* button) {
    wxCommandEvent click(wxEVT_BUTTON, Find(button)->GetId());
    click.SetEventObject(Find(button));
    Find(button)->ProcessWindowEvent(click);
    WaitForIdle();
  }

  SimUi dialogs_;
};

}  // namespace vensa::test
