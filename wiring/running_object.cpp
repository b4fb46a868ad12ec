#include "wiring/running_object.h"

#include "cad/com/com_cad.h"
#include "sheet/com/com_excel.h"

namespace vensa::win {

namespace {

class RunningObject final : public CadApplication, public ExcelApplication {
 public:
  explicit RunningObject(const Dispatch& object)
      : cad_(MakeComCadApplication(object)), excel_(MakeComExcelApplication(object)) {}

  WindowHandle Hwnd() override { return cad_->Hwnd(); }
  std::shared_ptr<CadDocument> ActiveDocument() override { return cad_->ActiveDocument(); }
  std::shared_ptr<CadState> GetAcadState() override { return cad_->GetAcadState(); }
  std::shared_ptr<CadState> GetGcadState() override { return cad_->GetGcadState(); }
  std::shared_ptr<CadState> GetZcadState() override { return cad_->GetZcadState(); }
  void ZoomCenter(const TAcadPoint& center, double magnification) override {
    cad_->ZoomCenter(center, magnification);
  }

  std::shared_ptr<ExcelWorkbook> ActiveWorkBook() override { return excel_->ActiveWorkBook(); }

 private:
  std::shared_ptr<CadApplication> cad_;
  std::shared_ptr<ExcelApplication> excel_;
};

}  // namespace

std::shared_ptr<AutomationObject> WrapRunningObject(ComPtr<IDispatch> object) {
  auto running = std::make_shared<RunningObject>(Dispatch(std::move(object)));
  // Through one of the two bases: the object holds an AutomationObject in each.
  return std::static_pointer_cast<CadApplication>(running);
}

std::unique_ptr<Platform> MakeWinPlatform() {
  return std::make_unique<WinPlatform>(WrapRunningObject);
}

}  // namespace vensa::win
