#include "cli/cads_command.h"

#include "cad/commands/registered_cads.h"

namespace vensa::cli {

int RunCads(const Automation& automation, std::ostream& out, std::ostream& err) {
  if (!automation.platform) {
    err << "vensa-cli: " << kNoAutomationMessage << '\n';
    return 1;
  }
  const std::vector<RegisteredCad> cads = FindRegisteredCads(*automation.platform);
  for (const RegisteredCad& cad : cads) out << RegisteredCadLine(cad) << '\n';
  if (cads.empty()) err << "vensa-cli: 登録されている CAD が見つかりません\n";
  return 0;
}

}  // namespace vensa::cli
