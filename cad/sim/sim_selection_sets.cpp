// Selection sets of the substitute CAD. An on-screen selection takes the next scripted
// selection, or every entity of the drawing once SelectEverythingOnScreen was called.
#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "cad/sim/sim_cad_state.h"
#include "core/text.h"
#include "platform/automation_error.h"

namespace vensa {

namespace {

using State = SimCad::State;

// Whether an entity passes an on-screen selection filter: entity type (0) and layer (8)
// are tested, other codes are not restricted by the substitute.
bool PassesFilter(const SimEntity& e, const SelectionFilter& filter) {
  for (std::size_t i = 0; i < filter.codes.size() && i < filter.values.size(); ++i) {
    const auto* value = std::get_if<std::string>(&filter.values[i]);
    if (value == nullptr) continue;
    if (filter.codes[i] == 0 && !EqualsIgnoringAsciiCase(DxfTypeOf(e.className), *value)) {
      return false;
    }
    if (filter.codes[i] == 8 && !EqualsIgnoringAsciiCase(e.layer, *value)) return false;
  }
  return true;
}

class SimSelectionSetObject : public CadSelectionSet {
 public:
  SimSelectionSetObject(std::shared_ptr<State> state, std::string name)
      : state_(std::move(state)), name_(std::move(name)) {}

  std::string Name() override {
    Set("sset.Name", "Name");
    return name_;
  }
  int Count() override { return static_cast<int>(Set("sset.Count", "Count").handles.size()); }
  std::shared_ptr<CadEntity> Item(int index) override {
    SimSelectionSetData& set = Set("sset.Item " + std::to_string(index), "Item");
    if (index < 0 || static_cast<std::size_t>(index) >= set.handles.size()) {
      throw AutomationError("Item", "無効なインデックスです");
    }
    return MakeSimEntityObject(state_, set.handles[index]);
  }
  void SelectOnScreen(const std::optional<SelectionFilter>& filter) override {
    std::string line = "sset.SelectOnScreen";
    if (filter) {
      for (std::size_t i = 0; i < filter->codes.size(); ++i) {
        line += " " + std::to_string(filter->codes[i]) + "=" +
                (i < filter->values.size() ? VariantText(filter->values[i]) : "");
      }
    }
    SimSelectionSetData& set = Set(line, "SelectOnScreen");
    if (state_->selectEverything) {
      // Drawings opened from a file hold many thousand entities: the set's handles are
      // looked up in a hash set, not one by one.
      std::unordered_set<std::string> taken(set.handles.begin(), set.handles.end());
      for (const SimEntity& e : state_->entities) {
        if (!e.erased && (!filter || PassesFilter(e, *filter)) && taken.insert(e.handle).second) {
          set.handles.push_back(e.handle);
        }
      }
      return;
    }
    if (state_->selections.empty()) return;  // the user ends the selection at once
    std::optional<std::vector<std::string>> chosen = std::move(state_->selections.front());
    state_->selections.pop_front();
    if (!chosen) throw AutomationError("SelectOnScreen", kSimCancelText);
    for (const std::string& handle : *chosen) {
      SimEntity* e = state_->Find(handle);
      if (e == nullptr) throw std::invalid_argument("scripted selection of unknown " + handle);
      if (filter && !PassesFilter(*e, *filter)) continue;
      Take(set, handle);
    }
  }
  void Clear() override { Set("sset.Clear", "Clear").handles.clear(); }
  void Delete() override {
    Set("sset.Delete", "Delete");
    std::erase_if(state_->sets, [&](const SimSelectionSetData& s) { return s.name == name_; });
  }

 private:
  SimSelectionSetData& Set(const std::string& line, const char* member) {
    state_->Call(line);
    SimSelectionSetData* set = state_->FindSet(name_);
    if (set == nullptr) throw AutomationError(member, "選択セットは削除されています");
    return *set;
  }

  // A selected entity joins the set once, as in the CAD.
  static void Take(SimSelectionSetData& set, const std::string& handle) {
    if (std::find(set.handles.begin(), set.handles.end(), handle) == set.handles.end()) {
      set.handles.push_back(handle);
    }
  }

  std::shared_ptr<State> state_;
  std::string name_;
};

class SimSelectionSetsObject : public CadSelectionSets {
 public:
  explicit SimSelectionSetsObject(std::shared_ptr<State> state) : state_(std::move(state)) {}
  int Count() override {
    state_->Call("ssets.Count");
    return static_cast<int>(state_->sets.size());
  }
  std::shared_ptr<CadSelectionSet> Item(int index) override {
    state_->Call("ssets.Item " + std::to_string(index));
    if (index < 0 || static_cast<std::size_t>(index) >= state_->sets.size()) {
      throw AutomationError("Item", "無効なインデックスです");
    }
    return MakeSimSelectionSet(state_, state_->sets[index].name);
  }
  std::shared_ptr<CadSelectionSet> Add(const std::string& name) override {
    state_->Call("ssets.Add " + name);
    // A real CAD refuses a second set of the same name.
    if (state_->FindSet(name) != nullptr) {
      throw AutomationError("Add", "選択セット " + name + " は既に存在します");
    }
    state_->sets.push_back(SimSelectionSetData{name, {}});
    return MakeSimSelectionSet(state_, name);
  }

 private:
  std::shared_ptr<State> state_;
};

}  // namespace

std::shared_ptr<CadSelectionSets> MakeSimSelectionSets(std::shared_ptr<SimCad::State> state) {
  return std::make_shared<SimSelectionSetsObject>(std::move(state));
}

std::shared_ptr<CadSelectionSet> MakeSimSelectionSet(std::shared_ptr<SimCad::State> state,
                                                     std::string name) {
  return std::make_shared<SimSelectionSetObject>(std::move(state), std::move(name));
}

}  // namespace vensa
