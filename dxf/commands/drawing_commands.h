// The four drawing commands of the main tab: "CADへ" and "CADへ (Z=0)" plot the
// coordinate list into the target CAD's drawing at its own coordinates, "XY 作表" and
// "YX 作表" draw the coordinate table at a point the user picks. Each writes the insert
// file and has the CAD insert it exploded through its command line. With "画地を描画" the
// plot also draws the parcels of the last SIMA file read.
//
// Automation and file errors of the common start and of the plot are not caught: they
// reach the window's general error report. The table drops errors of its pick and insert.
// Each returns what it did: not done when no CAD runs, the list is not in use, the insert
// file's path cannot go to the CAD's command line (the note says which folder) or the
// table's pick or insert failed (the cause, no note: the drawing unchanged says enough).
#pragma once

#include <string>

#include "core/command_outcome.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa {

// The insert file beside the program: its path with the extension replaced by ".dxf".
std::string InsertFilePathFor(const std::string& programPath);

// The command line that inserts `insertFile` exploded at `at` ("0,0,0" or "@") with
// scale 1 and rotation 0. The path goes unquoted, exactly as held.
std::string InsertCommandText(const std::string& insertFile, const std::string& at);

// Shown when the insert file's path holds a blank and has no short form without one: the
// CAD's command line would take the blank as Enter.
std::string InsertPathBlankMessage(const std::string& folder);

inline constexpr char kTablePickPrompt[] = "作表の左上基点を指示 : ";

// "CADへ": the plot with z from the list.
CommandOutcome PlotIntoCad(const FormState& state, Platform& platform, Ui& ui,
                           const std::string& insertFile);
// "CADへ (Z=0)": the plot with every z 0.
CommandOutcome PlotIntoCadAtZeroZ(const FormState& state, Platform& platform, Ui& ui,
                                  const std::string& insertFile);
// "XY 作表": the table with the list's columns as they are.
CommandOutcome TableXYIntoCad(const FormState& state, Platform& platform, Ui& ui,
                              const std::string& insertFile);
// "YX 作表": the table with x and y exchanged.
CommandOutcome TableYXIntoCad(const FormState& state, Platform& platform, Ui& ui,
                              const std::string& insertFile);

}  // namespace vensa
