#include "app/form_binding.h"

namespace vensa {

wxString ToWx(const std::string& text) {
  return wxString::FromUTF8(text);
}
std::string FromWx(const wxString& text) {
  return text.utf8_string();
}

void FormBinding::Add(std::function<void()> pull, std::function<void()> push) {
  if (pull) pulls_.push_back(std::move(pull));
  if (push) pushes_.push_back(std::move(push));
}

void FormBinding::Bind(wxCheckBox* box, CheckBoxState& state) {
  Add([box, &state] { state.checked = box->GetValue(); },
      [box, &state] {
        box->SetValue(state.checked);
        box->Enable(state.enabled);
      });
}

void FormBinding::Bind(wxTextCtrl* edit, EditState& state) {
  Add(
      [edit, &state] {
        if (edit->IsEditable()) state.text = FromWx(edit->GetValue());
      },
      [edit, &state] {
        const wxString text = ToWx(state.text);
        // ChangeValue sends no text event, so showing the state starts no handler.
        if (edit->GetValue() != text) edit->ChangeValue(text);
        edit->Enable(state.enabled);
      });
}

void FormBinding::Bind(ArrowUpDown* upDown, UpDownState& state) {
  // The position is the state's: an arrow click is handled by a command that steps it, and
  // the control only shows the result.
  Add(nullptr, [upDown, &state] { upDown->Enable(state.enabled); });
}

void FormBinding::Pull() const {
  for (const auto& pull : pulls_) pull();
}

void FormBinding::Push() const {
  for (const auto& push : pushes_) push();
}

}  // namespace vensa
