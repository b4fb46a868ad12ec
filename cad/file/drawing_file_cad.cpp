#include "cad/file/drawing_file_cad.h"

#include <algorithm>
#include <unordered_set>

#include "cad/class_members.h"
#include "core/text.h"
#include "dxf/drawing_reader.h"
#include "platform/automation_error.h"

namespace vensa {

namespace {

constexpr char kDrawingClassId[] = "{5E7A0C2D-0000-4000-8000-0000000F11E0}";

[[noreturn]] void NeedsRunningCad(const char* member) {
  throw AutomationError(member, kNeedsRunningCadMessage);
}

// Handles as the CAD writes them (hexadecimal, upper case), one per entity of the drawing.
std::string HandleOf(std::size_t index) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (std::size_t v = index + 1; v != 0; v /= 16) text.insert(text.begin(), kHex[v % 16]);
  return text;
}

struct SelectionSetData {
  std::string name;
  std::vector<std::uint32_t> entities;  // indices into the drawing
  bool deleted = false;
};

// What the application's objects share while the drawing is open: the drawing, the
// document's selection sets, its layers and the system variables set by the commands.
struct FileCadState {
  std::shared_ptr<const Drawing> drawing;  // null once let go after its read
  DrawingKept kept;
  std::vector<std::shared_ptr<SelectionSetData>> sets;
  std::vector<std::string> layers;
  std::unordered_set<std::string> upperLayers;  // the names above, ASCII upper-cased
  std::vector<std::pair<std::string, CadValue>> variables;

  FileCadState(std::shared_ptr<const Drawing> d, DrawingKept k) : drawing(std::move(d)), kept(k) {
    // The layer table, then the layers only entities name, as a CAD lists them after
    // opening the drawing; letter case is not told apart.
    for (const std::string& name : drawing->layers) AddLayer(name);
    for (const std::string& name : drawing->EntityLayers()) AddLayer(name);
    variables = {{"DIMSCALE", drawing->dimscale},
                 {"UCSORG", PointValue(drawing->ucsOrigin)},
                 {"UCSXDIR", PointValue(drawing->ucsXDir)},
                 {"UCSYDIR", PointValue(drawing->ucsYDir)},
                 {"SNAPMODE", std::int32_t{0}},
                 {"CLAYER", std::string("0")},
                 {"LASTPOINT", PointValue(TAcadPoint{})}};
  }

  void AddLayer(const std::string& name) {
    if (upperLayers.insert(AsciiUpper(name)).second) layers.push_back(name);
  }

  // The drawing's entities, for `member`; refused once let go.
  const Drawing& Entities(const char* member) const {
    if (!drawing) throw AutomationError(member, kDrawingLetGoMessage);
    return *drawing;
  }

  CadValue* Variable(const std::string& name) {
    const std::string upper = AsciiUpper(name);
    for (auto& [key, value] : variables) {
      if (key == upper) return &value;
    }
    return nullptr;
  }
};

class FileEntity final : public CadEntity {
 public:
  FileEntity(const Drawing& drawing, std::size_t index) { Load(drawing, index); }

  void Load(const Drawing& drawing, std::size_t index) {
    drawing.Entity(index, e_);
    index_ = index;
  }

  std::string EntityName() override { return e_.className; }
  std::string Layer() override { return e_.layer; }
  void SetLayer(const std::string&) override { NeedsRunningCad("Layer"); }
  std::string Handle() override { return HandleOf(index_); }
  std::string TextString() override { return e_.text; }
  CadValue StartPoint() override { return PointValue(e_.start); }
  CadValue EndPoint() override { return PointValue(e_.end); }
  CadValue Center() override { return PointValue(e_.center); }
  CadValue Normal() override { return PointValue(e_.normal); }
  double NormalComponent(int index) override { return NormalComponentOf(e_.normal, index); }
  CadValue InsertionPoint() override { return PointValue(e_.insertion); }
  CadValue TextAlignmentPoint() override { return PointValue(e_.alignment); }
  std::vector<double> Coordinates() override { return e_.coordinates; }
  double Radius() override { return e_.radius; }
  double Thickness() override { return e_.thickness; }
  double Elevation() override { return e_.elevation; }
  double RadiusRatio() override { return e_.radiusRatio; }
  double Height() override { return e_.height; }
  double ScaleFactor() override { return e_.scaleFactor; }
  double GetBulge(int vertex) override { return BulgeOf(e_.bulges, vertex); }
  double StartAngle() override { return e_.startAngle; }
  double EndAngle() override { return e_.endAngle; }
  double Rotation() override { return e_.rotation; }
  bool Closed() override { return e_.closed; }
  std::int32_t Color() override { return e_.color; }
  std::int32_t HorizontalAlignment() override { return e_.horizontalAlignment; }
  std::int32_t VerticalAlignment() override { return e_.verticalAlignment; }
  void Update() override {}

 private:
  DrawingEntity e_;
  std::size_t index_;
};

// Whether an entity passes an on-screen selection filter: entity type (0) and layer (8)
// are tested, as the substitute CAD does.
bool PassesFilter(const Drawing& drawing, std::size_t i, const SelectionFilter& filter) {
  for (std::size_t k = 0; k < filter.codes.size() && k < filter.values.size(); ++k) {
    const auto* value = std::get_if<std::string>(&filter.values[k]);
    if (value == nullptr) continue;
    if (filter.codes[k] == 0 && !EqualsIgnoringAsciiCase(DxfTypeOf(drawing.ClassName(i)), *value)) {
      return false;
    }
    if (filter.codes[k] == 8 && !EqualsIgnoringAsciiCase(drawing.Layer(i), *value)) return false;
  }
  return true;
}

class FileSelectionSet final : public CadSelectionSet {
 public:
  FileSelectionSet(std::shared_ptr<FileCadState> state, std::shared_ptr<SelectionSetData> set)
      : state_(std::move(state)), set_(std::move(set)) {}

  std::string Name() override { return Live("Name").name; }
  int Count() override { return static_cast<int>(Live("Count").entities.size()); }
  std::shared_ptr<CadEntity> Item(int index) override {
    const SelectionSetData& set = Live("Item");
    if (index < 0 || static_cast<std::size_t>(index) >= set.entities.size()) {
      throw AutomationError("Item", "無効なインデックスです");
    }
    const std::size_t entity = set.entities[static_cast<std::size_t>(index)];
    // Readers take the entities one after the other and let go of each: the one let go
    // is loaded again rather than a new one made, 100,000s of times.
    const Drawing& drawing = state_->Entities("Item");
    if (spare_ && spare_.use_count() == 1) {
      spare_->Load(drawing, entity);
    } else {
      spare_ = std::make_shared<FileEntity>(drawing, entity);
    }
    return spare_;
  }
  std::optional<SelectionCensus> Census() override {
    const SelectionSetData& set = Live("Census");
    const Drawing& drawing = state_->Entities("Census");
    // The class names are the drawing's own strings, one per class: entities are counted
    // by the address of theirs.
    std::vector<std::pair<const std::string*, std::size_t>> counts;
    SelectionCensus census;
    for (std::uint32_t i : set.entities) {
      const std::string* name = &drawing.ClassName(i);
      auto counted = std::find_if(counts.begin(), counts.end(),
                                  [&](const auto& c) { return c.first == name; });
      if (counted == counts.end()) counted = counts.insert(counts.end(), {name, 0});
      ++counted->second;
      census.polylineVertices += drawing.VertexCount(i);
    }
    for (const auto& [name, count] : counts) census.classes.emplace_back(*name, count);
    return census;
  }
  // A user's select-all: every entity not yet in the set that passes the filter.
  void SelectOnScreen(const std::optional<SelectionFilter>& filter) override {
    SelectionSetData& set = Live("SelectOnScreen");
    const Drawing& drawing = state_->Entities("SelectOnScreen");
    std::vector<bool> taken(drawing.Size(), false);
    for (std::uint32_t i : set.entities) taken[i] = true;
    for (std::size_t i = 0; i < drawing.Size(); ++i) {
      if (!taken[i] && (!filter || PassesFilter(drawing, i, *filter))) {
        set.entities.push_back(static_cast<std::uint32_t>(i));
      }
    }
  }
  // The entity last handed out keeps a copy of its own.
  void EntitiesRead() override {
    if (state_->kept == DrawingKept::kUntilRead) state_->drawing.reset();
  }
  void Clear() override { Live("Clear").entities.clear(); }
  void Delete() override {
    Live("Delete").deleted = true;
    std::erase(state_->sets, set_);
  }

 private:
  SelectionSetData& Live(const char* member) {
    if (set_->deleted) throw AutomationError(member, "選択セットは削除されています");
    return *set_;
  }

  std::shared_ptr<FileCadState> state_;
  std::shared_ptr<SelectionSetData> set_;
  std::shared_ptr<FileEntity> spare_;
};

class FileSelectionSets final : public CadSelectionSets {
 public:
  explicit FileSelectionSets(std::shared_ptr<FileCadState> state) : state_(std::move(state)) {}

  int Count() override { return static_cast<int>(state_->sets.size()); }
  std::shared_ptr<CadSelectionSet> Item(int index) override {
    if (index < 0 || static_cast<std::size_t>(index) >= state_->sets.size()) {
      throw AutomationError("Item", "無効なインデックスです");
    }
    return std::make_shared<FileSelectionSet>(state_,
                                              state_->sets[static_cast<std::size_t>(index)]);
  }
  std::shared_ptr<CadSelectionSet> Add(const std::string& name) override {
    for (const auto& set : state_->sets) {
      if (set->name == name) {
        throw AutomationError("Add", "選択セット " + name + " は既に存在します");
      }
    }
    auto set = std::make_shared<SelectionSetData>();
    set->name = name;
    state_->sets.push_back(set);
    return std::make_shared<FileSelectionSet>(state_, set);
  }

 private:
  std::shared_ptr<FileCadState> state_;
};

class FileLayer final : public CadLayer {
 public:
  explicit FileLayer(std::string name) : name_(std::move(name)) {}
  std::string Name() override { return name_; }

 private:
  std::string name_;
};

class FileLayers final : public CadLayers {
 public:
  explicit FileLayers(std::shared_ptr<FileCadState> state) : state_(std::move(state)) {}

  int Count() override { return static_cast<int>(state_->layers.size()); }
  std::shared_ptr<CadLayer> Item(int index) override {
    if (index < 0 || static_cast<std::size_t>(index) >= state_->layers.size()) {
      throw AutomationError("Item", "無効なインデックスです");
    }
    return std::make_shared<FileLayer>(state_->layers[static_cast<std::size_t>(index)]);
  }
  // The layer is added to the open drawing only; the file stays as it is.
  std::shared_ptr<CadLayer> Add(const std::string& name) override {
    if (name.empty()) throw AutomationError("Add", "画層名が無効です");
    state_->AddLayer(name);
    return std::make_shared<FileLayer>(name);
  }

 private:
  std::shared_ptr<FileCadState> state_;
};

class FileUtility final : public CadUtility {
 public:
  CadValue GetPoint(const std::string&) override { NeedsRunningCad("GetPoint"); }
  PickedEntity GetEntity(const std::string&) override { NeedsRunningCad("GetEntity"); }
};

class FileModelSpace final : public CadModelSpace {
 public:
  std::shared_ptr<CadText> AddText(const std::string&, const TAcadPoint&, double) override {
    NeedsRunningCad("AddText");
  }
};

class FileDocument final : public CadDocument {
 public:
  explicit FileDocument(std::shared_ptr<FileCadState> state) : state_(std::move(state)) {}

  CadValue GetVariable(const std::string& name) override {
    const CadValue* value = state_->Variable(name);
    return value == nullptr ? CadValue{} : *value;
  }
  void SetVariable(const std::string& name, std::int32_t value) override {
    if (CadValue* existing = state_->Variable(name)) {
      *existing = value;
    } else {
      state_->variables.emplace_back(AsciiUpper(name), value);
    }
  }
  void SendCommand(const std::string&) override { NeedsRunningCad("SendCommand"); }
  void Regen(int) override {}
  std::shared_ptr<CadUtility> Utility() override { return std::make_shared<FileUtility>(); }
  std::shared_ptr<CadModelSpace> ModelSpace() override {
    return std::make_shared<FileModelSpace>();
  }
  std::shared_ptr<CadLayers> Layers() override { return std::make_shared<FileLayers>(state_); }
  std::shared_ptr<CadSelectionSets> SelectionSets() override {
    return std::make_shared<FileSelectionSets>(state_);
  }

 private:
  std::shared_ptr<FileCadState> state_;
};

// A file has no command running: it is always idle.
class IdleState final : public CadState {
 public:
  bool IsQuiescent() override { return true; }
};

class FileApplication final : public CadApplication {
 public:
  explicit FileApplication(std::shared_ptr<FileCadState> state)
      : document_(std::make_shared<FileDocument>(std::move(state))) {}

  WindowHandle Hwnd() override { return 0; }
  std::shared_ptr<CadDocument> ActiveDocument() override { return document_; }
  std::shared_ptr<CadState> GetAcadState() override { return std::make_shared<IdleState>(); }
  std::shared_ptr<CadState> GetGcadState() override { return std::make_shared<IdleState>(); }
  std::shared_ptr<CadState> GetZcadState() override { return std::make_shared<IdleState>(); }
  void ZoomCenter(const TAcadPoint&, double) override { NeedsRunningCad("ZoomCenter"); }

 private:
  std::shared_ptr<FileDocument> document_;
};

std::filesystem::file_time_type StampOf(const std::string& path) {
  std::error_code error;
  return std::filesystem::last_write_time(std::filesystem::u8path(path), error);
}

}  // namespace

DrawingFileCad::DrawingFileCad(std::string path, DrawingKept kept)
    : path_(std::move(path)),
      kept_(kept),
      stamp_(StampOf(path_)),
      drawing_(std::make_shared<const Drawing>(ReadDrawingFile(path_))) {}

bool DrawingFileCad::ReloadIfChanged() {
  const std::filesystem::file_time_type stamp = StampOf(path_);
  if (stamp == stamp_) return false;
  drawing_ = std::make_shared<const Drawing>(ReadDrawingFile(path_));
  application_.reset();
  stamp_ = stamp;
  return true;
}

std::shared_ptr<CadApplication> DrawingFileCad::Application() {
  if (!application_) {
    application_ =
        std::make_shared<FileApplication>(std::make_shared<FileCadState>(drawing_, kept_));
    // Held by the application alone, which lets it go after the read.
    if (kept_ == DrawingKept::kUntilRead) drawing_.reset();
  }
  return application_;
}

std::optional<std::string> DrawingFilePlatform::ClassIdFromProgId(const std::string&) {
  return std::string(kDrawingClassId);
}

std::shared_ptr<AutomationObject> DrawingFilePlatform::GetActiveObject(const std::string& classId) {
  if (classId != kDrawingClassId) return nullptr;
  return cad_.Application();
}

std::shared_ptr<MessageFilter> DrawingFilePlatform::SetMessageFilter(
    std::shared_ptr<MessageFilter> filter) {
  std::swap(filter, filter_);
  return filter;
}

}  // namespace vensa
