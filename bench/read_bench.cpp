// The two costs of reading from the CAD. The entity reader on a selection of 10,000
// mixed entities: every automation call is a round trip into the CAD, so it prints the
// calls per entity from the substitute CAD's call log, overall and per class. EntToSL
// with the point-name search on 20,000 points and 20,000 texts: the best of several runs,
// also with one text far out and with extreme drawing scales; and the search alone on
// points and texts piled on one spot.
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "cad/cad_connection.h"
#include "cad/commands/get_from_cad.h"
#include "cad/commands/point_name_search.h"
#include "cad/entity_reader.h"
#include "cad/sim/sim_cad.h"
#include "core/list_headers.h"
#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"

namespace {

using namespace vensa;

constexpr int kRuns = 5;

SimEntity Make(const std::string& className, std::mt19937& random) {
  std::uniform_real_distribution<double> at(0.0, 1000.0);
  SimEntity e;
  e.className = className;
  e.center = {at(random), at(random), 0};
  e.insertion = e.center;
  e.text = "T";
  e.radius = 1;
  if (className == "AcDbPoint") e.coordinates = {at(random), at(random), 0};
  if (className == "AcDbPolyline") e.coordinates = {0, 0, 1, 0, 1, 1, 0, 1};
  if (className == "AcDb2dPolyline" || className == "AcDb3dPolyline") {
    e.coordinates = {0, 0, 0, 1, 0, 0, 1, 1, 0};
  }
  e.bulges.assign(4, 0.0);
  return e;
}

void CallsPerEntity() {
  // The mix of a typical survey drawing: mostly points, texts and circles.
  const std::vector<std::pair<std::string, int>> mix = {
      {"AcDbPoint", 3000},         {"AcDbText", 3000},    {"AcDbCircle", 1500},
      {"AcDbLine", 1000},          {"AcDbPolyline", 600}, {"AcDb2dPolyline", 200},
      {"AcDb3dPolyline", 200},     {"AcDbArc", 200},      {"AcDbEllipse", 100},
      {"AcDbBlockReference", 100}, {"AcDbMText", 50},     {"AcDbHatch", 50}};
  std::mt19937 random(7);
  auto log = std::make_shared<CallLog>();
  SimCad cad(log);
  SimUi ui;
  std::vector<std::string> handles;
  for (const auto& [className, count] : mix) {
    for (int i = 0; i < count; ++i) handles.push_back(cad.AddEntity(Make(className, random)));
  }
  auto set = PrepareSelectionSet(*cad.Application()->ActiveDocument());
  cad.QueueSelection(handles);
  set->SelectOnScreen(std::nullopt);
  log->Clear();
  EntityTables tables;
  std::string panel;
  const auto start = std::chrono::steady_clock::now();
  ReadSelectedEntities(*set, 1, ProgressBarId::ProgressBar1, ui, tables, panel);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

  // Calls per class: the lines between one "sset.Item" and the next belong to one entity.
  std::map<std::string, std::pair<int, int>> perClass;  // calls, entities
  const std::vector<SimEntity> drawing = cad.Entities();
  std::size_t entity = 0;
  int total = 0;
  for (const std::string& line : log->Lines()) {
    if (line.rfind("sset.Item ", 0) == 0) ++entity;
    if (entity == 0) {
      ++total;
      continue;
    }
    ++total;
    auto& [calls, entities] = perClass[drawing[entity - 1].className];
    ++calls;
    if (line.rfind("sset.Item ", 0) == 0) ++entities;
  }
  std::printf(
      "entity reader: %zu entities, %d automation calls, %.2f calls per entity (%.0f ms "
      "in the substitute)\n",
      handles.size(), total, static_cast<double>(total) / handles.size(), ms);
  for (const auto& [className, counts] : perClass) {
    std::printf("  %-20s %5d entities  %5.1f calls each\n", className.c_str(), counts.second,
                static_cast<double>(counts.first) / counts.second);
  }
}

// `far`: one more TEXT at x = 1e300; `dimscale`: the drawing's DIMSCALE, multiplied into
// the search range ("DIMSCALE 倍") when it is not 1. Neither may slow the search down.
void EntToSlNameSearch(const char* what, bool far, double dimscale) {
  constexpr int kCount = 20'000;
  std::mt19937 random(11);
  std::uniform_real_distribution<double> at(0.0, 2000.0);
  std::uniform_real_distribution<double> near(-3.0, 3.0);
  EntityTables tables;
  for (int i = 0; i < kCount; ++i) {
    const TAcadPoint p{at(random), at(random), 0};
    tables.PointEnts.push_back(TPointEnt{p});
    TTextBlk t;
    t.str = "P" + std::to_string(i);
    t.layer = "0";
    t.pt10 = {p.x + near(random), p.y + near(random), 0};
    tables.TextBlks.push_back(t);
  }
  if (far) {
    TTextBlk t;
    t.str = "FAR";
    t.layer = "0";
    t.pt10 = {1e300, 0, 0};
    tables.TextBlks.push_back(t);
  }
  auto log = std::make_shared<CallLog>();
  SimPlatform platform(log);
  SimUi ui(log);
  SimCad cad(log);
  FormState state = InitialFormState();
  cad.RegisterWith(platform, state.TargetProgID);
  cad.SetSystemVariable("DIMSCALE", dimscale);
  state.CheckBox25.checked = dimscale != 1.0;
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    EntToSL(state, tables, platform, ui);
    best = std::min(
        best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count());
  }
  int named = 0;
  for (int r = 1; r < state.StringGrid1.RowCount(); ++r) {
    if (!state.StringGrid1.Cell(0, r).empty()) ++named;
  }
  std::printf(
      "EntToSL, point-name search%s: %d points, %zu texts, range %s x DIMSCALE %g: %.1f ms (best "
      "of %d), %d of %d rows named\n",
      what, kCount, tables.TextBlks.size(), state.Edit28.text.c_str(), dimscale, best, kRuns, named,
      state.StringGrid1.DataRowCount());
}

// Points and texts piled on one spot (or spread 1e-5 apart): every text is as near as
// the first, and the search must still look at a few per row, not at all of them.
void PointNameSearchOnOneSpot(int count, double spread) {
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), count);
  std::vector<TTextBlk> texts(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    list.SetCell(1, i, "100");
    list.SetCell(2, i, "200");
    TTextBlk& t = texts[static_cast<std::size_t>(i - 1)];
    t.str = "P" + std::to_string(i);
    t.layer = "0";
    t.pt10 = {100.0 + spread * i, 200.0, 0};
  }
  double best = 1e9;
  std::size_t looked = 0;
  for (int run = 0; run < kRuns; ++run) {
    TextGrid named = list;
    const auto start = std::chrono::steady_clock::now();
    looked = NameRowsAfterTexts(named, count, texts, vensa::PointNameSearch{5.0, std::nullopt, ""});
    best = std::min(
        best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count());
  }
  std::printf(
      "point-name search on one spot (spread %g): %d points, %d texts: %.1f ms (best of %d), "
      "%.1f texts looked at per row\n",
      spread, count, count, best, kRuns, static_cast<double>(looked) / count);
}

}  // namespace

int main() {
  CallsPerEntity();
  EntToSlNameSearch("", false, 1.0);
  EntToSlNameSearch(", one far text", true, 1.0);
  EntToSlNameSearch(", DIMSCALE 1e-12", false, 1e-12);
  EntToSlNameSearch(", DIMSCALE 1e300", false, 1e300);
  for (const int count : {10'000, 40'000, 200'000}) {
    PointNameSearchOnOneSpot(count, 0.0);
    PointNameSearchOnOneSpot(count, 1e-5);
  }
  return 0;
}
