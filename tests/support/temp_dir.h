// A fresh folder for one test's files, removed with everything in it when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "core/file_io.h"

namespace vensa::test {

class TempDir {
 public:
  // The folder's name carries the running test's name and a counter, so tests running in
  // parallel processes or one test using several folders never share one.
  TempDir() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "vensa_test_";
    if (info != nullptr) name += std::string(info->test_suite_name()) + "_" + info->name() + "_";
    name += ProcessToken() + "_" + std::to_string(counter++);
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The UTF-8 path of a file (or folder) in it; the name may hold Japanese characters.
  std::string File(std::string_view name) const { return PathToUtf8(path_ / PathFromUtf8(name)); }
  // Writes the bytes as a file in it and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string file = File(name);
    SaveFileAtomically(file, bytes);
    return file;
  }
  // Files and folders directly in it (to see that no temporary file was left behind).
  std::ptrdiff_t EntryCount() const {
    return std::distance(std::filesystem::directory_iterator(path_),
                         std::filesystem::directory_iterator());
  }

 private:
  // Differs between processes, so two runs of the same test binary at once never share a
  // folder (one would remove it under the other).
  static const std::string& ProcessToken() {
    static const std::string token = std::to_string(
        (std::random_device{}() ^
         static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())) %
        1000000);
    return token;
  }

  std::filesystem::path path_;
};

}  // namespace vensa::test
