// The CAD connection every CAD command goes through: the target ProgID, the check that a
// CAD runs under it, attaching, bringing the CAD's window forward, waiting until it is
// idle, and the document helpers for layers and the working selection set. The target
// ProgID itself is held by the form state; the routines are given it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cad/cad_model.h"
#include "core/command_outcome.h"
#include "platform/platform.h"
#include "platform/ui.h"

namespace vensa {

// The pause after minimising the main window, so that the CAD's window is uncovered
// before the user is asked to pick in it.
inline constexpr int kMinimizePauseMs = 100;

// The message shown when no class is registered for the ProgID.
std::string InvalidProgIdMessage(const std::string& progId);

// The note in the second status panel when the target CAD is registered but not running.
std::string CadNotRunningNote(const std::string& progId);

// Whether a CAD runs under the target ProgID, and what a command that ends for want of one
// returns: not done, and for a registered ProgID under which no CAD runs the cause "CAD
// が実行されていません (ProgID: …)", which vensa-cli prints; the window has then shown
// CadNotRunningNote in the status bar.
struct TargetCadCheck {
  bool running = false;
  CommandOutcome ended;

  explicit operator bool() const { return running; }
};

// Running when a CAD registered under `progId` is running. An unregistered ProgID is
// reported through `ui` in a message box (no cause then); a CAD that is not running gives
// CadNotRunningNote in the status bar, so that the command ending there is seen to have
// had nothing to work with.
TargetCadCheck ConnectTargetCad(Platform& platform, Ui& ui, const std::string& progId);

// The running application object of `progId`. AutomationError when the ProgID is not
// registered, no instance runs (any more), or the running object is not a CAD.
std::shared_ptr<CadApplication> AttachTargetCad(Platform& platform, const std::string& progId);

// Restores a minimised CAD window (then 500 ms), makes it the foreground window and, when
// it did come forward, sends it one Escape key stroke to end whatever command ran there.
void BringCadToFront(Platform& platform, CadApplication& app);

// Makes the CAD's main window the foreground window, nothing else.
void ActivateCadWindow(Platform& platform, CadApplication& app);

// The state query that a target CAD answers, chosen from its ProgID.
enum class CadStateQuery { Acad, Gcad, Zcad };
CadStateQuery StateQueryFor(std::string_view progId);

// Returns once the CAD reports itself idle, sleeping `pollMilliseconds` before the first
// poll and between polls. No time limit; automation errors reach the caller.
void WaitForCadIdle(const std::string& name, CadApplication& app, Platform& platform,
                    int pollMilliseconds);

// Makes sure the active document has the layer; always true. An existing layer matches
// when its name, upper-cased, equals `name` exactly as given.
bool EnsureLayer(CadApplication& app, const std::string& name);

// The document's selection set "ssTemp", emptied, created when missing.
std::shared_ptr<CadSelectionSet> PrepareSelectionSet(CadDocument& document);

// The drawing's DIMSCALE as the factor of what is drawn into it or searched in it ("DIMSCALE
// 倍"): 0, a drawing that sets none, is taken as 1.
double DimScaleOf(CadDocument& document);

inline constexpr char kWorkSelectionSetName[] = "ssTemp";

}  // namespace vensa
