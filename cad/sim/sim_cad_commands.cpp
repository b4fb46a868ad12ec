// The command lines the substitute CAD understands: "_ID" (takes the next scripted pick)
// and "-INSERT *file" (reads the file and adds its entities, exploded).
#include <cmath>
#include <numbers>
#include <optional>

#include "cad/sim/insert_file.h"
#include "cad/sim/sim_cad_state.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

namespace {

// Blanks and CRs both end a token on the command line, as Enter and Space do.
std::vector<std::string> CommandTokens(std::string_view text) {
  std::vector<std::string> tokens;
  std::string current;
  for (char c : text) {
    if (c == ' ' || c == '\r' || c == '\n') {
      if (!current.empty()) tokens.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) tokens.push_back(std::move(current));
  return tokens;
}

// "x,y" or "x,y,z"; nothing when a part is no number.
std::optional<TAcadPoint> ParsePointText(std::string_view text) {
  std::vector<double> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = text.find(',', start);
    std::string_view part =
        text.substr(start, comma == std::string_view::npos ? comma : comma - start);
    std::optional<double> number = TryReadNumber(part);
    if (!number) return std::nullopt;
    parts.push_back(*number);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  return TAcadPoint{parts[0], parts[1], parts.size() == 3 ? parts[2] : 0.0};
}

// Places an entity of an insert file: scaled by s, turned by r radians about the file's
// origin, then moved to the base point.
class Placement {
 public:
  Placement(const TAcadPoint& base, double scale, double rotation)
      : base_(base),
        scale_(scale),
        cos_(std::cos(rotation)),
        sin_(std::sin(rotation)),
        rotation_(rotation) {}

  TAcadPoint Apply(const TAcadPoint& p) const {
    const double x = p.x * scale_;
    const double y = p.y * scale_;
    return TAcadPoint{base_.x + x * cos_ - y * sin_, base_.y + x * sin_ + y * cos_,
                      base_.z + p.z * scale_};
  }

  void Apply(SimEntity& e) const {
    e.start = Apply(e.start);
    e.end = Apply(e.end);
    e.center = Apply(e.center);
    e.insertion = Apply(e.insertion);
    e.alignment = Apply(e.alignment);
    const bool flatVertices = e.className == "AcDbPolyline";
    const std::size_t stride = flatVertices ? 2 : 3;
    for (std::size_t i = 0; i + stride <= e.coordinates.size(); i += stride) {
      TAcadPoint p{e.coordinates[i], e.coordinates[i + 1],
                   flatVertices ? 0.0 : e.coordinates[i + 2]};
      TAcadPoint q = Apply(p);
      e.coordinates[i] = q.x;
      e.coordinates[i + 1] = q.y;
      if (!flatVertices) e.coordinates[i + 2] = q.z;
    }
    e.elevation = base_.z + e.elevation * scale_;
    e.radius *= scale_;
    e.height *= scale_;
    e.rotation += rotation_;
  }

 private:
  TAcadPoint base_;
  double scale_;
  double cos_;
  double sin_;
  double rotation_;
};

}  // namespace

void SimCad::State::RunCommand(const std::string& text) {
  std::vector<std::string> tokens = CommandTokens(text);
  if (tokens.empty()) return;
  const std::string command = AsciiUpper(tokens[0]);
  if (command == "_ID" || command == "ID") {
    // With "_int" the pick snaps to an intersection; the scripted point is that one.
    if (std::optional<TAcadPoint> pick = NextPick()) {
      SetLastPoint(*pick);
      commandLine.push_back("X = " + FormatFixed(pick->x, 4) + "  Y = " + FormatFixed(pick->y, 4) +
                            "  Z = " + FormatFixed(pick->z, 4));
    } else {
      commandLine.push_back("*キャンセル*");
    }
    return;
  }
  if (command == "-INSERT" && text.compare(0, 9, "-INSERT *") == 0) {
    RunInsert(std::string_view(text).substr(9));
    return;
  }
  commandLine.push_back("不明なコマンド \"" + tokens[0] + "\"");
}

// "*" + path + CR + base point, scale and rotation: inserts the file's entities, each
// kept as itself (exploded), creating the layers they name.
void SimCad::State::RunInsert(std::string_view rest) {
  const std::size_t cr = rest.find('\r');
  if (cr == std::string_view::npos) {
    commandLine.push_back("-INSERT: ファイル名の入力待ち");
    return;
  }
  const std::string path(rest.substr(0, cr));
  std::vector<std::string> args = CommandTokens(rest.substr(cr + 1));
  if (args.size() < 3) {
    commandLine.push_back("-INSERT: 挿入点、尺度、回転角度の入力待ち");
    return;
  }
  TAcadPoint base;
  if (args[0][0] == '@') {
    base = LastPoint();
    if (args[0].size() > 1) {
      std::optional<TAcadPoint> offset = ParsePointText(std::string_view(args[0]).substr(1));
      if (!offset) {
        commandLine.push_back("-INSERT: 点の指定が無効です \"" + args[0] + "\"");
        return;
      }
      base = TAcadPoint{base.x + offset->x, base.y + offset->y, base.z + offset->z};
    }
  } else if (std::optional<TAcadPoint> p = ParsePointText(args[0])) {
    base = *p;
  } else {
    commandLine.push_back("-INSERT: 点の指定が無効です \"" + args[0] + "\"");
    return;
  }
  std::optional<double> scale = TryReadNumber(args[1]);
  std::optional<double> degrees = TryReadNumber(args[2]);
  if (!scale || !degrees || *scale == 0.0) {
    commandLine.push_back("-INSERT: 尺度または回転角度が無効です");
    return;
  }
  InsertedEntities inserted;
  try {
    inserted = ReadInsertFile(ReadFileBytes(path));
  } catch (const VensaError& error) {
    commandLine.push_back("-INSERT: " + std::string(error.what()));
    return;
  }
  const Placement placement(base, *scale, *degrees * std::numbers::pi / 180.0);
  for (SimEntity& e : inserted.entities) {
    placement.Apply(e);
    Add(std::move(e));
  }
  for (const std::string& type : inserted.skipped) {
    commandLine.push_back("-INSERT: " + type + " は読み込めません");
  }
  SetLastPoint(base);
}

}  // namespace vensa
