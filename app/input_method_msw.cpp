// The ProgID and name edits take plain ASCII: the window's input method context is
// detached, so typing there never goes through the Japanese input method.
#include <wx/msw/wrapwin.h>

#include <imm.h>

#include "app/target_cad_form.h"

namespace vensa {

void DisableInputMethod(wxTextCtrl* edit) {
  if (edit != nullptr) ImmAssociateContext(static_cast<HWND>(edit->GetHWND()), nullptr);
}

}  // namespace vensa
