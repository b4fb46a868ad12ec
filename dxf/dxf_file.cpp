#include "dxf/dxf_file.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <utility>

#include "core/encoding.h"
#include "core/file_io.h"

namespace vensa {
namespace {

bool IsAsciiByte(char c) {
  return static_cast<unsigned char>(c) < 0x80;
}

// End of the run of ASCII bytes that starts at `from`, eight bytes at a time: nearly all
// of a drawing is ASCII.
std::size_t AsciiRunEnd(std::string_view text, std::size_t from) {
  std::size_t i = from;
  while (i + 8 <= text.size()) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if (word & 0x8080808080808080ULL) break;
    i += 8;
  }
  while (i < text.size() && IsAsciiByte(text[i])) ++i;
  return i;
}

std::size_t NonAsciiRunEnd(std::string_view text, std::size_t from) {
  std::size_t i = from;
  while (i < text.size() && !IsAsciiByte(text[i])) ++i;
  return i;
}

// Converted runs of non-ASCII text. A plot repeats the same few runs (a Japanese layer
// name on every entity, "測点" before every number), and converting a short run costs
// far more than finding it again.
class RunCache {
 public:
  const std::string& Convert(std::string_view run) {
    Slot& slot = slots_[std::hash<std::string_view>{}(run) % slots_.size()];
    if (!slot.used || slot.utf8 != run) {
      slot.utf8.assign(run);
      slot.ansi = Utf8ToAnsi(run);
      slot.used = true;
    }
    return slot.ansi;
  }

 private:
  struct Slot {
    bool used = false;
    std::string utf8;
    std::string ansi;
  };
  std::array<Slot, 256> slots_;
};

// The text converted into `out`, run by run.
void AppendConverted(std::string_view text, RunCache& cache, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t asciiEnd = AsciiRunEnd(text, i);
    out.append(text.substr(i, asciiEnd - i));
    const std::size_t runEnd = NonAsciiRunEnd(text, asciiEnd);
    if (runEnd > asciiEnd) out += cache.Convert(text.substr(asciiEnd, runEnd - asciiEnd));
    i = runEnd;
  }
}

}  // namespace

void EncodeDxfInPlace(std::string& text) {
  // ASCII stands unchanged in the code page and never occurs inside a UTF-8 sequence, so
  // only the runs between ASCII bytes need converting, each on its own. A broken
  // sequence thus never reaches past its own run into the line end after it.
  std::size_t read = AsciiRunEnd(text, 0);
  if (read == text.size()) return;
  RunCache cache;
  std::size_t write = read;
  while (read < text.size()) {
    const std::size_t runEnd = NonAsciiRunEnd(text, read);
    const std::string& ansi = cache.Convert(std::string_view(text).substr(read, runEnd - read));
    if (write + ansi.size() > runEnd) {
      // A code page whose bytes outgrow the UTF-8 ones (none the tool is made for):
      // finish in a second string instead of overwriting text not yet read.
      std::string rest;
      AppendConverted(std::string_view(text).substr(read), cache, rest);
      text.resize(write);
      text += rest;
      return;
    }
    std::memcpy(text.data() + write, ansi.data(), ansi.size());
    write += ansi.size();
    read = runEnd;
    const std::size_t asciiEnd = AsciiRunEnd(text, read);
    if (write != read) std::memmove(text.data() + write, text.data() + read, asciiEnd - read);
    write += asciiEnd - read;
    read = asciiEnd;
  }
  text.resize(write);
}

std::string EncodeDxf(std::string text) {
  EncodeDxfInPlace(text);
  return text;
}

DxfFileWriter::DxfFileWriter(const std::string& path, std::size_t chunkBytes, ExistingFile existing)
    : file_(path, existing) {
  builder_.StreamTo(
      [this](std::string& chunk) {
        EncodeDxfInPlace(chunk);
        file_.Write(chunk);
      },
      chunkBytes);
}

void DxfFileWriter::Commit() {
  builder_.Flush();
  file_.Commit();
}

}  // namespace vensa
