#include "cad/entity_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

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

TEST_F(EntityReaderTest, EveryClassFillsItsTableOrCountAndOnlyListedKindsCount) {
  cad_.AddEntity(Ent("AcDbLine"));
  cad_.AddEntity(CircleEnt({10, 20, 0}, 3));
  cad_.AddEntity(Ent("AcDbArc"));
  cad_.AddEntity(Ent("AcDbEllipse"));
  cad_.AddEntity(LightPolyline({0, 0, 10, 0, 10, 10, 0, 10}, 5, {0.1, 0.2, 0.3, 0.4}));
  SimEntity flat = Polyline("AcDb2dPolyline", {1, 2, 99, 3, 4, 99, 5, 6, 99});
  flat.normal = {0, 0, -1};
  flat.elevation = 7;
  cad_.AddEntity(flat);
  cad_.AddEntity(Polyline("AcDb3dPolyline", {1, 2, 3, 4, 5, 6}));
  cad_.AddEntity(TextEnt("A1", {1, 2, 0}, "測点", 1, 0, {3, 4, 0}));
  cad_.AddEntity(TextEnt("B", {5, 6, 0}, "0", 0, 0, {8, 8, 0}));
  cad_.AddEntity(PointEnt({7, 8, 9}, "P"));
  for (const char* passedOver : {"AcDbBlockReference", "AcDbMText", "AcDbHatch"}) {
    cad_.AddEntity(Ent(passedOver));
  }

  // line, circle, three polylines, two texts, point; arcs and ellipses are counted apart.
  EXPECT_EQ(Read(), 8);
  EXPECT_EQ(tables_.lineCount, 1u);
  EXPECT_EQ(tables_.arcCount, 1u);
  EXPECT_EQ(tables_.ellipseCount, 1u);
  ASSERT_EQ(tables_.CircleBlks.size(), 1u);
  EXPECT_EQ(tables_.CircleBlks[0].center, (TAcadPoint{10, 20, 0}));

  // One header per polyline with its normal and its number of vertices; the vertex runs
  // follow in reading order.
  std::vector<std::pair<TAcadPoint, std::size_t>> headers;
  for (const TLwpBlk& h : tables_.LwpBlks) headers.emplace_back(h.code210, h.vertices);
  EXPECT_EQ(headers, (std::vector<std::pair<TAcadPoint, std::size_t>>{
                         {{0, 0, 1}, 4}, {{0, 0, -1}, 3}, {{0, 0, 1}, 2}}));
  std::vector<TAcadPoint> vertices;
  for (const TLwpEle& v : tables_.LwpEles) vertices.push_back(v.code10);
  EXPECT_EQ(vertices,
            (std::vector<TAcadPoint>{{0, 0, 5},
                                     {10, 0, 5},
                                     {10, 10, 5},
                                     {0, 10, 5},
                                     {1, 2, 7},  // the third value gives way to the elevation
                                     {3, 4, 7},
                                     {5, 6, 7},
                                     {1, 2, 3},
                                     {4, 5, 6}}));

  ASSERT_EQ(tables_.TextBlks.size(), 2u);
  const TTextBlk& centred = tables_.TextBlks[0];
  EXPECT_EQ(
      std::tie(centred.str, centred.layer, centred.code72, centred.code73),
      std::make_tuple(std::string("A1"), std::string("測点"), std::int16_t{1}, std::int16_t{0}));
  EXPECT_EQ(centred.pt10, (TAcadPoint{1, 2, 0}));
  EXPECT_EQ(centred.pt11, (TAcadPoint{3, 4, 0}));
  EXPECT_EQ(tables_.TextBlks[1].pt11, (TAcadPoint{}))
      << "a text on its base line stands at its insertion point";
  ASSERT_EQ(tables_.PointEnts.size(), 1u);
  EXPECT_EQ(tables_.PointEnts[0].pt, (TAcadPoint{7, 8, 9}));
  EXPECT_TRUE(ui_.Messages().empty());
}

// The CAD is asked only what some command reads, once; a polyline's calls do not grow
// with its vertices.
struct CallsCase {
  const char* what;
  SimEntity entity;
  Lines calls;  // the entity's calls after sset.Item
};

void PrintTo(const CallsCase& c, std::ostream* os) {
  *os << c.what;
}

class EntityReaderCallsTest : public EntityReaderTest,
                              public ::testing::WithParamInterface<CallsCase> {};

TEST_P(EntityReaderCallsTest, AsksOnlyWhatCommandsRead) {
  cad_.AddEntity(GetParam().entity);
  Read();
  const Lines& log = log_->Lines();
  auto item = std::find(log.begin(), log.end(), "sset.Item 0");
  ASSERT_NE(item, log.end());
  Lines calls;
  for (auto it = item + 1; it != log.end(); ++it) {
    if (it->rfind("ent.", 0) == 0) calls.push_back(*it);
  }
  EXPECT_EQ(calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, EntityReaderCallsTest,
    ::testing::Values(
        CallsCase{"line: counted by its class name", Ent("AcDbLine"), {"ent.EntityName"}},
        CallsCase{"arc", Ent("AcDbArc"), {"ent.EntityName"}},
        CallsCase{"block reference passed over", Ent("AcDbBlockReference"), {"ent.EntityName"}},
        CallsCase{"circle", CircleEnt({1, 2, 0}, 3), {"ent.EntityName", "ent.center"}},
        CallsCase{"point", PointEnt({1, 2, 3}), {"ent.EntityName", "ent.Coordinates"}},
        CallsCase{"light polyline of 40 vertices",
                  LightPolyline(std::vector<double>(80, 1.0)),
                  {"ent.EntityName", "ent.Normal", "ent.Elevation", "ent.Coordinates"}},
        CallsCase{"2-D polyline",
                  Polyline("AcDb2dPolyline", {1, 2, 0, 3, 4, 0}),
                  {"ent.EntityName", "ent.Normal", "ent.Elevation", "ent.Coordinates"}},
        CallsCase{"3-D polyline",
                  Polyline("AcDb3dPolyline", {1, 2, 3}),
                  {"ent.EntityName", "ent.Coordinates"}},
        CallsCase{"text on its base line",
                  TextEnt("A", {1, 2, 0}, "0", 5, 0),
                  {"ent.EntityName", "ent.InsertionPoint", "ent.HorizontalAlignment",
                   "ent.VerticalAlignment", "ent.Layer", "ent.TextString"}},
        CallsCase{
            "text standing at its alignment point",
            TextEnt("A", {1, 2, 0}, "0", 0, 2, {3, 4, 0}),
            {"ent.EntityName", "ent.InsertionPoint", "ent.HorizontalAlignment",
             "ent.VerticalAlignment", "ent.TextAlignmentPoint", "ent.Layer", "ent.TextString"}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(EntityReaderTest, ShowsProgressAroundEachEntity) {
  cad_.AddEntity(PointEnt({0, 0, 1}));
  EXPECT_EQ(Read(1), 1);
  EXPECT_EQ(
      log_->Lines(),
      (Lines{"sset.Count", "ui.SetProgressMax ProgressBar1 1",
             "ui.SetProgressPosition ProgressBar1 0", "ui.SetStatusPanel 0 1 / 1",
             "ui.SetProgressPosition ProgressBar1 1", "ui.ProcessPendingMessages", "sset.Item 0",
             "ent.EntityName", "ent.Coordinates", "ui.SetProgressPosition ProgressBar1 0"}));
  EXPECT_EQ(panel0_, "1 / 1");
}

// A large selection shows how far it is a few hundred times, not once per entity (which
// made the window's read take minutes), and always its last count.
TEST_F(EntityReaderTest, ALargeSelectionShowsItsProgressAFewHundredTimes) {
  for (int i = 0; i < 1000; ++i) cad_.AddEntity(PointEnt({double(i), 0, 0}));
  EXPECT_EQ(Read(1), 1000);
  const Lines lines = log_->Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "ui.ProcessPendingMessages"), 250);
  EXPECT_EQ(panel0_, "1000 / 1000");
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
  SimEntity polyline = LightPolyline({0, 0, 1, 1, 2, 0}, 4);
  polyline.normal = {0, 0, -1};
  cad_.AddEntity(polyline);
  cad_.AddEntity(PointEnt({7, 8, 9}));
  cad_.FailAt("ent.Coordinates", 2, "オブジェクトは削除されています");
  EXPECT_THROW(Read(), AutomationError);
  EXPECT_EQ(tables_.PointEnts.size(), 1u);
  ASSERT_EQ(tables_.LwpBlks.size(), 1u);
  EXPECT_EQ(tables_.LwpBlks[0].code210, (TAcadPoint{0, 0, -1})) << "the header is filled";
  EXPECT_EQ(tables_.LwpBlks[0].vertices, 0u);
  EXPECT_TRUE(tables_.LwpEles.empty());
  EXPECT_EQ(ui_.Progress(ProgressBarId::ProgressBar1).position, 2);
  EXPECT_EQ(panel0_, "2 / 3");
}

}  // namespace
}  // namespace vensa
