// Every seed of the fuzzers and every input a fuzzer once found failing, fed again to its
// reader: fuzz/corpus/<reader>/ and fuzz/regressions/<reader>/.
#include <filesystem>

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "fuzz/fuzz_readers.h"

namespace vensa::fuzz {
namespace {

TEST(FuzzRegression, EverySeedAndFoundInputReadsWithoutFault) {
  namespace fs = std::filesystem;
  for (const Reader& reader : Readers()) {
    SCOPED_TRACE(reader.name);
    int seeds = 0;
    for (const char* folder : {"corpus", "regressions"}) {
      const fs::path dir = fs::path(VENSA_FUZZ_DIR) / folder / reader.name;
      if (!fs::is_directory(dir)) continue;
      for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
        SCOPED_TRACE(file.path().string());
        reader.read(ReadFileBytes(PathToUtf8(file.path())));
        if (std::string_view(folder) == "corpus") ++seeds;
      }
    }
    EXPECT_GT(seeds, 0) << "no seeds";
  }
}

}  // namespace
}  // namespace vensa::fuzz
