// "Exceｌから" and the two "Excelへ" with a spreadsheet file standing in for the running
// spreadsheet: the file is read into, or the list written onto, a worksheet in memory by
// the very transfers the running spreadsheet gets, so the cells are the same rows and
// columns (the group "Excel": columns of name, X, Y, Z, the start row).
//
// Which cells hold numbers: a CSV's cells are all text, and the spreadsheet application
// opening one would type every number-looking text as a number; an XLSX written for the
// user should hold coordinates as numbers. In both directions the cells of the X, Y and Z
// columns whose text reads as a number are numbers ("12.500" is read as 12.5, the list
// text "12.5", as from a number cell of the running spreadsheet); the name column is text
// always, so point names such as "001" keep their zeros. An XLSX's own cells keep the
// type the file gives them. A CSV is written with the list's texts exactly.
#pragma once

#include <string>
#include <vector>

#include "core/text_grid.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "sheet/excel_link.h"
#include "state/form_state.h"

namespace vensa {

// The file dialogs' filter.
inline constexpr const char* kSheetFileFilter = "Excel ブック (*.xlsx)|*.xlsx|CSV (*.csv)|*.csv";

// The worksheet columns of X, Y and Z ("Z座標" on) that are not also the name column.
std::vector<int> NumberSheetColumns(const FormState& form);

// "Exceｌから" from the file (.csv or .xlsx): the coordinate list rebuilt from it as from
// the active worksheet. A file that cannot be read throws FileReadError naming it, before
// anything in the list changes.
void ReadListFromSheetFile(FormState& form, const std::string& path);

// The same for the file the user picks; nothing when the dialog is cancelled.
void ReadListFromSheetFileDialog(FormState& form, Ui& ui);

// "Excelへ" of `list` into a new file (.csv or .xlsx; an existing one is replaced): the
// cells WriteListToSheet would write into the worksheet, nothing else. FileCreateError
// names the file when it cannot be written; what was there stays then.
void WriteListToSheetFile(const FormState& form, const TextGrid& list, const std::string& path);

// The question asked (Yes and No, Yes the default) before an existing file is replaced;
// unless the answer is Yes nothing is written.
inline constexpr const char* kSheetFileOverwriteQuestion =
    "すでにファイルが存在します．上書きしますか？";

// The save dialog's name with ".xlsx" appended when its file name has no extension.
std::string SheetFileSavePath(const std::string& chosenName);

// "Excelへ" of the coordinate list (main tab) and of the text list (" TEXT ") into the
// file the user picks (SheetFileSavePath, then kSheetFileOverwriteQuestion for a file
// that exists); nothing when the list has no rows or the dialog is cancelled.
void WriteCoordListToSheetFileDialog(FormState& form, Ui& ui);
void WriteTextListToSheetFileDialog(FormState& form, Ui& ui);

// The buttons: with a spreadsheet running (GetExcelApp attaches), what ReadListFromExcel,
// WriteCoordListToExcel and WriteTextListToExcel do; without one, the file dialog and the file.
void ReadListFromSheetOrFile(FormState& form, ExcelLink& link, Platform& platform, Ui& ui);
void WriteCoordListToSheetOrFile(FormState& form, ExcelLink& link, Platform& platform, Ui& ui);
void WriteTextListToSheetOrFile(FormState& form, ExcelLink& link, Platform& platform, Ui& ui);

}  // namespace vensa
