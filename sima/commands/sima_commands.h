// "読み込み" of the " SIMA/R " tab and "保存" of the " SIMA/W " tab over the form, one
// function each for the window and vensa-cli: the window asks for the file in its dialogs,
// vensa-cli takes the name from its command line.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "cad/entity_tables.h"
#include "core/command_outcome.h"
#include "core/text_grid.h"
#include "platform/ui.h"
#include "sima/sima_reader.h"
#include "sima/sima_save.h"
#include "sima/sima_writer.h"
#include "state/form_state.h"

namespace vensa {

// The options of the two SIMA tabs as the form holds them: "×1000" and "X-Y 反転" of
// " SIMA/R "; "1/1000", "X-Y 反転", "測点名：" and "リストの測点名" of " SIMA/W ".
SimaReadOptions SimaReadOptionsOf(const FormState& state);
SimaWriteOptions SimaWriteOptionsOf(const FormState& state);

// What "読み込み" took. The summary is SimaReadSummary's line, parcels included; the
// note kSimaNoPointsMessage when the file holds no point record (both lists then keep one
// empty row).
struct SimaReadOutcome {
  CommandOutcome outcome;
  int pointCount = 0;
  std::size_t parcelCount = 0;
  std::int64_t skippedLines = 0;
};

// The file at `path` into the SIMA read list and the coordinate list with the options
// "×1000" and "X-Y 反転" of the form, its parcels kept as the form's SimaParcels. The
// "リスト表示" group is disabled and the second status panel emptied first, so that a
// read that fails (FileReadError naming the file, both lists unchanged) leaves no summary
// of an earlier one.
SimaReadOutcome ReadSimaIntoForm(FormState& state, const std::string& path);

// "読み込み" as the window runs it: the open dialog (kSimaOpenFilter; cancel or an empty
// name: nothing, not done), the entity tables read from the CAD emptied, then the read.
SimaReadOutcome ReadSimaFileDialog(FormState& state, EntityTables& tables, Ui& ui);

// What "保存" did: the checks' decision, and the file written when done.
struct SimaSaveOutcome {
  CommandOutcome outcome;
  SimaSaveCheck::Outcome check = SimaSaveCheck::Outcome::kNothingToSave;
  std::string path;
};

// "保存": CheckSimaWriteList (nothing to save: not done, no note; rejected: not done, its
// messages as the notes), then `choosePath` names the file (none: not done), then
// SaveSimaFile.
SimaSaveOutcome SaveSimaWriteList(const TextGrid& writeList,
                                  const std::function<std::optional<std::string>()>& choosePath);

// "保存" as the window runs it: the path from the save dialog (kSimaSaveFilter,
// SimaSavePath), kSimaOverwriteQuestion answered Yes for a file that exists.
SimaSaveOutcome SaveSimaFileDialog(const TextGrid& writeList, Ui& ui);

}  // namespace vensa
