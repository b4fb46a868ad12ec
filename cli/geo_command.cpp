#include "cli/geo_command.h"

#include "cli/output_guard.h"
#include "cli/print_outcome.h"
#include "core/error.h"
#include "geo/commands/geo_commands.h"

namespace vensa::cli {
namespace {

// --zone, else the setting; a command that needs a zone and has none fails naming both.
int ZoneFor(const Arguments& args, const FormState& state) {
  if (args.zone) return *args.zone;
  if (const auto zone = ZoneOfForm(state)) return *zone;
  throw VensaError(std::string("vensa-cli: 平面直角座標系の指定がありません (--zone N か --set ") +
                   kZoneSettingKey + "=N, N は 1〜19)");
}

}  // namespace

bool ReadMapInput(const Arguments& args, FormState& state, std::ostream& err) {
  if (!MapFileKindOf(args.input)) return false;
  const CommandOutcome outcome = ReadMapIntoList(state, ZoneFor(args, state), args.input);
  if (!PrintOutcome(outcome, err)) throw VensaError("vensa-cli: 座標リストが空です: " + args.input);
  return true;
}

void ConvertLatLonInput(const Arguments& args, FormState& state, std::ostream& err) {
  if (!args.latlon) return;
  PrintOutcome(ConvertLatLonColumns(state.StringGrid1, ZoneFor(args, state)), err);
}

int RunGeo(const Arguments& args, FormState& state, std::ostream& err) {
  state.Edit31.text = args.range;
  const int zone = ZoneFor(args, state);
  const ExistingFile existing = CheckOutput(args.input, args.output, args.force);
  return PrintOutcome(SaveListAsMap(state, zone, args.output, existing), err) ? 0 : 1;
}

}  // namespace vensa::cli
