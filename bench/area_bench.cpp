// vensa-cli on a SIMA file of 500,000 points in 10,000 parcels of 50 corners: the area
// tables into a .csv, and the listing with and without the parcel blocks, each run as a
// child process for its own wall time and peak memory (best of three).

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "spawned_run.h"

using vensa::bench::ReportBestOfThree;

namespace {

constexpr int kParcels = 10'000;
constexpr int kCorners = 50;

// Each parcel a regular 50-gon of its own points, in the field's padded style, laid out
// on a grid of plane coordinates; `withParcels` adds the D00/B01/D99 blocks.
std::string SimaFile(bool withParcels) {
  std::string text = "G00,01,bench,\r\nZ00,parcels,\r\nA00,\r\n";
  char line[128];
  int number = 0;
  for (int p = 0; p < kParcels; ++p) {
    const double cx = -30000.0 + (p / 100) * 60.0, cy = 10000.0 + (p % 100) * 60.0;
    for (int k = 0; k < kCorners; ++k) {
      const double a = 2 * M_PI * k / kCorners;
      ++number;
      std::snprintf(line, sizeof line, "A01,%5d,K%d,%.3f,%.3f,12.345,\r\n", number, number,
                    cx + 25.0 * std::cos(a), cy + 25.0 * std::sin(a));
      text += line;
    }
  }
  text += "A99,\r\n";
  if (!withParcels) return text;
  number = 0;
  for (int p = 0; p < kParcels; ++p) {
    std::snprintf(line, sizeof line, "D00,%d,%d-%d,1,\r\n", p + 1, 100 + p / 10, p % 10 + 1);
    text += line;
    for (int k = 0; k < kCorners; ++k) {
      ++number;
      std::snprintf(line, sizeof line, "B01,%d,K%d,\r\n", number, number);
      text += line;
    }
    text += "D99,\r\n";
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cli = vensa::bench::CliPath(argc, argv);
  const std::filesystem::path dir = vensa::bench::MakeBenchFolder("vensa_area_bench");
  const std::string parcels = (dir / "parcels.sim").string();
  const std::string points = (dir / "points.sim").string();
  const std::string csv = (dir / "area.csv").string();
  // Written by a child of its own, so that the spawned runs do not inherit its pages.
  std::fflush(stdout);
  if (fork() == 0) {
    std::ofstream(parcels, std::ios::binary) << SimaFile(true);
    std::ofstream(points, std::ios::binary) << SimaFile(false);
    _exit(0);
  }
  int written = 0;
  wait(&written);
  const std::size_t parcelBytes = std::filesystem::file_size(parcels);
  const std::size_t pointBytes = std::filesystem::file_size(points);
  std::printf("SIMA file: %.1f MB with parcels, %.1f MB of points alone\n", parcelBytes / 1e6,
              pointBytes / 1e6);
  const double alone = ReportBestOfThree("list, points alone", {cli, "list", points}, pointBytes);
  const double listed =
      ReportBestOfThree("list, with the parcels", {cli, "list", parcels}, parcelBytes);
  const double area =
      ReportBestOfThree("area into .csv", {cli, "area", "--force", parcels, csv}, parcelBytes);
  std::printf("list with parcels %.2fx, area %.2fx the points alone\n", listed / alone,
              area / alone);
  std::filesystem::remove_all(dir);
  return 0;
}
