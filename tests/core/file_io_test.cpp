#include "core/file_io.h"

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

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

#ifndef _WIN32
// A unix socket bound at the path, as a server would leave it.
void BindSocketAt(const std::string& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  path.copy(address.sun_path, path.size());
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(fd);
}

TEST_F(FileIo, SaveOverWhatIsNoRegularFileIsRefusedAndLeavesItAsItWas) {
  namespace fs = std::filesystem;
  const fs::path dir = dir_ / "sub";
  fs::create_directory(dir);
  const std::string fifo = PathToUtf8(dir / "pipe.dxf");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string sock = PathToUtf8(dir / "s.sim");
  BindSocketAt(sock);
  const std::string folder = PathToUtf8(dir / "folder.ini");
  fs::create_directory(PathFromUtf8(folder));
  // The device through a link: were the link replaced, /dev/null itself stays untouched.
  const std::string device = PathToUtf8(dir / "null.dxf");
  fs::create_symlink("/dev/null", PathFromUtf8(device));
  struct Case {
    std::string path;
    fs::file_type type;
    const char* kind;
  };
  std::vector<Case> cases = {{fifo, fs::file_type::fifo, "FIFO"},
                             {sock, fs::file_type::socket, "ソケット"},
                             {folder, fs::file_type::directory, "フォルダ"},
                             {device, fs::file_type::character, "装置"}};
  // The device itself only where a regression could not replace it (as root it could).
  if (geteuid() != 0) cases.push_back({"/dev/full", fs::file_type::character, "装置"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    try {
      SaveFileAtomically(c.path, "0\r\nEOF\r\n");
      ADD_FAILURE() << "saved over a " << c.kind;
    } catch (const FileCreateError& e) {
      EXPECT_EQ(e.path(), c.path);
      EXPECT_NE(std::string(e.what()).find(c.kind), std::string::npos) << e.what();
    }
    EXPECT_EQ(fs::status(PathFromUtf8(c.path)).type(), c.type);
  }
  EXPECT_TRUE(fs::is_symlink(PathFromUtf8(device)));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4)
      << "a temporary file was left behind";
}

TEST_F(FileIo, SaveThroughASymbolicLinkReplacesItsTargetAndKeepsTheLinkAndTheMode) {
  namespace fs = std::filesystem;
  const fs::path targets = dir_ / "targets";
  const fs::path links = dir_ / "links";
  fs::create_directory(targets);
  fs::create_directory(links);
  const std::string target = PathToUtf8(targets / "target.dxf");
  SaveFileAtomically(target, "old");
  ASSERT_EQ(chmod(target.c_str(), 0600), 0);
  // A relative link to a link to the file, in another folder.
  fs::create_symlink("../targets/target.dxf", links / "first.dxf");
  fs::create_symlink("first.dxf", links / "link.dxf");
  const std::string link = PathToUtf8(links / "link.dxf");

  SaveFileAtomically(link, "new");
  EXPECT_TRUE(fs::is_symlink(links / "link.dxf"));
  EXPECT_TRUE(fs::is_symlink(links / "first.dxf"));
  EXPECT_EQ(ReadFileBytes(target), "new");
  EXPECT_EQ(fs::status(PathFromUtf8(target)).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator(targets), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(links), fs::directory_iterator()), 2);

  // A link to a file not there yet creates the file where the link leads.
  fs::create_symlink("../targets/later.sim", links / "later.sim");
  SaveFileAtomically(PathToUtf8(links / "later.sim"), "x");
  EXPECT_EQ(ReadFileBytes(PathToUtf8(targets / "later.sim")), "x");
  EXPECT_TRUE(fs::is_symlink(links / "later.sim"));

  // The mode is kept on a plain file as well, written in pieces.
  const std::string plain = PathOf("plain.ini");
  SaveFileAtomically(plain, "a");
  ASSERT_EQ(chmod(plain.c_str(), 0640), 0);
  AtomicFileWriter file(plain);
  file.Write("b");
  file.Commit();
  struct stat st {};
  ASSERT_EQ(stat(plain.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}
#endif

// Without replacing, "is a file there" and "put the file there" are one step: of two
// saves racing onto one new path exactly one wins, the other fails naming the path.
TEST_F(FileIo, OfTwoSavesOntoOneNewPathWithoutReplacingExactlyOneWins) {
  for (int round = 0; round < 20; ++round) {
    const std::string path = PathOf("race" + std::to_string(round) + ".sim");
    std::atomic<int> won{0};
    std::atomic<int> refused{0};
    std::vector<std::thread> savers;
    for (const char* bytes : {"first", "second"}) {
      savers.emplace_back([&, bytes] {
        try {
          SaveFileAtomically(path, bytes, ExistingFile::kKeep);
          ++won;
        } catch (const FileCreateError& e) {
          EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
          ++refused;
        }
      });
    }
    for (std::thread& t : savers) t.join();
    EXPECT_EQ(won, 1);
    EXPECT_EQ(refused, 1);
    const std::string kept = ReadFileBytes(path);
    EXPECT_TRUE(kept == "first" || kept == "second") << kept;
  }
  // Nothing but the saved files is left.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                          std::filesystem::directory_iterator()),
            20);
}

TEST_F(FileIo, ReadingPastItsCapIsRefusedNamingTheFile) {
  const std::string path = PathOf("big.txt");
  SaveFileAtomically(path, std::string(2048, 'x'));
  EXPECT_EQ(ReadFileBytes(path, {2048, "一覧"}).size(), 2048u);
  try {
    ReadFileBytes(path, {2047, "一覧"});
    ADD_FAILURE() << "read";
  } catch (const FileReadError& e) {
    EXPECT_EQ(std::string(e.what()),
              "ファイル \"" + path + "\" を読み込めません。一覧としては大きすぎます (1 KB まで)。");
  }
  EXPECT_EQ(CapText(std::uint64_t{1} << 30), "1 GB");
  EXPECT_EQ(CapText(std::uint64_t{256} << 20), "256 MB");
}

#ifndef _WIN32
// The temporary file is the save's own, beside the target and private until it takes the
// old file's place; the saved file keeps the old one's owner, group and mode.
TEST_F(FileIo, TheTemporaryFileIsPrivateAndTheSavedFileKeepsOwnerAndMode) {
  const std::string path = PathOf("owned.xlsx");
  SaveFileAtomically(path, "old");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  // Another owner and group where the test may give them away (as root).
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(path.c_str(), 4321, 4321), 0);
  }
  AtomicFileWriter file(path);
  const std::string temp = file.HandOverTemporaryFile();
  struct stat st {};
  ASSERT_EQ(stat(temp.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(PathFromUtf8(temp).parent_path(), dir_);
  file.Commit();
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4321u);
  }
}
#endif

}  // namespace
}  // namespace vensa
