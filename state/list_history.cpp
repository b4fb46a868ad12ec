#include "state/list_history.h"

#include <algorithm>
#include <utility>

namespace vensa {
namespace {

// The memory a text takes: the string itself and, past its inline room, its heap block.
std::size_t TextBytes(const std::string& text) {
  static const std::size_t inlineRoom = std::string().capacity();
  return sizeof(std::string) + (text.capacity() > inlineRoom ? text.capacity() + 1 : 0);
}

std::size_t ParcelBytes(const std::vector<TParcel>& parcels) {
  std::size_t bytes = parcels.capacity() * sizeof(TParcel);
  for (const TParcel& p : parcels) {
    bytes += TextBytes(p.number) + TextBytes(p.name) + TextBytes(p.kind);
    bytes += p.vertices.capacity() * sizeof(TParcelVertex);
    for (const TParcelVertex& v : p.vertices)
      bytes += TextBytes(v.number) + TextBytes(v.name) + TextBytes(v.x) + TextBytes(v.y);
  }
  return bytes;
}

bool SameRow(const TextGrid& a, int rowA, const TextGrid& b, int rowB) {
  const GridRow x = a.Row(rowA);
  const GridRow y = b.Row(rowB);
  return std::equal(x.begin(), x.end(), y.begin(), y.end());
}

}  // namespace

void HistoryBudget::Trim() {
  while (used_ > limit_) {
    ListHistory* oldest = nullptr;
    std::uint64_t order = 0;
    for (ListHistory* history : histories_) {
      const ListHistory::Step* step = history->Evictable();
      if (step && (!oldest || step->order < order)) {
        oldest = history;
        order = step->order;
      }
    }
    if (!oldest) return;
    oldest->EvictOldest();
  }
}

ListHistory::ListHistory(TextGrid& grid, HistoryBudget& budget) : grid_(grid), budget_(budget) {
  grid_.SetObserver(this);
  budget_.histories_.push_back(this);
}

ListHistory::~ListHistory() {
  if (grid_.Observer() == this) grid_.SetObserver(nullptr);
  DropSteps(0);
  std::erase(budget_.histories_, this);
}

void ListHistory::BeforeChange(const TextGrid& grid) {
  if (applying_ || open_) return;
  open_.emplace();
  open_->name = pendingName_.empty() ? std::string(kUnnamedStepName) : pendingName_;
  open_->before = grid;
  open_->cursor = {grid.current, grid.selection};
  if (parcels_) open_->parcels = *parcels_;
}

void ListHistory::CloseStep() {
  pendingName_.clear();
  if (!open_) return;
  OpenStep open = std::move(*open_);
  open_.reset();
  TextGrid& before = open.before;

  // The range that differs: the rows before and after it are the same in both grids.
  int first = 0;
  int endBefore = before.RowCount();
  int endAfter = grid_.RowCount();
  if (before.ColCount() == grid_.ColCount()) {
    while (first < endBefore && first < endAfter && SameRow(before, first, grid_, first)) ++first;
    while (endBefore > first && endAfter > first &&
           SameRow(before, endBefore - 1, grid_, endAfter - 1)) {
      --endBefore;
      --endAfter;
    }
  }
  const bool parcelsChanged = parcels_ && open.parcels != *parcels_;
  if (first == endBefore && first == endAfter && !parcelsChanged) return;

  Step step;
  step.name = std::move(open.name);
  step.first = first;
  step.shownRows = endAfter - first;
  step.kept.colCount = before.ColCount();
  before.ExchangeRows(first, endBefore - first, step.kept);
  step.kept.cells.shrink_to_fit();
  if (parcelsChanged) step.parcels = std::move(open.parcels);
  step.before = open.cursor;
  step.after = {grid_.current, grid_.selection};
  step.order = ++budget_.lastStep_;

  DropSteps(done_);  // a new step after an undo: the steps undone cannot be redone
  steps_.push_back(std::move(step));
  done_ = steps_.size();
  Account(steps_.back());
  budget_.Trim();
}

std::string ListHistory::UndoName() const {
  return done_ > 0 ? steps_[done_ - 1].name : std::string();
}

std::string ListHistory::RedoName() const {
  return done_ < steps_.size() ? steps_[done_].name : std::string();
}

bool ListHistory::Undo() {
  CloseStep();
  if (done_ == 0) return false;
  Step& step = steps_[--done_];
  Apply(step, step.before);
  return true;
}

bool ListHistory::Redo() {
  CloseStep();
  if (done_ == steps_.size()) return false;
  Step& step = steps_[done_++];
  Apply(step, step.after);
  return true;
}

void ListHistory::Apply(Step& step, const Cursor& cursor) {
  applying_ = true;
  const int incoming = step.kept.rowCount;
  try {
    grid_.ExchangeRows(step.first, step.shownRows, step.kept);
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
  step.kept.cells.shrink_to_fit();  // rows given back to the grid leave no room behind
  step.shownRows = incoming;
  if (step.parcels && parcels_) std::swap(*step.parcels, *parcels_);
  grid_.current = cursor.current;
  grid_.selection = cursor.selection;
  Account(step);
  budget_.Trim();
}

void ListHistory::Account(Step& step) {
  std::size_t bytes = sizeof(Step) + step.name.capacity() +
                      (step.kept.cells.capacity() - step.kept.cells.size()) * sizeof(std::string);
  for (const std::string& text : step.kept.cells) bytes += TextBytes(text);
  if (step.parcels) bytes += ParcelBytes(*step.parcels);
  keptBytes_ = keptBytes_ - step.bytes + bytes;
  budget_.used_ = budget_.used_ - step.bytes + bytes;
  step.bytes = bytes;
}

void ListHistory::DropSteps(std::size_t from) {
  for (std::size_t i = from; i < steps_.size(); ++i) {
    keptBytes_ -= steps_[i].bytes;
    budget_.used_ -= steps_[i].bytes;
  }
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(from), steps_.end());
  done_ = std::min(done_, steps_.size());
}

const ListHistory::Step* ListHistory::Evictable() const {
  return done_ > 1 ? &steps_.front() : nullptr;
}

void ListHistory::EvictOldest() {
  keptBytes_ -= steps_.front().bytes;
  budget_.used_ -= steps_.front().bytes;
  steps_.pop_front();
  --done_;
}

}  // namespace vensa
