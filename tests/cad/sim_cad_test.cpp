#include "cad/sim/sim_cad.h"

#include <gtest/gtest.h>

#include "tests/cad/cad_test_support.h"

#include "tests/support/text_lines.h"

#include <filesystem>

#include "core/encoding.h"
#include "core/file_io.h"
#include "platform/automation_error.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

using Lines = std::vector<std::string>;

using test::Ent;

// A small insert file in the form the writer produces: a point and a name label.
std::string PointAndLabel(const std::string& layer) {
  return test::CrLfText({"  0", "SECTION",     "  2", "ENTITIES",    "  0", "POINT",
                         "  8", "VENSA_POINT", " 10", "10.00000000", " 20", "20.00000000",
                         " 30", "1.00000000",  "  0", "TEXT",        "  8", layer,
                         " 10", "10.00000000", " 20", "20.00000000", " 30", "1.00000000",
                         " 40", "2.5",         "  1", "A-1",         " 41", "1.0",
                         "  0", "ENDSEC",      "  0", "EOF"});
}

class SimCadTest : public ::testing::Test {
 protected:
  void SetUp() override { doc_ = cad_.Application()->ActiveDocument(); }

  std::string WriteFile(const std::string& name, const std::string& utf8) {
    std::string path = PathToUtf8(dir_ / name);
    SaveFileAtomically(path, Utf8ToAnsi(utf8));
    return path;
  }

  test::TempDir temp_;
  const std::filesystem::path& dir_ = temp_.path();
  SimCad cad_;
  std::shared_ptr<CadDocument> doc_;
};

TEST_F(SimCadTest, InsertAtOriginAddsEntitiesOnTheirLayersCreatingThem) {
  std::string path = WriteFile("plot.dxf", PointAndLabel("測点名"));
  doc_->SendCommand("-INSERT *" + path + "\r0,0,0 1 0\r");

  auto points = cad_.EntitiesOnLayer("VENSA_POINT");
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].coordinates, (std::vector<double>{10, 20, 1}));
  auto labels = cad_.EntitiesOnLayer("測点名");
  ASSERT_EQ(labels.size(), 1u) << "the CP932 layer name is read back";
  EXPECT_EQ(labels[0].text, "A-1");
  EXPECT_EQ(labels[0].insertion, (TAcadPoint{10, 20, 1}));
  EXPECT_NE(points[0].handle, labels[0].handle);
  EXPECT_EQ(cad_.LayerNames(), (Lines{"0", "VENSA_POINT", "測点名"}));
  EXPECT_TRUE(cad_.CommandLine().empty());
  EXPECT_EQ(cad_.Log().Lines(),
            (Lines{"app.ActiveDocument", "doc.SendCommand -INSERT *" + path + "\r0,0,0 1 0\r"}));
}

TEST_F(SimCadTest, InsertAtLastPointDisplacesEveryEntity) {
  std::string path = WriteFile("table.dxf", PointAndLabel("T"));
  cad_.QueuePick({100, 200, 0});
  TAcadPoint picked = VariantToPoint(doc_->Utility()->GetPoint("pick"));
  EXPECT_EQ(picked, (TAcadPoint{100, 200, 0}));
  EXPECT_EQ(cad_.LastPoint(), picked);

  doc_->SendCommand("-INSERT *" + path + "\r@ 1 0\r");
  auto labels = cad_.EntitiesOnLayer("T");
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].insertion, (TAcadPoint{110, 220, 1}));
  EXPECT_EQ(labels[0].height, 2.5);
}

TEST_F(SimCadTest, InsertWithScaleAndRotation) {
  std::string path = WriteFile("s.dxf", PointAndLabel("T"));
  doc_->SendCommand("-INSERT *" + path + "\r1,1 2 90\r");
  auto labels = cad_.EntitiesOnLayer("T");
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_NEAR(labels[0].insertion.x, 1 - 40, 1e-9);
  EXPECT_NEAR(labels[0].insertion.y, 1 + 20, 1e-9);
  EXPECT_EQ(labels[0].height, 5.0);
}

TEST_F(SimCadTest, InsertOfMissingOrBrokenFileAddsNothingAndDoesNotThrow) {
  doc_->SendCommand("-INSERT *" + PathToUtf8(dir_ / "none.dxf") + "\r0,0,0 1 0\r");
  std::string broken =
      WriteFile("broken.dxf",
                test::CrLfText({"  0", "SECTION", "  2", "ENTITIES", "  0", "POINT", " 10", "x"}));
  doc_->SendCommand("-INSERT *" + broken + "\r0,0,0 1 0\r");
  EXPECT_TRUE(cad_.Entities().empty());
  EXPECT_EQ(cad_.CommandLine().size(), 2u);
}

TEST_F(SimCadTest, IdCommandTakesTheNextPickOrIsCancelled) {
  cad_.SetSystemVariable("lastpoint", PointValue({1, 1, 0}));
  cad_.QueuePick({5, 6, 7});
  cad_.QueuePickCancel();
  doc_->SendCommand("_ID\r_int\r");
  EXPECT_EQ(VariantToPoint(doc_->GetVariable("LASTPOINT")), (TAcadPoint{5, 6, 7}));
  doc_->SendCommand("_ID\r");
  EXPECT_EQ(cad_.LastPoint(), (TAcadPoint{5, 6, 7})) << "a cancelled ID keeps LASTPOINT";
  doc_->SendCommand("_ID\r");
  EXPECT_EQ(cad_.LastPoint(), (TAcadPoint{5, 6, 7})) << "no script left: the user cancels";
}

TEST_F(SimCadTest, GetPointCancelIsAnAutomationError) {
  cad_.QueuePickCancel();
  try {
    doc_->Utility()->GetPoint("作表の左上基点を指示 : ");
    FAIL();
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.member(), "GetPoint");
  }
}

TEST_F(SimCadTest, SelectOnScreenAppliesTheTypeFilterAndScriptedCancel) {
  std::string text = cad_.AddEntity([] {
    SimEntity e = Ent("AcDbText");
    e.text = "A";
    return e;
  }());
  std::string line = cad_.AddEntity(Ent("AcDbLine"));
  auto set = doc_->SelectionSets()->Add("ssTemp");
  cad_.QueueSelection({text, line});
  set->SelectOnScreen(SelectionFilter{{0}, {std::string("TEXT")}});
  ASSERT_EQ(set->Count(), 1);
  EXPECT_EQ(set->Item(0)->TextString(), "A");
  EXPECT_EQ(cad_.Log().Count("sset.SelectOnScreen 0=TEXT"), 1);

  cad_.QueueSelectionCancel();
  EXPECT_THROW(set->SelectOnScreen(std::nullopt), AutomationError);
  set->SelectOnScreen(std::nullopt);  // nothing scripted: the user ends at once
  EXPECT_EQ(set->Count(), 1);
  EXPECT_THROW(set->Item(1), AutomationError);
}

TEST_F(SimCadTest, SelectEverythingTakesTheDrawingInOrderFilteredWhenAsked) {
  std::string line = cad_.AddEntity(Ent("AcDbLine"));
  std::string text = cad_.AddEntity(Ent("AcDbText"));
  std::string erased = cad_.AddEntity(Ent("AcDbText"));
  std::string hatch = cad_.AddEntity(Ent("AcDbHatch"));
  cad_.EraseEntity(erased);
  cad_.SelectEverythingOnScreen();
  cad_.QueueSelectionCancel();  // no longer used
  auto set = doc_->SelectionSets()->Add("ssTemp");
  set->SelectOnScreen(std::nullopt);
  EXPECT_EQ(cad_.SelectionSetHandles("ssTemp"), (Lines{line, text, hatch}));
  set->Clear();
  set->SelectOnScreen(SelectionFilter{{0}, {std::string("TEXT")}});
  EXPECT_EQ(cad_.SelectionSetHandles("ssTemp"), (Lines{text}));
}

TEST_F(SimCadTest, DeletedSetAndDuplicateNameAreRefused) {
  auto sets = doc_->SelectionSets();
  auto set = sets->Add("ssTemp");
  EXPECT_THROW(sets->Add("ssTemp"), AutomationError);
  set->Delete();
  EXPECT_TRUE(cad_.SelectionSetNames().empty());
  EXPECT_THROW(set->Count(), AutomationError);
  EXPECT_EQ(sets->Count(), 0);
}

TEST_F(SimCadTest, EntitiesAnswerOnlyTheMembersOfTheirClass) {
  std::string h = cad_.AddEntity([] {
    SimEntity e = Ent("AcDbLine", "L");
    e.start = {1, 2, 3};
    e.end = {4, 5, 6};
    return e;
  }());
  auto set = doc_->SelectionSets()->Add("s");
  cad_.QueueSelection({h});
  set->SelectOnScreen(std::nullopt);
  auto line = set->Item(0);
  EXPECT_EQ(line->EntityName(), "AcDbLine");
  EXPECT_EQ(VariantToPoint(line->EndPoint()), (TAcadPoint{4, 5, 6}));
  EXPECT_EQ(line->Layer(), "L");
  EXPECT_THROW(line->Radius(), AutomationError);
  EXPECT_THROW(line->TextString(), AutomationError);
  cad_.EraseEntity(h);
  EXPECT_THROW(line->EntityName(), AutomationError) << "erased meanwhile";
}

TEST_F(SimCadTest, AddTextThenLayerAndUpdate) {
  auto text = doc_->ModelSpace()->AddText("A-1", {1, 2, 0}, 2.5);
  EXPECT_THROW(text->SetLayer("NOPE"), AutomationError) << "the layer must exist";
  doc_->Layers()->Add("VENSA_TEXTPT");
  text->SetLayer("VENSA_TEXTPT");
  text->Update();
  auto on = cad_.EntitiesOnLayer("VENSA_TEXTPT");
  ASSERT_EQ(on.size(), 1u);
  EXPECT_EQ(on[0].text, "A-1");
  EXPECT_EQ(on[0].height, 2.5);
  EXPECT_THROW(doc_->ModelSpace()->AddText("x", {}, 0.0), AutomationError);
}

TEST_F(SimCadTest, FailAtCountsCallsOfOneMemberFromNow) {
  doc_->GetVariable("DIMSCALE");
  cad_.FailAt("doc.GetVariable", 2, "呼び出しが拒否されました");
  EXPECT_NO_THROW(doc_->GetVariable("DIMSCALE"));
  EXPECT_NO_THROW(doc_->SendCommand("_ID\r"));
  try {
    doc_->GetVariable("LASTPOINT");
    FAIL();
  } catch (const AutomationError& e) {
    EXPECT_STREQ(e.what(), "呼び出しが拒否されました");
    EXPECT_EQ(e.member(), "GetVariable");
  }
  EXPECT_NO_THROW(doc_->GetVariable("DIMSCALE")) << "one failure only";
}

TEST_F(SimCadTest, VariablesIgnoreCaseAndStartAsInANewDrawing) {
  EXPECT_EQ(VariantToDouble(doc_->GetVariable("dimscale")), 1.0);
  doc_->SetVariable("SNAPMODE", 1);
  EXPECT_EQ(VariantToInteger(cad_.SystemVariable("snapmode")), 1);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(doc_->GetVariable("NOSUCHVAR")));
  cad_.Application()->ZoomCenter({5, 5, 0}, 40);
  EXPECT_EQ(VariantToDouble(doc_->GetVariable("VIEWSIZE")), 40.0);
}

TEST_F(SimCadTest, GetEntityReturnsThePickedEntityAndPoint) {
  std::string h = cad_.AddEntity(Ent("AcDbText", "TEXT"));
  cad_.QueueEntityPick(h, {3, 4, 0});
  cad_.QueueEntityPickCancel();
  PickedEntity picked = doc_->Utility()->GetEntity("画層名を参照する TEXT を選択 : ");
  EXPECT_EQ(picked.entity->Layer(), "TEXT");
  EXPECT_EQ(VariantToPoint(picked.point), (TAcadPoint{3, 4, 0}));
  EXPECT_THROW(doc_->Utility()->GetEntity("again"), AutomationError);
}

}  // namespace
}  // namespace vensa
