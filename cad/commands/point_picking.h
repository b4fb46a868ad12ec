// "ID" (Button12): points picked one by one with the CAD's own ID command, each added to
// the coordinate list under a running name and, optionally, labelled in the drawing.
#pragma once

#include "platform/platform.h"
#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa {

inline constexpr char kAppendOrRestartQuestion[] =
    "現在の座標リストに追加しますか？\r\n  Yes = 追加 / No = 初期化";
// How often the CAD is asked whether its ID command has finished.
inline constexpr int kIdlePollIntervalMs = 200;
// A pick counts only when LASTPOINT moved farther than this in the plane.
inline constexpr double kPickMoveThreshold = 1.0;

// The picks end with a cancel, a repeated pick or a failed CAD call; the rows added stay.
// Errors before the first pick (attaching, DIMSCALE, the label layer) reach the caller.
void PickPointsWithId(FormState& state, Platform& platform, Ui& ui);

}  // namespace vensa
