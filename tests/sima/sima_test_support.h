// Small helpers of the SIMA tests: the shared folder, line and list helpers.
#pragma once

#include <string>
#include <string_view>

#include "core/file_io.h"
#include "tests/support/coord_rows.h"
#include "tests/support/temp_dir.h"
#include "tests/support/text_lines.h"

namespace vensa::test {

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  SaveFileAtomically(path, bytes);
}

}  // namespace vensa::test
