// Every command that minimises the main window brings it back on every way out, also when
// an automation error ends it on the way to the general error report.
#include "cad/commands/get_from_cad.h"
#include "cad/commands/point_picking.h"
#include "cad/commands/text_list.h"
#include "cad/commands/view_helpers.h"
#include "core/error.h"
#include "tests/cad/commands/read_fixture.h"

namespace vensa {
namespace {

using namespace test;

TEST_F(ReadFixture, MainWindowIsRestoredWhenAnErrorEndsTheCommand) {
  struct Case {
    const char* what;
    void (*run)(FormState&, EntityTables&, Platform&, Ui&);
    const char* failingMember;  // nullptr: SNAPMODE holds no integer
  };
  const Case cases[] = {
      {"CADから, the selection set",
       [](FormState& s, EntityTables& t, Platform& p, Ui& u) { GetFromCad(s, t, p, u); },
       "doc.SelectionSets"},
      {"TEXT 取得, the selection set",
       [](FormState& s, EntityTables& t, Platform& p, Ui& u) { GetTextsFromCad(s, t, p, u); },
       "doc.SelectionSets"},
      {"ID, the layer",
       [](FormState& s, EntityTables&, Platform& p, Ui& u) { PickPointsWithId(s, p, u); },
       "doc.Layers"},
      {"画層取得, SNAPMODE no integer",
       [](FormState& s, EntityTables&, Platform& p, Ui& u) { LayerFromPickedText(s, p, u); },
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SimCad cad(log_);
    SimUi ui(log_);
    cad.RegisterWith(platform_, state_.TargetProgID);
    if (c.failingMember) {
      cad.FailAt(c.failingMember, 1, "CAD は応答しません");
    } else {
      cad.SetSystemVariable("SNAPMODE", std::string("on"));
    }
    log_->Clear();
    EXPECT_THROW(c.run(state_, tables_, platform_, ui), VensaError);
    EXPECT_EQ(log_->Count("ui.MinimizeMainWindow"), 1);
    EXPECT_EQ(ui.WindowState(), MainWindowState::Normal);
  }
}

}  // namespace
}  // namespace vensa
