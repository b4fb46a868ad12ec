#include "area/file/area_file.h"

#include "area/area_drawing.h"
#include "area/commands/area_commands.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/text.h"
#include "dxf/commands/form_options.h"
#include "dxf/dxf_file.h"
#include "sheet/file/csv_sheet.h"
#include "sheet/file/file_worksheet.h"
#include "sheet/file/sheet_file.h"

namespace vensa {

bool IsAreaFileName(const std::string& path) {
  return EndsWithIgnoringAsciiCase(path, ".dxf") || SheetFileKindOf(path).has_value();
}

namespace {

// A CSV file as CsvBytes writes a worksheet (UTF-8 with a byte-order mark, CR LF after
// every row), written a piece at a time: ten thousand parcels would make millions of
// cells of a worksheet in memory.
void SaveAreaTablesCsv(const std::string& path, const std::vector<AreaTable>& tables) {
  AtomicFileWriter file(path);
  std::string text = "\xEF\xBB\xBF";
  ForEachAreaSheetRow(tables, [&](std::span<const std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (c > 0) text += ',';
      AppendCsvCell(text, cells[c]);
    }
    text += "\r\n";
    if (text.size() >= (std::size_t{1} << 20)) {
      file.Write(text);
      text.clear();
    }
  });
  file.Write(text);
  file.Commit();
}

}  // namespace

void SaveAreaTablesFile(const std::string& path, const std::vector<AreaTable>& tables,
                        const FormState& state, double scale, const TAcadPoint& corner) {
  const std::optional<SheetFileKind> kind = SheetFileKindOf(path);
  if (!kind) {
    DxfFileWriter file(path);
    BuildAreaDrawing(file.Builder(), tables, TableOptionsFromForm(state), scale, corner);
    file.Commit();
    return;
  }
  if (kind == SheetFileKind::Csv) return SaveAreaTablesCsv(path, tables);
  FileWorksheet sheet;
  try {
    WriteAreaTablesToSheet(tables, sheet, 1);
  } catch (const SheetLimitError& e) {
    throw FileCreateError(path, e.what());
  }
  if (kind == SheetFileKind::Xlsx) sheet.TypeNumbers(AreaNumberSheetColumns());
  SaveSheetFile(path, sheet);
}

}  // namespace vensa
