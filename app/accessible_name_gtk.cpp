// GTK reports names to screen readers through ATK; an entry has none unless it is given.
#include <gtk/gtk.h>

#include "app/accessible_name.h"

namespace vensa {

void SetAccessibleName(wxWindow* control, const wxString& name) {
  auto* widget = static_cast<GtkWidget*>(control->GetHandle());
  if (!widget) return;
  if (AtkObject* accessible = gtk_widget_get_accessible(widget))
    atk_object_set_name(accessible, name.utf8_str());
}

}  // namespace vensa
