// The target CAD dialog without its window: the list box, the two edit boxes and what each
// of the dialog's buttons does to them. The dialog shows this state and writes the file
// when an operation says the list changed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/form_state.h"
#include "state/target_cad_list.h"

namespace vensa {

struct TargetListBox {
  std::vector<std::string> ListBox1;               // the entries in displayed order
  int ItemIndex = -1;                              // the selected entry, -1 for none
  std::string Edit1;                               // "名称 （説明）"
  std::string Edit2;                               // "ProgID （クラス文字列）"
  TextEncoding fileEncoding = TextEncoding::Ansi;  // the list file's encoding, kept on writing
};

// Orders entries alphabetically without regard to the case of A to Z; equal entries keep
// their order.
bool TargetEntryLess(std::string_view a, std::string_view b);

// Showing the dialog (FormShow) with the list just read: the list box holds it sorted, and
// the first entry matching the target ProgID is selected and fills the edit boxes; when
// none matches nothing is selected and the edit boxes keep their text.
void TargetListShow(TargetListBox& box, const TargetCadList& list, std::string_view targetProgId);
// The same from the file; a missing file leaves everything as it was (false).
bool TargetListShowFile(TargetListBox& box, const std::string& listPath,
                        std::string_view targetProgId);

// A click on entry `index` (ListBox1Click): selects it and fills the edit boxes from it.
void TargetListClick(TargetListBox& box, int index);

// "追加" (SpeedButton1Click): the edit boxes joined by a TAB take their sorted place, the
// first entry equal to them without regard to case is selected. Always changes the list.
void TargetListAdd(TargetListBox& box);

// "削除" (SpeedButton2Click): removes the selected entry; the entry now at its place, else
// the one before it, is selected. False, with nothing changed, when nothing is selected.
bool TargetListDelete(TargetListBox& box);

// "変更" (SpeedButton3Click, also Enter in either edit box): the selected entry becomes the
// edit boxes joined by a TAB, in its place, without sorting anew. False, with nothing
// changed, when nothing is selected.
bool TargetListChange(TargetListBox& box);

// "OK" (Button1Click): the edit boxes, not the selection, become the target: caption,
// "名称", "ProgID" and the target ProgID of the main window.
void TargetListConfirm(const TargetListBox& box, FormState& state);

// Writes the list box to the list file in its displayed order.
void SaveTargetList(const TargetListBox& box, const std::string& listPath);

}  // namespace vensa
