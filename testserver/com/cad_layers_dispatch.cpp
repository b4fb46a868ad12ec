// The layer collection and one layer.
#include "testserver/com/cad_dispatch.h"

namespace vensa::server {

namespace {

const Member<CadLayer> kLayerMembers[] = {
    {"Name", [](CadLayer& m, Invocation& c) { SetText(c.result, m.Name()); }},
};

const Member<CadLayers> kLayersMembers[] = {
    {"Count", [](CadLayers& m, Invocation& c) { SetInteger(c.result, m.Count()); }},
    {"Item",
     [](CadLayers& m, Invocation& c) {
       SetObject(c.result, CadLayerDispatch(m.Item(c.args.Integer(0)), c.server));
     }},
    {"Add",
     [](CadLayers& m, Invocation& c) {
       SetObject(c.result, CadLayerDispatch(m.Add(c.args.Text(0)), c.server));
     }},
};

}  // namespace

win::ComPtr<IDispatch> CadLayersDispatch(std::shared_ptr<CadLayers> layers, ServerContext& server) {
  return NewDispatch(std::move(layers), kLayersMembers, server);
}

win::ComPtr<IDispatch> CadLayerDispatch(std::shared_ptr<CadLayer> layer, ServerContext& server) {
  return NewDispatch(std::move(layer), kLayerMembers, server);
}

}  // namespace vensa::server
