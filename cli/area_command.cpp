#include "cli/area_command.h"

#include <optional>

#include "area/commands/area_commands.h"
#include "area/file/area_file.h"
#include "cli/output_guard.h"
#include "core/file_io.h"
#include "core/text.h"
#include "sheet/file/sheet_file.h"

namespace vensa::cli {

int RunArea(const Arguments& args, FormState& state, std::ostream& out, std::ostream& err) {
  if (!args.category.empty()) state.CheckBox32.checked = args.category == "other";
  if (!args.unit.empty()) state.CheckBox33.checked = args.unit == "mm";
  if (args.direction) state.CheckBox34.checked = true;
  state.Edit31.text = args.range;
  const bool parcels = !args.listParcel && EndsWithIgnoringAsciiCase(args.input, ".sim") &&
                       !state.SimaParcels.empty();
  const AreaSource source = parcels ? AreaSource::kSimaParcels : AreaSource::kList;
  // OUT is never INPUT, and replaced only with --force.
  if (!args.output.empty()) CheckOutput(args.input, args.output, args.force);
  // Standard output and a CSV file take each table as it is made; a drawing and a
  // workbook are made of all of them.
  AreaTables tables;
  std::optional<AreaCsvFile> csv;
  if (args.output.empty()) {
    std::string text;
    bool first = true;
    tables = StreamAreaTablesFromForm(state, source, args.parcelName, [&](const AreaTable& t) {
      text.clear();
      if (!first) text += '\n';
      first = false;
      AppendAreaTableText(text, t);
      out << text;
    });
  } else if (SheetFileKindOf(args.output) == SheetFileKind::Csv) {
    csv.emplace(args.output);
    tables = StreamAreaTablesFromForm(state, source, args.parcelName,
                                      [&](const AreaTable& t) { csv->Add(t); });
  } else {
    tables = ComputeAreaTablesFromForm(state, source, args.parcelName);
  }
  const CommandOutcome outcome = AreaOutcome(tables);
  for (const std::string& note : outcome.notes) err << note << '\n';
  if (!outcome.done) return 1;
  if (csv) {
    csv->Commit();
  } else if (!args.output.empty()) {
    SaveAreaTablesFile(args.output, tables.tables, state, args.scale, TAcadPoint{});
  }
  if (!args.output.empty() && outcome.summary) err << *outcome.summary << '\n';
  return 0;
}

}  // namespace vensa::cli
