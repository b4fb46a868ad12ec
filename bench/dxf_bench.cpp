// Times the two drawings of a long coordinate list: building the DXF text, encoding it and
// writing it as the insert file in chunks (as the commands do), building and encoding it
// whole in memory, beside the time of writing the same bytes to disk in one call.
// Usage: dxf_bench [rows] [--japanese]   (best of several runs; not part of the tests)
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/best_of.h"
#include "core/coord_list.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/text_grid.h"
#include "dxf/dxf_file.h"
#include "dxf/dxf_writer.h"
#include "dxf/plot.h"
#include "dxf/table.h"

namespace {

using vensa::bench::BestOf;

constexpr int kRuns = 5;

// A list like a long traverse: names "P-1" ... (or "測点1" ...), plane coordinates with
// millimetres, a z on every row, twenty points per named group.
vensa::TextGrid MakeList(int rows, bool japanese) {
  vensa::TextGrid list = vensa::TextGrid::WithHeaders(vensa::CoordListHeaders(), rows);
  for (int r = 1; r <= rows; ++r) {
    const std::string number = vensa::FormatFixed(r, 0);
    const std::string group = vensa::FormatFixed(r / 20, 0);
    list.SetCell(vensa::kColName, r, (japanese ? "測点" : "P") + group + "-" + number);
    list.SetCell(vensa::kColX, r, vensa::FormatFixed(-34567.891 + r * 1.237, 3));
    list.SetCell(vensa::kColY, r, vensa::FormatFixed(12345.678 + (r % 997) * 0.731, 3));
    list.SetCell(vensa::kColZ, r, vensa::FormatFixed(10.0 + (r % 50) * 0.01, 2));
    list.SetCell(vensa::kColPlotNo, r, number);
  }
  return list;
}

void Report(const char* what, int rows, double seconds, std::size_t bytes, double cpu = -1) {
  const double mb = static_cast<double>(bytes) / 1e6;
  const std::string cpuText = cpu >= 0 ? "  cpu " + vensa::FormatFixed(cpu, 4) + " s" : "";
  std::printf("%-30s %8s s  %10s rows/s  %8s MB/s  (%s MB)%s\n", what,
              vensa::FormatFixed(seconds, 4).c_str(), vensa::FormatFixed(rows / seconds, 0).c_str(),
              vensa::FormatFixed(mb / seconds, 1).c_str(), vensa::FormatFixed(mb, 2).c_str(),
              cpuText.c_str());
}

double TimeFwrite(const std::string& bytes) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "vensa_dxf_bench.tmp";
  const double seconds = BestOf(kRuns, [&] {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (f == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  });
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  int rows = 100000;
  bool japanese = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--japanese") {
      japanese = true;
    } else if (const int n = vensa::ReadIntegerCell(arg); n > 0) {
      rows = n;
    }
  }
  const vensa::TextGrid list = MakeList(rows, japanese);

  vensa::PlotOptions plot;
  plot.pline = plot.closed = plot.is3d = true;
  plot.reorder = false;
  plot.point = plot.circle = plot.nameLabel = plot.coordLabel = true;
  if (japanese) plot.nameLayer = "測点名レイヤ";

  const vensa::TableOptions table;
  auto buildPlot = [&](std::string spare) {
    vensa::DxfBuilder out(std::move(spare));
    vensa::BuildPlot(out, list, plot, 100.0, vensa::PlotZMode::kFromList);
    return vensa::EncodeDxf(out.Take());
  };
  auto buildTable = [&](std::string spare) {
    vensa::DxfBuilder out(std::move(spare));
    vensa::BuildTable(out, list, table, 100.0, vensa::TableAxes::kXY);
    return vensa::EncodeDxf(out.Take());
  };

  // Fresh memory every run, as one drawing command finds it; then with the memory of the
  // previous run handed back, which leaves the writing alone.
  std::string plotBytes, tableBytes;
  double plotColdCpu, plotWarmCpu, tableColdCpu, tableWarmCpu;
  const double plotCold = BestOf(
      kRuns, [&] { plotBytes = buildPlot({}); }, &plotColdCpu);
  const double plotWarm = BestOf(
      kRuns, [&] { plotBytes = buildPlot(std::move(plotBytes)); }, &plotWarmCpu);
  const double tableCold = BestOf(
      kRuns, [&] { tableBytes = buildTable({}); }, &tableColdCpu);
  const double tableWarm = BestOf(
      kRuns, [&] { tableBytes = buildTable(std::move(tableBytes)); }, &tableWarmCpu);
  // As the commands write the insert file: built, encoded and written in chunks of one
  // reused buffer, so no fresh memory the size of the file is touched.
  const std::string streamPath =
      (std::filesystem::temp_directory_path() / "vensa_dxf_bench_stream.dxf").string();
  double plotStreamCpu, tableStreamCpu;
  const double plotStream = BestOf(
      kRuns,
      [&] {
        vensa::DxfFileWriter file(streamPath);
        vensa::BuildPlot(file.Builder(), list, plot, 100.0, vensa::PlotZMode::kFromList);
        file.Commit();
      },
      &plotStreamCpu);
  const double tableStream = BestOf(
      kRuns,
      [&] {
        vensa::DxfFileWriter file(streamPath);
        vensa::BuildTable(file.Builder(), list, table, 100.0, vensa::TableAxes::kXY);
        file.Commit();
      },
      &tableStreamCpu);
  std::error_code ignored;
  std::filesystem::remove(streamPath, ignored);

  const double touch = BestOf(kRuns, [&] {
    std::string fresh(plotBytes.size(), ' ');
    if (fresh.back() != ' ') std::puts("?");
  });

  std::printf("%d rows, %s names, best of %d runs\n", rows, japanese ? "Japanese" : "ASCII", kRuns);
  Report("plot: build+encode+write", rows, plotStream, plotBytes.size(), plotStreamCpu);
  Report("plot: build + encode", rows, plotCold, plotBytes.size(), plotColdCpu);
  Report("plot: same, memory reused", rows, plotWarm, plotBytes.size(), plotWarmCpu);
  Report("plot: one fwrite", rows, TimeFwrite(plotBytes), plotBytes.size());
  Report("table: build+encode+write", rows, tableStream, tableBytes.size(), tableStreamCpu);
  Report("table: build + encode", rows, tableCold, tableBytes.size(), tableColdCpu);
  Report("table: same, memory reused", rows, tableWarm, tableBytes.size(), tableWarmCpu);
  Report("table: one fwrite", rows, TimeFwrite(tableBytes), tableBytes.size());
  Report("fill fresh memory (plot size)", rows, touch, plotBytes.size());
  return 0;
}
