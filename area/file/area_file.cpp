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

AreaCsvFile::AreaCsvFile(const std::string& path) : file_(path), text_("\xEF\xBB\xBF") {}

void AreaCsvFile::Add(const AreaTable& table) {
  if (!first_) text_ += "\r\n";
  first_ = false;
  ForEachAreaSheetRow({&table, 1}, [&](std::span<const std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (c > 0) text_ += ',';
      AppendCsvCell(text_, cells[c]);
    }
    text_ += "\r\n";
  });
  Flush(std::size_t{1} << 20);
}

void AreaCsvFile::Flush(std::size_t atLeast) {
  if (text_.size() < atLeast) return;
  file_.Write(text_);
  text_.clear();
}

void AreaCsvFile::Commit() {
  Flush(0);
  file_.Commit();
}

void SaveAreaTablesFile(const std::string& path, const std::vector<AreaTable>& tables,
                        const FormState& state, double scale, const TAcadPoint& corner) {
  const std::optional<SheetFileKind> kind = SheetFileKindOf(path);
  if (!kind) {
    DxfFileWriter file(path);
    BuildAreaDrawing(file.Builder(), tables, TableOptionsFromForm(state), scale, corner);
    file.Commit();
    return;
  }
  if (kind == SheetFileKind::Csv) {
    AreaCsvFile file(path);
    for (const AreaTable& table : tables) file.Add(table);
    return file.Commit();
  }
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
