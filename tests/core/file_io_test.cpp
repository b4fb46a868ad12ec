#include "core/file_io.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/error.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

class FileIo : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const {
    return PathToUtf8(dir_ / PathFromUtf8(name));
  }

  test::TempDir temp_;
  const std::filesystem::path& dir_ = temp_.path();
};

TEST_F(FileIo, SavesAndReadsBackExactBytesUnderAJapaneseName) {
  const std::string path = PathOf("座標.dxf");
  const std::string bytes("a\r\nb\0c", 6);
  SaveFileAtomically(path, bytes);
  EXPECT_EQ(ReadFileBytes(path), bytes);
  SaveFileAtomically(path, "shorter");
  EXPECT_EQ(ReadFileBytes(path), "shorter");
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(FileIo, FailedSaveKeepsTheOldFileAndNamesThePath) {
  const std::string missingFolder = PathOf("no/such/folder/out.dxf");
  try {
    SaveFileAtomically(missingFolder, "x");
    FAIL() << "saving into a missing folder must fail";
  } catch (const FileCreateError& e) {
    EXPECT_EQ(e.path(), missingFolder);
    EXPECT_EQ(
        std::string(e.what()).rfind("ファイル \"" + missingFolder + "\" を作成できません。", 0),
        0u);
  }
  // A directory standing where the file should go cannot be replaced.
  const std::string dirPath = PathOf("taken");
  std::filesystem::create_directories(PathFromUtf8(dirPath) / "inside");
  EXPECT_THROW(SaveFileAtomically(dirPath, "x"), FileCreateError);
  EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(dirPath) / "inside"));
}

TEST_F(FileIo, ReadingAMissingFileOrAFolderNamesIt) {
  EXPECT_THROW(ReadFileBytes(PathOf("missing.sim")), FileReadError);
  try {
    ReadFileBytes(PathToUtf8(dir_));
    FAIL();
  } catch (const FileReadError& e) {
    EXPECT_NE(std::string(e.what()).find(PathToUtf8(dir_)), std::string::npos);
  }
  EXPECT_FALSE(FileExists(PathOf("missing.sim")));
  EXPECT_TRUE(RemoveFileIfExists(PathOf("missing.sim")));
}

}  // namespace
}  // namespace vensa
