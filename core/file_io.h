// Whole-file reading and atomic saving. Paths are UTF-8.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "core/large_block.h"

namespace vensa {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// Reads the whole file; FileReadError names the file when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

// The bytes of a whole file in one block (core/large_block.h), for files of tens of
// megabytes read once: a drawing.
class FileBuffer {
 public:
  std::string_view View() const { return {data_.get(), size_}; }

 private:
  LargeBlockPtr<char> data_;
  std::size_t size_ = 0;
  friend FileBuffer ReadFileBuffer(const std::string& path);
};

// ReadFileBytes into a FileBuffer.
FileBuffer ReadFileBuffer(const std::string& path);

// Writes the bytes to a sibling temporary file and renames it over `path`, so a failed
// save never destroys what was there. FileCreateError names the file on failure.
// A save only replaces a regular file: a device, FIFO, socket or folder at the path is
// refused before anything is written. Through a symbolic link the file the link leads to
// is replaced (the temporary file beside it) and the link stays. The new file keeps the
// old one's permissions (on Windows its attributes).
void SaveFileAtomically(const std::string& path, std::string_view bytes);

// A file written in pieces that replaces `path` only when Commit() is reached: the pieces
// go to a sibling temporary file, which is renamed over `path` at the end and removed
// when the writer is destroyed without a commit. FileCreateError names `path` on failure.
// What stands at the path is respected as by SaveFileAtomically.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::string& path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void Write(std::string_view bytes);
  void Commit();

 private:
  void Fail(const std::string& reason);

  std::string path_;
  std::filesystem::path target_;  // the file replaced: `path`, or where its links lead
  std::filesystem::path temp_;
  std::ofstream out_;
  bool done_ = false;
};

bool FileExists(const std::string& path);
// Removes the file if it exists; false when it exists and could not be removed.
bool RemoveFileIfExists(const std::string& path);

}  // namespace vensa
