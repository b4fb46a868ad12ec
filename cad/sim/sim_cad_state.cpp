#include "cad/sim/sim_cad_state.h"

#include "core/number_format.h"
#include "core/text.h"
#include "platform/automation_error.h"

namespace vensa {

std::string SimPointText(const TAcadPoint& p) {
  return FormatG15(p.x) + "," + FormatG15(p.y) + "," + FormatG15(p.z);
}

void SimCad::State::Call(const std::string& line) {
  log->Add(line);
  const std::string member = line.substr(0, line.find(' '));
  const int n = ++callCounts[member];
  auto it = failures.find(member);
  if (it == failures.end()) return;
  auto failure = it->second.find(n);
  if (failure == it->second.end()) return;
  std::string text = std::move(failure->second);
  it->second.erase(failure);
  throw AutomationError(member.substr(member.find('.') + 1), text);
}

SimEntity* SimCad::State::Find(const std::string& handle) {
  auto it = entityIndex.find(handle);
  if (it == entityIndex.end()) return nullptr;
  SimEntity& e = entities[it->second];
  return e.erased ? nullptr : &e;
}

SimEntity& SimCad::State::Live(const std::string& handle, const char* member) {
  SimEntity* e = Find(handle);
  if (e == nullptr) throw AutomationError(member, "オブジェクトは削除されています");
  return *e;
}

std::string SimCad::State::NewHandle() {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned v = nextHandle++; v != 0; v /= 16) text.insert(text.begin(), kHex[v % 16]);
  return text;
}

int SimCad::State::LayerIndex(std::string_view name) const {
  auto it = layerByName.find(AsciiUpper(name));
  return it == layerByName.end() ? -1 : it->second;
}

void SimCad::State::EnsureLayer(const std::string& name) {
  if (layerByName.try_emplace(AsciiUpper(name), static_cast<int>(layers.size())).second) {
    layers.push_back(name);
  }
}

std::string SimCad::State::Add(SimEntity entity) {
  entity.handle = NewHandle();
  entity.erased = false;
  if (entity.layer.empty()) entity.layer = "0";
  EnsureLayer(entity.layer);
  entityIndex[entity.handle] = entities.size();
  entities.push_back(std::move(entity));
  return entities.back().handle;
}

SimSelectionSetData* SimCad::State::FindSet(const std::string& name) {
  for (SimSelectionSetData& set : sets) {
    if (set.name == name) return &set;
  }
  return nullptr;
}

CadValue SimCad::State::Variable(const std::string& name) const {
  auto it = variables.find(AsciiUpper(name));
  return it == variables.end() ? CadValue{} : it->second;
}

TAcadPoint SimCad::State::LastPoint() const {
  return VariantToPoint(Variable("LASTPOINT"));
}

void SimCad::State::SetLastPoint(const TAcadPoint& p) {
  variables["LASTPOINT"] = PointValue(p);
}

std::optional<TAcadPoint> SimCad::State::NextPick() {
  if (picks.empty()) return std::nullopt;
  std::optional<TAcadPoint> pick = picks.front();
  picks.pop_front();
  return pick;
}

}  // namespace vensa
