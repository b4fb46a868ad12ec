// The point-name search of "CADから": each listed point is named after the nearest TEXT
// inside a square window around it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cad/entity_tables.h"
#include "core/error.h"
#include "core/text_grid.h"
#include "state/form_state.h"

namespace vensa {

// Where a TEXT stands: its insertion point when it is left, aligned or fitted on the
// base line (code72 0, 3 or 5 with code73 0), otherwise its alignment point.
TAcadPoint TextPosition(const TTextBlk& text);

struct PointNameSearch {
  double range = 0.0;          // half-width of the window, in list units
  std::optional<UcsAxes> ucs;  // texts are taken into this UCS first when given
  std::string layer;           // only texts on this layer (ASCII case ignored); "" all
};

// The names the search would give take more than their budget (kNameBytesAlways, or
// kNameBytesPerTextByte times the bytes of all texts that may name a row, whichever is
// more): a long text beside many points. Nothing in the list has changed then.
class PointNameBudgetError : public VensaError {
 public:
  using VensaError::VensaError;
};
inline constexpr std::uint64_t kNameBytesAlways = std::uint64_t{64} << 20;
inline constexpr std::uint64_t kNameBytesPerTextByte = 8;

// For data rows 1..rows of the coordinate list whose X and Y cells are filled: cell 0
// becomes the text of the TEXT nearest in the plane among those whose position differs
// from the row's point by less than the range in X and in Y. Texts holding a comma never
// name a row; on equal distance the first text in table order wins. Rows without such a
// text keep their name. Returns the count of texts looked at for all rows together: near
// the count of rows however the texts lie (texts piled on one spot included), not rows
// times texts. Throws PointNameBudgetError before naming any row when the names would
// outgrow their budget.
std::size_t NameRowsAfterTexts(TextGrid& list, int rows, std::span<const TTextBlk> texts,
                               const PointNameSearch& search);

}  // namespace vensa
