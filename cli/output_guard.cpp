#include "cli/output_guard.h"

#include "core/error.h"

namespace vensa::cli {

ExistingFile CheckOutput(const std::string& input, const std::string& output, bool force) {
  if (!input.empty() && IsSameFile(input, output))
    throw VensaError("OUT が INPUT と同じファイルです (INPUT は置き換えません): " + output);
  if (!force && FileExists(output))
    throw VensaError("ファイルが存在します (置き換えるには --force): " + output);
  return force ? ExistingFile::kReplace : ExistingFile::kKeep;
}

}  // namespace vensa::cli
