// The one exception base of the system's own errors. Messages are the texts a user sees:
// they name the file or the member and say what was expected and what was found.
#pragma once

#include <stdexcept>
#include <string>

namespace vensa {

class VensaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that could not be created or replaced: "ファイル "<path>" を作成できません。<reason>".
class FileCreateError : public VensaError {
 public:
  FileCreateError(const std::string& path, const std::string& reason);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A file that could not be opened or read; the message names the file and the reason.
class FileReadError : public VensaError {
 public:
  FileReadError(const std::string& path, const std::string& reason);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace vensa
