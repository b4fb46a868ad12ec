#include "dxf/commands/plot_preview.h"

#include <gtest/gtest.h>

#include "core/coord_list.h"
#include "dxf/commands/drawing_file_commands.h"
#include "tests/support/coord_rows.h"

namespace vensa {
namespace {

// The input changes with the list's cells, an option, the parcels and the scale, and with
// nothing else: the preview builds its scene again exactly then.
TEST(PlotPreviewTest, InputFollowsTheListTheOptionsAndTheScale) {
  FormState s = InitialFormState();
  s.StringGrid1 = test::CoordListOf({{"A", "1", "2"}});
  const PlotPreviewInput before = PlotPreviewInputFromForm(s, 1.0);
  s.StringGrid1.current = {0, 1};
  EXPECT_EQ(PlotPreviewInputFromForm(s, 1.0), before);
  EXPECT_NE(PlotPreviewInputFromForm(s, 2.0), before);
  s.Edit31.text = "1";
  EXPECT_NE(PlotPreviewInputFromForm(s, 1.0), before);
  s.Edit31.text.clear();
  s.StringGrid1.SetCell(kColX, 1, "5");
  EXPECT_NE(PlotPreviewInputFromForm(s, 1.0), before);
}

// Where the plot would refuse, the preview is empty and says why.
TEST(PlotPreviewTest, EmptySceneNotesWhyNothingIsDrawn) {
  struct Case {
    const char* what;
    TextGrid list;
    void (*set)(FormState&);
    std::string note;
  };
  TextGrid longList = TextGrid::WithHeaders(CoordListHeaders(), kPreviewReorderRowLimit + 1);
  longList.SetCell(kColX, 1, "1");
  const Case cases[] = {
      {"not in use", test::CoordListOf({{"A", "", "2"}}), [](FormState&) {}, kListNotInUseMessage},
      {"bad size", test::CoordListOf({{"A", "1", "2"}}), [](FormState& s) { s.Edit13.text = "-1"; },
       "座標値の文字サイズ (TextSize/TEXTXY)"},
      {"long reorder", longList, [](FormState& s) { s.CheckBox7.checked = true; },
       kPreviewReorderTooLongMessage},
  };
  for (const Case& c : cases) {
    FormState s = InitialFormState();
    s.StringGrid1 = c.list;
    c.set(s);
    const PlotScene scene = PlotPreviewScene(s, PlotPreviewInputFromForm(s, 1.0));
    EXPECT_TRUE(scene.entries.empty()) << c.what;
    EXPECT_NE(scene.note.find(c.note), std::string::npos) << c.what << ": " << scene.note;
  }
}

}  // namespace
}  // namespace vensa
