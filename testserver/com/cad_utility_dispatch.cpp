// The utility object (point and entity prompts) and model space (texts added).
#include "cad/sim/sim_cad.h"
#include "testserver/com/cad_dispatch.h"
#include "testserver/scripted_user.h"

namespace vensa::server {

namespace {

const Member<CadUtility> kUtilityMembers[] = {
    // GetPoint(base point, prompt): the base point is left out by the system.
    {"GetPoint",
     [](CadUtility& m, Invocation& c) {
       if (c.server.user != nullptr) c.server.user->BeforePointPrompt(*c.server.cad);
       SetValue(c.result, m.GetPoint(c.args.Missing(1) ? std::string() : c.args.Text(1)));
     }},
    // GetEntity(out entity, out point, prompt).
    {"GetEntity",
     [](CadUtility& m, Invocation& c) {
       VARIANT& entity = c.args.Out(0);
       VARIANT& point = c.args.Out(1);
       if (c.server.user != nullptr) c.server.user->BeforeEntityPrompt(*c.server.cad);
       PickedEntity picked = m.GetEntity(c.args.Missing(2) ? std::string() : c.args.Text(2));
       SetObject(entity, CadEntityDispatch(std::move(picked.entity), c.server));
       SetValue(point, picked.point);
     }},
};

const Member<CadModelSpace> kModelSpaceMembers[] = {
    {"AddText",
     [](CadModelSpace& m, Invocation& c) {
       auto text = m.AddText(c.args.Text(0), c.args.Point(1), c.args.Number(2));
       SetObject(c.result, CadEntityDispatch(std::move(text), c.server));
     }},
};

}  // namespace

win::ComPtr<IDispatch> CadUtilityDispatch(std::shared_ptr<CadUtility> utility,
                                          ServerContext& server) {
  return NewDispatch(std::move(utility), kUtilityMembers, server);
}

win::ComPtr<IDispatch> CadModelSpaceDispatch(std::shared_ptr<CadModelSpace> space,
                                             ServerContext& server) {
  return NewDispatch(std::move(space), kModelSpaceMembers, server);
}

}  // namespace vensa::server
