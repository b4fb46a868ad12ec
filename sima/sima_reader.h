// Reading SIMA files into the SIMA read list and transferring their points into the
// coordinate list (the " SIMA/R " tab: "読み込み" and the options "×1000" and "X-Y 反転").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/encoding.h"
#include "core/text_grid.h"

namespace vensa {

// Options of the transfer into the coordinate list.
struct SimaReadOptions {
  // "×1000" (AutoCAD/StrPSC): the coordinates are read as numbers, multiplied by 1000
  // (survey metres to drawing millimetres) and written in general form; off, the texts
  // are copied unchanged.
  bool scale1000 = true;
  // "X-Y 反転" (AutoCAD/StrPYX): the SIMA Y (east) becomes the list's x and the SIMA X
  // (north) the list's y; off, SIMA X goes to x and SIMA Y to y.
  bool swapXY = true;
};

// What a reading found, for the caller to show if it wishes (the command itself shows
// nothing for a file without points).
struct SimaReadResult {
  int pointCount = 0;                          // point records taken into both lists
  std::int64_t otherLines = 0;                 // lines that were no point records and were skipped
  TextEncoding encoding = TextEncoding::Ansi;  // how the file's bytes were decoded
};

// Files larger than this are refused with an error naming the file: SIMA files are small,
// and a huge file would only exhaust memory before any row could be shown.
inline constexpr std::uintmax_t kSimaMaxFileBytes = std::uintmax_t{1} << 30;

// "読み込み" without its dialog. The caller first shows the open dialog (filter
// kSimaOpenFilter; on cancel or an empty name nothing happens), then empties the entity
// tables CircleBlks, LineBlks, ArcBlks, LwpBlks, LwpEles, TextBlks and PointEnts,
// disables the "リスト表示" group and empties the second status-bar panel, and then calls
// this with the chosen path.
//
// Reads the whole file and replaces both lists: the point records go into rows 1..n of
// the SIMA read list (fields 0 to 5 as text, in file order) and, by the transfer rule,
// into columns 0 to 3 of the coordinate list, whose PLOT No. column is renumbered. Both
// lists end with exactly n data rows; without any point record both keep one empty data
// row (PLOT No. "1").
//
// A file that cannot be opened or read, or is larger than kSimaMaxFileBytes, throws
// FileReadError naming the file, and both lists are left unchanged.
// readList needs six columns and coordList five (std::invalid_argument otherwise).
SimaReadResult Button9Click(const std::string& path, const SimaReadOptions& options,
                            TextGrid& readList, TextGrid& coordList);

// The same from the bytes of a file already in memory. A byte-order mark selects UTF-8 or
// UTF-16; bytes without one are UTF-8 when they are valid UTF-8 and not plain ASCII, else
// the ANSI code page (CP932). Lines end at CR LF, LF or CR. Never fails on content:
// garbage simply holds no point records.
SimaReadResult LoadSimaBytes(std::string_view bytes, const SimaReadOptions& options,
                             TextGrid& readList, TextGrid& coordList);

// The click of "×1000" or "X-Y 反転": when row 1 of the SIMA read list has both X and Y,
// the coordinate list gets the read list's row count and rows 1.. are transferred again
// with the options as they now stand, up to the first row without X or Y (later rows of
// the coordinate list keep what they held). In every case the PLOT No. column is then
// renumbered.
void CheckBox13Click(const SimaReadOptions& options, const TextGrid& readList, TextGrid& coordList);

}  // namespace vensa
