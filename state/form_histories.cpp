#include "state/form_histories.h"

namespace vensa {

FormHistories::FormHistories(std::size_t budgetBytes) : budget_(budgetBytes) {}

void FormHistories::Attach(FormState& state) {
  TextGrid* grids[] = {&state.StringGrid1, &state.StringGrid2, &state.StringGrid3,
                       &state.StringGrid4};
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    lists_[i].reset();
    lists_[i].emplace(*grids[i], budget_);
    grids_[i] = grids[i];
  }
  lists_[2]->KeepWithSteps(state.SimaParcels);
}

ListHistory* FormHistories::Of(const TextGrid& grid) {
  for (std::size_t i = 0; i < lists_.size(); ++i)
    if (grids_[i] == &grid && lists_[i]) return &*lists_[i];
  return nullptr;
}

void FormHistories::BeginStep(std::string_view name) {
  if (depth_++ > 0) return;
  for (auto& list : lists_)
    if (list) list->NameNextStep(name);
}

void FormHistories::EndStep() {
  if (depth_ > 0 && --depth_ == 0) CloseAll();
}

void FormHistories::CloseStepsBetweenHandlers() {
  if (depth_ == 0) CloseAll();
}

void FormHistories::CloseAll() {
  for (auto& list : lists_)
    if (list) list->CloseStep();
}

}  // namespace vensa
