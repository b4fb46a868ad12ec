// The insert file's bytes: the DXF text in the ANSI code page (CP932 here), without a
// byte-order mark, every line (the last "EOF" included) ended by CR LF.
#pragma once

#include <string>

#include "core/file_io.h"
#include "dxf/dxf_writer.h"

namespace vensa {

// The text converted in place to the ANSI code page; a character the code page cannot
// hold becomes "?". A plot of a long list is tens of megabytes: converting where it
// stands (the bytes never get longer) spares a second copy of it.
void EncodeDxfInPlace(std::string& text);

// The same, for a text handed over (typically DxfBuilder::Take()).
std::string EncodeDxf(std::string text);

// The insert file written while its drawing is built: the builder's text goes out in
// encoded chunks to a temporary sibling of `path`, which replaces `path` at Commit(). A
// drawing abandoned midway (an exception before Commit) leaves any earlier file as it
// was. A plot of a long list thus needs one chunk of memory, not the whole file.
class DxfFileWriter {
 public:
  explicit DxfFileWriter(const std::string& path, std::size_t chunkBytes = std::size_t{1} << 20,
                         ExistingFile existing = ExistingFile::kReplace);
  DxfFileWriter(const std::string& path, ExistingFile existing)
      : DxfFileWriter(path, std::size_t{1} << 20, existing) {}
  DxfBuilder& Builder() { return builder_; }
  void Commit();

 private:
  AtomicFileWriter file_;
  DxfBuilder builder_;
};

}  // namespace vensa
