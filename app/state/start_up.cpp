#include "app/state/start_up.h"

#include "app/state/target_cad_list.h"

namespace vensa {

ProgramFiles ProgramFilesForExecutable(std::string_view executablePath) {
  return {SettingsPathForExecutable(executablePath),
          TargetCadListPathForExecutable(executablePath)};
}

FormState StartUpFormState(const ProgramFiles& files, const ScreenMetrics& screen) {
  FormState state = InitialFormState();
  LoadSettings(state, files.settings, screen);  // also applies the dependent states
  LookUpTargetName(state, files.targetCadList);
  state.ActivePage = 0;
  return state;
}

void ShutDownFormState(const FormState& state, const ProgramFiles& files) {
  SaveSettings(state, files.settings);
}

}  // namespace vensa
