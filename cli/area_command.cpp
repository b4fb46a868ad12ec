#include "cli/area_command.h"

#include "area/commands/area_commands.h"
#include "area/file/area_file.h"
#include "core/file_io.h"
#include "core/text.h"

namespace vensa::cli {

int RunArea(const Arguments& args, FormState& state, std::ostream& out, std::ostream& err) {
  if (!args.category.empty()) state.CheckBox32.checked = args.category == "other";
  if (!args.unit.empty()) state.CheckBox33.checked = args.unit == "mm";
  if (args.direction) state.CheckBox34.checked = true;
  state.Edit31.text = args.range;
  const bool parcels = !args.listParcel && EndsWithIgnoringAsciiCase(args.input, ".sim") &&
                       !state.SimaParcels.empty();
  const AreaTables tables = ComputeAreaTablesFromForm(
      state, parcels ? AreaSource::kSimaParcels : AreaSource::kList, args.parcelName);
  const CommandOutcome outcome = AreaOutcome(tables);
  for (const std::string& note : outcome.notes) err << note << '\n';
  if (!outcome.done) return 1;
  if (args.output.empty()) {
    out << AreaTablesText(tables.tables);
    return 0;
  }
  if (FileExists(args.output) && !args.force) {
    err << "vensa-cli: ファイルが存在します (置き換えるには --force): " << args.output << '\n';
    return 1;
  }
  SaveAreaTablesFile(args.output, tables.tables, state, args.scale, TAcadPoint{});
  err << outcome.summary << '\n';
  return 0;
}

}  // namespace vensa::cli
