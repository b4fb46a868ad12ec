// Timing of the maps on 100,000 points of zone IX: the coordinate list saved as GeoJSON and
// as KML (conversion, text and the atomic save), the conversion alone, and a GeoJSON file
// of that size read back into the list. Prints the best of several runs, wall and
// processor time.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/best_of.h"
#include "core/coord_list.h"
#include "core/file_io.h"
#include "core/list_headers.h"
#include "core/number_format.h"
#include "geo/commands/geo_commands.h"
#include "geo/plane_zone.h"
#include "state/form_state.h"

namespace {

using namespace vensa;

constexpr int kPoints = 100'000;
constexpr int kRuns = 5;
constexpr int kZone = 9;

// A survey of 100,000 points spread over 20 km, names and heights as a field list has.
FormState SampleForm() {
  FormState form = InitialFormState();
  form.StringGrid1 = TextGrid::WithHeaders(CoordListHeaders(), kPoints);
  for (int i = 1; i <= kPoints; ++i) {
    form.StringGrid1.SetCell(kColName, i, (i % 10 == 0 ? "境界" : "K") + std::to_string(i));
    form.StringGrid1.SetCell(kColX, i, FormatFixed(-10000.0 + (i % 317) * 63.1 + i * 1e-3, 3));
    form.StringGrid1.SetCell(kColY, i, FormatFixed(-10000.0 + (i / 317) * 63.7, 3));
    form.StringGrid1.SetCell(kColZ, i, FormatFixed(12.5 + (i % 100) * 0.01, 3));
  }
  RenumberPlotNo(form.StringGrid1);
  return form;
}

void Report(const char* what, double wall, double cpu) {
  std::printf("%-44s %8.3f s wall %8.3f s cpu\n", what, wall, cpu);
}

}  // namespace

int main() {
  FormState form = SampleForm();
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vensa_geo_bench";
  std::filesystem::create_directories(dir);
  const std::string geojson = PathToUtf8(dir / "points.geojson");
  const std::string kml = PathToUtf8(dir / "points.kml");
  double cpu = 0;
  double wall = bench::BestOf(
      kRuns,
      [&] {
        for (int i = 1; i <= kPoints; ++i)
          PlaneToLatLon(kZone,
                        {static_cast<double>(i % 317) * 63.1, static_cast<double>(i / 317) * 63.7});
      },
      &cpu);
  Report("100,000 points to latitude/longitude", wall, cpu);
  wall = bench::BestOf(
      kRuns, [&] { SaveListAsMap(form, kZone, geojson); }, &cpu);
  Report("100,000 points to GeoJSON (saved)", wall, cpu);
  wall = bench::BestOf(
      kRuns, [&] { SaveListAsMap(form, kZone, kml); }, &cpu);
  Report("100,000 points to KML (saved)", wall, cpu);
  wall = bench::BestOf(
      kRuns, [&] { ReadMapIntoList(form, kZone, geojson); }, &cpu);
  Report("GeoJSON of 100,000 points into the list", wall, cpu);
  std::printf("GeoJSON %.1f MB, KML %.1f MB\n",
              static_cast<double>(std::filesystem::file_size(geojson)) / 1e6,
              static_cast<double>(std::filesystem::file_size(kml)) / 1e6);
  if (!std::getenv("VENSA_BENCH_KEEP")) std::filesystem::remove_all(dir);
  return 0;
}
