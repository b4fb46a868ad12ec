// What OUT may be for the commands that write a file (plot, table, sima, excel).
#pragma once

#include <string>

#include "core/file_io.h"

namespace vensa::cli {

// OUT is never INPUT itself (by any path or link to it), and an existing OUT is replaced
// only with --force. Throws VensaError naming OUT otherwise. The result is what the save
// does with a file that appears at OUT meanwhile: with --force it is replaced; without,
// the save refuses it in the same step that puts the file there (ExistingFile::kKeep),
// so of two runs onto one new OUT exactly one wins.
ExistingFile CheckOutput(const std::string& input, const std::string& output, bool force);

}  // namespace vensa::cli
