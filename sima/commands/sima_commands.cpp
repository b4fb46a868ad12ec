#include "sima/commands/sima_commands.h"

#include <utility>

#include "sima/sima_reader.h"
#include "sima/sima_record.h"

namespace vensa {

SimaReadOptions SimaReadOptionsOf(const FormState& state) {
  return {state.CheckBox13.checked, state.CheckBox12.checked};
}

SimaWriteOptions SimaWriteOptionsOf(const FormState& state) {
  return {state.CheckBox14.checked, state.CheckBox15.checked, state.Edit30.text,
          state.CheckBox30.checked};
}

SimaReadOutcome ReadSimaIntoForm(FormState& state, const std::string& path) {
  state.ListDisplayGroupEnabled = false;
  state.StatusBar1[1].clear();
  SimaReadResult read =
      ReadSimaFile(path, SimaReadOptionsOf(state), state.StringGrid3, state.StringGrid1);
  SimaReadOutcome got;
  // The summary counts the parcels, so it is made before they move to the form.
  got.outcome.summary = SimaReadSummary(read);
  got.pointCount = read.pointCount;
  got.parcelCount = read.parcels.size();
  got.skippedLines = read.skippedLines;
  if (read.pointCount == 0) got.outcome.notes.emplace_back(kSimaNoPointsMessage);
  state.SimaParcels = std::move(read.parcels);
  return got;
}

SimaReadOutcome ReadSimaFileDialog(FormState& state, EntityTables& tables, Ui& ui) {
  const std::optional<std::string> path = ui.OpenFileDialog(std::string(kSimaOpenFilter));
  if (!path || path->empty()) return {CommandOutcome::Failed()};
  tables.ClearForSimaRead();
  return ReadSimaIntoForm(state, *path);
}

SimaSaveOutcome SaveSimaWriteList(const TextGrid& writeList,
                                  const std::function<std::optional<std::string>()>& choosePath) {
  SimaSaveOutcome saved;
  SimaSaveCheck check = CheckSimaWriteList(writeList);
  saved.check = check.outcome;
  if (check.outcome != SimaSaveCheck::Outcome::kReady) {
    saved.outcome = CommandOutcome::Failed();
    saved.outcome.notes = std::move(check.messages);
    return saved;
  }
  const std::optional<std::string> path = choosePath();
  if (!path) {
    saved.outcome = CommandOutcome::Failed();
    return saved;
  }
  SaveSimaFile(*path, writeList);
  saved.path = *path;
  return saved;
}

SimaSaveOutcome SaveSimaFileDialog(const TextGrid& writeList, Ui& ui) {
  return SaveSimaWriteList(writeList, [&ui]() -> std::optional<std::string> {
    const auto chosen = ui.SaveFileDialog(std::string(kSimaSaveFilter));
    if (!chosen || chosen->empty()) return std::nullopt;
    std::string path = SimaSavePath(*chosen);
    if (const auto question = SimaOverwriteQuestion(path))
      if (ui.AskYesNo(*question, true) != MessageAnswer::Yes) return std::nullopt;
    return path;
  });
}

}  // namespace vensa
