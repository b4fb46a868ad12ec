#include "cli/run.h"

#include <exception>

#include "cad/cad_connection.h"
#include "cad/commands/get_from_cad.h"
#include "cad/commands/text_list.h"
#include "cad/entity_tables.h"
#include "cli/arguments.h"
#include "cli/cads_command.h"
#include "cli/console_ui.h"
#include "cli/drawing_input.h"
#include "cli/list_text.h"
#include "core/coord_list.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/grid_text.h"
#include "core/list_sort.h"
#include "core/number_read.h"
#include "core/text.h"
#include "dxf/commands/drawing_commands.h"
#include "dxf/commands/form_options.h"
#include "dxf/drawing_reader.h"
#include "dxf/dxf_file.h"
#include "dxf/plot.h"
#include "dxf/table.h"
#include "sheet/excel_link.h"
#include "sheet/excel_transfer.h"
#include "sheet/file/sheet_file.h"
#include "sheet/file/sheet_file_commands.h"
#include "sima/sima_reader.h"
#include "sima/sima_save.h"
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

// A number or a check box given on the command line must be an integer: the settings file
// passes over a value it cannot read (the control keeps its default), but a value typed
// in a command that would silently be something else is refused.
void CheckIntegerValue(const std::string& sectionSlashKey, const std::string& value) {
  const SettingKey* key = FindSettingKey(sectionSlashKey);
  if (key == nullptr || key->type == SettingType::Text) return;
  if (!TryReadInteger(ReadIniValue(value)))
    throw BadArguments{"整数で指定してください: " + sectionSlashKey + "=" + value};
}

// sima and excel replace an OUT that exists only with --force.
void RequireReplaceable(const Arguments& args) {
  if (FileExists(args.output) && !args.force)
    throw Failure{"ファイルが存在します (置き換えるには --force): " + args.output};
}

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
    CheckIntegerValue(key, value);
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
    GetFromDrawing(path, state, err);
  } else if (EndsWithIgnoringAsciiCase(path, ".sim")) {
    const SimaReadOptions options{state.CheckBox13.checked, state.CheckBox12.checked};
    SimaReadResult read = Button9Click(path, options, state.StringGrid3, state.StringGrid1);
    state.SimaParcels = std::move(read.parcels);
    // What was taken and passed over, as the window's status panel says it.
    err << SimaReadSummary(read) << '\n';
    if (read.pointCount == 0) throw Failure{std::string(kSimaNoPointsMessage) + ": " + path};
  } else if (SheetFileKindOf(path)) {
    ReadListFromSheetFile(state, path);
  } else {
    state.StringGrid1 = ReadListText(ReadFileBytes(path), path);
  }
}

void RequireListInUse(const FormState& state, const std::string& input) {
  if (!IsListInUse(state.StringGrid1))
    throw Failure{"座標リストが空です (1 行目に X座標がありません): " + input};
}

int RunPlot(const Arguments& args, FormState& state, std::ostream& out) {
  RequireListInUse(state, args.input);
  state.Edit31.text = args.range;
  DxfFileWriter file(args.output);
  const std::int32_t count =
      BuildPlot(file.Builder(), state.StringGrid1, PlotOptionsFromForm(state), args.scale,
                args.zeroZ ? PlotZMode::kZero : PlotZMode::kFromList, PlotParcelsFromForm(state));
  file.Commit();
  out << count << '\n';
  return 0;
}

int RunTable(const Arguments& args, FormState& state) {
  RequireListInUse(state, args.input);
  DxfFileWriter file(args.output);
  BuildTable(file.Builder(), state.StringGrid1, TableOptionsFromForm(state), args.scale,
             args.yx ? TableAxes::kYX : TableAxes::kXY);
  file.Commit();
  return 0;
}

Platform& RequireAutomation(const Automation& automation) {
  if (!automation.platform) throw Failure{kNoAutomationMessage};
  return *automation.platform;
}

// Whether a CAD runs under the target ProgID. The window ends its command silently there;
// a script needs to know, so the command fails with a message saying which CAD is missing.
bool RunningCad(Platform& platform, ConsoleUi& ui, const std::string& progId, std::ostream& err) {
  if (ConnectTargetCad(platform, ui, progId)) return true;
  if (!ui.Reported()) err << kProgram << "CAD が実行されていません (ProgID: " << progId << ")\n";
  return false;
}

// "CADへ" / "CADへ (Z=0)" / "XY 作表" / "YX 作表" into the running target CAD.
int RunIntoCad(const Arguments& args, FormState& state, const Automation& automation,
               std::ostream& err) {
  Platform& platform = RequireAutomation(automation);
  RequireListInUse(state, args.input);
  ConsoleUi ui(err);
  if (!RunningCad(platform, ui, state.TargetProgID, err)) return 1;
  if (args.command == Command::Plot) {
    state.Edit31.text = args.range;
    (args.zeroZ ? Button13Click : Button2Click)(state, platform, ui, automation.insertFile);
  } else {
    (args.yx ? Button8Click : Button3Click)(state, platform, ui, automation.insertFile);
  }
  // A message means the drawing did not reach the CAD (a path it cannot take).
  return ui.Reported() ? 1 : 0;
}

// The spreadsheet link as the window holds it; not attached means no spreadsheet runs or
// it has no workbook open.
void RequireAttached(const ExcelLink& link) {
  if (!link.Attached()) throw Failure{"Excel が実行されていないか、開いているブックがありません"};
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
        N10Click(list);
        break;
      case ListOperation::SortByNumber:
        N15Click(list);
        break;
      case ListOperation::Tidy:
        N13Click(list);
        break;
    }
  }
  PrintRows(list, kCoordColumnCount, out);
  return 0;
}

int RunSima(const Arguments& args, FormState& state, std::ostream& err) {
  const SimaWriteOptions options{state.CheckBox14.checked, state.CheckBox15.checked,
                                 state.Edit30.text, state.CheckBox30.checked};
  if (!Button10Click(state.StringGrid1, options, state.StringGrid4))
    throw Failure{
        "座標リストの 1 行目に X座標, Y座標 がそろっていないため SIMA "
        "データを作成できません: " +
        args.input};
  const SimaSaveCheck check = CheckSimaWriteList(state.StringGrid4);
  if (check.outcome == SimaSaveCheck::Outcome::kNothingToSave)
    throw Failure{"保存する SIMA データがありません (2 点以上の X座標, Y座標 が必要です): " +
                  args.input};
  if (check.outcome == SimaSaveCheck::Outcome::kRejected) {
    for (const std::string& message : check.messages) err << message << '\n';
    return 1;
  }
  RequireReplaceable(args);
  SaveSimaFile(args.output, state.StringGrid4);
  return 0;
}

// "Exceｌから": the coordinate list from the active worksheet, then the list's own steps.
int RunListFromExcel(const Arguments& args, FormState& state, const Automation& automation,
                     std::ostream& out) {
  Platform& platform = RequireAutomation(automation);
  ExcelLink link;
  Button1Click(state, link, platform);
  RequireAttached(link);
  return RunList(args, state, out);
}

// "Excelへ": the coordinate list into OUT (.xlsx, .csv), or without OUT to the active
// worksheet.
int RunExcel(const Arguments& args, FormState& state, const Automation& automation) {
  if (state.StringGrid1.DataRowCount() == 0) throw Failure{"座標リストが空です: " + args.input};
  if (!args.output.empty()) {
    RequireReplaceable(args);
    WriteListToSheetFile(state, state.StringGrid1, args.output);
    return 0;
  }
  Platform& platform = RequireAutomation(automation);
  ExcelLink link;
  Button5Click(state, link, platform);
  RequireAttached(link);
  return 0;
}

// "CADから" / "TEXT 取得": the user selects in the running target CAD; the list goes to
// `out` as the drawing file's `get` / `texts` print it, the read summary to `err`.
int RunFromCad(const Arguments& args, FormState& state, const Automation& automation,
               std::ostream& out, std::ostream& err) {
  Platform& platform = RequireAutomation(automation);
  ConsoleUi ui(err);
  if (!RunningCad(platform, ui, state.TargetProgID, err)) return 1;
  EntityTables tables;
  if (args.command == Command::Texts) {
    Button6Click(state, tables, platform, ui);
  } else {
    Button4Click(state, tables, platform, ui);
    const std::string_view summary = TrimBlanks(state.StatusBar1[1]);
    if (!summary.empty()) err << summary << '\n';
  }
  // "取得失敗" and the like: the command did not finish. Entities read but none listed is
  // a note, and an empty list.
  for (const std::string& message : ui.Messages())
    if (message != kNothingListedMessage) return 1;
  if (args.command == Command::Texts) {
    PrintTextList(state.StringGrid2, "", out, err);
    return 0;
  }
  if (!IsListInUse(state.StringGrid1)) return 0;
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
      TextsFromDrawing(args.input, state, err);
      PrintTextList(state.StringGrid2, args.input, out, err);
      return 0;
    }
    if (!args.excel) ReadInput(args.input, state, err);
    if (args.cad) return RunIntoCad(args, state, automation, err);
    switch (args.command) {
      case Command::Plot:
        return RunPlot(args, state, out);
      case Command::Table:
        return RunTable(args, state);
      case Command::List:
        if (args.excel) return RunListFromExcel(args, state, automation, out);
        return RunList(args, state, out);
      case Command::Excel:
        return RunExcel(args, state, automation);
      case Command::Sima:
        return RunSima(args, state, err);
      case Command::Get:
        return RunList(args, state, out);
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
