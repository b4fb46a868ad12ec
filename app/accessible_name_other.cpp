// Windows names an edit field after the label created just before it (every field's label
// is made right before the field), and setting the field's own label would replace its
// text there; so nothing is set.
#include "app/accessible_name.h"

namespace vensa {

void SetAccessibleName(wxWindow*, const wxString&) {}

}  // namespace vensa
