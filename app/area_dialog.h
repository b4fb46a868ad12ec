// TAreaForm, "座標求積": opened from the coordinate list's pop-up menu. The user picks the
// parcels (the SIMA file's, or the list's rows in the plot range as one parcel with a
// name), the land category, the list's unit and the direction column, and where the
// tables go; the main window then runs the command.
#pragma once

#include <string>

#include <wx/dialog.h>

#include "area/commands/area_commands.h"
#include "state/form_state.h"

class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

namespace vensa {

class TAreaForm : public wxDialog {
 public:
  // Where the tables go: the button that closed the dialog.
  enum Target { kCancel = wxID_CANCEL, kToCad = wxID_HIGHEST + 1, kToSheet, kToFile };

  // Shows the remembered choices of `state`; the SIMA parcels are offered only when the
  // last SIMA file read had some.
  TAreaForm(wxWindow* parent, const FormState& state);

  // The choices into the state (remembered in the settings file) after ShowModal.
  void TakeChoices(FormState& state) const;
  AreaSource Source() const;
  std::string ParcelName() const;

 private:
  wxRadioButton* parcels_ = nullptr;
  wxRadioButton* list_ = nullptr;
  wxTextCtrl* name_ = nullptr;
  wxCheckBox* other_ = nullptr;
  wxCheckBox* millimetre_ = nullptr;
  wxCheckBox* direction_ = nullptr;
};

}  // namespace vensa
