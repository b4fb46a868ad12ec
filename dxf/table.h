// The coordinate table: the coordinate list as a ruled table of LINE and TEXT entities
// whose top-left corner is the file's origin (y is 0 on the top rule, negative below).
#pragma once

#include <string>

#include "core/acad_point.h"
#include "core/error.h"
#include "core/text_grid.h"
#include "dxf/dxf_writer.h"

namespace vensa {

// The table's controls. Defaults are those a control gets when the settings file has no
// entry for it. Sizes stay the texts of their edits; unreadable text reads as 0.
struct TableOptions {
  std::string rowHeight = "5.0";    // Edit15 "一行高さ"
  std::string nameWidth = "25.0";   // Edit16 "列幅(測点）"
  std::string coordWidth = "30.0";  // Edit17 "列幅（座標値）", each coordinate column
  std::string textHeight = "2.5";   // Edit14 "表文字"
  std::string decimals = "3";       // Edit20 "作表 少数桁数": a strict integer
  bool divideBy1000 = false;        // CheckBox9 "1/1000"
  bool zColumn = false;             // CheckBox8 "Z座標"
  std::string lineLayer = "VENSA_TBLLINE";  // Edit11 "表枠"
  std::string textLayer = "VENSA_TBLTEXT";  // Edit12 "表文字"
};

// "XY 作表" shows the list's columns as they are; "YX 作表" shows the list's y under the
// header "X座標" and its x under "Y座標".
enum class TableAxes { kXY, kYX };

// The decimals text of the table is no integer: "'<text>' は整数ではありません".
class TableDecimalsError : public VensaError {
 public:
  explicit TableDecimalsError(const std::string& text);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Appends the whole table file (header to EOF) for a list in use; `scale` multiplies
// every size (the drawing's DIMSCALE, or 1). The decimals are read when the data rows
// begin, so a TableDecimalsError leaves the rules and the header texts in `out`; the
// caller then saves nothing. A negative count of decimals is taken as 0.
void BuildTable(DxfBuilder& out, const TextGrid& list, const TableOptions& options, double scale,
                TableAxes axes);
// The same table with its top-left corner at `corner` (z ignored) instead of the origin:
// for a file that is opened as it is, not inserted at a picked point. At the origin the
// text is the one above, byte for byte.
void BuildTable(DxfBuilder& out, const TextGrid& list, const TableOptions& options, double scale,
                TableAxes axes, const TAcadPoint& corner);

}  // namespace vensa
