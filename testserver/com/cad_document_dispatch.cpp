// The active document: system variables, the command line, and the collections.
#include <string>

#include "cad/sim/sim_cad.h"
#include "core/text.h"
#include "testserver/com/cad_dispatch.h"
#include "testserver/scripted_user.h"

namespace vensa::server {

namespace {

// The ID command waits for a pick: the scripted user answers it.
bool AsksForPoint(const std::string& command) {
  const std::string first = AsciiUpper(command.substr(0, command.find_first_of(" \r\n")));
  return first == "_ID" || first == "ID";
}

const Member<CadDocument> kDocumentMembers[] = {
    {"GetVariable",
     [](CadDocument& m, Invocation& c) { SetValue(c.result, m.GetVariable(c.args.Text(0))); }},
    {"SetVariable",
     [](CadDocument& m, Invocation& c) { m.SetVariable(c.args.Text(0), c.args.Integer(1)); }},
    {"SendCommand",
     [](CadDocument& m, Invocation& c) {
       const std::string command = c.args.Text(0);
       if (AsksForPoint(command) && c.server.user != nullptr) {
         c.server.user->BeforePointPrompt(*c.server.cad);
       }
       m.SendCommand(command);
     }},
    {"Regen", [](CadDocument& m, Invocation& c) { m.Regen(c.args.Integer(0)); }},
    {"Utility",
     [](CadDocument& m, Invocation& c) {
       SetObject(c.result, CadUtilityDispatch(m.Utility(), c.server));
     }},
    {"ModelSpace",
     [](CadDocument& m, Invocation& c) {
       SetObject(c.result, CadModelSpaceDispatch(m.ModelSpace(), c.server));
     }},
    {"Layers", [](CadDocument& m,
                  Invocation& c) { SetObject(c.result, CadLayersDispatch(m.Layers(), c.server)); }},
    {"SelectionSets",
     [](CadDocument& m, Invocation& c) {
       SetObject(c.result, CadSelectionSetsDispatch(m.SelectionSets(), c.server));
     }},
};

}  // namespace

win::ComPtr<IDispatch> CadDocumentDispatch(std::shared_ptr<CadDocument> doc,
                                           ServerContext& server) {
  return NewDispatch(std::move(doc), kDocumentMembers, server);
}

}  // namespace vensa::server
