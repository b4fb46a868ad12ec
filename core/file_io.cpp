#include "core/file_io.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <new>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#else
#include <io.h>
#endif

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

#ifdef _WIN32
// The new file takes over what the old one had set: its attributes, so that saving never
// widens or narrows who may read it.
void KeepModeOf(const fs::path& old, const fs::path& temp) {
  const DWORD attributes = GetFileAttributesW(old.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  constexpr DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                          FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  SetFileAttributesW(temp.c_str(), attributes & kKept);
}
#else
// The new file takes over who the old one belonged to and who could read it: its owner
// and group where the process may set them (as root, or a group the user is in), then its
// permissions. A new file gets what the process's file creation mask allows.
void KeepOwnerAndModeOf(const fs::path& old, int fd) {
  struct stat st {};
  if (::stat(old.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    // Each on its own: a user may set the group of a file it owns but never its owner.
    if (::fchown(fd, st.st_uid, static_cast<gid_t>(-1)) != 0) {
      // Not the process's to give away: the file stays the saving user's.
    }
    if (::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
      // Not a group of the saving user: the file keeps the user's group.
    }
    ::fchmod(fd, st.st_mode & 07777 & ~static_cast<mode_t>(S_ISUID | S_ISGID));
    return;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
}
#endif

// A new file beside the target, made here and now (never one that was there, and never
// opened through a link someone put at its name), readable by its owner alone.
std::FILE* CreateTemporarySibling(const fs::path& target, fs::path& temp) {
  static std::mt19937_64 random(
      std::random_device{}() ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  for (int attempt = 0;; ++attempt) {
    temp = target;
    temp += ".~" + std::to_string(random() % 1000000000ULL) + ".tmp";
    errno = 0;
#ifdef _WIN32
    const int fd =
        _wopen(temp.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    std::FILE* file = fd >= 0 ? _fdopen(fd, "wb") : nullptr;
    if (fd >= 0 && !file) _close(fd);
#else
    const int fd = ::open(temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0600);
    std::FILE* file = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
    if (fd >= 0 && !file) ::close(fd);
#endif
    if (file || errno != EEXIST || attempt >= 100) return file;
  }
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

std::string CapText(std::uint64_t maxBytes) {
  if (maxBytes >= (std::uint64_t{1} << 30) && maxBytes % (std::uint64_t{1} << 30) == 0)
    return std::to_string(maxBytes >> 30) + " GB";
  if (maxBytes >= (std::uint64_t{1} << 20)) return std::to_string(maxBytes >> 20) + " MB";
  return std::to_string(maxBytes >> 10) + " KB";
}

namespace {

void RequireWithinCap(const std::string& path, std::size_t size, const ReadCap& cap) {
  if (size > cap.maxBytes) {
    throw FileReadError(path, std::string(cap.kind) + "としては大きすぎます (" +
                                  CapText(cap.maxBytes) + " まで)。");
  }
}

}  // namespace

std::string ReadFileBytes(const std::string& path, const ReadCap& cap) {
  std::size_t size = 0;
  std::ifstream in = OpenWholeFile(path, size);
  RequireWithinCap(path, size, cap);
  try {
    std::string bytes(size, '\0');
    bytes.resize(ReadWhole(in, bytes.data(), size, path));
    return bytes;
  } catch (const std::bad_alloc&) {
    throw FileReadError(path, "読み込むメモリが足りません。");
  }
}

FileBuffer ReadFileBuffer(const std::string& path, const ReadCap& cap) {
  std::size_t size = 0;
  std::ifstream in = OpenWholeFile(path, size);
  RequireWithinCap(path, size, cap);
  FileBuffer buffer;
  try {
    buffer.data_.reset(static_cast<char*>(AllocateLargeBlock(size)));
  } catch (const std::bad_alloc&) {
    throw FileReadError(path, "読み込むメモリが足りません。");
  }
  buffer.size_ = ReadWhole(in, buffer.data_.get(), size, path);
  return buffer;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path, ExistingFile existing)
    : path_(path), target_(SaveTargetOf(path)), existing_(existing) {
  done_ = true;  // until the temporary file exists there is nothing to remove
  // Refused before anything is created, so nothing at the path or beside it changes.
  if (const char* kind = NonFileAt(target_)) throw FileCreateError(path_, NonFileReason(kind));
  if (existing_ == ExistingFile::kKeep && fs::exists(fs::symlink_status(target_)))
    throw FileCreateError(path_, kFileExistsReason);
  out_ = CreateTemporarySibling(target_, temp_);
  if (!out_) throw FileCreateError(path_, ErrnoText(errno));
  done_ = false;
}

AtomicFileWriter::~AtomicFileWriter() {
  if (done_) return;
  CloseTemporary();
  std::error_code ignored;
  std::filesystem::remove(temp_, ignored);
}

void AtomicFileWriter::CloseTemporary() {
  if (out_) std::fclose(out_);
  out_ = nullptr;
}

void AtomicFileWriter::Fail(const std::string& reason) {
  CloseTemporary();
  std::error_code ignored;
  std::filesystem::remove(temp_, ignored);
  done_ = true;
  throw FileCreateError(path_, reason);
}

void AtomicFileWriter::Write(std::string_view bytes) {
  if (done_ || !out_) throw FileCreateError(path_, "the file is already closed");
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size()) Fail(ErrnoText(errno));
}

std::string AtomicFileWriter::HandOverTemporaryFile() {
  if (done_) throw FileCreateError(path_, "the file is already closed");
  CloseTemporary();
  return PathToUtf8(temp_);
}

void AtomicFileWriter::Commit() {
  if (done_) throw FileCreateError(path_, "the file is already closed");
  if (out_) {
    errno = 0;
    const bool flushed = std::fflush(out_) == 0;
    const int writeError = errno;
#ifndef _WIN32
    // The old file's owner and mode, only now: the file stays the saving user's own and
    // unreadable by others while it is written.
    KeepOwnerAndModeOf(target_, ::fileno(out_));
#endif
    const bool closed = std::fclose(out_) == 0;
    out_ = nullptr;
    if (!flushed || !closed) Fail(ErrnoText(flushed ? errno : writeError));
  } else {
#ifndef _WIN32
    // Written by name elsewhere (HandOverTemporaryFile).
    const int fd = ::open(temp_.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) Fail(ErrnoText(errno));
    KeepOwnerAndModeOf(target_, fd);
    ::close(fd);
#endif
  }
  // What stands at the path may have changed while the file was written.
  if (const char* kind = NonFileAt(target_)) Fail(NonFileReason(kind));
#ifdef _WIN32
  // Only once the contents are written and the file is closed: a read-only attribute
  // would stand in the way of writing.
  KeepModeOf(target_, temp_);
  const DWORD flags = existing_ == ExistingFile::kReplace ? MOVEFILE_REPLACE_EXISTING : 0;
  if (!MoveFileExW(temp_.c_str(), target_.c_str(), flags)) {
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) Fail(kFileExistsReason);
    Fail(std::system_category().message(static_cast<int>(error)));
  }
#else
  if (existing_ == ExistingFile::kKeep) {
    // A rename that never replaces (or, on a file system without one, a hard link): the
    // check for a file at the path and the file's arrival there are one step.
    int error = 0;
    if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) != 0) {
      error = errno;
      if (error == EINVAL || error == ENOSYS) {
        error = ::link(temp_.c_str(), target_.c_str()) == 0 ? 0 : errno;
        std::error_code ignored;
        std::filesystem::remove(temp_, ignored);
      }
    }
    if (error != 0) Fail(error == EEXIST ? std::string(kFileExistsReason) : ErrnoText(error));
    done_ = true;
    return;
  }
  std::error_code ec;
  std::filesystem::rename(temp_, target_, ec);
  if (ec) Fail(ec.message());
#endif
  done_ = true;
}

void SaveFileAtomically(const std::string& path, std::string_view bytes, ExistingFile existing) {
  AtomicFileWriter file(path, existing);
  file.Write(bytes);
  file.Commit();
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(PathFromUtf8(path), ec);
}

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), ec);
}

bool RemoveFileIfExists(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(PathFromUtf8(path), ec);
  return !ec;
}

}  // namespace vensa
