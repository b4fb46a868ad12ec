#include "cad/sim/sim_cad.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <numbers>
#include <optional>
#include <stdexcept>

#include "cad/automation_error.h"
#include "cad/sim/dxf_entity_import.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

namespace {

std::string PointText(const TAcadPoint& p) {
  return FormatG15(p.x) + "," + FormatG15(p.y) + "," + FormatG15(p.z);
}

const char kCancelText[] = "入力がキャンセルされました";

struct SelectionSetData {
  std::string name;
  std::vector<std::string> handles;
};

struct EntityPick {
  std::string handle;
  TAcadPoint at;
};

// Blanks and CRs both end a token on the command line, as Enter and Space do.
std::vector<std::string> CommandTokens(std::string_view text) {
  std::vector<std::string> tokens;
  std::string current;
  for (char c : text) {
    if (c == ' ' || c == '\r' || c == '\n') {
      if (!current.empty()) tokens.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) tokens.push_back(std::move(current));
  return tokens;
}

// "x,y" or "x,y,z"; nothing when a part is no number.
std::optional<TAcadPoint> ParsePointText(std::string_view text) {
  std::vector<double> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = text.find(',', start);
    std::string_view part =
        text.substr(start, comma == std::string_view::npos ? comma : comma - start);
    std::optional<double> number = TryReadNumber(part);
    if (!number) return std::nullopt;
    parts.push_back(*number);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  return TAcadPoint{parts[0], parts[1], parts.size() == 3 ? parts[2] : 0.0};
}

// Places an entity of an insert file: scaled by s, turned by r radians about the file's
// origin, then moved to the base point.
class Placement {
 public:
  Placement(const TAcadPoint& base, double scale, double rotation)
      : base_(base),
        scale_(scale),
        cos_(std::cos(rotation)),
        sin_(std::sin(rotation)),
        rotation_(rotation) {}

  TAcadPoint Apply(const TAcadPoint& p) const {
    const double x = p.x * scale_;
    const double y = p.y * scale_;
    return TAcadPoint{base_.x + x * cos_ - y * sin_, base_.y + x * sin_ + y * cos_,
                      base_.z + p.z * scale_};
  }

  void Apply(SimEntity& e) const {
    e.start = Apply(e.start);
    e.end = Apply(e.end);
    e.center = Apply(e.center);
    e.insertion = Apply(e.insertion);
    e.alignment = Apply(e.alignment);
    const bool flatVertices = e.className == "AcDbPolyline";
    const std::size_t stride = flatVertices ? 2 : 3;
    for (std::size_t i = 0; i + stride <= e.coordinates.size(); i += stride) {
      TAcadPoint p{e.coordinates[i], e.coordinates[i + 1],
                   flatVertices ? 0.0 : e.coordinates[i + 2]};
      TAcadPoint q = Apply(p);
      e.coordinates[i] = q.x;
      e.coordinates[i + 1] = q.y;
      if (!flatVertices) e.coordinates[i + 2] = q.z;
    }
    e.elevation = base_.z + e.elevation * scale_;
    e.radius *= scale_;
    e.height *= scale_;
    e.rotation += rotation_;
  }

 private:
  TAcadPoint base_;
  double scale_;
  double cos_;
  double sin_;
  double rotation_;
};

}  // namespace

struct SimCad::State {
  std::shared_ptr<CallLog> log;
  WindowHandle window = kDefaultWindow;

  std::vector<SimEntity> entities;
  unsigned nextHandle = 0x2A0;
  std::vector<std::string> layers{"0"};
  std::vector<SelectionSetData> sets;
  std::map<std::string, CadValue> variables;
  std::vector<std::string> commandLine;

  std::deque<std::optional<std::vector<std::string>>> selections;
  std::deque<std::optional<TAcadPoint>> picks;
  std::deque<std::optional<EntityPick>> entityPicks;
  int busyPolls = 0;

  std::map<std::string, int> callCounts;
  std::map<std::string, std::map<int, std::string>> failures;

  // Records one member call and raises the scripted error of that call, if any.
  void Call(const std::string& line) {
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

  SimEntity* Find(const std::string& handle) {
    for (SimEntity& e : entities) {
      if (e.handle == handle && !e.erased) return &e;
    }
    return nullptr;
  }

  SimEntity& Live(const std::string& handle, const char* member) {
    SimEntity* e = Find(handle);
    if (e == nullptr) throw AutomationError(member, "オブジェクトは削除されています");
    return *e;
  }

  std::string NewHandle() {
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned v = nextHandle++; v != 0; v /= 16) text.insert(text.begin(), kHex[v % 16]);
    return text;
  }

  int LayerIndex(std::string_view name) const {
    for (std::size_t i = 0; i < layers.size(); ++i) {
      if (EqualsIgnoringAsciiCase(layers[i], name)) return static_cast<int>(i);
    }
    return -1;
  }

  void EnsureLayer(const std::string& name) {
    if (LayerIndex(name) < 0) layers.push_back(name);
  }

  std::string Add(SimEntity entity) {
    entity.handle = NewHandle();
    entity.erased = false;
    if (entity.layer.empty()) entity.layer = "0";
    EnsureLayer(entity.layer);
    entities.push_back(std::move(entity));
    return entities.back().handle;
  }

  SelectionSetData* FindSet(const std::string& name) {
    for (SelectionSetData& set : sets) {
      if (set.name == name) return &set;
    }
    return nullptr;
  }

  CadValue Variable(const std::string& name) const {
    auto it = variables.find(AsciiUpper(name));
    return it == variables.end() ? CadValue{} : it->second;
  }

  TAcadPoint LastPoint() const { return VariantToPoint(Variable("LASTPOINT")); }

  void SetLastPoint(const TAcadPoint& p) { variables["LASTPOINT"] = PointValue(p); }

  // The user's answer to a point prompt: a point, or nothing for a cancel. With no script
  // left the user cancels.
  std::optional<TAcadPoint> NextPick() {
    if (picks.empty()) return std::nullopt;
    std::optional<TAcadPoint> pick = picks.front();
    picks.pop_front();
    return pick;
  }

  void RunCommand(const std::string& text) {
    std::vector<std::string> tokens = CommandTokens(text);
    if (tokens.empty()) return;
    const std::string command = AsciiUpper(tokens[0]);
    if (command == "_ID" || command == "ID") {
      // With "_int" the pick snaps to an intersection; the scripted point is that one.
      if (std::optional<TAcadPoint> pick = NextPick()) {
        SetLastPoint(*pick);
        commandLine.push_back("X = " + FormatFixed(pick->x, 4) + "  Y = " +
                              FormatFixed(pick->y, 4) + "  Z = " + FormatFixed(pick->z, 4));
      } else {
        commandLine.push_back("*キャンセル*");
      }
      return;
    }
    if (command == "-INSERT" && text.compare(0, 9, "-INSERT *") == 0) {
      RunInsert(text.substr(9));
      return;
    }
    commandLine.push_back("不明なコマンド \"" + tokens[0] + "\"");
  }

  // "*" + path + CR + base point, scale and rotation: inserts the file's entities, each
  // kept as itself (exploded), creating the layers they name.
  void RunInsert(std::string_view rest) {
    const std::size_t cr = rest.find('\r');
    if (cr == std::string_view::npos) {
      commandLine.push_back("-INSERT: ファイル名の入力待ち");
      return;
    }
    const std::string path(rest.substr(0, cr));
    std::vector<std::string> args = CommandTokens(rest.substr(cr + 1));
    if (args.size() < 3) {
      commandLine.push_back("-INSERT: 挿入点、尺度、回転角度の入力待ち");
      return;
    }
    TAcadPoint base;
    if (args[0][0] == '@') {
      base = LastPoint();
      if (args[0].size() > 1) {
        std::optional<TAcadPoint> offset = ParsePointText(std::string_view(args[0]).substr(1));
        if (!offset) {
          commandLine.push_back("-INSERT: 点の指定が無効です \"" + args[0] + "\"");
          return;
        }
        base = TAcadPoint{base.x + offset->x, base.y + offset->y, base.z + offset->z};
      }
    } else if (std::optional<TAcadPoint> p = ParsePointText(args[0])) {
      base = *p;
    } else {
      commandLine.push_back("-INSERT: 点の指定が無効です \"" + args[0] + "\"");
      return;
    }
    std::optional<double> scale = TryReadNumber(args[1]);
    std::optional<double> degrees = TryReadNumber(args[2]);
    if (!scale || !degrees || *scale == 0.0) {
      commandLine.push_back("-INSERT: 尺度または回転角度が無効です");
      return;
    }
    DxfImport imported;
    try {
      imported = ImportDxfEntities(AnsiToUtf8(ReadFileBytes(path)));
    } catch (const VensaError& error) {
      commandLine.push_back("-INSERT: " + std::string(error.what()));
      return;
    }
    const Placement placement(base, *scale, *degrees * std::numbers::pi / 180.0);
    for (SimEntity& e : imported.entities) {
      placement.Apply(e);
      Add(std::move(e));
    }
    for (const std::string& type : imported.skipped) {
      commandLine.push_back("-INSERT: " + type + " は読み込めません");
    }
    SetLastPoint(base);
  }
};

namespace {

using State = SimCad::State;

class SimEntityObject : public CadEntity {
 public:
  SimEntityObject(std::shared_ptr<State> state, std::string handle)
      : state_(std::move(state)), handle_(std::move(handle)) {}

  std::string EntityName() override { return Get("EntityName").className; }
  std::string Layer() override { return Get("Layer").layer; }
  void SetLayer(const std::string& layer) override {
    SimEntity& e = Get("SetLayer", " " + layer, "Layer");
    if (state_->LayerIndex(layer) < 0) {
      throw AutomationError("Layer", "画層 " + layer + " は存在しません");
    }
    e.layer = layer;
  }
  std::string Handle() override { return Get("Handle").handle; }
  std::string TextString() override { return Get("TextString").text; }
  CadValue StartPoint() override { return PointValue(Get("StartPoint").start); }
  CadValue EndPoint() override { return PointValue(Get("endpoint").end); }
  CadValue Center() override { return PointValue(Get("center").center); }
  CadValue Normal() override { return PointValue(Get("Normal").normal); }
  CadValue InsertionPoint() override { return PointValue(Get("InsertionPoint").insertion); }
  CadValue TextAlignmentPoint() override { return PointValue(Get("TextAlignmentPoint").alignment); }
  std::vector<double> Coordinates() override { return Get("Coordinates").coordinates; }
  double Radius() override { return Get("Radius").radius; }
  double Thickness() override { return Get("Thickness").thickness; }
  double Elevation() override { return Get("Elevation").elevation; }
  double RadiusRatio() override { return Get("RadiusRatio").radiusRatio; }
  double Height() override { return Get("Height").height; }
  double ScaleFactor() override { return Get("ScaleFactor").scaleFactor; }
  double GetBulge(int vertex) override {
    SimEntity& e = Get("GetBulge", " " + std::to_string(vertex));
    if (vertex < 0 || static_cast<std::size_t>(vertex) >= e.bulges.size()) {
      throw AutomationError("GetBulge", "無効な頂点番号です");
    }
    return e.bulges[static_cast<std::size_t>(vertex)];
  }
  double StartAngle() override { return Get("StartAngle").startAngle; }
  double EndAngle() override { return Get("EndAngle").endAngle; }
  double Rotation() override { return Get("Rotation").rotation; }
  bool Closed() override { return Get("Closed").closed; }
  std::int32_t Color() override { return Get("color").color; }
  std::int32_t HorizontalAlignment() override {
    return Get("HorizontalAlignment").horizontalAlignment;
  }
  std::int32_t VerticalAlignment() override { return Get("VerticalAlignment").verticalAlignment; }
  void Update() override { Get("Update"); }

 private:
  // Records the call, then finds the entity and checks that its class has the member.
  SimEntity& Get(const char* member, const std::string& args = "", const char* property = nullptr) {
    state_->Call(std::string("ent.") + member + args);
    SimEntity& e = state_->Live(handle_, member);
    const char* checked = property != nullptr ? property : member;
    if (!ClassHasProperty(e.className, checked)) {
      throw AutomationError(member, e.className + " はメンバ " + checked + " を持ちません");
    }
    return e;
  }

  std::shared_ptr<State> state_;
  std::string handle_;
};

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
    SelectionSetData& set = Set("sset.Item " + std::to_string(index), "Item");
    if (index < 0 || static_cast<std::size_t>(index) >= set.handles.size()) {
      throw AutomationError("Item", "無効なインデックスです");
    }
    return std::make_shared<SimEntityObject>(state_, set.handles[index]);
  }
  void SelectOnScreen(const std::optional<SelectionFilter>& filter) override {
    std::string line = "sset.SelectOnScreen";
    if (filter) {
      for (std::size_t i = 0; i < filter->codes.size(); ++i) {
        line += " " + std::to_string(filter->codes[i]) + "=" +
                (i < filter->values.size() ? VariantText(filter->values[i]) : "");
      }
    }
    SelectionSetData& set = Set(line, "SelectOnScreen");
    if (state_->selections.empty()) return;  // the user ends the selection at once
    std::optional<std::vector<std::string>> chosen = std::move(state_->selections.front());
    state_->selections.pop_front();
    if (!chosen) throw AutomationError("SelectOnScreen", kCancelText);
    for (const std::string& handle : *chosen) {
      SimEntity* e = state_->Find(handle);
      if (e == nullptr) throw std::invalid_argument("scripted selection of unknown " + handle);
      if (filter && !PassesFilter(*e, *filter)) continue;
      if (std::find(set.handles.begin(), set.handles.end(), handle) == set.handles.end()) {
        set.handles.push_back(handle);
      }
    }
  }
  void Clear() override { Set("sset.Clear", "Clear").handles.clear(); }
  void Delete() override {
    Set("sset.Delete", "Delete");
    std::erase_if(state_->sets, [&](const SelectionSetData& s) { return s.name == name_; });
  }

 private:
  SelectionSetData& Set(const std::string& line, const char* member) {
    state_->Call(line);
    SelectionSetData* set = state_->FindSet(name_);
    if (set == nullptr) throw AutomationError(member, "選択セットは削除されています");
    return *set;
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
    return std::make_shared<SimSelectionSetObject>(state_, state_->sets[index].name);
  }
  std::shared_ptr<CadSelectionSet> Add(const std::string& name) override {
    state_->Call("ssets.Add " + name);
    // A real CAD refuses a second set of the same name.
    if (state_->FindSet(name) != nullptr) {
      throw AutomationError("Add", "選択セット " + name + " は既に存在します");
    }
    state_->sets.push_back(SelectionSetData{name, {}});
    return std::make_shared<SimSelectionSetObject>(state_, name);
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
    if (!pick) throw AutomationError("GetPoint", kCancelText);
    state_->SetLastPoint(*pick);
    return PointValue(*pick);
  }
  PickedEntity GetEntity(const std::string& prompt) override {
    state_->Call("util.GetEntity " + prompt);
    std::optional<EntityPick> pick;
    if (!state_->entityPicks.empty()) {
      pick = std::move(state_->entityPicks.front());
      state_->entityPicks.pop_front();
    }
    if (!pick) throw AutomationError("GetEntity", kCancelText);
    if (state_->Find(pick->handle) == nullptr) {
      throw std::invalid_argument("scripted pick of unknown " + pick->handle);
    }
    return PickedEntity{std::make_shared<SimEntityObject>(state_, pick->handle),
                        PointValue(pick->at)};
  }

 private:
  std::shared_ptr<State> state_;
};

class SimModelSpaceObject : public CadModelSpace {
 public:
  explicit SimModelSpaceObject(std::shared_ptr<State> state) : state_(std::move(state)) {}
  std::shared_ptr<CadText> AddText(const std::string& text, const TAcadPoint& insertion,
                                   double height) override {
    state_->Call("ms.AddText " + text + " " + PointText(insertion) + " " + FormatG15(height));
    if (height <= 0.0) throw AutomationError("AddText", "文字の高さが無効です");
    SimEntity e;
    e.className = "AcDbText";
    const CadValue layer = state_->Variable("CLAYER");
    const auto* name = std::get_if<std::string>(&layer);
    e.layer = name != nullptr ? *name : "0";
    e.text = text;
    e.insertion = insertion;
    e.height = height;
    return std::make_shared<SimEntityObject>(state_, state_->Add(std::move(e)));
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
    return std::make_shared<SimSelectionSetsObject>(state_);
  }

 private:
  std::shared_ptr<State> state_;
};

class SimStateObject : public CadState {
 public:
  explicit SimStateObject(std::shared_ptr<State> state) : state_(std::move(state)) {}
  bool IsQuiescent() override {
    state_->Call("state.IsQuiescent");
    if (state_->busyPolls > 0) {
      --state_->busyPolls;
      return false;
    }
    return true;
  }

 private:
  std::shared_ptr<State> state_;
};

class SimApplicationObject : public CadApplication {
 public:
  explicit SimApplicationObject(std::shared_ptr<State> state) : state_(std::move(state)) {}
  WindowHandle Hwnd() override {
    state_->Call("app.HWND");
    return state_->window;
  }
  std::shared_ptr<CadDocument> ActiveDocument() override {
    state_->Call("app.ActiveDocument");
    return std::make_shared<SimDocumentObject>(state_);
  }
  std::shared_ptr<CadState> GetAcadState() override { return Query("app.GetAcadState"); }
  std::shared_ptr<CadState> GetGcadState() override { return Query("app.GetGcadState"); }
  std::shared_ptr<CadState> GetZcadState() override { return Query("app.GetZcadState"); }
  void ZoomCenter(const TAcadPoint& center, double magnification) override {
    state_->Call("app.ZoomCenter " + PointText(center) + " " + FormatG15(magnification));
    state_->variables["VIEWCTR"] = PointValue(center);
    state_->variables["VIEWSIZE"] = magnification;
  }

 private:
  std::shared_ptr<CadState> Query(const char* line) {
    state_->Call(line);
    return std::make_shared<SimStateObject>(state_);
  }

  std::shared_ptr<State> state_;
};

}  // namespace

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
  app_ = std::make_shared<SimApplicationObject>(state_);
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
  const SelectionSetData* set = state_->FindSet(name);
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
  state_->entityPicks.emplace_back(EntityPick{handle, at});
}
void SimCad::QueueEntityPickCancel() {
  state_->entityPicks.emplace_back(std::nullopt);
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
