// Small helpers of the SIMA tests: a temporary folder, file lines, and grid rows.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/coord_list.h"
#include "core/text_grid.h"

namespace vensa::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ =
        std::filesystem::temp_directory_path() /
        ("vensa_sima_" + std::string(info ? info->name() : "x") + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The lines of file bytes that must end every line with CR LF; a fault in the line ends
// fails the test, and the lines come back for comparison one by one.
inline std::vector<std::string> CrLfLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "text after the last CR LF: \"" << bytes.substr(start) << "\"";
      break;
    }
    const std::string_view line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << "lone CR or LF in " << line;
    lines.emplace_back(line);
    start = end + 2;
  }
  return lines;
}

// Compares lines one by one so that a failure names the first differing line.
inline void ExpectLines(const std::vector<std::string>& actual,
                        const std::vector<std::string>& expected) {
  for (std::size_t i = 0; i < actual.size() && i < expected.size(); ++i)
    EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
  EXPECT_EQ(actual.size(), expected.size()) << "line count";
}

// A coordinate list with the given rows (name, x, y, z), PLOT No. left empty.
inline TextGrid CoordRows(const std::vector<std::vector<std::string>>& rows) {
  TextGrid list = MakeCoordList();
  list.SetRowCount(static_cast<int>(rows.size()) + 1);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      list.SetCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
  return list;
}

}  // namespace vensa::test
