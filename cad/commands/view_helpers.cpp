#include "cad/commands/view_helpers.h"

#include "cad/cad_connection.h"
#include "cad/minimized_main_window.h"
#include "core/coord_list.h"
#include "core/error.h"

namespace vensa {

void PanToListRow(const TextGrid& list, const std::string& progId, Platform& platform, Ui& ui) {
  const int r = list.current.row;
  if (r < 1 || list.Cell(kColX, r).empty() || list.Cell(kColY, r).empty()) return;
  if (!ConnectTargetCad(platform, ui, progId)) return;
  // The pan leaves the CAD behind the main window: the user goes on in the list.
  std::shared_ptr<CadApplication> app = AttachTargetCad(platform, progId);
  std::shared_ptr<CadDocument> document = app->ActiveDocument();
  const TAcadPoint center = ReadRowPoint(list, r);
  const double size = VariantToDouble(document->GetVariable("VIEWSIZE"));
  app->ZoomCenter(center, size);
  document->Regen(0);
}

void PanToCoordListRow(const FormState& state, Platform& platform, Ui& ui) {
  if (state.entToSlFlag) return;
  PanToListRow(state.StringGrid1, state.TargetProgID, platform, ui);
}

void PanToTextListRow(const FormState& state, Platform& platform, Ui& ui) {
  PanToListRow(state.StringGrid2, state.TargetProgID, platform, ui);
}

void FollowTextListRow(const FormState& state, Platform& platform, Ui& ui) {
  if (state.CheckBox17.checked) PanToTextListRow(state, platform, ui);
}

void LayerFromPickedText(FormState& state, Platform& platform, Ui& ui) {
  if (!ConnectTargetCad(platform, ui, state.TargetProgID)) return;
  std::shared_ptr<CadApplication> app = AttachTargetCad(platform, state.TargetProgID);
  BringCadToFront(platform, *app);
  std::shared_ptr<CadDocument> document = app->ActiveDocument();
  MinimizedMainWindow window(ui, platform);
  // Snap would pull the pick away from the text the user points at.
  const std::int32_t savedSnap = VariantToInteger(document->GetVariable("SNAPMODE"));
  document->SetVariable("SNAPMODE", 0);
  try {
    PickedEntity picked = document->Utility()->GetEntity(kLayerPickPrompt);
    if (picked.entity->EntityName() == "AcDbText") {
      state.Edit29.text = picked.entity->Layer();
    } else {
      ui.ShowMessage(kNotATextMessage);
    }
  } catch (const VensaError&) {
    // A cancelled or failed pick changes nothing.
  }
  document->SetVariable("SNAPMODE", savedSnap);
  window.Restore();
}

void BringCadForward(const FormState& state, Platform& platform, Ui& ui) {
  if (!ConnectTargetCad(platform, ui, state.TargetProgID)) return;
  ActivateCadWindow(platform, *AttachTargetCad(platform, state.TargetProgID));
}

}  // namespace vensa
