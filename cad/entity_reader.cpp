#include "cad/entity_reader.h"

#include <optional>

#include "cad/cad_value.h"

namespace vensa {

namespace {

// Every automation call is a round trip into the CAD (about a millisecond on a busy one),
// so the reader asks only for what some command reads: lines, arcs and ellipses are
// counted by their class name alone, and each property asked is asked once per entity.
// Each record is appended before its properties are read, so that an error leaves the
// record filled as far as reading got.

// Appends the vertices of the polyline just read to LwpEles. `stride` values per vertex
// in `coords`; z is the elevation for light and 2-D polylines (`elevation` given), the
// vertex's own z for 3-D ones.
void AddVertices(EntityTables& t, const std::vector<double>& coords, std::size_t stride,
                 std::optional<double> elevation) {
  const std::size_t k = coords.size() / stride;
  const std::size_t first = t.LwpEles.size();
  t.LwpEles.resize(first + k);
  for (std::size_t v = 0; v < k; ++v) {
    const double* p = &coords[v * stride];
    t.LwpEles[first + v].code10 = TAcadPoint{p[0], p[1], elevation ? *elevation : p[2]};
  }
  t.LwpBlks.back().vertices = k;
}

// A light polyline's coordinates are x, y per vertex; a 2-D polyline's x, y and a third
// value that gives way to the elevation. Three calls whatever the number of vertices.
void ReadFlatPolyline(CadEntity& e, EntityTables& t, std::size_t stride) {
  TLwpBlk& r = t.LwpBlks.emplace_back();
  r.code210 = VariantToPoint(e.Normal());
  const double elevation = e.Elevation();
  AddVertices(t, e.Coordinates(), stride, elevation);
}

// False when the coordinates are no whole number of triples: the vertices are then not
// what the CAD holds.
bool Read3dPolyline(CadEntity& e, EntityTables& t) {
  t.LwpBlks.emplace_back().code210 = TAcadPoint{0.0, 0.0, 1.0};  // in world coordinates
  const std::vector<double> coords = e.Coordinates();
  AddVertices(t, coords, 3, std::nullopt);
  return coords.size() % 3 == 0;
}

void ReadText(CadEntity& e, EntityTables& t) {
  TTextBlk& r = t.TextBlks.emplace_back();
  r.pt10 = VariantToPoint(e.InsertionPoint());
  r.code72 = static_cast<std::int16_t>(e.HorizontalAlignment());
  r.code73 = static_cast<std::int16_t>(e.VerticalAlignment());
  // The alignment point of a text on its base line is not where it stands: not asked.
  if (!StandsAtInsertionPoint(r)) r.pt11 = VariantToPoint(e.TextAlignmentPoint());
  r.layer = e.Layer();
  r.str = e.TextString();
}

}  // namespace

namespace {

// How often at most a read shows how far it is.
constexpr int kProgressSteps = 256;

}  // namespace

int ReadSelectedEntities(CadSelectionSet& set, int readMode, ProgressBarId progressBar, Ui& ui,
                         EntityTables& tables, std::string& statusPanel0) {
  tables.Clear();
  if (const std::optional<SelectionCensus> census = set.Census()) {
    // Tables grown one record at a time would be copied a dozen times over.
    tables.CircleBlks.reserve(census->Of({"AcDbCircle"}));
    tables.LwpBlks.reserve(census->Of({"AcDbPolyline", "AcDb2dPolyline", "AcDb3dPolyline"}));
    tables.LwpEles.reserve(census->polylineVertices);
    tables.TextBlks.reserve(census->Of({"AcDbText"}));
    tables.PointEnts.reserve(census->Of({"AcDbPoint"}));
  }
  const int n = set.Count();
  ui.SetProgressMax(progressBar, n);
  ui.SetProgressPosition(progressBar, 0);
  int bad3dPolylines = 0;
  // The count, the bar and the window's messages follow the reading at most a few hundred
  // times: done for each of 100,000 entities, showing them took minutes of a read that
  // takes a second. Every entity of a small selection still shows.
  const int shownEvery = n / kProgressSteps + 1;
  for (int i = 0; i < n; ++i) {
    if ((i + 1) % shownEvery == 0 || i + 1 == n) {
      if (readMode == 1) {
        statusPanel0 = std::to_string(i + 1) + " / " + std::to_string(n);
        ui.SetStatusPanel(0, statusPanel0);
      }
      ui.SetProgressPosition(progressBar, i + 1);
      ui.ProcessPendingMessages();
    }
    std::shared_ptr<CadEntity> entity = set.Item(i);
    const std::string name = entity->EntityName();
    if (name == "AcDbLine") {
      ++tables.lineCount;
    } else if (name == "AcDbCircle") {
      TCircleBlk& circle = tables.CircleBlks.emplace_back();
      circle.center = VariantToPoint(entity->Center());
    } else if (name == "AcDbArc") {
      ++tables.arcCount;
    } else if (name == "AcDbEllipse") {
      ++tables.ellipseCount;
    } else if (name == "AcDbPolyline") {
      ReadFlatPolyline(*entity, tables, 2);
    } else if (name == "AcDb2dPolyline") {
      ReadFlatPolyline(*entity, tables, 3);
    } else if (name == "AcDb3dPolyline") {
      if (!Read3dPolyline(*entity, tables)) ++bad3dPolylines;
    } else if (name == "AcDbText") {
      ReadText(*entity, tables);
    } else if (name == "AcDbPoint") {
      TPointEnt& point = tables.PointEnts.emplace_back();
      point.pt = VariantToPoint(entity->Coordinates());
    }
  }
  set.EntitiesRead();
  ui.SetProgressPosition(progressBar, 0);
  if (bad3dPolylines > 0) ui.ShowMessage(k3dPolylineReadMessage);
  return static_cast<int>(tables.lineCount + tables.CircleBlks.size() + tables.LwpBlks.size() +
                          tables.TextBlks.size() + tables.PointEnts.size());
}

}  // namespace vensa
