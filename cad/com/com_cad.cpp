#include "cad/com/com_cad.h"

#include <limits>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "cad/com/com_cad_value.h"
#include "platform/automation_error.h"
#include "platform/win/com_error.h"

namespace vensa::win {

namespace {

std::vector<Variant> Args(Variant a) {
  std::vector<Variant> args;
  args.push_back(std::move(a));
  return args;
}

std::vector<Variant> Args(Variant a, Variant b) {
  std::vector<Variant> args = Args(std::move(a));
  args.push_back(std::move(b));
  return args;
}

Variant Index(int index) {
  return Variant(static_cast<std::int32_t>(index));
}

// Member ids of the entities of one selection, by class name: the entities of a class
// share them, so only the first entity of each class asks the CAD for its ids.
using ClassIdCaches = std::map<std::string, std::shared_ptr<DispIdCache>>;

class ComEntity final : public CadEntity {
 public:
  explicit ComEntity(Dispatch d, std::shared_ptr<ClassIdCaches> classIds = nullptr)
      : d_(std::move(d)), classIds_(std::move(classIds)) {}

  std::string EntityName() override {
    std::string name = Text("EntityName");
    if (classIds_) {
      std::shared_ptr<DispIdCache>& ids = (*classIds_)[name];
      if (!ids) ids = std::make_shared<DispIdCache>();
      d_.UseIdCache(ids);
      classIds_.reset();  // the class is known: later calls keep this cache
    }
    return name;
  }
  std::string Layer() override { return Text("Layer"); }
  void SetLayer(const std::string& layer) override { d_.Put("Layer", Variant(layer)); }
  std::string Handle() override { return Text("Handle"); }
  std::string TextString() override { return Text("TextString"); }

  CadValue StartPoint() override { return Value("StartPoint"); }
  CadValue EndPoint() override { return Value("endpoint"); }
  CadValue Center() override { return Value("center"); }
  CadValue Normal() override { return Value("Normal"); }
  double NormalComponent(int index) override {
    // The whole normal is read and the component taken here: every CAD answers `Normal`
    // without an argument, not every one with an index.
    std::vector<double> normal;
    if (!VariantToDoubles(d_.Call("Normal").Raw(), normal) || index < 0 ||
        index >= static_cast<int>(normal.size()))
      ThrowComError("Normal", DISP_E_BADINDEX, nullptr);
    return normal[static_cast<std::size_t>(index)];
  }
  CadValue InsertionPoint() override { return Value("InsertionPoint"); }
  CadValue TextAlignmentPoint() override { return Value("TextAlignmentPoint"); }
  std::vector<double> Coordinates() override {
    std::vector<double> numbers;
    const Variant value = d_.Call("Coordinates");
    if (!VariantToDoubles(value.Raw(), numbers))
      ThrowComError("Coordinates", DISP_E_TYPEMISMATCH, nullptr);
    return numbers;
  }

  double Radius() override { return Number("Radius"); }
  double Thickness() override { return Number("Thickness"); }
  double Elevation() override { return Number("Elevation"); }
  double RadiusRatio() override { return Number("RadiusRatio"); }
  double Height() override { return Number("Height"); }
  double ScaleFactor() override { return Number("ScaleFactor"); }
  double GetBulge(int vertex) override {
    return AsDouble(d_.Call("GetBulge", Args(Variant(static_cast<std::int32_t>(vertex)))),
                    "GetBulge");
  }
  double StartAngle() override { return Number("StartAngle"); }
  double EndAngle() override { return Number("EndAngle"); }
  double Rotation() override { return Number("Rotation"); }
  bool Closed() override { return AsBool(d_.Call("Closed"), "Closed"); }
  std::int32_t Color() override { return Integer("color"); }
  std::int32_t HorizontalAlignment() override { return Integer("HorizontalAlignment"); }
  std::int32_t VerticalAlignment() override { return Integer("VerticalAlignment"); }
  void Update() override { d_.Call("Update"); }

 private:
  std::string Text(std::string_view member) { return AsText(d_.Call(member), member); }
  double Number(std::string_view member) { return AsDouble(d_.Call(member), member); }
  std::int32_t Integer(std::string_view member) { return AsInt32(d_.Call(member), member); }
  CadValue Value(std::string_view member) { return ToCadValue(d_.Call(member)); }

  Dispatch d_;
  std::shared_ptr<ClassIdCaches> classIds_;
};

class ComLayer final : public CadLayer {
 public:
  explicit ComLayer(Dispatch d) : d_(std::move(d)) {}
  std::string Name() override { return AsText(d_.Call("Name"), "Name"); }

 private:
  Dispatch d_;
};

class ComLayers final : public CadLayers {
 public:
  explicit ComLayers(Dispatch d) : d_(std::move(d)) {}
  int Count() override { return AsInt32(d_.Call("Count"), "Count"); }
  std::shared_ptr<CadLayer> Item(int index) override {
    return std::make_shared<ComLayer>(d_.Object("Item", Args(Index(index))));
  }
  std::shared_ptr<CadLayer> Add(const std::string& name) override {
    return std::make_shared<ComLayer>(d_.Object("Add", Args(Variant(name))));
  }

 private:
  Dispatch d_;
};

class ComSelectionSet final : public CadSelectionSet {
 public:
  explicit ComSelectionSet(Dispatch d) : d_(std::move(d)) {}
  std::string Name() override { return AsText(d_.Call("Name"), "Name"); }
  int Count() override { return AsInt32(d_.Call("Count"), "Count"); }
  std::shared_ptr<CadEntity> Item(int index) override {
    return std::make_shared<ComEntity>(d_.Object("Item", Args(Index(index))), classIds_);
  }
  void SelectOnScreen(const std::optional<SelectionFilter>& filter) override {
    if (!filter) {
      d_.Call("SelectOnScreen");
      return;
    }
    // The codes go as an array of 16-bit integers, the values as an array of variants.
    std::vector<Variant> values;
    for (const CadValue& value : filter->values) values.push_back(ToVariant(value));
    d_.Call("SelectOnScreen", Args(Variant::Shorts(filter->codes), Variant::Variants(values)));
  }
  void Clear() override { d_.Call("Clear"); }
  void Delete() override { d_.Call("Delete"); }

 private:
  Dispatch d_;
  std::shared_ptr<ClassIdCaches> classIds_ = std::make_shared<ClassIdCaches>();
};

class ComSelectionSets final : public CadSelectionSets {
 public:
  explicit ComSelectionSets(Dispatch d) : d_(std::move(d)) {}
  int Count() override { return AsInt32(d_.Call("Count"), "Count"); }
  std::shared_ptr<CadSelectionSet> Item(int index) override {
    return std::make_shared<ComSelectionSet>(d_.Object("Item", Args(Index(index))));
  }
  std::shared_ptr<CadSelectionSet> Add(const std::string& name) override {
    return std::make_shared<ComSelectionSet>(d_.Object("Add", Args(Variant(name))));
  }

 private:
  Dispatch d_;
};

class ComUtility final : public CadUtility {
 public:
  explicit ComUtility(Dispatch d) : d_(std::move(d)) {}
  CadValue GetPoint(const std::string& prompt) override {
    // No base point: the first argument is left out.
    return ToCadValue(d_.Call("GetPoint", Args(Variant::Missing(), Variant(prompt))));
  }
  PickedEntity GetEntity(const std::string& prompt) override {
    // The entity and the picked point come back through two out-parameters, both passed
    // as references to variants, as late-bound callers pass them.
    Variant entity;
    Variant point;
    Variant promptArg(prompt);
    std::vector<VARIANT> args(3);
    for (VARIANT& a : args) VariantInit(&a);
    args[0].vt = VT_BYREF | VT_VARIANT;
    args[0].pvarVal = entity.Get();
    args[1].vt = VT_BYREF | VT_VARIANT;
    args[1].pvarVal = point.Get();
    args[2] = promptArg.Raw();  // borrowed: promptArg keeps ownership
    d_.CallWithRefs("GetEntity", args);
    ComPtr<IDispatch> picked = entity.Object();
    if (!picked) ThrowComError("GetEntity", E_POINTER, nullptr);
    return PickedEntity{std::make_shared<ComEntity>(Dispatch(std::move(picked))),
                        ToCadValue(point)};
  }

 private:
  Dispatch d_;
};

class ComModelSpace final : public CadModelSpace {
 public:
  explicit ComModelSpace(Dispatch d) : d_(std::move(d)) {}
  std::shared_ptr<CadText> AddText(const std::string& text, const TAcadPoint& insertion,
                                   double height) override {
    std::vector<Variant> args = Args(Variant(text), PointArgument(insertion));
    args.push_back(Variant(height));
    return std::make_shared<ComEntity>(d_.Object("AddText", std::move(args)));
  }

 private:
  Dispatch d_;
};

class ComDocument final : public CadDocument {
 public:
  explicit ComDocument(Dispatch d) : d_(std::move(d)) {}
  CadValue GetVariable(const std::string& name) override {
    return ToCadValue(d_.Call("GetVariable", Args(Variant(name))));
  }
  void SetVariable(const std::string& name, std::int32_t value) override {
    // Integer system variables are 16-bit; CADs refuse a 32-bit value for them.
    const bool fitsShort = value >= std::numeric_limits<std::int16_t>::min() &&
                           value <= std::numeric_limits<std::int16_t>::max();
    d_.Call("SetVariable", Args(Variant(name), fitsShort ? Variant(static_cast<std::int16_t>(value))
                                                         : Variant(value)));
  }
  void SendCommand(const std::string& command) override {
    d_.Call("SendCommand", Args(Variant(command)));
  }
  void Regen(int which) override { d_.Call("Regen", Args(Index(which))); }
  std::shared_ptr<CadUtility> Utility() override {
    return std::make_shared<ComUtility>(d_.Object("Utility"));
  }
  std::shared_ptr<CadModelSpace> ModelSpace() override {
    return std::make_shared<ComModelSpace>(d_.Object("ModelSpace"));
  }
  std::shared_ptr<CadLayers> Layers() override {
    return std::make_shared<ComLayers>(d_.Object("Layers"));
  }
  std::shared_ptr<CadSelectionSets> SelectionSets() override {
    return std::make_shared<ComSelectionSets>(d_.Object("SelectionSets"));
  }

 private:
  Dispatch d_;
};

class ComState final : public CadState {
 public:
  explicit ComState(Dispatch d) : d_(std::move(d)) {}
  bool IsQuiescent() override { return AsBool(d_.Call("IsQuiescent"), "IsQuiescent"); }

 private:
  Dispatch d_;
};

class ComApplication final : public CadApplication {
 public:
  explicit ComApplication(Dispatch d) : d_(std::move(d)) {}
  WindowHandle Hwnd() override { return AsInt64(d_.Call("HWND"), "HWND"); }
  std::shared_ptr<CadDocument> ActiveDocument() override {
    return std::make_shared<ComDocument>(d_.Object("ActiveDocument"));
  }
  std::shared_ptr<CadState> GetAcadState() override { return State("GetAcadState"); }
  std::shared_ptr<CadState> GetGcadState() override { return State("GetGcadState"); }
  std::shared_ptr<CadState> GetZcadState() override { return State("GetZcadState"); }
  void ZoomCenter(const TAcadPoint& center, double magnification) override {
    d_.Call("ZoomCenter", Args(PointArgument(center), Variant(magnification)));
  }

 private:
  std::shared_ptr<CadState> State(std::string_view member) {
    return std::make_shared<ComState>(d_.Object(member));
  }

  Dispatch d_;
};

}  // namespace

std::shared_ptr<CadApplication> MakeComCadApplication(Dispatch application) {
  return std::make_shared<ComApplication>(std::move(application));
}

}  // namespace vensa::win
