// Building the SIMA write list from the coordinate list (the " SIMA/W " tab: "データ作成"
// and the options "1/1000", "X-Y 反転" and "測点名：").
#pragma once

#include <string>
#include <string_view>

#include "core/error.h"
#include "core/text_grid.h"

namespace vensa {

// Options of the build, all kept in the settings file.
struct SimaWriteOptions {
  // "1/1000" (SIMAW/1/1000): the coordinates are read as numbers, divided by 1000
  // (drawing millimetres to survey metres) and written with three decimals; off, the
  // texts are copied unchanged.
  bool divide1000 = true;
  // "X-Y 反転" (SIMAW/XYREV): the list's y becomes the SIMA X (north) and the list's x
  // the SIMA Y (east); off, x goes to SIMA X and y to SIMA Y.
  bool swapXY = true;
  // "測点名：" (SIMAW/HEAD, Edit30): the first point name; its trailing digits are the
  // starting number, the text before them the prefix of every name.
  std::string head = "A1";
  // "リストの測点名" (SIMAW/ListNames): each point keeps the coordinate list's name, and
  // "測点名：" names only the rows whose name is empty. Off, every point is named from
  // "測点名：".
  bool listNames = false;
};

// The trailing digits of "測点名：" are too large for a point number. The message names
// them; the caller shows it as an error.
class SimaNameNumberError : public VensaError {
 public:
  explicit SimaNameNumberError(const std::string& digits);
};

// The text with blanks put in front until it is `width` characters long; a text of that
// width or longer is returned unchanged. Characters are counted as the window counts
// them (UTF-16 code units).
std::string PadLeft(std::string_view text, int width);

// "データ作成". Returns false and changes nothing when X or Y of coordinate list row 1 is
// empty (a list without heights is built all the same). Otherwise the SIMA write list
// becomes: row 1 "A00" (its other cells are not set); one "A01" row for every coordinate
// list row r with X and Y, holding r padded to 5 characters, the point name, SIMA X,
// SIMA Y and Z; then a row "A99" with its other cells emptied. The name is the name
// prefix followed by (start number + r - 1), or with options.listNames the list's own
// name when it has one. An empty Z stays an empty field. Rows of the coordinate list
// without X or Y are skipped but keep their place in the numbering.
// When the trailing digits of options.head exceed 2147483647 this throws
// SimaNameNumberError after the write list was given the coordinate list's row count + 2
// rows and "A00" in row 1.
// writeList needs six columns (std::invalid_argument otherwise).
bool BuildSimaWriteList(const TextGrid& coordList, const SimaWriteOptions& options,
                        TextGrid& writeList);

}  // namespace vensa
