// Reading SIMA files into the SIMA read list and transferring their points into the
// coordinate list (the " SIMA/R " tab: "読み込み" and the options "×1000" and "X-Y 反転").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoding.h"
#include "core/error.h"
#include "core/parcel.h"
#include "core/text_grid.h"

namespace vensa {

// Options of the transfer into the coordinate list.
struct SimaReadOptions {
  // "×1000" (AutoCAD/StrPSC): the coordinates are read as numbers, multiplied by 1000
  // (survey metres to drawing millimetres) and written in general form; off, the texts
  // are copied unchanged. Either way an empty coordinate stays empty: no height is not
  // height 0.
  bool scale1000 = true;
  // "X-Y 反転" (AutoCAD/StrPYX): the SIMA Y (east) becomes the list's x and the SIMA X
  // (north) the list's y; off, SIMA X goes to x and SIMA Y to y.
  bool swapXY = true;
};

// What a reading found and passed over, for the second status panel.
struct SimaReadResult {
  int pointCount = 0;  // point records taken into both lists
  // Lines passed over: every line that is no point record, apart from blank lines, the
  // records every file has (G00, Z00, A00, A99) and the parcel blocks. Malformed point
  // records count here: fewer than five fields, or neither X nor Y.
  std::int64_t skippedLines = 0;
  std::int64_t firstSkippedLine = 0;  // line number from 1; 0 when none
  // Coordinates of the points taken that hold text but no number (read as 0).
  std::int64_t notNumbers = 0;
  std::int64_t firstNotNumberLine = 0;
  // The file's parcels, with the corners found among its points; corners found neither
  // by number nor by name are left out and counted.
  std::vector<TParcel> parcels;
  std::int64_t missingCorners = 0;
  std::int64_t firstMissingCornerLine = 0;
  TextEncoding encoding = TextEncoding::Ansi;  // how the file's bytes were decoded
};

// Shown after a read that found no point record.
inline constexpr std::string_view kSimaNoPointsMessage = "SIMA の座標データ (A01) がありません";

// One line saying what a read took and passed over, for the second status panel and the
// command line's standard error: points, parcels, lines skipped, coordinates that are no
// numbers, corners not found, each count with its first line.
std::string SimaReadSummary(const SimaReadResult& result);

// A text the reader refuses as a whole, both lists unchanged: a coordinate that "×1000"
// takes beyond every number (the message names its line), or more to keep than the
// reader allows for a text of its size.
class SimaRefusedError : public VensaError {
 public:
  using VensaError::VensaError;
};

// Files larger than this are refused with an error naming the file, unread.
inline constexpr std::uintmax_t kSimaMaxFileBytes = std::uintmax_t{1} << 30;

// What the lists and the parcels of one text may take, estimated as it is read: 20 times
// the text's size, and never less than kSimaMinKeptBytes so that small files are never
// refused. Every point costs a row in each list, whatever its record's length; a text of
// tiny records would otherwise take fifty times its size.
inline constexpr std::uintmax_t kSimaKeptBytesPerByte = 20;
inline constexpr std::uintmax_t kSimaMinKeptBytes = std::uintmax_t{256} << 20;

// The reading of "読み込み" (sima/commands/sima_commands.h runs it over the form, after
// the open dialog, with the entity tables emptied and the "リスト表示" group disabled).
//
// Reads the whole file and replaces both lists: the point records go into rows 1..n of
// the SIMA read list (fields 0 to 5 as text, in file order) and, by the transfer rule,
// into columns 0 to 3 of the coordinate list, whose PLOT No. column is renumbered. Both
// lists end with exactly n data rows; without any point record both keep one empty data
// row (PLOT No. "1"), and the command says kSimaNoPointsMessage. The file's parcels come
// back in the result, for the caller to keep beside the SIMA read list.
//
// A file that cannot be opened or read, is larger than kSimaMaxFileBytes or is refused
// (SimaRefusedError) throws FileReadError naming the file, and both lists are left
// unchanged.
// readList needs six columns and coordList five (std::invalid_argument otherwise).
SimaReadResult ReadSimaFile(const std::string& path, const SimaReadOptions& options,
                            TextGrid& readList, TextGrid& coordList);

// The same from the bytes of a file already in memory. A byte-order mark selects UTF-8 or
// UTF-16; bytes without one are UTF-8 when they are valid UTF-8 and not plain ASCII, else
// the ANSI code page (CP932). Lines end at CR LF, LF or CR. Garbage simply holds no
// point records; SimaRefusedError for what the reader refuses.
SimaReadResult LoadSimaBytes(std::string_view bytes, const SimaReadOptions& options,
                             TextGrid& readList, TextGrid& coordList);

// The click of "×1000" or "X-Y 反転": when row 1 of the SIMA read list has both X and Y,
// the coordinate list gets the read list's row count and rows 1.. are transferred again
// with the options as they now stand, up to the first row without X or Y (later rows of
// the coordinate list keep what they held). In every case the PLOT No. column is then
// renumbered. With "×1000" a coordinate taken beyond every number throws VensaError
// naming its row, before anything changes.
void TransferSimaReadList(const SimaReadOptions& options, const TextGrid& readList,
                          TextGrid& coordList);

}  // namespace vensa
