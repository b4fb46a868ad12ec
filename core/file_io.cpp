#include "core/file_io.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "core/error.h"
#include "core/large_block.h"

#ifdef _WIN32
// The attributes a user sets on a file (read-only, hidden, ...) are only reachable through
// the system's file functions; the C runtime knows the read-only flag alone.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace vensa {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

namespace {

std::string ErrnoText(int error) {
  return error != 0 ? std::string(std::strerror(error)) : std::string("I/O error");
}

namespace fs = std::filesystem;

// The file a save replaces: the path itself, or the file its symbolic links lead to, so
// that a save through a link replaces the file it names and leaves the link in place.
fs::path SaveTargetOf(const std::string& path) {
  fs::path p = PathFromUtf8(path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
    const fs::path next = fs::read_symlink(p, ec);
    if (ec) throw FileCreateError(path, ec.message());
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  throw FileCreateError(path,
                        std::make_error_code(std::errc::too_many_symbolic_link_levels).message());
}

// What stands at the path when it is neither missing nor a regular file: a save never
// replaces a device, FIFO, socket or folder. Null when the path may be saved to.
const char* NonFileAt(const fs::path& target) {
  std::error_code ec;
  switch (fs::status(target, ec).type()) {
    case fs::file_type::none:
    case fs::file_type::not_found:
    case fs::file_type::regular:
      return nullptr;
    case fs::file_type::directory:
      return "フォルダ";
    case fs::file_type::block:
    case fs::file_type::character:
      return "装置";
    case fs::file_type::fifo:
      return "FIFO";
    case fs::file_type::socket:
      return "ソケット";
    default:
      return "ファイル以外のもの";
  }
}

std::string NonFileReason(const char* kind) {
  return std::string("そこにあるのは通常のファイルではなく") + kind + "です。";
}

// The new file takes over what the old one had set: its permissions (on Windows its
// attributes), so that saving never widens or narrows who may read it.
void KeepModeOf(const fs::path& old, const fs::path& temp) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(old.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  constexpr DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                          FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  SetFileAttributesW(temp.c_str(), attributes & kKept);
#else
  std::error_code ec;
  const fs::file_status st = fs::status(old, ec);
  if (ec || st.type() != fs::file_type::regular) return;
  fs::permissions(temp, st.permissions() & fs::perms::all, fs::perm_options::replace, ec);
#endif
}

fs::path TemporarySibling(const fs::path& target) {
  static std::mt19937_64 random(
      std::random_device{}() ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::path temp = target;
  temp += ".~" + std::to_string(random() % 1000000000ULL) + ".tmp";
  return temp;
}

// Opens the file for reading it whole; `size` is its length (0 for one that tells none).
std::ifstream OpenWholeFile(const std::string& path, std::size_t& size) {
  const std::filesystem::path p = PathFromUtf8(path);
  std::error_code ec;
  if (std::filesystem::is_directory(p, ec)) throw FileReadError(path, ErrnoText(EISDIR));
  errno = 0;
  std::ifstream in(p, std::ios::binary);
  if (!in) throw FileReadError(path, ErrnoText(errno));
  in.seekg(0, std::ios::end);
  const std::streamoff end = in.tellg();
  in.seekg(0, std::ios::beg);
  size = end > 0 ? static_cast<std::size_t>(end) : 0;
  return in;
}

// Reads `size` bytes into `into`; the count read.
std::size_t ReadWhole(std::ifstream& in, char* into, std::size_t size, const std::string& path) {
  if (size > 0) in.read(into, static_cast<std::streamsize>(size));
  if (in.bad()) throw FileReadError(path, ErrnoText(errno));
  return size > 0 ? static_cast<std::size_t>(in.gcount()) : 0;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  std::size_t size = 0;
  std::ifstream in = OpenWholeFile(path, size);
  std::string bytes(size, '\0');
  bytes.resize(ReadWhole(in, bytes.data(), size, path));
  return bytes;
}

FileBuffer ReadFileBuffer(const std::string& path) {
  std::size_t size = 0;
  std::ifstream in = OpenWholeFile(path, size);
  FileBuffer buffer;
  buffer.data_.reset(static_cast<char*>(AllocateLargeBlock(size)));
  buffer.size_ = ReadWhole(in, buffer.data_.get(), size, path);
  return buffer;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path)
    : path_(path), target_(SaveTargetOf(path)) {
  done_ = true;  // until the temporary file exists there is nothing to remove
  // Refused before anything is created, so nothing at the path or beside it changes.
  if (const char* kind = NonFileAt(target_)) throw FileCreateError(path_, NonFileReason(kind));
  temp_ = TemporarySibling(target_);
  errno = 0;
  out_.open(temp_, std::ios::binary | std::ios::trunc);
  if (!out_) throw FileCreateError(path_, ErrnoText(errno));
  done_ = false;
#ifndef _WIN32
  // At once, so the contents are never readable by more users than the old file allowed.
  KeepModeOf(target_, temp_);
#endif
}

AtomicFileWriter::~AtomicFileWriter() {
  if (done_) return;
  out_.close();
  std::error_code ignored;
  std::filesystem::remove(temp_, ignored);
}

void AtomicFileWriter::Fail(const std::string& reason) {
  out_.close();
  std::error_code ignored;
  std::filesystem::remove(temp_, ignored);
  done_ = true;
  throw FileCreateError(path_, reason);
}

void AtomicFileWriter::Write(std::string_view bytes) {
  if (done_) throw FileCreateError(path_, "the file is already closed");
  errno = 0;
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out_) Fail(ErrnoText(errno));
}

void AtomicFileWriter::Commit() {
  if (done_) throw FileCreateError(path_, "the file is already closed");
  errno = 0;
  out_.flush();
  const int writeError = errno;
  out_.close();
  if (!out_) Fail(ErrnoText(writeError));
  // What stands at the path may have changed while the file was written.
  if (const char* kind = NonFileAt(target_)) Fail(NonFileReason(kind));
#ifdef _WIN32
  // Only once the contents are written and the file is closed: a read-only attribute
  // would stand in the way of writing.
  KeepModeOf(target_, temp_);
#endif
  std::error_code ec;
  std::filesystem::rename(temp_, target_, ec);
  if (ec) Fail(ec.message());
  done_ = true;
}

void SaveFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter file(path);
  file.Write(bytes);
  file.Commit();
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(PathFromUtf8(path), ec);
}

bool RemoveFileIfExists(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(PathFromUtf8(path), ec);
  return !ec;
}

}  // namespace vensa
