// Wall time and peak memory of `vensa-cli get` and `vensa-cli texts` on a survey drawing as
// an outside writer saves it (R2000, CP932, handles, owners and subclass markers): 50,000
// each of 4-vertex light polylines, points, circles and the points' name texts. Also the
// two hostile drawings whose memory must stay bounded: 4 MB of "  0 / X" pairs and 8 MB of
// bare POINTs. Each command runs as its own process, so its peak resident memory is its
// own. Usage: survey_drawing_bench [path/to/vensa-cli [drawing-to-write.dxf]]
// (Linux; not part of the tests)

#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "spawned_run.h"

using vensa::bench::ReportBestOfThree;

namespace {

class DrawingText {
 public:
  void Pair(int code, std::string_view value) {
    char buffer[8];
    const int n = std::snprintf(buffer, sizeof buffer, "%3d", code);
    text_.append(buffer, static_cast<std::size_t>(n)).append("\n").append(value).append("\n");
  }
  void Number(int code, double v) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    (void)ec;
    std::string s(buffer, end);
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    Pair(code, s);
  }
  void Handle(int code) {
    char buffer[16];
    const int n = std::snprintf(buffer, sizeof buffer, "%X", next_++);
    Pair(code, std::string_view(buffer, static_cast<std::size_t>(n)));
  }
  // The pairs every entity of this writer starts with.
  void Entity(std::string_view type, std::string_view layer, std::string_view subclass) {
    Pair(0, type);
    Handle(5);
    Pair(330, "1F");
    Pair(100, "AcDbEntity");
    Pair(8, layer);
    Pair(100, subclass);
  }
  std::string& Text() { return text_; }

 private:
  std::string text_;
  int next_ = 0x100;
};

const std::string kPoints = "\x91\xaa\x93_";         // 測点
const std::string kNames = "\x91\xaa\x93_\x96\xbc";  // 測点名
const std::string kOutline = "\x8b\xab\x8a\x45";     // 境界
const std::string kCircles = "\x8d\x9c\x8d\x59";     // 杭 as written by the test writer

std::string SurveyDrawing() {
  DrawingText d;
  for (auto [code, value] : std::vector<std::pair<int, std::string>>{{0, "SECTION"},
                                                                     {2, "HEADER"},
                                                                     {9, "$ACADVER"},
                                                                     {1, "AC1015"},
                                                                     {9, "$DWGCODEPAGE"},
                                                                     {3, "ANSI_932"},
                                                                     {0, "ENDSEC"},
                                                                     {0, "SECTION"},
                                                                     {2, "TABLES"},
                                                                     {0, "TABLE"},
                                                                     {2, "LAYER"}}) {
    d.Pair(code, value);
  }
  for (const std::string& layer : {std::string("0"), kPoints, kNames, kOutline, kCircles}) {
    d.Pair(0, "LAYER");
    d.Handle(5);
    d.Pair(100, "AcDbSymbolTableRecord");
    d.Pair(100, "AcDbLayerTableRecord");
    d.Pair(2, layer);
    d.Pair(70, "0");
    d.Pair(62, "7");
    d.Pair(6, "Continuous");
  }
  d.Pair(0, "ENDTAB");
  d.Pair(0, "TABLE");
  d.Pair(2, "BLOCK_RECORD");
  for (const char* name : {"*Model_Space", "*Paper_Space"}) {
    d.Pair(0, "BLOCK_RECORD");
    d.Pair(5, name[1] == 'M' ? "1F" : "1B");
    d.Pair(100, "AcDbSymbolTableRecord");
    d.Pair(100, "AcDbBlockTableRecord");
    d.Pair(2, name);
  }
  d.Pair(0, "ENDTAB");
  d.Pair(0, "ENDSEC");
  d.Pair(0, "SECTION");
  d.Pair(2, "ENTITIES");
  for (int i = 0; i < 50000; ++i) {
    const double x = -34567.891 + (i % 250) * 4.125;
    const double y = 12345.678 + (i / 250) * 3.375;
    d.Entity("LWPOLYLINE", kOutline, "AcDbPolyline");
    d.Pair(90, "4");
    d.Pair(70, "1");
    d.Number(43, 0.0);
    for (int v = 0; v < 4; ++v) {
      d.Number(10, x + (v == 1 || v == 2 ? 2.5 : 0.0));
      d.Number(20, y + (v >= 2 ? 1.5 : 0.0));
    }
    d.Entity("POINT", kPoints, "AcDbPoint");
    d.Number(10, x + 1.0);
    d.Number(20, y + 0.5);
    d.Number(30, 10.0 + (i % 50) * 0.01);
    d.Entity("CIRCLE", kCircles, "AcDbCircle");
    d.Number(10, x + 3.0);
    d.Number(20, y + 2.0);
    d.Number(30, 0.0);
    d.Number(40, 0.25);
    d.Entity("TEXT", kNames, "AcDbText");
    d.Number(10, x + 1.2);
    d.Number(20, y + 0.6);
    d.Number(30, 0.0);
    d.Number(40, 0.5);
    d.Pair(1, "P" + std::to_string(i + 1));
    d.Pair(100, "AcDbText");
  }
  d.Pair(0, "ENDSEC");
  d.Pair(0, "EOF");
  return d.Text();
}

// The ENTITIES section of a drawing holding `body`.
std::string EntitiesOnly(const std::string& body) {
  return "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n" + body + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
}

std::string Repeated(std::string_view unit, std::size_t bytes) {
  std::string out;
  out.reserve(bytes + unit.size());
  while (out.size() < bytes) out += unit;
  return out;
}

void Save(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cli = vensa::bench::CliPath(argc, argv);
  const std::filesystem::path dir = vensa::bench::MakeBenchFolder("vensa_survey_bench");

  // The drawings are written by a child process of their own: a spawned program's peak
  // memory counts what the spawning process holds, and the allocator keeps freed pages.
  const std::string surveyPath = (argc > 2 ? std::string(argv[2]) : (dir / "survey.dxf").string());
  const std::string pairsPath = (dir / "pairs.dxf").string();
  const std::string pointsPath = (dir / "points.dxf").string();
  std::fflush(stdout);
  const pid_t writer = fork();
  if (writer == 0) {
    Save(surveyPath, SurveyDrawing());
    Save(pairsPath, EntitiesOnly(Repeated("  0\r\nX\r\n", 4000000)));
    Save(pointsPath, EntitiesOnly(Repeated("  0\r\nPOINT\r\n", 8000000)));
    _exit(0);
  }
  int written = 0;
  waitpid(writer, &written, 0);
  if (argc > 2) return 0;  // only the drawing was asked for, for other readers to compare
  const std::size_t surveyBytes = std::filesystem::file_size(surveyPath);
  const std::size_t pairsBytes = std::filesystem::file_size(pairsPath);
  const std::size_t pointsBytes = std::filesystem::file_size(pointsPath);
  std::printf("survey drawing: %.1f MB, 200,000 entities\n", surveyBytes / 1e6);
  ReportBestOfThree("get (polylines, points, circles, names)",
                    {cli, "get", "--set", "AutoCAD/PLINE=1", "--set", "AutoCAD/POINT=1", "--set",
                     "AutoCAD/CIRCLE=1", "--set", "AutoCAD/StrN=1", surveyPath},
                    surveyBytes);
  ReportBestOfThree("texts", {cli, "texts", surveyPath}, surveyBytes);
  ReportBestOfThree("get, 4 MB of \"0 / X\" pairs", {cli, "get", pairsPath}, pairsBytes);
  ReportBestOfThree("get, 8 MB of POINTs", {cli, "get", "--set", "AutoCAD/POINT=1", pointsPath},
                    pointsBytes);

  std::filesystem::remove_all(dir);
  return 0;
}
