#include "state/start_up.h"

#include <filesystem>

#include "core/file_io.h"
#include "state/target_cad_list.h"

namespace vensa {

ProgramFiles ProgramFilesForExecutable(std::string_view executablePath) {
  std::filesystem::path insertFile = PathFromUtf8(executablePath);
  insertFile.replace_extension(".dxf");
  return {SettingsPathForExecutable(executablePath), TargetCadListPathForExecutable(executablePath),
          PathToUtf8(insertFile)};
}

FormState StartUpFormState(const ProgramFiles& files, const ScreenMetrics& screen,
                           bool drawingTargetByDefault) {
  FormState state = InitialFormState();
  state.TargetIsDrawingFile = drawingTargetByDefault;
  LoadSettings(state, files.settings, screen);  // also applies the dependent states
  LookUpTargetName(state, files.targetCadList);
  state.ActivePage = 0;
  return state;
}

void ShutDownFormState(const FormState& state, const ProgramFiles& files) {
  SaveSettings(state, files.settings);
}

}  // namespace vensa
