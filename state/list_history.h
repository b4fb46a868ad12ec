// Undo and redo of a list grid. A history observes its grid, so every change passes it
// whichever member makes it: the first change while no step is open copies the grid as it
// was and opens a step; closing the step keeps only the rows that differ (the common leading
// and trailing rows dropped), with the current cell and selection before and after. Undo
// and redo exchange that range of rows with the grid's, so a step holds one copy of its
// rows: the ones not shown now. The steps of all lists share one memory budget.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/parcel.h"
#include "core/text_grid.h"

namespace vensa {

// The name of a step opened by a change no handler named (a cell typed, for one).
inline constexpr std::string_view kUnnamedStepName = "編集";

// About 64 MB of steps kept over all lists.
inline constexpr std::size_t kHistoryBudgetBytes = std::size_t{64} << 20;

class ListHistory;

// The memory the steps of some histories share. When the steps kept pass it, the oldest
// step of any of them goes first; each history keeps its newest step whatever it holds.
class HistoryBudget {
 public:
  explicit HistoryBudget(std::size_t bytes = kHistoryBudgetBytes) : limit_(bytes) {}
  HistoryBudget(const HistoryBudget&) = delete;
  HistoryBudget& operator=(const HistoryBudget&) = delete;

  // The bytes the steps of every history hold now.
  std::size_t Used() const { return used_; }

 private:
  friend class ListHistory;
  void Trim();

  std::size_t limit_;
  std::size_t used_ = 0;
  std::uint64_t lastStep_ = 0;
  std::vector<ListHistory*> histories_;
};

class ListHistory final : private GridObserver {
 public:
  // Observes `grid` from now on; both must outlive the history.
  ListHistory(TextGrid& grid, HistoryBudget& budget);
  ~ListHistory();
  ListHistory(const ListHistory&) = delete;
  ListHistory& operator=(const ListHistory&) = delete;

  // The list's steps also keep these as they were, and undo brings them back with the rows
  // (the parcels read with the SIMA read list).
  void KeepWithSteps(std::vector<TParcel>& parcels) { parcels_ = &parcels; }

  // The name of the step the next change opens while none is open; empty: kUnnamedStepName.
  void NameNextStep(std::string_view name) { pendingName_ = name; }
  // Ends the open step: a step is kept when the rows (or the parcels) differ from before.
  // The pending name is cleared.
  void CloseStep();
  bool StepOpen() const { return open_.has_value(); }

  // The name of the step undo or redo would apply; empty when there is none.
  std::string UndoName() const;
  std::string RedoName() const;
  // The open step closed, then the last step undone (or the last undone redone): the rows,
  // the row count, the current cell and the selection as they were. False when none.
  bool Undo();
  bool Redo();

  std::size_t StepCount() const { return steps_.size(); }
  std::size_t KeptBytes() const { return keptBytes_; }

 private:
  friend class HistoryBudget;

  struct Cursor {
    GridCoord current;
    GridRect selection;
  };
  struct OpenStep {
    std::string name;
    TextGrid before;
    Cursor cursor;
    std::vector<TParcel> parcels;
  };
  struct Step {
    std::string name;
    std::uint64_t order = 0;                      // in the budget: lower is older
    int first = 0;                                // the first row of the range that differs
    int shownRows = 0;                            // the rows of that range the grid shows now
    GridRows kept;                                // the range's rows not shown now
    std::optional<std::vector<TParcel>> parcels;  // the parcels not shown now
    Cursor before;
    Cursor after;
    std::size_t bytes = 0;
  };

  void BeforeChange(const TextGrid& grid) override;
  void Apply(Step& step, const Cursor& cursor);
  void Account(Step& step);
  void DropSteps(std::size_t from);
  // The oldest step the budget may take: one that can be undone, never the last of those.
  const Step* Evictable() const;
  void EvictOldest();

  TextGrid& grid_;
  HistoryBudget& budget_;
  std::vector<TParcel>* parcels_ = nullptr;
  std::string pendingName_;
  std::optional<OpenStep> open_;
  std::deque<Step> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
  std::size_t keptBytes_ = 0;
  bool applying_ = false;
};

}  // namespace vensa
