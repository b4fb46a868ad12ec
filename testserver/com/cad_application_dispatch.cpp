// The application object (the running object clients attach to) and the state object
// its state queries return. `Quit` ends the server once the call has been answered.
#include "testserver/com/cad_dispatch.h"

namespace vensa::server {

namespace {

const Member<CadState> kStateMembers[] = {
    {"IsQuiescent", [](CadState& m, Invocation& c) { SetBool(c.result, m.IsQuiescent()); }},
};

const Member<CadApplication> kApplicationMembers[] = {
    {"HWND", [](CadApplication& m,
                Invocation& c) { SetInteger(c.result, static_cast<std::int64_t>(m.Hwnd())); }},
    {"ActiveDocument",
     [](CadApplication& m, Invocation& c) {
       SetObject(c.result, CadDocumentDispatch(m.ActiveDocument(), c.server));
     }},
    {"GetAcadState",
     [](CadApplication& m, Invocation& c) {
       SetObject(c.result, CadStateDispatch(m.GetAcadState(), c.server));
     }},
    {"GetGcadState",
     [](CadApplication& m, Invocation& c) {
       SetObject(c.result, CadStateDispatch(m.GetGcadState(), c.server));
     }},
    {"GetZcadState",
     [](CadApplication& m, Invocation& c) {
       SetObject(c.result, CadStateDispatch(m.GetZcadState(), c.server));
     }},
    {"ZoomCenter",
     [](CadApplication& m, Invocation& c) { m.ZoomCenter(c.args.Point(0), c.args.Number(1)); }},
    {"Quit", [](CadApplication&, Invocation& c) { c.server.quitRequested = true; }},
};

}  // namespace

win::ComPtr<IDispatch> CadApplicationDispatch(std::shared_ptr<CadApplication> app,
                                              ServerContext& server) {
  return NewDispatch(std::move(app), kApplicationMembers, server);
}

win::ComPtr<IDispatch> CadStateDispatch(std::shared_ptr<CadState> state, ServerContext& server) {
  return NewDispatch(std::move(state), kStateMembers, server);
}

}  // namespace vensa::server
