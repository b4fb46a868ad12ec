#include "dxf/dxf_file.h"

#include <array>
#include <functional>

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/text.h"

namespace vensa {
namespace {

bool IsAsciiByte(char c) { return static_cast<unsigned char>(c) < 0x80; }

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

}  // namespace

std::string EncodeDxf(std::string_view utf8) {
  if (IsAscii(utf8)) return Utf8ToAnsi(utf8);
  // ASCII stands unchanged in the code page and never occurs inside a UTF-8 sequence, so
  // only the runs between ASCII bytes need converting, each on its own. A broken
  // sequence thus never reaches past its own run into the line end after it.
  std::string out;
  out.reserve(utf8.size());
  RunCache cache;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t j = i;
    while (j < utf8.size() && IsAsciiByte(utf8[j])) ++j;
    out.append(utf8.substr(i, j - i));
    i = j;
    while (j < utf8.size() && !IsAsciiByte(utf8[j])) ++j;
    if (j > i) out.append(cache.Convert(utf8.substr(i, j - i)));
    i = j;
  }
  return out;
}

void SaveDxfFile(const std::string& path, std::string_view utf8) {
  SaveFileAtomically(path, EncodeDxf(utf8));
}

}  // namespace vensa
