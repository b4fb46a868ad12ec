// Whole-file reading and atomic saving. Paths are UTF-8.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/large_block.h"

namespace vensa {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// Reads the whole file; FileReadError names the file when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

// The most bytes a reader takes from one file, and what the refusal calls the file
// ("SIMA ファイル"): every reader of outside files has one, so a file of gigabytes (a
// sparse one costs nothing to make) is refused by name before memory is taken for it.
struct ReadCap {
  std::uint64_t maxBytes;
  std::string_view kind;
};

// ReadFileBytes within the cap: a larger file throws FileReadError naming it
// ("<kind>としては大きすぎます (<cap> まで)。"), as does memory that cannot be had.
std::string ReadFileBytes(const std::string& path, const ReadCap& cap);

// The cap as the refusals write it: "256 MB", "1 GB".
std::string CapText(std::uint64_t maxBytes);

// The bytes of a whole file in one block (core/large_block.h), for files of tens of
// megabytes read once: a drawing.
class FileBuffer {
 public:
  std::string_view View() const { return {data_.get(), size_}; }

 private:
  LargeBlockPtr<char> data_;
  std::size_t size_ = 0;
  friend FileBuffer ReadFileBuffer(const std::string& path, const ReadCap& cap);
};

// ReadFileBytes into a FileBuffer, within the cap.
FileBuffer ReadFileBuffer(const std::string& path, const ReadCap& cap);

// Whether a save may put its file where one already stands. kKeep makes "is there a file"
// and "put the new one there" one step: of two saves racing onto one new path exactly
// one wins, the other fails naming the path, and neither replaces the other's file.
enum class ExistingFile { kReplace, kKeep };

// Where a command saves: the file, and what the save does with one that stands there (the
// window asked before replacing one; vensa-cli without --force keeps it).
struct SaveTarget {
  std::string path;
  ExistingFile existing = ExistingFile::kReplace;
};

// The reason a save with ExistingFile::kKeep gives when a file stands at the path.
inline constexpr const char* kFileExistsReason = "ファイルが存在します (置き換えません)。";

// Writes the bytes to a sibling temporary file and renames it over `path`, so a failed
// save never destroys what was there. FileCreateError names the file on failure.
// A save only replaces a regular file: a device, FIFO, socket or folder at the path is
// refused before anything is written. Through a symbolic link the file the link leads to
// is replaced (the temporary file beside it) and the link stays. The new file keeps the
// old one's permissions, and, where the process may set them, its owner and group (on
// Windows its attributes). The temporary file is made new (never one that was there)
// beside the target, readable by its owner alone until it takes the old one's place.
void SaveFileAtomically(const std::string& path, std::string_view bytes,
                        ExistingFile existing = ExistingFile::kReplace);

// A file written in pieces that replaces `path` only when Commit() is reached: the pieces
// go to a sibling temporary file, which is renamed over `path` at the end and removed
// when the writer is destroyed without a commit. FileCreateError names `path` on failure.
// What stands at the path is respected as by SaveFileAtomically.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::string& path,
                            ExistingFile existing = ExistingFile::kReplace);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void Write(std::string_view bytes);
  void Commit();

  // The temporary file, for a library that writes a file by its name (the workbook
  // writer): it is closed here first, then written there, and Commit() puts it in place.
  std::string HandOverTemporaryFile();

 private:
  void Fail(const std::string& reason);
  void CloseTemporary();

  std::string path_;
  std::filesystem::path target_;  // the file replaced: `path`, or where its links lead
  std::filesystem::path temp_;
  std::FILE* out_ = nullptr;
  ExistingFile existing_;
  bool done_ = false;
};

bool FileExists(const std::string& path);
// Whether the two paths name one file (through links, other spellings, hard links).
bool IsSameFile(const std::string& a, const std::string& b);
// Removes the file if it exists; false when it exists and could not be removed.
bool RemoveFileIfExists(const std::string& path);

}  // namespace vensa
