// The substitute CAD: a drawing of its own (entities with class names, handles, layers
// and properties; layers; selection sets; system variables with LASTPOINT; an idle
// state) behind the CAD object model. It runs the command texts the system sends
// ("-INSERT *file<CR>0,0,0 1 0<CR>" reads the file and adds its entities, "_ID<CR>" takes
// the next pick) and plays the user's part from a script: selections, picks, cancels,
// busy periods, and an automation error at the k-th call of a member. Every member call
// is one line of the call log ("doc.GetVariable DIMSCALE"); the part before the first
// blank ("doc.GetVariable") names the member for FailAt.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cad/cad_model.h"
#include "cad/sim/sim_entity.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_platform.h"

namespace vensa {

class SimCad {
 public:
  static constexpr WindowHandle kDefaultWindow = 0x2000;
  static constexpr char kWindowClass[] = "VensaSimCad";
  static constexpr char kDefaultClassId[] = "{5E7A0C2D-0000-4000-8000-00000000CAD0}";

  explicit SimCad(std::shared_ptr<CallLog> log = std::make_shared<CallLog>());

  // The application object; the same one on every call.
  std::shared_ptr<CadApplication> Application() const;
  // Registers the ProgID in the platform's class table, the application in its running
  // object table and the CAD's main window in its window table.
  void RegisterWith(SimPlatform& platform, const std::string& progId,
                    const std::string& classId = kDefaultClassId, bool minimized = false);
  WindowHandle Window() const;
  void SetWindow(WindowHandle window);

  // The drawing.
  // Adds the entity with a new handle (returned), creating its layer when missing.
  std::string AddEntity(SimEntity entity);
  // Every entity added and not erased, in drawing order.
  std::vector<SimEntity> Entities() const;
  std::vector<SimEntity> EntitiesOnLayer(std::string_view layer) const;
  // Erased entities refuse every member afterwards, like an entity erased in the CAD.
  void EraseEntity(const std::string& handle);
  const std::vector<std::string>& LayerNames() const;
  void AddLayer(const std::string& name);
  bool HasLayer(std::string_view name) const;  // letter case ignored
  std::vector<std::string> SelectionSetNames() const;
  std::vector<std::string> SelectionSetHandles(const std::string& name) const;
  // System variables; names ignore letter case. LASTPOINT, DIMSCALE, UCSORG, UCSXDIR,
  // UCSYDIR, VIEWSIZE, VIEWCTR, SNAPMODE and CLAYER start with the values of a new drawing.
  void SetSystemVariable(const std::string& name, CadValue value);
  CadValue SystemVariable(const std::string& name) const;
  TAcadPoint LastPoint() const;
  bool Idle() const;
  // What the CAD's own commands printed (a missing insert file, an unknown command).
  const std::vector<std::string>& CommandLine() const;

  // The user's part, used in order.
  void QueueSelection(std::vector<std::string> handles);
  void QueueSelectionCancel();
  // From now on every on-screen selection takes every entity of the drawing in drawing
  // order (what a user's select-all gives), only those passing the filter when one is
  // given (with the TEXT filter, every TEXT); the queued selections are no longer used.
  void SelectEverythingOnScreen();
  // A picked point answers the next GetPoint or ID command.
  void QueuePick(const TAcadPoint& point);
  void QueuePickCancel();
  void QueueEntityPick(const std::string& handle, const TAcadPoint& at);
  void QueueEntityPickCancel();
  // The next `polls` state queries report busy.
  void SetBusyPolls(int polls);
  // The k-th call of `member` from now (1 = the next one) fails with `text`.
  void FailAt(const std::string& member, int k, std::string text);

  CallLog& Log() const;

  struct State;

 private:
  std::shared_ptr<State> state_;
  std::shared_ptr<CadApplication> app_;
};

}  // namespace vensa
