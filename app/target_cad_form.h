// TTargetCADForm, "ターゲット CAD": the list of known CAD applications (name and ProgID),
// edited in place and written to the list file after every change; "OK" makes the two
// edit boxes the target of the main window. A view over TargetListBox, with one more
// entry below the file's, "図面ファイル (DXF)": a drawing file as the CAD, never written
// into the list file. "検出" offers the CAD applications registered on the machine, and so
// does opening the dialog while the list file does not exist yet.
#pragma once

#include <string>

#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "platform/platform.h"
#include "platform/ui.h"
#include "state/target_list_box.h"

namespace vensa {

class TForm1;

class TTargetCADForm : public wxDialog {
 public:
  // `platform` is read for the registered CADs, `ui` offers them.
  TTargetCADForm(TForm1& form, std::string listPath, Platform& platform, Ui& ui);

  // FormShow, then modal until closed; "OK" has written the target into `state`.
  int ShowFor(FormState& state);

  const TargetListBox& Box() const { return box_; }

 private:
  void FormShow(const std::string& targetProgId);
  void ListBox1Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  // "検出": the registered CADs offered; the one chosen fills the edit boxes and is added
  // as by "追加". `sayWhenNone`: finding none is said in a message.
  void SpeedButton4Click(bool sayWhenNone = true);
  void Button1Click();
  // The edit boxes into the list-box state, an operation, the list file written when it
  // changed the list, the state shown again; a failed write goes to the error report.
  void Operate(bool (*operation)(TargetListBox&));
  void ShowBox();
  int DrawingEntryIndex() const { return static_cast<int>(box_.ListBox1.size()); }

  TForm1& form_;
  std::string listPath_;
  Platform& platform_;
  Ui& ui_;
  TargetListBox box_;
  FormState* state_ = nullptr;
  bool drawingChosen_ = false;  // the entry "図面ファイル (DXF)" is selected
  wxListBox* ListBox1;
  wxTextCtrl* Edit1;
  wxTextCtrl* Edit2;
};

// Switches the input method off for an edit box meant for plain alphanumeric typing,
// where the platform allows it (input_method_*.cpp; a Windows version would switch the
// edit's input context off).
void DisableInputMethod(wxTextCtrl* edit);

}  // namespace vensa
