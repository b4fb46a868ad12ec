#include "cli/run.h"

#include <exception>

#include "cad/cad_connection.h"
#include "cad/commands/get_from_cad.h"
#include "cad/commands/text_list.h"
#include "cad/entity_tables.h"
#include "cli/area_command.h"
#include "cli/arguments.h"
#include "cli/cads_command.h"
#include "cli/console_ui.h"
#include "cli/drawing_input.h"
#include "cli/geo_command.h"
#include "cli/list_text.h"
#include "cli/output_guard.h"
#include "cli/print_outcome.h"
#include "cli/setting_checks.h"
#include "core/coord_list.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/grid_text.h"
#include "core/list_sort.h"
#include "core/number_read.h"
#include "core/text.h"
#include "dxf/commands/drawing_commands.h"
#include "dxf/commands/drawing_file_commands.h"
#include "dxf/drawing_reader.h"
#include "sheet/excel_link.h"
#include "sheet/excel_transfer.h"
#include "sheet/file/sheet_file.h"
#include "sheet/file/sheet_file_commands.h"
#include "sima/commands/sima_commands.h"
#include "sima/sima_reader.h"
#include "sima/sima_writer.h"
#include "state/form_state.h"
#include "state/ini_document.h"
#include "state/settings_file.h"
#include "state/settings_keys.h"

namespace vensa::cli {
namespace {

constexpr const char* kProgram = "vensa-cli: ";

// A command that cannot go on; the message goes to stderr and the exit status is 1.
struct Failure {
  std::string message;
};

// The settings the program would start with: the settings file, then every --set on top.
FormState StateFor(const Arguments& args) {
  FormState state = InitialFormState();
  if (args.settingsFile) {
    // The program starts silently without its settings file; a file named on the command
    // line that cannot be read is a failure.
    if (!LoadSettings(state, *args.settingsFile, ScreenMetrics{}))
      throw Failure{"設定ファイルを読み込めません: " + *args.settingsFile};
  }
  for (const auto& [key, value] : args.settings) {
    CheckSettingValue(key, value);
    if (!ApplySettingValue(state, key, value))
      throw BadArguments{"設定ファイルにないキーです: " + key};
  }
  ApplyDependentStates(state);
  return state;
}

// INPUT into the coordinate list: a SIMA file through the " SIMA/R " transfer, a drawing
// through "CADから", a spreadsheet file (.csv, .xlsx) through "Exceｌから" with the
// settings of the group "Excel", otherwise the TAB-separated list text.
void ReadInput(const std::string& path, FormState& state, std::ostream& err) {
  if (IsDrawingInputName(path)) {
    ConsoleUi ui(err);
    const GetFromCadOutcome got = GetFromDrawing(path, state, ui);
    // "取得失敗": the command did not finish; the error's own words say why. Entities read
    // but none listed is a note.
    if (!got.outcome.done) {
      std::string message =
          got.outcome.notes.empty() ? got.outcome.cause : got.outcome.notes.front();
      if (!got.outcome.notes.empty() && !got.outcome.cause.empty())
        message += " (" + got.outcome.cause + ")";
      throw VensaError(message + ": " + path);
    }
    PrintOutcome(got.outcome, err);
  } else if (EndsWithIgnoringAsciiCase(path, ".sim")) {
    // What was taken and passed over, as the window's status panel says it; a file without
    // points is no input.
    const SimaReadOutcome read = ReadSimaIntoForm(state, path);
    if (read.pointCount == 0) {
      err << read.outcome.summary.value_or("") << '\n';
      throw Failure{std::string(kSimaNoPointsMessage) + ": " + path};
    }
    PrintOutcome(read.outcome, err);
  } else if (SheetFileKindOf(path)) {
    PrintOutcome(ReadListFromSheetFile(state, path), err);
  } else {
    state.StringGrid1 = ReadListText(ReadFileBytes(path, kListTextCap), path);
  }
}

void RequireListInUse(const FormState& state, const std::string& input) {
  if (!IsListInUse(state.StringGrid1))
    throw Failure{std::string(kListNotInUseMessage) + ": " + input};
}

// A drawing command into OUT that did not finish: the list was not in use.
void RequireDrawn(const CommandOutcome& outcome, const std::string& input, std::ostream& err) {
  if (!PrintOutcome(outcome, err)) throw Failure{outcome.cause + ": " + input};
}

// The plot into OUT, its entity count on stdout.
int RunPlot(const Arguments& args, FormState& state, std::ostream& out, std::ostream& err) {
  state.Edit31.text = args.range;
  const ExistingFile existing = CheckOutput(args.input, args.output, args.force);
  const PlotOutcome plotted =
      PlotIntoFile(state, args.scale, args.zeroZ ? PlotZMode::kZero : PlotZMode::kFromList,
                   args.output, existing);
  RequireDrawn(plotted.outcome, args.input, err);
  out << plotted.entityCount << '\n';
  return 0;
}

// The table into OUT, its top-left corner at the origin.
int RunTable(const Arguments& args, FormState& state, std::ostream& err) {
  const ExistingFile existing = CheckOutput(args.input, args.output, args.force);
  RequireDrawn(TableIntoFile(state, args.scale, args.yx ? TableAxes::kYX : TableAxes::kXY,
                             TAcadPoint{}, args.output, existing),
               args.input, err);
  return 0;
}

Platform& RequireAutomation(const Automation& automation) {
  if (!automation.platform) throw Failure{kNoAutomationMessage};
  return *automation.platform;
}

// "CADへ" / "CADへ (Z=0)" / "XY 作表" / "YX 作表" into the running target CAD.
int RunIntoCad(const Arguments& args, FormState& state, const Automation& automation,
               std::ostream& err) {
  Platform& platform = RequireAutomation(automation);
  RequireListInUse(state, args.input);
  ConsoleUi ui(err);
  CommandOutcome outcome;
  if (args.command == Command::Plot) {
    state.Edit31.text = args.range;
    outcome =
        (args.zeroZ ? PlotIntoCadAtZeroZ : PlotIntoCad)(state, platform, ui, automation.insertFile);
  } else {
    outcome =
        (args.yx ? TableYXIntoCad : TableXYIntoCad)(state, platform, ui, automation.insertFile);
  }
  // Not done: the drawing did not reach the CAD (no CAD runs under the target ProgID, a
  // path it cannot take, a cancelled pick). The window ends silently where no CAD runs; a
  // script needs to know, so the cause says which CAD is missing.
  if (PrintOutcome(outcome, err)) return 0;
  if (!outcome.cause.empty()) err << kProgram << outcome.cause << '\n';
  return 1;
}

// The four columns of the text list: TEXT, X, Y, Z.
constexpr int kTextListColumns = 4;
constexpr int kTextListX = 1;

// Rows 1.. of the list's first `columns` columns as the grid clipboard text.
void PrintRows(const TextGrid& list, int columns, std::ostream& out) {
  if (list.DataRowCount() > 0)
    WriteGridClipboardText(list, {0, 1, columns - 1, list.RowCount() - 1}, out);
}

// The text list, or, when no TEXT was found (the list keeps its empty rows then), nothing
// but one line on stderr saying so.
void PrintTextList(const TextGrid& texts, const std::string& where, std::ostream& out,
                   std::ostream& err) {
  for (int r = 1; r < texts.RowCount(); ++r) {
    if (!texts.Cell(kTextListX, r).empty()) return PrintRows(texts, kTextListColumns, out);
  }
  err << "TEXT が見つかりません" << (where.empty() ? "" : ": " + where) << '\n';
}

int RunList(const Arguments& args, FormState& state, std::ostream& out) {
  TextGrid& list = state.StringGrid1;
  // A drawing that lists nothing leaves one empty row behind, numbered: nothing to print.
  if (IsDrawingFileName(args.input) && !IsListInUse(list)) return 0;
  for (ListOperation op : args.listOperations) {
    switch (op) {
      case ListOperation::SortByName:
        SortByName(list);
        break;
      case ListOperation::SortByNumber:
        SortByNumber(list);
        break;
      case ListOperation::Tidy:
        RemoveRepeatedRows(list);
        break;
    }
  }
  PrintRows(list, kCoordColumnCount, out);
  return 0;
}

// "データ作成", then "保存" into OUT.
int RunSima(const Arguments& args, FormState& state, std::ostream& err) {
  if (!BuildSimaWriteList(state.StringGrid1, SimaWriteOptionsOf(state), state.StringGrid4))
    throw Failure{
        "座標リストの 1 行目に X座標, Y座標 がそろっていないため SIMA "
        "データを作成できません: " +
        args.input};
  const SimaSaveOutcome saved =
      SaveSimaWriteList(state.StringGrid4, SimaParcelsToSave(state), [&args] {
        return std::optional<SaveTarget>(
            {args.output, CheckOutput(args.input, args.output, args.force)});
      });
  if (saved.check == SimaSaveCheck::Outcome::kNothingToSave)
    throw Failure{"保存する SIMA データがありません (2 点以上の X座標, Y座標 が必要です): " +
                  args.input};
  return PrintOutcome(saved.outcome, err) ? 0 : 1;
}

// A command that did not finish: why, when the error said more than its notes.
int Unfinished(const CommandOutcome& outcome, std::ostream& err) {
  if (!outcome.cause.empty()) err << kProgram << outcome.cause << '\n';
  return 1;
}

// "Exceｌから": the coordinate list from the active worksheet, then the list's own steps.
// Not done (no spreadsheet, or a read broken off): nothing printed.
int RunListFromExcel(const Arguments& args, FormState& state, const Automation& automation,
                     std::ostream& out, std::ostream& err) {
  Platform& platform = RequireAutomation(automation);
  ExcelLink link;
  const CommandOutcome read = ReadListFromExcel(state, link, platform);
  if (!PrintOutcome(read, err)) return Unfinished(read, err);
  return RunList(args, state, out);
}

// "Excelへ": the coordinate list into OUT (.xlsx, .csv), or without OUT to the active
// worksheet.
int RunExcel(const Arguments& args, FormState& state, const Automation& automation,
             std::ostream& err) {
  if (state.StringGrid1.DataRowCount() == 0) throw Failure{"座標リストが空です: " + args.input};
  CommandOutcome written;
  if (!args.output.empty()) {
    written = WriteListToChosenSheetFile(state, state.StringGrid1, [&args] {
      return std::optional<SaveTarget>(
          {args.output, CheckOutput(args.input, args.output, args.force)});
    });
  } else {
    ExcelLink link;
    written = WriteCoordListToExcel(state, link, RequireAutomation(automation));
  }
  return PrintOutcome(written, err) ? 0 : Unfinished(written, err);
}

// "CADから" / "TEXT 取得": the user selects in the running target CAD; the list goes to
// `out` as the drawing file's `get` / `texts` print it, the read summary to `err`.
int RunFromCad(const Arguments& args, FormState& state, const Automation& automation,
               std::ostream& out, std::ostream& err) {
  Platform& platform = RequireAutomation(automation);
  ConsoleUi ui(err);
  EntityTables tables;
  // "取得失敗", no CAD running and the like: the command did not finish. Entities read but
  // none listed is a note, and an empty list.
  if (args.command == Command::Texts) {
    const GetTextsOutcome got = GetTextsFromCad(state, tables, platform, ui);
    if (!PrintOutcome(got.outcome, err)) return Unfinished(got.outcome, err);
    PrintTextList(state.StringGrid2, "", out, err);
    return 0;
  }
  const GetFromCadOutcome got = GetFromCad(state, tables, platform, ui);
  if (!PrintOutcome(got.outcome, err)) return Unfinished(got.outcome, err);
  if (got.rowsListed == 0) return 0;
  return RunList(args, state, out);
}

int RunCommandLine(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err,
                   const Automation& automation) {
  try {
    const Arguments args = ParseArguments(argv);
    if (args.command == Command::Help) {
      out << UsageText();
      return 0;
    }
    if (args.command == Command::Cads) return RunCads(automation, out, err);
    FormState state = StateFor(args);
    if (args.cad && (args.command == Command::Get || args.command == Command::Texts))
      return RunFromCad(args, state, automation, out, err);
    if (args.command == Command::Texts) {
      ConsoleUi ui(err);
      const GetTextsOutcome got = TextsFromDrawing(args.input, state, ui);
      if (!PrintOutcome(got.outcome, err)) return Unfinished(got.outcome, err);
      PrintTextList(state.StringGrid2, args.input, out, err);
      return 0;
    }
    if (!args.excel && !ReadMapInput(args, state, err)) ReadInput(args.input, state, err);
    ConvertLatLonInput(args, state, err);
    if (args.cad) return RunIntoCad(args, state, automation, err);
    switch (args.command) {
      case Command::Plot:
        return RunPlot(args, state, out, err);
      case Command::Table:
        return RunTable(args, state, err);
      case Command::List:
        if (args.excel) return RunListFromExcel(args, state, automation, out, err);
        return RunList(args, state, out);
      case Command::Excel:
        return RunExcel(args, state, automation, err);
      case Command::Sima:
        return RunSima(args, state, err);
      case Command::Get:
        return RunList(args, state, out);
      case Command::Area:
        return RunArea(args, state, out, err);
      case Command::Geo:
        return RunGeo(args, state, err);
      case Command::Texts:
      case Command::Cads:
      case Command::Help:
        break;
    }
    return 0;
  } catch (const BadArguments& e) {
    err << kProgram << e.message << "\n\n" << UsageText();
    return 2;
  } catch (const Failure& e) {
    err << kProgram << e.message << '\n';
    return 1;
  } catch (const std::exception& e) {
    err << e.what() << '\n';
    return 1;
  }
}

}  // namespace

int Run(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err,
        const Automation& automation) {
  const int status = RunCommandLine(argv, out, err, automation);
  // Output that never arrived (a full disk, a closed pipe) is a failure, not a success.
  out.flush();
  if (out) return status;
  err << kProgram << "標準出力に書き込めません\n";
  return status == 0 ? 1 : status;
}

}  // namespace vensa::cli
