#include "cli/setting_checks.h"

#include "cli/arguments.h"
#include "core/number_read.h"
#include "state/form_state.h"
#include "state/ini_document.h"
#include "state/settings_keys.h"

namespace vensa::cli {

void CheckSettingValue(const std::string& sectionSlashKey, const std::string& value) {
  const SettingKey* key = FindSettingKey(sectionSlashKey);
  if (key == nullptr || key->type == SettingType::Text) return;
  const std::optional<std::int32_t> number = TryReadInteger(ReadIniValue(value));
  if (!number) throw BadArguments{"整数で指定してください: " + sectionSlashKey + "=" + value};
  if (key->checkBox != nullptr && *number != 0 && *number != 1)
    throw BadArguments{"0 か 1 で指定してください: " + sectionSlashKey + "=" + value};
  if (key->upDown != nullptr) {
    static const FormState initial = InitialFormState();
    const UpDownState& limits = initial.*(key->upDown);
    if (*number < limits.min || *number > limits.max) {
      throw BadArguments{std::to_string(limits.min) + " から " + std::to_string(limits.max) +
                         " までの整数で指定してください: " + sectionSlashKey + "=" + value};
    }
  }
}

}  // namespace vensa::cli
