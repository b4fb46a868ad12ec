#include "cad/entity_reader.h"

#include <numbers>

#include "cad/cad_value.h"

namespace vensa {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Every automation call is a round trip into the CAD, so each property is read once per
// entity: the handle and elevation of a polyline do not change while its vertices are
// read. Each record is appended before its properties are read, so that an error leaves
// the record filled as far as reading got.

void ReadLine(CadEntity& e, EntityTables& t) {
  TAcadLineBlk& r = t.LineBlks.emplace_back();
  r.st = VariantToPoint(e.StartPoint());
  r.ed = VariantToPoint(e.EndPoint());
  r.atsumi = e.Thickness();
  r.code210 = VariantToPoint(e.Normal());
}

template <typename Record>
void ReadCircleOf(CadEntity& e, Record& r) {
  r.center = VariantToPoint(e.Center());
  r.hankei = e.Radius();
  r.atsumi = e.Thickness();
  r.code210 = VariantToPoint(e.Normal());
}

void ReadArc(CadEntity& e, EntityTables& t) {
  TArcBlk& r = t.ArcBlks.emplace_back();
  ReadCircleOf(e, r);
  r.stdeg = e.StartAngle() * kDegreesPerRadian;
  r.eddeg = e.EndAngle() * kDegreesPerRadian;
}

void ReadEllipse(CadEntity& e, EntityTables& t) {
  TEllipseBlk& r = t.EllipseBlks.emplace_back();
  r.center = VariantToPoint(e.Center());
  r.henpei = e.RadiusRatio();
  r.endpoint = VariantToPoint(e.EndPoint());
  r.code210 = VariantToPoint(e.Normal());
  r.kaisi = e.StartAngle() * kDegreesPerRadian;
  r.owari = e.EndAngle() * kDegreesPerRadian;
}

// Appends the k vertices of the polyline just read to LwpEles. `stride` values per
// vertex in `coords`; z is the elevation for light and 2-D polylines (`flat`), the
// vertex's own z for 3-D ones, which have no bulges.
void ReadVertices(CadEntity& e, EntityTables& t, const std::vector<double>& coords,
                  std::size_t stride, bool flat) {
  const TLwpBlk& header = t.LwpBlks.back();
  const std::size_t k = coords.size() / stride;
  const std::size_t first = t.LwpEles.size();
  t.LwpEles.resize(first + k);
  for (std::size_t v = 0; v < k; ++v) {
    TLwpEle& r = t.LwpEles[first + v];
    r.hand = header.hand;
    const double* p = &coords[v * stride];
    r.code10 = TAcadPoint{p[0], p[1], flat ? header.code38 : p[2]};
    if (flat) r.code42 = e.GetBulge(static_cast<int>(v));
  }
}

void ReadLightPolyline(CadEntity& e, EntityTables& t) {
  TLwpBlk& r = t.LwpBlks.emplace_back();
  r.code210 = VariantToPoint(e.Normal());
  r.hand = e.Handle();
  r.code38 = e.Elevation();
  r.code39 = e.Thickness();
  r.code70 = e.Closed() ? 1 : 0;
  ReadVertices(e, t, e.Coordinates(), 2, true);
}

void Read2dPolyline(CadEntity& e, EntityTables& t) {
  TLwpBlk& r = t.LwpBlks.emplace_back();
  r.hand = e.Handle();
  r.code210.x = e.NormalComponent(0);
  r.code210.y = e.NormalComponent(1);
  r.code210.z = e.NormalComponent(2);
  r.code70 = e.Closed() ? 1 : 0;
  r.code38 = e.Elevation();
  r.code39 = e.Thickness();
  ReadVertices(e, t, e.Coordinates(), 3, true);
}

// False when the coordinates are no whole number of triples: the vertices are then not
// what the CAD holds.
bool Read3dPolyline(CadEntity& e, EntityTables& t) {
  TLwpBlk& r = t.LwpBlks.emplace_back();
  r.hand = e.Handle();
  r.code210 = TAcadPoint{0.0, 0.0, 1.0};
  r.code70 = e.Closed() ? 1 : 0;
  const std::vector<double> coords = e.Coordinates();
  ReadVertices(e, t, coords, 3, false);
  return coords.size() % 3 == 0;
}

void ReadText(CadEntity& e, EntityTables& t) {
  TTextBlk& r = t.TextBlks.emplace_back();
  r.pt10 = VariantToPoint(e.InsertionPoint());
  r.pt11 = VariantToPoint(e.TextAlignmentPoint());
  r.layer = e.Layer();
  r.str = e.TextString();
  r.color = static_cast<std::int16_t>(e.Color());
  r.code40 = e.Height();
  r.code41 = e.ScaleFactor();
  r.code50 = e.Rotation();
  r.code72 = static_cast<std::int16_t>(e.HorizontalAlignment());
  r.code73 = static_cast<std::int16_t>(e.VerticalAlignment());
  r.code210 = TAcadPoint{0.0, 0.0, 1.0};
}

void ReadPoint(CadEntity& e, EntityTables& t) {
  TPointEnt& r = t.PointEnts.emplace_back();
  r.pt = VariantToPoint(e.Coordinates());
  r.layer = e.Layer();
}

}  // namespace

int ReadSelectedEntities(CadSelectionSet& set, int readMode, ProgressBarId progressBar, Ui& ui,
                         EntityTables& tables, std::string& statusPanel0) {
  tables.Clear();
  if (const std::optional<SelectionCensus> census = set.Census()) {
    // Tables grown one record at a time would be copied a dozen times over.
    tables.LineBlks.reserve(census->Of({"AcDbLine"}));
    tables.CircleBlks.reserve(census->Of({"AcDbCircle"}));
    tables.ArcBlks.reserve(census->Of({"AcDbArc"}));
    tables.EllipseBlks.reserve(census->Of({"AcDbEllipse"}));
    tables.LwpBlks.reserve(census->Of({"AcDbPolyline", "AcDb2dPolyline", "AcDb3dPolyline"}));
    tables.LwpEles.reserve(census->polylineVertices);
    tables.TextBlks.reserve(census->Of({"AcDbText"}));
    tables.PointEnts.reserve(census->Of({"AcDbPoint"}));
  }
  const int n = set.Count();
  ui.SetProgressMax(progressBar, n);
  ui.SetProgressPosition(progressBar, 0);
  int bad3dPolylines = 0;
  for (int i = 0; i < n; ++i) {
    if (readMode == 1) {
      statusPanel0 = std::to_string(i + 1) + " / " + std::to_string(n);
      ui.SetStatusPanel(0, statusPanel0);
    }
    ui.SetProgressPosition(progressBar, i + 1);
    ui.ProcessPendingMessages();
    std::shared_ptr<CadEntity> entity = set.Item(i);
    const std::string name = entity->EntityName();
    if (name == "AcDbLine") {
      ReadLine(*entity, tables);
    } else if (name == "AcDbCircle") {
      ReadCircleOf(*entity, tables.CircleBlks.emplace_back());
    } else if (name == "AcDbArc") {
      ReadArc(*entity, tables);
    } else if (name == "AcDbEllipse") {
      ReadEllipse(*entity, tables);
    } else if (name == "AcDbPolyline") {
      ReadLightPolyline(*entity, tables);
    } else if (name == "AcDb2dPolyline") {
      Read2dPolyline(*entity, tables);
    } else if (name == "AcDb3dPolyline") {
      if (!Read3dPolyline(*entity, tables)) ++bad3dPolylines;
    } else if (name == "AcDbText") {
      ReadText(*entity, tables);
    } else if (name == "AcDbPoint") {
      ReadPoint(*entity, tables);
    }
  }
  ui.SetProgressPosition(progressBar, 0);
  if (bad3dPolylines > 0) ui.ShowMessage(k3dPolylineReadMessage);
  return static_cast<int>(tables.LineBlks.size() + tables.CircleBlks.size() +
                          tables.LwpBlks.size() + tables.TextBlks.size() + tables.PointEnts.size());
}

}  // namespace vensa
