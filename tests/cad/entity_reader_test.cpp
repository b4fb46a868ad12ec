#include "cad/entity_reader.h"

#include <gtest/gtest.h>

#include <numbers>

#include "cad/cad_connection.h"
#include "platform/automation_error.h"
#include "platform/sim/sim_ui.h"
#include "tests/cad/cad_test_support.h"

namespace vensa {
namespace {

using Lines = std::vector<std::string>;
using namespace test;

class EntityReaderTest : public ::testing::Test {
 protected:
  // Selects the entities (all of the drawing when none are named) and reads them.
  int Read(int readMode = 1, std::vector<std::string> handles = {}) {
    if (handles.empty()) {
      for (const SimEntity& e : cad_.Entities()) handles.push_back(e.handle);
    }
    auto doc = cad_.Application()->ActiveDocument();
    set_ = PrepareSelectionSet(*doc);
    cad_.QueueSelection(handles);
    set_->SelectOnScreen(std::nullopt);
    log_->Clear();
    return ReadSelectedEntities(*set_, readMode, ProgressBarId::ProgressBar1, ui_, tables_,
                                panel0_);
  }

  std::shared_ptr<CallLog> log_ = std::make_shared<CallLog>();
  SimCad cad_{log_};
  SimUi ui_{log_};
  EntityTables tables_;
  std::string panel0_ = "old";
  std::shared_ptr<CadSelectionSet> set_;
};

TEST_F(EntityReaderTest, EveryClassFillsItsTableAndOnlyListedKindsCount) {
  SimEntity line = Ent("AcDbLine");
  line.start = {1, 2, 3};
  line.end = {4, 5, 6};
  cad_.AddEntity(line);
  cad_.AddEntity(CircleEnt({10, 20, 0}, 3));
  SimEntity arc = CircleEnt({1, 1, 0}, 2);
  arc.className = "AcDbArc";
  arc.endAngle = std::numbers::pi / 2;
  cad_.AddEntity(arc);
  SimEntity ellipse = Ent("AcDbEllipse");
  ellipse.center = {5, 5, 0};
  ellipse.endAngle = std::numbers::pi;
  cad_.AddEntity(ellipse);
  const std::string light =
      cad_.AddEntity(LightPolyline({0, 0, 10, 0, 10, 10, 0, 10}, 5, {0.1, 0.2, 0.3, 0.4}));
  SimEntity flat = Polyline("AcDb2dPolyline", {1, 2, 99, 3, 4, 99, 5, 6, 99});
  flat.normal = {0, 0, -1};
  flat.elevation = 7;
  flat.closed = true;
  const std::string twoD = cad_.AddEntity(flat);
  const std::string threeD = cad_.AddEntity(Polyline("AcDb3dPolyline", {1, 2, 3, 4, 5, 6}));
  SimEntity text = TextEnt("A1", {1, 2, 0}, "測点", 1, 0, {3, 4, 0});
  text.rotation = std::numbers::pi / 2;
  cad_.AddEntity(text);
  cad_.AddEntity(PointEnt({7, 8, 9}, "P"));
  for (const char* passedOver : {"AcDbBlockReference", "AcDbMText", "AcDbHatch"}) {
    cad_.AddEntity(Ent(passedOver));
  }

  // line, circle, three polylines, text, point; arcs and ellipses are not counted.
  EXPECT_EQ(Read(), 7);
  ASSERT_EQ(tables_.LineBlks.size(), 1u);
  EXPECT_EQ(tables_.LineBlks[0].st, (TAcadPoint{1, 2, 3}));
  EXPECT_EQ(tables_.LineBlks[0].ed, (TAcadPoint{4, 5, 6}));
  ASSERT_EQ(tables_.CircleBlks.size(), 1u);
  ASSERT_EQ(tables_.ArcBlks.size(), 1u);
  EXPECT_EQ(tables_.ArcBlks[0].stdeg, 0);
  EXPECT_DOUBLE_EQ(tables_.ArcBlks[0].eddeg, 90);
  ASSERT_EQ(tables_.EllipseBlks.size(), 1u);
  EXPECT_DOUBLE_EQ(tables_.EllipseBlks[0].owari, 180);

  ASSERT_EQ(tables_.LwpBlks.size(), 3u);
  EXPECT_EQ(tables_.LwpBlks[0].hand, light);
  EXPECT_EQ(tables_.LwpBlks[0].code38, 5);
  EXPECT_EQ(tables_.LwpBlks[1].code210, (TAcadPoint{0, 0, -1}));
  EXPECT_EQ(tables_.LwpBlks[1].code70, 1);
  EXPECT_EQ(tables_.LwpBlks[2].code210, (TAcadPoint{0, 0, 1}));
  // Vertex runs in reading order, each carrying its polyline's handle.
  std::vector<std::pair<std::string, TAcadPoint>> vertices;
  for (const TLwpEle& v : tables_.LwpEles) vertices.emplace_back(v.hand, v.code10);
  EXPECT_EQ(vertices, (std::vector<std::pair<std::string, TAcadPoint>>{
                          {light, {0, 0, 5}},
                          {light, {10, 0, 5}},
                          {light, {10, 10, 5}},
                          {light, {0, 10, 5}},
                          {twoD, {1, 2, 7}},  // the third value gives way to the elevation
                          {twoD, {3, 4, 7}},
                          {twoD, {5, 6, 7}},
                          {threeD, {1, 2, 3}},
                          {threeD, {4, 5, 6}}}));
  EXPECT_EQ(tables_.LwpEles[3].code42, 0.4);

  ASSERT_EQ(tables_.TextBlks.size(), 1u);
  const TTextBlk& t = tables_.TextBlks[0];
  EXPECT_EQ(t.layer, "測点");
  EXPECT_EQ(t.pt11, (TAcadPoint{3, 4, 0}));
  EXPECT_EQ(t.code72, 1);
  EXPECT_DOUBLE_EQ(t.code50, std::numbers::pi / 2) << "rotation stays in radians";
  ASSERT_EQ(tables_.PointEnts.size(), 1u);
  EXPECT_EQ(tables_.PointEnts[0].pt, (TAcadPoint{7, 8, 9}));
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(EntityReaderTest, PolylineReadsEachPropertyOnceAndShowsProgress) {
  cad_.AddEntity(LightPolyline({0, 0, 1, 1, 2, 0}));
  EXPECT_EQ(Read(1), 1);
  EXPECT_EQ(log_->Lines(),
            (Lines{"sset.Count", "ui.SetProgressMax ProgressBar1 1",
                   "ui.SetProgressPosition ProgressBar1 0", "ui.SetStatusPanel 0 1 / 1",
                   "ui.SetProgressPosition ProgressBar1 1", "ui.ProcessPendingMessages",
                   "sset.Item 0", "ent.EntityName", "ent.Normal", "ent.Handle", "ent.Elevation",
                   "ent.Thickness", "ent.Closed", "ent.Coordinates", "ent.GetBulge 0",
                   "ent.GetBulge 1", "ent.GetBulge 2", "ui.SetProgressPosition ProgressBar1 0"}));
  EXPECT_EQ(panel0_, "1 / 1");
}

TEST_F(EntityReaderTest, SecondReadModeLeavesTheStatusPanelAndReadsStartEmpty) {
  cad_.AddEntity(PointEnt({1, 2, 3}));
  cad_.AddEntity(PointEnt({4, 5, 6}));
  EXPECT_EQ(Read(2), 2);
  EXPECT_EQ(Read(2, {cad_.Entities()[1].handle}), 1);
  ASSERT_EQ(tables_.PointEnts.size(), 1u) << "nothing accumulates across reads";
  EXPECT_EQ(tables_.PointEnts[0].pt, (TAcadPoint{4, 5, 6}));
  EXPECT_EQ(panel0_, "old");
  EXPECT_EQ(log_->CountPrefix("ui.SetStatusPanel"), 0);
}

TEST_F(EntityReaderTest, ThreeDPolylineWithoutWholeTriplesIsReported) {
  cad_.AddEntity(Polyline("AcDb3dPolyline", {1, 2, 3, 4, 5, 6, 7}));
  cad_.AddEntity(Polyline("AcDb3dPolyline", {1, 2, 3}));
  EXPECT_EQ(Read(), 2);
  EXPECT_EQ(tables_.LwpEles.size(), 3u);
  EXPECT_EQ(ui_.Messages(), (Lines{k3dPolylineReadMessage}));
}

TEST_F(EntityReaderTest, ErrorEndsTheReadKeepingWhatWasReadSoFar) {
  cad_.AddEntity(PointEnt({1, 2, 3}));
  cad_.AddEntity(LightPolyline({0, 0, 1, 1, 2, 0}, 4, {0.5, 0.6, 0.7}));
  cad_.AddEntity(PointEnt({7, 8, 9}));
  cad_.FailAt("ent.GetBulge", 2, "オブジェクトは削除されています");
  EXPECT_THROW(Read(), AutomationError);
  EXPECT_EQ(tables_.PointEnts.size(), 1u);
  ASSERT_EQ(tables_.LwpBlks.size(), 1u);
  EXPECT_EQ(tables_.LwpBlks[0].code38, 4) << "the header is filled";
  ASSERT_EQ(tables_.LwpEles.size(), 3u) << "all vertex records are appended at once";
  EXPECT_EQ(tables_.LwpEles[0].code42, 0.5);
  EXPECT_EQ(tables_.LwpEles[1].code10, (TAcadPoint{1, 1, 4}));
  EXPECT_EQ(tables_.LwpEles[1].code42, 0) << "its bulge was never read";
  EXPECT_EQ(tables_.LwpEles[2].hand, "");
  EXPECT_EQ(ui_.Progress(ProgressBarId::ProgressBar1).position, 2);
  EXPECT_EQ(panel0_, "2 / 3");
}

}  // namespace
}  // namespace vensa
