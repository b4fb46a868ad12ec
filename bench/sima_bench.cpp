// Timing of the SIMA file paths on 100,000 point records: reading a file into the SIMA
// read list and the coordinate list, and building and saving the SIMA write list, each
// beside a plain read of the same bytes. Prints the best of several runs.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "core/coord_list.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "sima/sima_reader.h"
#include "sima/sima_record.h"
#include "sima/sima_save.h"
#include "sima/sima_writer.h"

namespace {

using namespace vensa;

constexpr int kRecords = 100'000;
constexpr int kRuns = 7;

// A file in the field's padded style with some CP932 names, so decoding is exercised.
std::string SampleFile() {
  std::string text = "G00,03,bench,\r\nZ00,\x8d\xc0\x95\x57\xc3\xde\xb0\xc0,\r\nA00,\r\n";
  for (int i = 1; i <= kRecords; ++i) {
    std::string number = std::to_string(i);
    text += "A01," + std::string(number.size() < 5 ? 5 - number.size() : 0, ' ') + number + ",";
    text += (i % 10 == 0) ? "\x8b\xab\x8a\x45" : "FK";
    text += number + ",";
    AppendFixed(text, -39525.623 + i * 0.137, 3);
    text += ",";
    AppendFixed(text, 60295.494 - i * 0.071, 3);
    text += ",";
    AppendFixed(text, 12.5 + (i % 100) * 0.01, 3);
    text += ",\r\n";
  }
  return text + "A99,\r\n";
}

// Wall-clock and processor time of a step, each the best of its runs. The machine may be
// shared, so the processor time (user and system, this process only) is shown as well.
struct Timing {
  double wall = 1e9;
  double cpu = 1e9;
  Timing operator+(const Timing& o) const { return {wall + o.wall, cpu + o.cpu}; }
};

// `prepare` runs before each timed run, outside the timing.
Timing Best(
    const std::function<void()>& step, const std::function<void()>& prepare = [] {}) {
  Timing best;
  for (int run = 0; run < kRuns; ++run) {
    prepare();
    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    step();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    if (wall < best.wall) best.wall = wall;
    if (cpu < best.cpu) best.cpu = cpu;
  }
  return best;
}

void Report(const char* what, Timing t, std::size_t bytes) {
  std::string line = what;
  line.resize(30, ' ');
  line +=
      FormatFixed(t.wall * 1000.0, 1) + " ms wall, " + FormatFixed(t.cpu * 1000.0, 1) + " ms cpu  ";
  line += FormatFixed(kRecords / t.wall / 1e6, 2) + " M records/s  ";
  line += FormatFixed(static_cast<double>(bytes) / t.wall / (1 << 20), 1) + " MB/s\n";
  std::fputs(line.c_str(), stdout);
}

}  // namespace

int main() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      ("vensa_sima_bench_" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::create_directories(dir);
  const std::string inPath = (dir / "in.sim").string();
  const std::string outPath = (dir / "out.sim").string();
  const std::string sample = SampleFile();
  SaveFileAtomically(inPath, sample);

  std::size_t readBytes = 0;
  const Timing plainRead = Best([&] { readBytes = ReadFileBytes(inPath).size(); });

  // First reads into lists without rows, as after start-up: every row is allocated anew
  // (the old lists are dropped before the timing starts).
  TextGrid sima, coord;
  const SimaReadOptions readOptions{true, true};
  const Timing readNew = Best([&] { ReadSimaFile(inPath, readOptions, sima, coord); },
                              [&] {
                                sima = MakeSimaList();
                                coord = MakeCoordList();
                              });
  // The window keeps its lists, so reading a file of the same size again reuses the rows.
  const Timing readAgain = Best([&] { ReadSimaFile(inPath, readOptions, sima, coord); });

  TextGrid write;
  const SimaWriteOptions writeOptions{true, true, "A1"};
  const Timing buildNew = Best([&] { BuildSimaWriteList(coord, writeOptions, write); },
                               [&] { write = MakeSimaList(); });
  const Timing buildAgain = Best([&] { BuildSimaWriteList(coord, writeOptions, write); });
  const Timing save = Best([&] {
    if (CheckSimaWriteList(write).outcome != SimaSaveCheck::Outcome::kReady) std::abort();
    SaveSimaFile(outPath, write);
  });
  const std::string saved = ReadFileBytes(outPath);
  const Timing plainWrite = Best([&] { SaveFileAtomically(outPath, saved); });
  const Timing plainSavedRead = Best([&] { ReadFileBytes(outPath); });

  std::fputs(("SIMA bench, " + std::to_string(kRecords) + " point records (" +
              FormatFixed(static_cast<double>(readBytes) / (1 << 20), 2) + " MB read, " +
              FormatFixed(static_cast<double>(saved.size()) / (1 << 20), 2) +
              " MB saved), best of " + std::to_string(kRuns) + " runs\n")
                 .c_str(),
             stdout);
  Report("plain read of the file", plainRead, readBytes);
  Report("read into new lists", readNew, readBytes);
  Report("read again into the lists", readAgain, readBytes);
  Report("build a new write list", buildNew, saved.size());
  Report("build the write list again", buildAgain, saved.size());
  Report("check and save", save, saved.size());
  Report("new build, check and save", buildNew + save, saved.size());
  Report("build again, check and save", buildAgain + save, saved.size());
  Report("plain save of the same bytes", plainWrite, saved.size());
  Report("plain read of the saved file", plainSavedRead, saved.size());

  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return 0;
}
