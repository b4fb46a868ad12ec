#include "cad/commands/text_list.h"

#include <utility>

#include "cad/cad_connection.h"
#include "cad/commands/get_from_cad.h"
#include "cad/entity_reader.h"
#include "cad/minimized_main_window.h"
#include "core/encoding.h"
#include "core/error.h"
#include "core/geometry.h"
#include "core/list_sort.h"
#include "core/number_format.h"
#include "core/number_read.h"

namespace vensa {

namespace {

enum TextColumn : int { kColText = 0, kColTextX = 1, kColTextY = 2, kColTextZ = 3 };

std::string KeyText(const TextGrid& grid, int row, int a, int b) {
  std::string key;
  if (a >= 0) key += grid.Cell(a, row);
  if (b >= 0) key += grid.Cell(b, row);
  return key;
}

}  // namespace

void SortRowsByColumn(TextGrid& grid, int a, int b, bool numeric, bool descending) {
  const int n = grid.DataRowCount();
  if (n < 2) return;
  if (numeric) {
    std::vector<double> keys;
    keys.reserve(n);
    for (int r = 1; r <= n; ++r) keys.push_back(ReadNumberCell(KeyText(grid, r, a, b)));
    SortRowsByKeys(grid, std::move(keys),
                   [descending](double a, double b) { return descending ? a > b : a < b; });
  } else {
    // UTF-16 code units, so that plain comparison is the list's text order.
    std::vector<std::u16string> keys;
    keys.reserve(n);
    for (int r = 1; r <= n; ++r) keys.push_back(Utf8ToUtf16(KeyText(grid, r, a, b)));
    SortRowsByKeys(grid, std::move(keys),
                   [descending](const std::u16string& a, const std::u16string& b) {
                     return descending ? b < a : a < b;
                   });
  }
}

void SortTextListByText(TextGrid& list) {
  SortRowsByColumn(list, kColText, -1, false, false);
}
void SortTextListByX(TextGrid& list) {
  SortRowsByColumn(list, kColTextX, -1, true, false);
}
void SortTextListByY(TextGrid& list) {
  SortRowsByColumn(list, kColTextY, -1, true, true);
}
void SortTextListByZ(TextGrid& list) {
  SortRowsByColumn(list, kColTextZ, -1, true, false);
}

void SortTextListByColumn(TextGrid& list, int column) {
  switch (column) {
    case kColText:
      SortTextListByText(list);
      break;
    case kColTextX:
      SortTextListByX(list);
      break;
    case kColTextY:
      SortTextListByY(list);
      break;
    case kColTextZ:
      SortTextListByZ(list);
      break;
    default:
      break;
  }
}

void EntToSL2(FormState& state, const EntityTables& tables) {
  const int digits = state.UpDown6.position;
  TextGrid& list = state.StringGrid2;
  for (int r = 1; r < list.RowCount(); ++r) {
    for (int c = kColText; c <= kColTextZ; ++c) list.SetCell(c, r, std::string());
  }
  if (tables.TextBlks.empty()) return;
  const int k = static_cast<int>(tables.TextBlks.size());
  list.SetRowCount(k + 1);
  list.current.row = 1;
  auto format = [digits](double v) { return FormatFixed(RoundToDigits(v, digits), digits); };
  for (int i = 0; i < k; ++i) {
    const TTextBlk& t = tables.TextBlks[static_cast<std::size_t>(i)];
    // The insertion point whatever the justification: the list shows where texts start.
    TAcadPoint p = t.pt10;
    if (state.UCS.checked) {
      p = WcsToUcs(p, state.CurrentUcs.xAxis, state.CurrentUcs.yAxis, state.CurrentUcs.origin);
    }
    list.SetCell(kColText, i + 1, t.str);
    list.SetCell(kColTextX, i + 1, format(p.x));
    list.SetCell(kColTextY, i + 1, format(p.y));
    list.SetCell(kColTextZ, i + 1, format(p.z));
  }
}

GetTextsOutcome GetTextsFromCad(FormState& state, EntityTables& tables, Platform& platform,
                                Ui& ui) {
  GetTextsOutcome got;
  std::shared_ptr<CadDocument> document = StartEntityPick(state, platform, ui, got.outcome);
  if (!document) {
    ui.RestoreMainWindow();
    return got;
  }
  MinimizedMainWindow window(ui, platform);
  // Entity type TEXT only: multiline texts cannot be selected.
  const SelectionFilter textsOnly{{0}, {CadValue{std::string("TEXT")}}};
  std::shared_ptr<CadSelectionSet> set = PrepareSelectionSet(*document);
  try {
    set->SelectOnScreen(textsOnly);
    window.Restore();
    if (set->Count() > 0) {
      ReadSelectedEntities(*set, 2, ProgressBarId::ProgressBar2, ui, tables, state.StatusBar1[0]);
      EntToSL2(state, tables);
      got.textsListed = static_cast<int>(tables.TextBlks.size());
    }
  } catch (const VensaError& e) {
    // A cancelled or failed harvest leaves the list as far as it got, without a message.
    got.outcome = CommandOutcome::FailedBecause(e.what());
  }
  set->Delete();
  window.Restore();
  return got;
}

}  // namespace vensa
