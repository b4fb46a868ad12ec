#include "testserver/server_options.h"

#include <optional>

#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

const char kServerUsage[] =
    "usage: vensa-testserver --progid PROGID [--drawing FILE.dxf] [--picks \"x,y,z;x,y,z\"]\n"
    "       [--sheet FILE.tsv] [--save-drawing OUT.dxf] [--save-sheet OUT.tsv] [--seconds N]\n";

bool ServerOptions::ServesSpreadsheet() const {
  return EqualsIgnoringAsciiCase(progId, "Excel.Application");
}

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

}  // namespace

std::vector<TAcadPoint> ParsePicks(const std::string& text) {
  std::vector<TAcadPoint> picks;
  for (std::string_view point : Split(text, ';')) {
    if (point.empty()) continue;
    std::vector<std::string_view> parts = Split(point, ',');
    std::vector<double> numbers;
    for (std::string_view part : parts) {
      if (std::optional<double> n = TryReadNumber(part)) numbers.push_back(*n);
    }
    if (numbers.size() != parts.size() || numbers.size() < 2 || numbers.size() > 3) {
      throw ServerUsageError("--picks: \"" + std::string(point) + "\" is no point x,y[,z]");
    }
    picks.push_back(TAcadPoint{numbers[0], numbers[1], numbers.size() == 3 ? numbers[2] : 0.0});
  }
  return picks;
}

ServerOptions ParseServerOptions(const std::vector<std::string>& args) {
  ServerOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) throw ServerUsageError(name + " needs a value");
    const std::string& value = args[++i];
    if (name == "--progid") {
      options.progId = value;
    } else if (name == "--drawing") {
      options.drawing = value;
    } else if (name == "--picks") {
      options.picks = ParsePicks(value);
    } else if (name == "--sheet") {
      options.sheet = value;
    } else if (name == "--save-drawing") {
      options.saveDrawing = value;
    } else if (name == "--save-sheet") {
      options.saveSheet = value;
    } else if (name == "--seconds") {
      std::optional<std::int32_t> seconds = TryReadInteger(value);
      if (!seconds || *seconds <= 0) throw ServerUsageError("--seconds: a positive whole number");
      options.seconds = *seconds;
    } else {
      throw ServerUsageError("unknown option " + name);
    }
  }
  if (options.progId.empty()) throw ServerUsageError("--progid is required");
  return options;
}

}  // namespace vensa
