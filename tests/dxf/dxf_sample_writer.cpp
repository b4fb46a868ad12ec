// Writes sample insert files for the outside reader check (ezdxf_check.py): a plot with
// every entity kind, Japanese names and a Japanese layer, and the XY and YX tables.
// Usage: dxf_sample_writer <folder>
#include <cstdio>
#include <exception>
#include <string>

#include "core/coord_list.h"
#include "core/text_grid.h"
#include "dxf/dxf_file.h"
#include "dxf/plot.h"
#include "dxf/table.h"

namespace {

vensa::TextGrid SampleList() {
  const char* const rows[][4] = {
      {"A-1", "100", "200", "10.5"},    {"A-2", "150.25", "200", "11"},
      {"A-3", "150.25", "260.125", ""}, {"測点-1", "-12.5", "0", "1e-9"},
      {"測点-2", "30", "-40.75", "2"},
  };
  vensa::TextGrid list = vensa::TextGrid::WithHeaders(vensa::CoordListHeaders(), 5);
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 4; ++c) list.SetCell(c, r + 1, rows[r][c]);
  }
  vensa::RenumberPlotNo(list);
  return list;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: dxf_sample_writer <folder>\n", stderr);
    return 2;
  }
  const std::string folder = argv[1];
  try {
    const vensa::TextGrid list = SampleList();

    vensa::PlotOptions plot;
    plot.pline = plot.closed = plot.is3d = true;
    plot.point = plot.circle = plot.nameLabel = plot.coordLabel = true;
    plot.nameLayer = "測点名レイヤ";
    // Written as the drawing commands write the insert file: streamed, in small chunks here
    // so that the reader also sees text that crossed chunk boundaries.
    constexpr std::size_t kChunk = 4096;
    vensa::DxfFileWriter plotFile(folder + "/plot.dxf", kChunk);
    const std::int32_t count =
        vensa::BuildPlot(plotFile.Builder(), list, plot, 1.0, vensa::PlotZMode::kFromList);
    if (count != 25) {
      std::fputs("unexpected entity count\n", stderr);
      return 1;
    }
    plotFile.Commit();

    vensa::DxfFileWriter xyFile(folder + "/table_xy.dxf", kChunk);
    vensa::BuildTable(xyFile.Builder(), list, vensa::TableOptions{}, 1.0, vensa::TableAxes::kXY);
    xyFile.Commit();

    vensa::TableOptions withZ;
    withZ.zColumn = true;
    withZ.textLayer = "表文字";
    vensa::DxfFileWriter yxFile(folder + "/table_yx.dxf", kChunk);
    vensa::BuildTable(yxFile.Builder(), list, withZ, 100.0, vensa::TableAxes::kYX);
    yxFile.Commit();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
