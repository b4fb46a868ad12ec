// The substitute CAD's own interface: building the drawing and scripting the user. The
// automation objects live in sim_application.cpp, sim_document.cpp,
// sim_selection_sets.cpp and sim_entity_object.cpp, the command lines in
// sim_cad_commands.cpp.
#include "cad/sim/sim_cad.h"

#include "cad/sim/sim_cad_state.h"
#include "core/text.h"

namespace vensa {

SimCad::SimCad(std::shared_ptr<CallLog> log) : state_(std::make_shared<State>()) {
  state_->log = log ? std::move(log) : std::make_shared<CallLog>();
  state_->variables = {
      {"DIMSCALE", 1.0},
      {"LASTPOINT", PointValue({})},
      {"UCSORG", PointValue({})},
      {"UCSXDIR", PointValue({1.0, 0.0, 0.0})},
      {"UCSYDIR", PointValue({0.0, 1.0, 0.0})},
      {"VIEWSIZE", 100.0},
      {"VIEWCTR", PointValue({})},
      {"SNAPMODE", std::int32_t{0}},
      {"CLAYER", std::string("0")},
  };
  app_ = MakeSimApplication(state_);
}

std::shared_ptr<CadApplication> SimCad::Application() const {
  return app_;
}

void SimCad::RegisterWith(SimPlatform& platform, const std::string& progId,
                          const std::string& classId, bool minimized) {
  platform.RegisterClass(progId, classId);
  platform.SetRunningObject(classId, app_);
  platform.AddWindow(state_->window, kWindowClass, minimized);
}

WindowHandle SimCad::Window() const {
  return state_->window;
}
void SimCad::SetWindow(WindowHandle window) {
  state_->window = window;
}

std::string SimCad::AddEntity(SimEntity entity) {
  return state_->Add(std::move(entity));
}

std::vector<SimEntity> SimCad::Entities() const {
  std::vector<SimEntity> live;
  for (const SimEntity& e : state_->entities) {
    if (!e.erased) live.push_back(e);
  }
  return live;
}

std::vector<SimEntity> SimCad::EntitiesOnLayer(std::string_view layer) const {
  std::vector<SimEntity> on;
  for (const SimEntity& e : state_->entities) {
    if (!e.erased && EqualsIgnoringAsciiCase(e.layer, layer)) on.push_back(e);
  }
  return on;
}

void SimCad::EraseEntity(const std::string& handle) {
  if (SimEntity* e = state_->Find(handle)) e->erased = true;
}

const std::vector<std::string>& SimCad::LayerNames() const {
  return state_->layers;
}
void SimCad::AddLayer(const std::string& name) {
  state_->EnsureLayer(name);
}
bool SimCad::HasLayer(std::string_view name) const {
  return state_->LayerIndex(name) >= 0;
}

std::vector<std::string> SimCad::SelectionSetNames() const {
  std::vector<std::string> names;
  for (const auto& set : state_->sets) names.push_back(set.name);
  return names;
}

std::vector<std::string> SimCad::SelectionSetHandles(const std::string& name) const {
  const SimSelectionSetData* set = state_->FindSet(name);
  return set == nullptr ? std::vector<std::string>{} : set->handles;
}

void SimCad::SetSystemVariable(const std::string& name, CadValue value) {
  state_->variables[AsciiUpper(name)] = std::move(value);
}

CadValue SimCad::SystemVariable(const std::string& name) const {
  return state_->Variable(name);
}
TAcadPoint SimCad::LastPoint() const {
  return state_->LastPoint();
}
bool SimCad::Idle() const {
  return state_->busyPolls == 0;
}
const std::vector<std::string>& SimCad::CommandLine() const {
  return state_->commandLine;
}

void SimCad::QueueSelection(std::vector<std::string> handles) {
  state_->selections.emplace_back(std::move(handles));
}
void SimCad::QueueSelectionCancel() {
  state_->selections.emplace_back(std::nullopt);
}
void SimCad::QueuePick(const TAcadPoint& point) {
  state_->picks.emplace_back(point);
}
void SimCad::QueuePickCancel() {
  state_->picks.emplace_back(std::nullopt);
}
void SimCad::QueueEntityPick(const std::string& handle, const TAcadPoint& at) {
  state_->entityPicks.emplace_back(SimEntityPick{handle, at});
}
void SimCad::QueueEntityPickCancel() {
  state_->entityPicks.emplace_back(std::nullopt);
}
void SimCad::SelectEverythingOnScreen() {
  state_->selectEverything = true;
}
void SimCad::SetBusyPolls(int polls) {
  state_->busyPolls = polls;
}

void SimCad::FailAt(const std::string& member, int k, std::string text) {
  state_->failures[member][state_->callCounts[member] + k] = std::move(text);
}

CallLog& SimCad::Log() const {
  return *state_->log;
}

}  // namespace vensa
