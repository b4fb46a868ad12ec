// One libFuzzer target: the reader named by VENSA_FUZZ_READER at build time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vensa::fuzz::Reader* reader = vensa::fuzz::FindReader(VENSA_FUZZ_READER);
  if (!reader) std::abort();
  reader->read(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
