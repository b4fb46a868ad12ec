// The document of the substitute CAD and the objects reached from it: system variables,
// the command line, the utility (picks), model space, layers and selection sets.
#include <stdexcept>

#include "cad/sim/sim_cad_state.h"
#include "core/number_format.h"
#include "core/text.h"
#include "platform/automation_error.h"

namespace vensa {

namespace {

using State = SimCad::State;

class SimLayerObject : public CadLayer {
 public:
  SimLayerObject(std::shared_ptr<State> state, std::string name)
      : state_(std::move(state)), name_(std::move(name)) {}
  std::string Name() override {
    state_->Call("layer.Name");
    return name_;
  }

 private:
  std::shared_ptr<State> state_;
  std::string name_;
};

class SimLayersObject : public CadLayers {
 public:
  explicit SimLayersObject(std::shared_ptr<State> state) : state_(std::move(state)) {}
  int Count() override {
    state_->Call("layers.Count");
    return static_cast<int>(state_->layers.size());
  }
  std::shared_ptr<CadLayer> Item(int index) override {
    state_->Call("layers.Item " + std::to_string(index));
    if (index < 0 || static_cast<std::size_t>(index) >= state_->layers.size()) {
      throw AutomationError("Item", "無効なインデックスです");
    }
    return std::make_shared<SimLayerObject>(state_, state_->layers[index]);
  }
  std::shared_ptr<CadLayer> Add(const std::string& name) override {
    state_->Call("layers.Add " + name);
    if (name.empty()) throw AutomationError("Add", "画層名が無効です");
    state_->EnsureLayer(name);
    return std::make_shared<SimLayerObject>(state_, state_->layers[state_->LayerIndex(name)]);
  }

 private:
  std::shared_ptr<State> state_;
};

class SimUtilityObject : public CadUtility {
 public:
  explicit SimUtilityObject(std::shared_ptr<State> state) : state_(std::move(state)) {}
  CadValue GetPoint(const std::string& prompt) override {
    state_->Call("util.GetPoint " + prompt);
    std::optional<TAcadPoint> pick = state_->NextPick();
    if (!pick) throw AutomationError("GetPoint", kSimCancelText);
    state_->SetLastPoint(*pick);
    return PointValue(*pick);
  }
  PickedEntity GetEntity(const std::string& prompt) override {
    state_->Call("util.GetEntity " + prompt);
    std::optional<SimEntityPick> pick;
    if (!state_->entityPicks.empty()) {
      pick = std::move(state_->entityPicks.front());
      state_->entityPicks.pop_front();
    }
    if (!pick) throw AutomationError("GetEntity", kSimCancelText);
    if (state_->Find(pick->handle) == nullptr) {
      throw std::invalid_argument("scripted pick of unknown " + pick->handle);
    }
    return PickedEntity{MakeSimEntityObject(state_, pick->handle), PointValue(pick->at)};
  }

 private:
  std::shared_ptr<State> state_;
};

class SimModelSpaceObject : public CadModelSpace {
 public:
  explicit SimModelSpaceObject(std::shared_ptr<State> state) : state_(std::move(state)) {}
  std::shared_ptr<CadText> AddText(const std::string& text, const TAcadPoint& insertion,
                                   double height) override {
    state_->Call("ms.AddText " + text + " " + SimPointText(insertion) + " " + FormatG15(height));
    if (height <= 0.0) throw AutomationError("AddText", "文字の高さが無効です");
    SimEntity e;
    e.className = "AcDbText";
    const CadValue layer = state_->Variable("CLAYER");
    const auto* name = std::get_if<std::string>(&layer);
    e.layer = name != nullptr ? *name : "0";
    e.text = text;
    e.insertion = insertion;
    e.height = height;
    return MakeSimEntityObject(state_, state_->Add(std::move(e)));
  }

 private:
  std::shared_ptr<State> state_;
};

class SimDocumentObject : public CadDocument {
 public:
  explicit SimDocumentObject(std::shared_ptr<State> state) : state_(std::move(state)) {}
  CadValue GetVariable(const std::string& name) override {
    state_->Call("doc.GetVariable " + name);
    return state_->Variable(name);
  }
  void SetVariable(const std::string& name, std::int32_t value) override {
    state_->Call("doc.SetVariable " + name + " " + std::to_string(value));
    state_->variables[AsciiUpper(name)] = value;
  }
  void SendCommand(const std::string& command) override {
    state_->Call("doc.SendCommand " + command);
    state_->RunCommand(command);
  }
  void Regen(int which) override { state_->Call("doc.Regen " + std::to_string(which)); }
  std::shared_ptr<CadUtility> Utility() override {
    state_->Call("doc.Utility");
    return std::make_shared<SimUtilityObject>(state_);
  }
  std::shared_ptr<CadModelSpace> ModelSpace() override {
    state_->Call("doc.ModelSpace");
    return std::make_shared<SimModelSpaceObject>(state_);
  }
  std::shared_ptr<CadLayers> Layers() override {
    state_->Call("doc.Layers");
    return std::make_shared<SimLayersObject>(state_);
  }
  std::shared_ptr<CadSelectionSets> SelectionSets() override {
    state_->Call("doc.SelectionSets");
    return MakeSimSelectionSets(state_);
  }

 private:
  std::shared_ptr<State> state_;
};

}  // namespace

std::shared_ptr<CadDocument> MakeSimDocument(std::shared_ptr<SimCad::State> state) {
  return std::make_shared<SimDocumentObject>(std::move(state));
}

}  // namespace vensa
