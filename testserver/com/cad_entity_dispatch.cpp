// One entity: its properties by class, `Layer` also assigned, and `Update`.
#include "testserver/com/cad_dispatch.h"

namespace vensa::server {

namespace {

using E = CadEntity;
using I = Invocation;

const Member<CadEntity> kEntityMembers[] = {
    {"EntityName", [](E& m, I& c) { SetText(c.result, m.EntityName()); }},
    {"Layer",
     [](E& m, I& c) {
       if (c.args.IsPut()) {
         m.SetLayer(VariantText(c.args.Assigned()));
       } else {
         SetText(c.result, m.Layer());
       }
     },
     true},
    {"Handle", [](E& m, I& c) { SetText(c.result, m.Handle()); }},
    {"TextString", [](E& m, I& c) { SetText(c.result, m.TextString()); }},
    {"StartPoint", [](E& m, I& c) { SetValue(c.result, m.StartPoint()); }},
    {"EndPoint", [](E& m, I& c) { SetValue(c.result, m.EndPoint()); }},
    {"Center", [](E& m, I& c) { SetValue(c.result, m.Center()); }},
    // Normal(i) reads one component, as for a 2-D polyline.
    {"Normal",
     [](E& m, I& c) {
       if (c.args.Missing(0)) {
         SetValue(c.result, m.Normal());
       } else {
         SetNumber(c.result, m.NormalComponent(c.args.Integer(0)));
       }
     }},
    {"InsertionPoint", [](E& m, I& c) { SetValue(c.result, m.InsertionPoint()); }},
    {"TextAlignmentPoint", [](E& m, I& c) { SetValue(c.result, m.TextAlignmentPoint()); }},
    {"Coordinates", [](E& m, I& c) { SetDoubles(c.result, m.Coordinates()); }},
    {"Radius", [](E& m, I& c) { SetNumber(c.result, m.Radius()); }},
    {"Thickness", [](E& m, I& c) { SetNumber(c.result, m.Thickness()); }},
    {"Elevation", [](E& m, I& c) { SetNumber(c.result, m.Elevation()); }},
    {"RadiusRatio", [](E& m, I& c) { SetNumber(c.result, m.RadiusRatio()); }},
    {"Height", [](E& m, I& c) { SetNumber(c.result, m.Height()); }},
    {"ScaleFactor", [](E& m, I& c) { SetNumber(c.result, m.ScaleFactor()); }},
    {"GetBulge", [](E& m, I& c) { SetNumber(c.result, m.GetBulge(c.args.Integer(0))); }},
    {"StartAngle", [](E& m, I& c) { SetNumber(c.result, m.StartAngle()); }},
    {"EndAngle", [](E& m, I& c) { SetNumber(c.result, m.EndAngle()); }},
    {"Rotation", [](E& m, I& c) { SetNumber(c.result, m.Rotation()); }},
    {"Closed", [](E& m, I& c) { SetBool(c.result, m.Closed()); }},
    {"Color", [](E& m, I& c) { SetInteger(c.result, m.Color()); }},
    {"HorizontalAlignment", [](E& m, I& c) { SetInteger(c.result, m.HorizontalAlignment()); }},
    {"VerticalAlignment", [](E& m, I& c) { SetInteger(c.result, m.VerticalAlignment()); }},
    {"Update", [](E& m, I&) { m.Update(); }},
};

}  // namespace

win::ComPtr<IDispatch> CadEntityDispatch(std::shared_ptr<CadEntity> entity, ServerContext& server) {
  return NewDispatch(std::move(entity), kEntityMembers, server);
}

}  // namespace vensa::server
