// GTK themes pad tabs, buttons, check boxes and fields for touch-sized layouts; the main
// window places its controls at fixed pixel positions, so the padding is taken back here
// for this program only.
#include <gtk/gtk.h>

#include "app/compact_style.h"

namespace vensa {

void ApplyCompactStyle() {
  static const char kCss[] =
      "* { -gtk-icon-transform: none; }"
      "notebook tab { padding: 2px 5px; min-height: 0; min-width: 0; }"
      "notebook header.top tabs { margin: 0; }"
      "notebook header arrow { min-width: 0; min-height: 0; padding: 0; }"
      "button { padding: 0 4px; min-height: 0; min-width: 0; }"
      "checkbutton { padding: 0; }"
      "checkbutton check { min-width: 12px; min-height: 12px; margin: 0 3px 0 0; }"
      "entry { min-height: 0; padding: 0 3px; }"
      "tooltip * { font-size: 12px; }";
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

}  // namespace vensa
