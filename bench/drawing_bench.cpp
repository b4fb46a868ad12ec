// Times the drawing-file reader and the commands on a drawing file:
//  - reading a drawing of about 100 MB (CP932, R2000 style: light polylines, texts,
//    points, circles, 2-D polylines) from memory, from the file, opened as the CAD and as
//    the substitute CAD, in MB/s;
//  - "vensa-cli get" on a drawing of 20,000 points each named by a text beside it;
//  - the calls into the substitute CAD per entity when "CADから" reads 10,000 entities.
// Usage: drawing_bench [megabytes]   (best of several runs; not part of the tests)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "bench/best_of.h"
#include "cad/commands/get_from_cad.h"
#include "cad/entity_tables.h"
#include "cad/file/drawing_file_cad.h"
#include "cad/sim/drawing_file.h"
#include "cli/run.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"
#include "state/form_state.h"

namespace {

using vensa::bench::BestOf;

class DrawingText {
 public:
  void Pair(int code, std::string_view value) {
    std::string c = std::to_string(code);
    text_.append(3 - std::min<std::size_t>(3, c.size()), ' ').append(c).append("\r\n");
    text_.append(value).append("\r\n");
  }
  void Number(int code, double v) { Pair(code, vensa::FormatFixed(v, 6)); }
  void Point(int code, double x, double y, double z) {
    Number(code, x);
    Number(code + 10, y);
    Number(code + 20, z);
  }
  std::string& Text() { return text_; }

 private:
  std::string text_;
};

void Open(DrawingText& d) {
  for (auto [code, value] : {std::pair<int, const char*>{0, "SECTION"},
                             {2, "HEADER"},
                             {9, "$ACADVER"},
                             {1, "AC1015"},
                             {9, "$DWGCODEPAGE"},
                             {3, "ANSI_932"},
                             {0, "ENDSEC"},
                             {0, "SECTION"},
                             {2, "ENTITIES"}}) {
    d.Pair(code, value);
  }
}

void Close(DrawingText& d) {
  d.Pair(0, "ENDSEC");
  d.Pair(0, "EOF");
}

// Point i of a survey: a point and its name as a text beside it (CP932 "測点" + i).
void SurveyPoint(DrawingText& d, int i) {
  const double x = -34567.891 + i * 1.237;
  const double y = 12345.678 + (i % 997) * 0.731;
  d.Pair(0, "POINT");
  d.Pair(8, "\x91\xaa\x93_");
  d.Point(10, x, y, 10.0 + (i % 50) * 0.01);
  d.Pair(0, "TEXT");
  d.Pair(8, "\x91\xaa\x93_\x96\xbc");
  d.Point(10, x + 0.3, y + 0.2, 0.0);
  d.Number(40, 2.5);
  d.Pair(1, "\x91\xaa\x93_" + std::to_string(i));
}

// A mix of classes, about `bytes` long.
std::string MixedDrawing(std::size_t bytes, int* entities) {
  DrawingText d;
  Open(d);
  int n = 0;
  for (int i = 0; d.Text().size() < bytes; ++i) {
    SurveyPoint(d, i);
    d.Pair(0, "LWPOLYLINE");
    d.Pair(8,
           "\x8b\xab\x8a"
           "E");
    d.Pair(90, "4");
    d.Pair(70, "1");
    for (int v = 0; v < 4; ++v) {
      d.Number(10, i * 2.0 + v);
      d.Number(20, i * 3.0 - v);
    }
    d.Pair(0, "CIRCLE");
    d.Point(10, i, i, 0);
    d.Number(40, 1.5);
    d.Pair(0, "POLYLINE");
    d.Pair(66, "1");
    d.Point(10, 0, 0, 0);
    for (int v = 0; v < 3; ++v) {
      d.Pair(0, "VERTEX");
      d.Point(10, i + v, i - v, 0);
    }
    d.Pair(0, "SEQEND");
    n += 5;
  }
  Close(d);
  *entities = n;
  return d.Text();
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t megabytes = argc > 1 ? std::stoul(argv[1]) : 100;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vensa_drawing_bench";
  std::filesystem::create_directories(dir);

  int entities = 0;
  const std::string big = MixedDrawing(megabytes * 1000000, &entities);
  const std::string bigPath = (dir / "big.dxf").string();
  vensa::SaveFileAtomically(bigPath, big);
  const double mb = static_cast<double>(big.size()) / 1e6;
  double cpu = 0;
  double t = BestOf(
      3, [&] { (void)vensa::ReadDrawing(big); }, &cpu);
  std::printf("read from memory: %.1f MB, %d entities: %.3f s (cpu %.3f s), %.0f MB/s\n", mb,
              entities, t, cpu, mb / t);
  t = BestOf(
      3, [&] { (void)vensa::ReadDrawingFile(bigPath); }, &cpu);
  std::printf("read from the file: %.3f s (cpu %.3f s), %.0f MB/s\n", t, cpu, mb / t);
  t = BestOf(
      3, [&] { vensa::DrawingFileCad file(bigPath); }, &cpu);
  std::printf("opened as the CAD: %.3f s (cpu %.3f s), %.0f MB/s\n", t, cpu, mb / t);
  t = BestOf(
      3, [&] { (void)vensa::OpenDrawingFile(bigPath); }, &cpu);
  std::printf("opened as the substitute CAD: %.3f s (cpu %.3f s), %.0f MB/s\n", t, cpu, mb / t);
  std::filesystem::remove(bigPath);

  // "vensa-cli get": 20,000 points, each named after the text beside it.
  DrawingText survey;
  Open(survey);
  for (int i = 0; i < 20000; ++i) SurveyPoint(survey, i);
  Close(survey);
  const std::string surveyPath = (dir / "survey.dxf").string();
  vensa::SaveFileAtomically(surveyPath, survey.Text());
  t = BestOf(
      3,
      [&] {
        std::ostringstream out, err;
        if (vensa::cli::Run({"get", surveyPath}, out, err) != 0)
          std::fputs(err.str().c_str(), stderr);
      },
      &cpu);
  std::printf("vensa-cli get, 20,000 points and 20,000 texts: %.3f s (cpu %.3f s)\n", t, cpu);

  // Calls per entity of "CADから" on 10,000 entities of every class read.
  const std::string mixedPath = (dir / "mixed.dxf").string();
  int mixedCount = 0;
  vensa::SaveFileAtomically(mixedPath, MixedDrawing(2200000, &mixedCount));
  auto log = std::make_shared<vensa::CallLog>();
  std::unique_ptr<vensa::SimCad> cad = vensa::OpenDrawingFile(mixedPath, log);
  vensa::SimPlatform platform(log);
  vensa::SimUi ui(log);
  vensa::FormState state = vensa::InitialFormState();
  cad->RegisterWith(platform, state.TargetProgID);
  vensa::EntityTables tables;
  log->Clear();
  vensa::GetFromCad(state, tables, platform, ui);
  const std::size_t cadCalls = static_cast<std::size_t>(
      std::count_if(log->Lines().begin(), log->Lines().end(), [](const std::string& line) {
        return line.rfind("ui.", 0) != 0 && line.rfind("platform.", 0) != 0;
      }));
  std::printf("CADから on %d entities: %zu calls into the CAD, %.1f per entity\n", mixedCount,
              cadCalls, static_cast<double>(cadCalls) / mixedCount);
  std::filesystem::remove_all(dir);
  return 0;
}
