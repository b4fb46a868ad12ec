// The link between the controls and the FormState they show. Before a command the
// controls' values are copied into the state (Pull); afterwards the state is shown again
// (Push), so a command only ever sees and changes the FormState.
#pragma once

#include <functional>
#include <vector>

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "app/arrow_up_down.h"

#include "state/form_state.h"

namespace vensa {

class FormBinding {
 public:
  void Bind(wxCheckBox* box, CheckBoxState& state);
  // A read-only field shows its text; an editable one gives it back on Pull.
  void Bind(wxTextCtrl* edit, EditState& state);
  // Shown only: arrow clicks go through the commands that step the position.
  void Bind(ArrowUpDown* upDown, UpDownState& state);
  // Anything else: a pair of copies, either of which may be empty.
  void Add(std::function<void()> pull, std::function<void()> push);

  void Pull() const;
  void Push() const;

 private:
  std::vector<std::function<void()>> pulls_;
  std::vector<std::function<void()>> pushes_;
};

wxString ToWx(const std::string& text);
std::string FromWx(const wxString& text);

}  // namespace vensa
