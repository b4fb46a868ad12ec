#include "cad/cad_connection.h"

#include <gtest/gtest.h>

#include "tests/cad/cad_test_support.h"

#include "cad/sim/sim_cad.h"
#include "platform/automation_error.h"
#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"

namespace vensa {
namespace {

using Lines = std::vector<std::string>;

using test::Ent;

constexpr char kProgId[] = "Gcad.Application.23";

// One log for platform, window and CAD, so the order across them can be asserted.
struct Rig {
  std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
  SimPlatform platform{log};
  SimUi ui{log};
  SimCad cad{log};
};

TEST(ConnectTargetCadTest, UnregisteredProgIdIsReported) {
  Rig rig;
  const TargetCadCheck check = ConnectTargetCad(rig.platform, rig.ui, "Nothing.Application");
  EXPECT_FALSE(check);
  EXPECT_EQ(rig.ui.Messages(),
            (Lines{"ProgID（クラス文字列）: \nNothing.Application は無効です．"}));
  EXPECT_FALSE(check.ended.done);
  EXPECT_EQ(check.ended.cause, "") << "the message said it";
  EXPECT_EQ(rig.log->CountPrefix("GetActiveObject"), 0);
}

TEST(ConnectTargetCadTest, EmptyProgIdShowsNothingBeforeTheTail) {
  Rig rig;
  EXPECT_FALSE(ConnectTargetCad(rig.platform, rig.ui, ""));
  EXPECT_EQ(rig.ui.Messages(), (Lines{"ProgID（クラス文字列）: \n は無効です．"}));
}

TEST(ConnectTargetCadTest, RegisteredButNotRunningIsNotedInTheStatusBarOnly) {
  Rig rig;
  rig.platform.RegisterClass(kProgId, "{X}");
  const TargetCadCheck check = ConnectTargetCad(rig.platform, rig.ui, kProgId);
  EXPECT_FALSE(check);
  EXPECT_TRUE(rig.ui.Messages().empty());
  EXPECT_FALSE(check.ended.done);
  EXPECT_EQ(check.ended.cause, std::string("CAD が実行されていません (ProgID: ") + kProgId + ")");
  EXPECT_EQ(rig.ui.StatusPanel(1), "CAD (Gcad.Application.23) が起動していません");
}

TEST(ConnectTargetCadTest, RunningCadConnectsAndAttaches) {
  Rig rig;
  rig.cad.RegisterWith(rig.platform, kProgId);
  EXPECT_TRUE(ConnectTargetCad(rig.platform, rig.ui, kProgId));
  EXPECT_EQ(AttachTargetCad(rig.platform, kProgId), rig.cad.Application());
  EXPECT_TRUE(rig.ui.Messages().empty());
  EXPECT_EQ(rig.ui.StatusPanel(1), "");
}

TEST(AttachTargetCadTest, FailsAsAutomationErrorWhenNoCadIsThere) {
  Rig rig;
  EXPECT_THROW(AttachTargetCad(rig.platform, kProgId), AutomationError);
  rig.platform.RegisterClass(kProgId, "{X}");
  EXPECT_THROW(AttachTargetCad(rig.platform, kProgId), AutomationError);
  rig.platform.SetRunningObject("{X}", std::make_shared<AutomationObject>());
  EXPECT_THROW(AttachTargetCad(rig.platform, kProgId), AutomationError) << "not a CAD";
}

TEST(BringCadToFrontTest, MinimisedCadIsRestoredThenPausedThenActivatedAndEscaped) {
  Rig rig;
  rig.cad.RegisterWith(rig.platform, kProgId, SimCad::kDefaultClassId, /*minimized=*/true);
  BringCadToFront(rig.platform, *rig.cad.Application());
  const std::string w = std::to_string(SimCad::kDefaultWindow);
  EXPECT_EQ(rig.log->Lines(),
            (Lines{"app.HWND", "IsMinimized " + w, "app.HWND", "RestoreWindow " + w, "Sleep 500",
                   "app.HWND", "SetForegroundWindow " + w, "GetForegroundWindow", "app.HWND",
                   "KeyDown 27", "Sleep 5", "KeyUp 27", "Sleep 200"}));
  EXPECT_FALSE(rig.platform.WindowMinimized(SimCad::kDefaultWindow));
}

TEST(BringCadToFrontTest, NormalWindowIsNotRestored) {
  Rig rig;
  rig.cad.RegisterWith(rig.platform, kProgId);
  BringCadToFront(rig.platform, *rig.cad.Application());
  EXPECT_EQ(rig.log->CountPrefix("RestoreWindow"), 0);
  EXPECT_EQ(rig.log->Count("Sleep 500"), 0);
  EXPECT_EQ(rig.log->Count("KeyDown 27"), 1);
}

TEST(BringCadToFrontTest, NoKeyWhenTheCadDidNotComeForward) {
  Rig rig;
  rig.cad.RegisterWith(rig.platform, kProgId);
  rig.platform.AddWindow(77, "Other");
  rig.platform.SetForeground(77);
  rig.platform.SetRefuseForeground(true);
  BringCadToFront(rig.platform, *rig.cad.Application());
  EXPECT_EQ(rig.log->CountPrefix("Key"), 0) << "the key would reach another program";
  EXPECT_EQ(rig.platform.SleptMilliseconds(), 0);
}

TEST(StateQueryTest, ChosenBySubstringIgnoringCase) {
  EXPECT_EQ(StateQueryFor("Gcad.Application.23"), CadStateQuery::Gcad);
  EXPECT_EQ(StateQueryFor("zwcad.application"), CadStateQuery::Zcad);
  EXPECT_EQ(StateQueryFor("AutoCAD.Application.24"), CadStateQuery::Acad);
  EXPECT_EQ(StateQueryFor("Other.Application"), CadStateQuery::Acad);
  EXPECT_EQ(StateQueryFor("ZWCAD.GCAD"), CadStateQuery::Gcad) << "GCAD is tested first";
  EXPECT_EQ(StateQueryFor(""), CadStateQuery::Acad);
}

TEST(WaitForCadIdleTest, SleepsOnceBeforeTheFirstPollEvenWhenIdle) {
  Rig rig;
  WaitForCadIdle("Gcad.Application.23", *rig.cad.Application(), rig.platform, 200);
  EXPECT_EQ(rig.log->Lines(), (Lines{"Sleep 200", "app.GetGcadState", "state.IsQuiescent"}));
}

TEST(WaitForCadIdleTest, PollsUntilIdleWithTheQueryOfTheName) {
  Rig rig;
  rig.cad.SetBusyPolls(2);
  WaitForCadIdle("ZWCAD.Application", *rig.cad.Application(), rig.platform, 50);
  EXPECT_EQ(rig.log->Count("app.GetZcadState"), 3);
  EXPECT_EQ(rig.log->Count("Sleep 50"), 3);
  EXPECT_EQ(rig.log->Lines().back(), "state.IsQuiescent");
  EXPECT_TRUE(rig.cad.Idle());
}

TEST(WaitForCadIdleTest, AutomationErrorEndsTheWait) {
  Rig rig;
  rig.cad.SetBusyPolls(100);
  rig.cad.FailAt("state.IsQuiescent", 3, "CAD closed");
  EXPECT_THROW(WaitForCadIdle("Auto", *rig.cad.Application(), rig.platform, 200), AutomationError);
  EXPECT_EQ(rig.log->Count("app.GetAcadState"), 3);
}

TEST(EnsureLayerTest, ExistingUpperCaseLayerIsFound) {
  Rig rig;
  rig.cad.AddLayer("VENSA_TEXTPT");
  EXPECT_TRUE(EnsureLayer(*rig.cad.Application(), "VENSA_TEXTPT"));
  EXPECT_EQ(rig.log->CountPrefix("layers.Add"), 0);
  EXPECT_EQ(rig.log->Count("layer.Name"), 2) << "stops at the first match";
}

TEST(EnsureLayerTest, MixedCaseExistingNameMatchesUpperCaseGivenName) {
  Rig rig;
  rig.cad.AddLayer("Vensa_TextPt");
  EnsureLayer(*rig.cad.Application(), "VENSA_TEXTPT");
  EXPECT_EQ(rig.log->CountPrefix("layers.Add"), 0);
}

TEST(EnsureLayerTest, LowerCaseGivenNameIsNeverMatchedAndAdded) {
  Rig rig;
  rig.cad.AddLayer("TEXT");
  EnsureLayer(*rig.cad.Application(), "text");
  EXPECT_EQ(rig.log->Count("layers.Add text"), 1);
  // The CAD itself treats the names as one layer.
  EXPECT_EQ(rig.cad.LayerNames(), (Lines{"0", "TEXT"}));
}

TEST(EnsureLayerTest, MissingLayerIsCreated) {
  Rig rig;
  EnsureLayer(*rig.cad.Application(), "測点");
  EXPECT_TRUE(rig.cad.HasLayer("測点"));
}

TEST(PrepareSelectionSetTest, ExistingSetIsEmptiedAndReused) {
  Rig rig;
  std::string h = rig.cad.AddEntity(Ent("AcDbLine"));
  auto doc = rig.cad.Application()->ActiveDocument();
  doc->SelectionSets()->Add("other");
  auto first = doc->SelectionSets()->Add("ssTemp");
  rig.cad.QueueSelection({h});
  first->SelectOnScreen(std::nullopt);
  ASSERT_EQ(first->Count(), 1);

  auto set = PrepareSelectionSet(*doc);
  EXPECT_EQ(set->Count(), 0);
  EXPECT_EQ(rig.cad.SelectionSetNames(), (Lines{"other", "ssTemp"})) << "no second set";
  EXPECT_EQ(rig.log->Count("sset.Clear"), 1);
}

TEST(PrepareSelectionSetTest, MissingSetIsCreated) {
  Rig rig;
  auto doc = rig.cad.Application()->ActiveDocument();
  auto set = PrepareSelectionSet(*doc);
  EXPECT_EQ(set->Name(), "ssTemp");
  EXPECT_EQ(rig.log->Count("ssets.Add ssTemp"), 1);
  EXPECT_EQ(rig.log->CountPrefix("ssets.Item"), 0);
}

}  // namespace
}  // namespace vensa
