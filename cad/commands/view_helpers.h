// Helpers that relate the lists to the drawing: the pan to a list row, "画層取得" (the
// layer of the point-name search from a picked TEXT) and the activation of the CAD window.
#pragma once

#include <string>

#include "core/text_grid.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa {

inline constexpr char kLayerPickPrompt[] = "画層名を参照する TEXT を選択 : ";
inline constexpr char kNotATextMessage[] = "TEXT ではありません.";

// Centres the CAD view on the current row's point (cells 1, 2, 3; an empty Z is 0) with
// the current view size. Nothing when the row's X or Y cell is empty or no CAD runs.
// Errors reach the caller.
void PanToListRow(const TextGrid& list, const std::string& progId, Platform& platform, Ui& ui);

// "PAN" of the coordinate list; nothing while EntToSL fills the list. The window also runs
// it on every current-cell move of the list when "常にPAN" (CheckBox18) is on.
void PanToCoordListRow(const FormState& state, Platform& platform, Ui& ui);
// "PAN" of the text list.
void PanToTextListRow(const FormState& state, Platform& platform, Ui& ui);
// A current-cell move in the text list: pans when "常にPAN" (CheckBox17) is on.
void FollowTextListRow(const FormState& state, Platform& platform, Ui& ui);

// "画層取得": Edit29 becomes the layer of a TEXT the user picks; SNAPMODE is off during
// the pick and restored after it.
void LayerFromPickedText(FormState& state, Platform& platform, Ui& ui);

// The invisible button: makes the CAD's main window the foreground window.
void BringCadForward(const FormState& state, Platform& platform, Ui& ui);

}  // namespace vensa
