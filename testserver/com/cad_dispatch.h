// The CAD's automation objects served through IDispatch: one factory per object, each
// with its own member table (one file per object).
#pragma once

#include <memory>

#include "cad/cad_model.h"
#include "testserver/com/dispatch_object.h"

namespace vensa::server {

win::ComPtr<IDispatch> CadApplicationDispatch(std::shared_ptr<CadApplication> app,
                                              ServerContext& server);
win::ComPtr<IDispatch> CadStateDispatch(std::shared_ptr<CadState> state, ServerContext& server);
win::ComPtr<IDispatch> CadDocumentDispatch(std::shared_ptr<CadDocument> doc, ServerContext& server);
win::ComPtr<IDispatch> CadUtilityDispatch(std::shared_ptr<CadUtility> utility,
                                          ServerContext& server);
win::ComPtr<IDispatch> CadModelSpaceDispatch(std::shared_ptr<CadModelSpace> space,
                                             ServerContext& server);
win::ComPtr<IDispatch> CadLayersDispatch(std::shared_ptr<CadLayers> layers, ServerContext& server);
win::ComPtr<IDispatch> CadLayerDispatch(std::shared_ptr<CadLayer> layer, ServerContext& server);
win::ComPtr<IDispatch> CadSelectionSetsDispatch(std::shared_ptr<CadSelectionSets> sets,
                                                ServerContext& server);
win::ComPtr<IDispatch> CadSelectionSetDispatch(std::shared_ptr<CadSelectionSet> set,
                                               ServerContext& server);
win::ComPtr<IDispatch> CadEntityDispatch(std::shared_ptr<CadEntity> entity, ServerContext& server);

}  // namespace vensa::server
