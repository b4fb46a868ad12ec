#include "cad/commands/view_helpers.h"

#include "tests/cad/commands/read_fixture.h"

namespace vensa {
namespace {

using namespace test;

TEST_F(ReadFixture, PanCentresTheViewOnTheRowWithoutBringingTheCadForward) {
  SetRows(state_.StringGrid1, {{"A", "1", "2", ""}, {"B", "", "5", "6"}});
  state_.StringGrid1.current = {1, 1};
  PanToCoordListRow(state_, platform_, ui_);
  EXPECT_EQ(LogFrom("app."), (Lines{"app.ActiveDocument", "doc.GetVariable VIEWSIZE",
                                    "app.ZoomCenter 1,2,0 100", "doc.Regen 0"}));

  log_->Clear();
  state_.StringGrid1.current = {1, 2};  // no X: nothing, not even the CAD check
  PanToCoordListRow(state_, platform_, ui_);
  state_.StringGrid1.current = {1, 1};
  state_.entToSlFlag = true;
  PanToCoordListRow(state_, platform_, ui_);
  FollowTextListRow(state_, platform_, ui_);  // "常にPAN" of the text list is off
  EXPECT_TRUE(log_->Lines().empty());

  SetRows(state_.StringGrid2, {{"T", "7", "8", "9"}});
  state_.StringGrid2.current = {0, 1};
  state_.CheckBox17.checked = true;
  FollowTextListRow(state_, platform_, ui_);
  EXPECT_EQ(log_->Count("app.ZoomCenter 7,8,9 100"), 1);
}

TEST_F(ReadFixture, LayerFromAPickedText) {
  struct Case {
    const char* what;
    SimEntity picked;
    bool cancel;
    std::string edit29;
    Lines messages;
  };
  for (const Case& c :
       {Case{"a text", TextEnt("A", {}, "測点"), false, "測点", {}},
        Case{"a line", Ent("AcDbLine", "L"), false, "old", {kNotATextMessage}},
        Case{"a multiline text", Ent("AcDbMText", "M"), false, "old", {kNotATextMessage}},
        Case{"a cancel", TextEnt("A", {}, "測点"), true, "old", {}}}) {
    SCOPED_TRACE(c.what);
    SimCad cad(log_);
    SimUi ui(log_);
    cad.RegisterWith(platform_, state_.TargetProgID);
    cad.SetSystemVariable("SNAPMODE", std::int32_t{1});
    const std::string handle = cad.AddEntity(c.picked);
    if (c.cancel) {
      cad.QueueEntityPickCancel();
    } else {
      cad.QueueEntityPick(handle, {});
    }
    state_.Edit29.text = "old";
    log_->Clear();
    LayerFromPickedText(state_, platform_, ui);
    EXPECT_EQ(state_.Edit29.text, c.edit29);
    EXPECT_EQ(ui.Messages(), c.messages);
    EXPECT_EQ(cad.SystemVariable("SNAPMODE"), CadValue{std::int32_t{1}});
    Lines log = LogFrom("doc.GetVariable SNAPMODE");
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(Lines(log.begin(), log.begin() + 4),
              (Lines{"doc.GetVariable SNAPMODE", "doc.SetVariable SNAPMODE 0", "doc.Utility",
                     std::string("util.GetEntity ") + kLayerPickPrompt}));
    EXPECT_EQ(Lines(log.end() - 2, log.end()),
              (Lines{"doc.SetVariable SNAPMODE 1", "ui.RestoreMainWindow"}));
  }
}

TEST_F(ReadFixture, HiddenButtonOnlyActivatesTheCadWindow) {
  BringCadForward(state_, platform_, ui_);
  EXPECT_EQ(LogFrom("app."),
            (Lines{"app.HWND", "SetForegroundWindow " + std::to_string(cad_.Window())}));
}

}  // namespace
}  // namespace vensa
