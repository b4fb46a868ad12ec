// The input method cannot be switched off per edit box through the toolkit on this
// platform; typing there follows the user's current input mode.
#include "app/target_cad_form.h"

namespace vensa {

void DisableInputMethod(wxTextCtrl*) {}

}  // namespace vensa
