// Spreadsheet files as the worksheet: which files are ones, reading one whole and saving
// one through the system's atomic save.
#pragma once

#include <optional>
#include <string>

#include "core/file_io.h"
#include "sheet/file/file_worksheet.h"

namespace vensa {

enum class SheetFileKind { Csv, Xlsx };

// By the name's end, in any letter case: ".csv" or ".xlsx"; nothing for other names.
std::optional<SheetFileKind> SheetFileKindOf(const std::string& path);

// The largest spreadsheet file read: files of survey lists are a few MB.
inline constexpr std::uintmax_t kMaxSheetFileBytes = 256u << 20;

// Reads the file as its kind says (ReadCsv, ReadXlsx). Throws FileReadError naming the
// file when it is missing, unreadable, larger than kMaxSheetFileBytes, of another kind,
// or refused by its reader.
FileWorksheet LoadSheetFile(const std::string& path);

// Saves the worksheet as its kind says (CsvBytes, WriteXlsxFile), replacing the file
// atomically (AtomicFileWriter), or with ExistingFile::kKeep only where none stands.
// Throws FileCreateError naming the file.
void SaveSheetFile(const std::string& path, const FileWorksheet& sheet,
                   ExistingFile existing = ExistingFile::kReplace);

}  // namespace vensa
