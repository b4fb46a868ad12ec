// The application object of the substitute CAD: its window, its document, the state
// queries that report it idle, and the view's zoom.
#include "cad/sim/sim_cad_state.h"
#include "core/number_format.h"

namespace vensa {

namespace {

using State = SimCad::State;

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
    return MakeSimDocument(state_);
  }
  std::shared_ptr<CadState> GetAcadState() override { return Query("app.GetAcadState"); }
  std::shared_ptr<CadState> GetGcadState() override { return Query("app.GetGcadState"); }
  std::shared_ptr<CadState> GetZcadState() override { return Query("app.GetZcadState"); }
  void ZoomCenter(const TAcadPoint& center, double magnification) override {
    state_->Call("app.ZoomCenter " + SimPointText(center) + " " + FormatG15(magnification));
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

std::shared_ptr<CadApplication> MakeSimApplication(std::shared_ptr<SimCad::State> state) {
  return std::make_shared<SimApplicationObject>(std::move(state));
}

}  // namespace vensa
