// The main window's state at start-up and shut-down, in the order the window performs the
// steps; the window adds what only it can do (message filter, showing itself).
#pragma once

#include <string>
#include <string_view>

#include "state/form_state.h"
#include "state/settings_file.h"

namespace vensa {

struct ProgramFiles {
  std::string settings;       // the executable's path with ".ini"
  std::string targetCadList;  // "TargetCAD_APIVersion.txt" beside the executable
  std::string insertFile;     // the executable's path with ".dxf": the drawings' insert file
};

ProgramFiles ProgramFilesForExecutable(std::string_view executablePath);

// The initial state, the settings file read into it (placement, controls, target ProgID),
// the dependent states applied, the target name looked up, the " メイン " tab shown.
// Reports nothing and connects to nothing. `drawingTargetByDefault`: a drawing file is the
// target CAD unless the settings say otherwise (where no CAD can be reached by automation).
FormState StartUpFormState(const ProgramFiles& files, const ScreenMetrics& screen,
                           bool drawingTargetByDefault = false);

// Shut-down: the settings file written from the state (its Left and Top being the window's
// current edges). Throws as SaveSettings does.
void ShutDownFormState(const FormState& state, const ProgramFiles& files);

}  // namespace vensa
