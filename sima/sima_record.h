// The SIMA record layout shared by reading and writing: the six columns of the SIMA read
// and write lists, the fixed records a file starts with, and the point-record test.
//
// A SIMA file is a text file of records, one per line, fields separated by commas without
// quoting. Field 0 is the record code. The system reads only point records (codes A01 to
// A98) and writes the records G00, Z00, A00, A01 ... A01, A99, every field followed by a
// comma.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/list_headers.h"
#include "core/text_grid.h"

namespace vensa {

// Column positions of the SIMA read list and the SIMA write list; they equal the field
// positions of a point record.
enum SimaColumn : int {
  kSimaColCode = 0,
  kSimaColNumber = 1,
  kSimaColName = 2,
  kSimaColX = 3,  // surveying X (north)
  kSimaColY = 4,  // surveying Y (east)
  kSimaColZ = 5,  // height, may be empty
  kSimaColumnCount = 6,
};

// A SIMA read or write list: the six headers and `dataRows` empty rows.
TextGrid MakeSimaList(int dataRows = 4);

// The records a written file starts with, and the codes around its points.
inline constexpr std::string_view kSimaHeaderRecord = "G00,01,,";
inline constexpr std::string_view kSimaCommentRecord = "Z00,// AutoCAD座標読み取りデータ//,";
inline constexpr std::string_view kSimaDataStartCode = "A00";
inline constexpr std::string_view kSimaPointCode = "A01";
inline constexpr std::string_view kSimaDataEndCode = "A99";

// File dialog filters of reading ("*.sim" first, then all files) and of saving.
inline constexpr std::string_view kSimaOpenFilter = "*.sim|*.sim|*.*|*.*";
inline constexpr std::string_view kSimaSaveFilter = "*.sim|*.sim";

// A point record code: "A" (capital only) and then, in its second and third characters
// (the second alone when the code has two), a decimal number from 1 to 98. So "A01" to
// "A98" and "A1" are points; "A00", "A99", "a01", "B01" and "AX1" are not.
bool IsSimaPointCode(std::string_view code);

// Fields 0 to 5 of a point record, views into the line.
using SimaPointFields = std::array<std::string_view, kSimaColumnCount>;

// Takes the line as a point record when it has at least five comma-separated fields
// (code, point number, name, X, Y; empty fields count, nothing is trimmed) and field 0 is
// a point code; fills `fields` with fields 0 to 5 and returns true. A missing sixth field
// is an empty Z: records without height end after Y, with no comma after it. Fields after
// field 5 are ignored and never scanned, so the cost is bounded by the first six fields,
// however long the line.
bool SplitSimaPointRecord(std::string_view line, SimaPointFields& fields);

// Field `index` of a record (0 the code), untrimmed; empty when the line has fewer fields.
std::string_view SimaField(std::string_view line, int index);

}  // namespace vensa
