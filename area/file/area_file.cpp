#include "area/file/area_file.h"

#include "area/area_drawing.h"
#include "area/commands/area_commands.h"
#include "core/error.h"
#include "core/text.h"
#include "dxf/commands/form_options.h"
#include "dxf/dxf_file.h"
#include "sheet/file/file_worksheet.h"
#include "sheet/file/sheet_file.h"

namespace vensa {

bool IsAreaFileName(const std::string& path) {
  return EndsWithIgnoringAsciiCase(path, ".dxf") || SheetFileKindOf(path).has_value();
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
