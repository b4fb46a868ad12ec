#include "core/file_io.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "core/error.h"

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

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
  static std::mt19937_64 random(
      std::random_device{}() ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::path temp = target;
  temp += ".~" + std::to_string(random() % 1000000000ULL) + ".tmp";
  return temp;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  const std::filesystem::path p = PathFromUtf8(path);
  std::error_code ec;
  if (std::filesystem::is_directory(p, ec)) throw FileReadError(path, ErrnoText(EISDIR));
  errno = 0;
  std::ifstream in(p, std::ios::binary);
  if (!in) throw FileReadError(path, ErrnoText(errno));
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) throw FileReadError(path, ErrnoText(errno));
  return bytes;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path)
    : path_(path), temp_(TemporarySibling(PathFromUtf8(path))) {
  errno = 0;
  out_.open(temp_, std::ios::binary | std::ios::trunc);
  if (!out_) {
    done_ = true;  // nothing was created
    throw FileCreateError(path_, ErrnoText(errno));
  }
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
  std::error_code ec;
  std::filesystem::rename(temp_, PathFromUtf8(path_), ec);
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
