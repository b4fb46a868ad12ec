// The undo histories of the window's four lists, and the steps its handlers make: a
// handler runs inside one ListStep, which names the steps its changes open in any list and
// closes them all at its end, so that one command is one step of each list it changed
// however many changes it made, and a dialog it shows meanwhile splits nothing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "state/form_state.h"
#include "state/list_history.h"

namespace vensa {

class FormHistories {
 public:
  explicit FormHistories(std::size_t budgetBytes = kHistoryBudgetBytes);
  // Records the four lists of `state` from now on (the SIMA read list with its parcels).
  // The state must outlive the histories.
  void Attach(FormState& state);
  bool Attached() const { return lists_[0].has_value(); }

  // The history of StringGrid1..4 of the state attached (0 the coordinate list).
  ListHistory& List(int index) { return *lists_.at(static_cast<std::size_t>(index)); }
  // The history of one of the four grids; null for any other grid or before Attach.
  ListHistory* Of(const TextGrid& grid);

  // A handler's step begins: the outermost names the steps its changes open.
  void BeginStep(std::string_view name);
  // The outermost step ends: the open steps of all four lists are closed.
  void EndStep();
  bool InStep() const { return depth_ > 0; }
  // Closes the open steps of all four lists unless a handler's step is running (which
  // closes them at its end): after a cell typed, and on idle.
  void CloseStepsBetweenHandlers();

  const HistoryBudget& Budget() const { return budget_; }

 private:
  void CloseAll();

  HistoryBudget budget_;
  std::array<const TextGrid*, 4> grids_{};
  std::array<std::optional<ListHistory>, 4> lists_;
  int depth_ = 0;
};

// One handler's step, named: the lists' changes in its scope are one step each.
class ListStep {
 public:
  ListStep(FormHistories& histories, std::string_view name) : histories_(histories) {
    histories_.BeginStep(name);
  }
  ~ListStep() { histories_.EndStep(); }
  ListStep(const ListStep&) = delete;
  ListStep& operator=(const ListStep&) = delete;

 private:
  FormHistories& histories_;
};

}  // namespace vensa
