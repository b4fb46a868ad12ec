// Helpers shared by the form-state tests: a scratch folder per test and line-by-line
// comparison of file texts, so a failure names the first differing line.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"

namespace vensa::testing {

class ScratchDir : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("vensa_state_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string PathOf(std::string_view name) const { return PathToUtf8(dir_ / name); }

  std::filesystem::path dir_;
};

// Splits at CR LF and fails when a line end is anything else or the last is missing.
inline std::vector<std::string> CrLfLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "last line has no CR LF: " << text.substr(start);
      break;
    }
    const std::string_view line = text.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << "bare line end in " << line;
    lines.emplace_back(line);
    start = end + 2;
  }
  return lines;
}

inline void ExpectSameLines(std::string_view actual, const std::vector<std::string>& expected) {
  const std::vector<std::string> lines = CrLfLines(actual);
  for (size_t i = 0; i < std::max(lines.size(), expected.size()); ++i) {
    const std::string a = i < lines.size() ? lines[i] : "<missing>";
    const std::string e = i < expected.size() ? expected[i] : "<missing>";
    ASSERT_EQ(a, e) << "first difference at line " << i + 1;
  }
}

}  // namespace vensa::testing
