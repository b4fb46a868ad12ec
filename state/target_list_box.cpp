#include "state/target_list_box.h"

#include <algorithm>

#include "core/text.h"

namespace vensa {
namespace {

void Select(TargetListBox& box, int index) {
  box.ItemIndex = index;
  const TargetEntry entry = SplitTargetEntry(box.ListBox1[static_cast<size_t>(index)]);
  box.Edit1 = entry.name;
  box.Edit2 = entry.progId;
}

bool HasSelection(const TargetListBox& box) {
  return box.ItemIndex >= 0 && box.ItemIndex < static_cast<int>(box.ListBox1.size());
}

}  // namespace

bool TargetEntryLess(std::string_view a, std::string_view b) {
  return CompareUtf16(AsciiLower(a), AsciiLower(b)) < 0;
}

void TargetListShow(TargetListBox& box, const TargetCadList& list, std::string_view targetProgId) {
  box.ListBox1 = list.lines;
  box.fileEncoding = list.encoding;
  std::stable_sort(
      box.ListBox1.begin(), box.ListBox1.end(),
      [](const std::string& a, const std::string& b) { return TargetEntryLess(a, b); });
  box.ItemIndex = -1;
  for (size_t i = 0; i < box.ListBox1.size(); ++i) {
    if (EntryMatchesProgId(box.ListBox1[i], targetProgId)) {
      Select(box, static_cast<int>(i));
      return;
    }
  }
}

bool TargetListShowFile(TargetListBox& box, const std::string& listPath,
                        std::string_view targetProgId) {
  const auto list = ReadTargetCadList(listPath);
  if (!list) return false;
  TargetListShow(box, *list, targetProgId);
  return true;
}

void TargetListClick(TargetListBox& box, int index) {
  if (index < 0 || index >= static_cast<int>(box.ListBox1.size())) return;
  Select(box, index);
}

void TargetListAdd(TargetListBox& box) {
  const std::string line = JoinTargetEntry(box.Edit1, box.Edit2);
  // After any equal entries, as a sorted list box places a new one.
  const auto at = std::upper_bound(
      box.ListBox1.begin(), box.ListBox1.end(), line,
      [](const std::string& a, const std::string& b) { return TargetEntryLess(a, b); });
  box.ListBox1.insert(at, line);
  for (size_t i = 0; i < box.ListBox1.size(); ++i) {
    if (EqualsIgnoringAsciiCase(box.ListBox1[i], line)) {
      Select(box, static_cast<int>(i));
      return;
    }
  }
}

bool TargetListDelete(TargetListBox& box) {
  if (!HasSelection(box)) return false;
  const int removed = box.ItemIndex;
  box.ListBox1.erase(box.ListBox1.begin() + removed);
  box.Edit1.clear();
  box.Edit2.clear();
  box.ItemIndex = -1;
  const int count = static_cast<int>(box.ListBox1.size());
  if (removed < count) {
    Select(box, removed);
  } else if (removed - 1 >= 0 && removed - 1 < count) {
    Select(box, removed - 1);
  }
  return true;
}

bool TargetListChange(TargetListBox& box) {
  if (!HasSelection(box)) return false;
  box.ListBox1[static_cast<size_t>(box.ItemIndex)] = JoinTargetEntry(box.Edit1, box.Edit2);
  return true;
}

void TargetListConfirm(const TargetListBox& box, FormState& state) {
  state.Caption = TargetCaption(box.Edit1);
  state.TargetProgID = box.Edit2;
  state.Edit35.text = box.Edit1;
  state.Edit36.text = box.Edit2;
}

void SaveTargetList(const TargetListBox& box, const std::string& listPath) {
  WriteTargetCadList(listPath, TargetCadList{box.ListBox1, box.fileEncoding});
}

}  // namespace vensa
