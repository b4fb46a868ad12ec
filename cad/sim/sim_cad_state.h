// The inside of the substitute CAD, shared by the files of its automation objects: the
// drawing, the scripted user, the call log, and one factory per automation object.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cad/cad_model.h"
#include "cad/sim/sim_cad.h"
#include "cad/sim/sim_entity.h"

namespace vensa {

// What a cancelled prompt or selection raises.
inline constexpr char kSimCancelText[] = "入力がキャンセルされました";

// "x,y,z" in general form, as the call log shows points.
std::string SimPointText(const TAcadPoint& p);

struct SimSelectionSetData {
  std::string name;
  std::vector<std::string> handles;
};

struct SimEntityPick {
  std::string handle;
  TAcadPoint at;
};

struct SimCad::State {
  std::shared_ptr<CallLog> log;
  WindowHandle window = kDefaultWindow;

  std::vector<SimEntity> entities;
  std::unordered_map<std::string, std::size_t> entityIndex;  // handle -> place in entities
  unsigned nextHandle = 0x2A0;
  std::vector<std::string> layers{"0"};
  // The layers' places by their ASCII upper-cased names: drawings may hold 100,000 layers.
  std::unordered_map<std::string, int> layerByName{{"0", 0}};
  std::vector<SimSelectionSetData> sets;
  std::map<std::string, CadValue> variables;
  std::vector<std::string> commandLine;

  std::deque<std::optional<std::vector<std::string>>> selections;
  bool selectEverything = false;
  std::deque<std::optional<TAcadPoint>> picks;
  std::deque<std::optional<SimEntityPick>> entityPicks;
  int busyPolls = 0;

  std::map<std::string, int> callCounts;
  std::map<std::string, std::map<int, std::string>> failures;

  // Records one member call and raises the scripted error of that call, if any.
  void Call(const std::string& line);

  SimEntity* Find(const std::string& handle);
  // The entity, or the error of a member called on an erased one.
  SimEntity& Live(const std::string& handle, const char* member);
  std::string NewHandle();
  int LayerIndex(std::string_view name) const;
  void EnsureLayer(const std::string& name);
  // Adds the entity with a new handle; returns the handle.
  std::string Add(SimEntity entity);
  SimSelectionSetData* FindSet(const std::string& name);

  CadValue Variable(const std::string& name) const;
  TAcadPoint LastPoint() const;
  void SetLastPoint(const TAcadPoint& p);

  // The user's answer to a point prompt: a point, or nothing for a cancel. With no script
  // left the user cancels.
  std::optional<TAcadPoint> NextPick();

  // Runs a command line sent with SendCommand (sim_cad_commands.cpp).
  void RunCommand(const std::string& text);
  void RunInsert(std::string_view rest);
};

// The automation objects over the shared state.
std::shared_ptr<CadApplication> MakeSimApplication(std::shared_ptr<SimCad::State> state);
std::shared_ptr<CadDocument> MakeSimDocument(std::shared_ptr<SimCad::State> state);
std::shared_ptr<CadEntity> MakeSimEntityObject(std::shared_ptr<SimCad::State> state,
                                               std::string handle);
std::shared_ptr<CadSelectionSets> MakeSimSelectionSets(std::shared_ptr<SimCad::State> state);
std::shared_ptr<CadSelectionSet> MakeSimSelectionSet(std::shared_ptr<SimCad::State> state,
                                                     std::string name);

}  // namespace vensa
