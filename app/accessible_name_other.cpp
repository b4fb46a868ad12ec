// Elsewhere the control's label is what the platform's accessibility layer reads.
#include "app/accessible_name.h"

namespace vensa {

void SetAccessibleName(wxWindow* control, const wxString& name) {
  control->SetLabel(name);
}

}  // namespace vensa
