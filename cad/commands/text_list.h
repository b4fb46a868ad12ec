// The text list (tab " TEXT "): "TEXT 取得" harvests selected TEXT entities, EntToSL2
// lists them, and the header clicks sort the list.
#pragma once

#include "cad/entity_tables.h"
#include "core/command_outcome.h"
#include "core/text_grid.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa {

// What "TEXT 取得" did: the texts listed; the window shows nothing of it. A failed
// selection or read is not done, without a note (the window stays silent), the error's
// text as the cause.
struct GetTextsOutcome {
  CommandOutcome outcome;
  int textsListed = 0;
};

// "TEXT 取得" (Button6). Errors of the selection and the read are dropped silently, the
// list as far as it got; errors before the selection reach the caller. No CAD running
// under the target ProgID: nothing done.
GetTextsOutcome GetTextsFromCad(FormState& state, EntityTables& tables, Platform& platform, Ui& ui);

// Rebuilds the text list from TextBlks: text and insertion point (in the UCS when "UCS"
// is on) with the decimals of UpDown6, in table order. Without texts the cells are
// emptied and the rows kept.
void EntToSL2(FormState& state, const EntityTables& tables);

// Exchange sort of the data rows by the text of cell a, followed by that of cell b (a
// column below 0 is not used): by UTF-16 code units, or as numbers (no number reads 0).
// Rows with equal keys may change places, always the same way.
void SortRowsByColumn(TextGrid& grid, int a, int b, bool numeric, bool descending);

// The header clicks of the text list, one per column.
void SortTextListByText(TextGrid& list);  // " TEXT": text, ascending
void SortTextListByX(TextGrid& list);     // " X座標": number, ascending
void SortTextListByY(TextGrid& list);     // " Y座標": number, descending
void SortTextListByZ(TextGrid& list);     // " Z座標": number, ascending
// A click on header cell `column` (0..3); other columns do nothing.
void SortTextListByColumn(TextGrid& list, int column);

}  // namespace vensa
