// The coordinate list's reordering commands. Each moves whole rows (all five cells) and
// ends by renumbering the PLOT No. column.
#pragma once

#include "core/text_grid.h"

namespace vensa {

// "測点名でソート": by the name without its trailing number, then by that number.
void N10Click(TextGrid& list);
// "測点名の番号のみでソート": by the trailing number alone.
void N15Click(TextGrid& list);
// "同じ行データを整理": drops rows repeating an earlier row (cells 0..3) and empty rows.
void N13Click(TextGrid& list);

}  // namespace vensa
