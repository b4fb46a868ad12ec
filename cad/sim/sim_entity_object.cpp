// An entity of the substitute CAD as the automation sees it: every member call is logged,
// an erased entity refuses every member, and a member its class lacks is refused.
#include "cad/sim/sim_cad_state.h"
#include "platform/automation_error.h"

namespace vensa {

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
  double NormalComponent(int index) override {
    return NormalComponentOf(Get("Normal", " " + std::to_string(index)).normal, index);
  }
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
    return BulgeOf(Get("GetBulge", " " + std::to_string(vertex)).bulges, vertex);
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

}  // namespace

std::shared_ptr<CadEntity> MakeSimEntityObject(std::shared_ptr<SimCad::State> state,
                                               std::string handle) {
  return std::make_shared<SimEntityObject>(std::move(state), std::move(handle));
}

}  // namespace vensa
