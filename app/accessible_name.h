// The name screen readers and UI automation report for a control whose caption stands
// beside it in a separate label, such as an edit field (accessible_name_*.cpp). Buttons
// and check boxes report their own captions already.
#pragma once

#include <wx/window.h>

namespace vensa {

void SetAccessibleName(wxWindow* control, const wxString& name);

}  // namespace vensa
