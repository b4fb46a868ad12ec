// What GTK's accessibility layer (ATK) reports for the controls: screen readers find a
// button by its caption and an edit field by the label beside it.
#include <gtk/gtk.h>

#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

std::string AccessibleName(wxWindow* control) {
  AtkObject* accessible = gtk_widget_get_accessible(static_cast<GtkWidget*>(control->GetHandle()));
  const char* name = accessible ? atk_object_get_name(accessible) : nullptr;
  return name ? name : "";
}

TEST_F(WindowTest, ControlsAreNamedByTheirCaptions) {
  Open();
  const std::pair<const char*, const char*> expected[] = {
      {"Button2", "CADへ"},     {"CheckBox21", "PLINE"}, {"Edit31", "プロット範囲"},
      {"Edit35", "名称"},       {"Edit2", "PLINE"},      {"Edit26", "DXFファイル作成待ち"},
      {"SpeedButton5", "編集"},
  };
  for (const auto& [control, name] : expected) EXPECT_EQ(AccessibleName(Find(control)), name);
}

}  // namespace
}  // namespace vensa::test
