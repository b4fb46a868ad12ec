#include "cad/cad_connection.h"

#include <utility>

#include "cad/cad_value.h"
#include "core/text.h"
#include "platform/automation_error.h"

namespace vensa {

namespace {

constexpr int kRestorePauseMs = 500;
constexpr int kKeyHoldMs = 5;
constexpr int kAfterKeyMs = 200;

}  // namespace

std::string InvalidProgIdMessage(const std::string& progId) {
  return "ProgID（クラス文字列）: \n" + progId + " は無効です．";
}

std::string CadNotRunningNote(const std::string& progId) {
  return "CAD (" + progId + ") が起動していません";
}

TargetCadCheck ConnectTargetCad(Platform& platform, Ui& ui, const std::string& progId) {
  TargetCadCheck check;
  check.ended = CommandOutcome::Failed();
  std::optional<std::string> classId = platform.ClassIdFromProgId(progId);
  if (!classId) {
    ui.ShowMessage(InvalidProgIdMessage(progId));
    return check;
  }
  check.running = platform.GetActiveObject(*classId) != nullptr;
  if (check.running) {
    check.ended = {};
  } else {
    // A word in the status bar, not a box: the user sees why nothing happened and goes on.
    ui.SetStatusPanel(1, CadNotRunningNote(progId));
    check.ended.cause = "CAD が実行されていません (ProgID: " + progId + ")";
  }
  return check;
}

std::shared_ptr<CadApplication> AttachTargetCad(Platform& platform, const std::string& progId) {
  std::optional<std::string> classId = platform.ClassIdFromProgId(progId);
  if (!classId) throw AutomationError("GetActiveObject", InvalidProgIdMessage(progId));
  std::shared_ptr<AutomationObject> object = platform.GetActiveObject(*classId);
  if (!object) {
    throw AutomationError("GetActiveObject", progId + " は実行されていません．");
  }
  auto app = std::dynamic_pointer_cast<CadApplication>(object);
  if (!app) throw AutomationError("GetActiveObject", progId + " は CAD ではありません．");
  return app;
}

void BringCadToFront(Platform& platform, CadApplication& app) {
  // The handle is read anew at each step: the CAD may replace its main window meanwhile.
  if (platform.IsMinimized(app.Hwnd())) {
    platform.RestoreWindow(app.Hwnd());
    platform.Sleep(kRestorePauseMs);
  }
  platform.SetForegroundWindow(app.Hwnd());
  // The key goes to whichever window is in front, so it is sent only when the CAD did
  // come forward; otherwise it would reach another program.
  if (platform.GetForegroundWindow() == app.Hwnd()) {
    platform.SendKeyEvent(kVirtualKeyEscape, false);
    platform.Sleep(kKeyHoldMs);
    platform.SendKeyEvent(kVirtualKeyEscape, true);
    platform.Sleep(kAfterKeyMs);
  }
}

void ActivateCadWindow(Platform& platform, CadApplication& app) {
  platform.SetForegroundWindow(app.Hwnd());
}

CadStateQuery StateQueryFor(std::string_view progId) {
  std::string upper = AsciiUpper(progId);
  if (upper.find("GCAD") != std::string::npos) return CadStateQuery::Gcad;
  if (upper.find("ZWCAD") != std::string::npos) return CadStateQuery::Zcad;
  return CadStateQuery::Acad;  // "AUTO" and every other name alike
}

void WaitForCadIdle(const std::string& name, CadApplication& app, Platform& platform,
                    int pollMilliseconds) {
  const CadStateQuery query = StateQueryFor(name);
  platform.Sleep(pollMilliseconds);
  for (;;) {
    std::shared_ptr<CadState> state;
    switch (query) {
      case CadStateQuery::Gcad:
        state = app.GetGcadState();
        break;
      case CadStateQuery::Zcad:
        state = app.GetZcadState();
        break;
      case CadStateQuery::Acad:
        state = app.GetAcadState();
        break;
    }
    if (state && state->IsQuiescent()) return;
    platform.Sleep(pollMilliseconds);
  }
}

bool EnsureLayer(CadApplication& app, const std::string& name) {
  std::shared_ptr<CadDocument> document = app.ActiveDocument();
  std::shared_ptr<CadLayers> layers = document->Layers();
  const int count = layers->Count();
  for (int i = 0; i < count; ++i) {
    // Only the existing name is upper-cased: a lower-case given name never matches.
    if (AsciiUpper(layers->Item(i)->Name()) == name) return true;
  }
  layers->Add(name);
  return true;
}

std::shared_ptr<CadSelectionSet> PrepareSelectionSet(CadDocument& document) {
  std::shared_ptr<CadSelectionSets> sets = document.SelectionSets();
  const int count = sets->Count();
  for (int i = 0; i < count; ++i) {
    std::shared_ptr<CadSelectionSet> set = sets->Item(i);
    if (set->Name() == kWorkSelectionSetName) {
      set->Clear();
      return set;
    }
  }
  return sets->Add(kWorkSelectionSetName);
}

double DimScaleOf(CadDocument& document) {
  const double f = VariantToDouble(document.GetVariable("DIMSCALE"));
  return f == 0.0 ? 1.0 : f;
}

}  // namespace vensa
