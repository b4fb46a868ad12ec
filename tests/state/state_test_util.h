// Helpers shared by the form-state tests: a scratch folder per test and line-by-line
// comparison of file texts, so a failure names the first differing line.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"
#include "tests/support/temp_dir.h"
#include "tests/support/text_lines.h"

namespace vensa::testing {

class ScratchDir : public ::testing::Test {
 protected:
  std::string PathOf(std::string_view name) const { return temp_.File(name); }

  test::TempDir temp_;
  const std::filesystem::path& dir_ = temp_.path();
};

using test::CrLfLines;
using test::ExpectSameLines;

}  // namespace vensa::testing
