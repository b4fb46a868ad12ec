#include "cli/print_outcome.h"

#include <string_view>

#include "core/text.h"

namespace vensa::cli {

bool PrintOutcome(const CommandOutcome& outcome, std::ostream& err) {
  if (outcome.summary) {
    const std::string_view summary = TrimBlanks(*outcome.summary);
    if (!summary.empty()) err << summary << '\n';
  }
  for (const std::string& note : outcome.notes) err << LineBreaksToBlanks(note) << '\n';
  return outcome.done;
}

}  // namespace vensa::cli
