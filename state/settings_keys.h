// The one table from settings-file key to main-window control. Loading, saving and the
// command line's "--set Section/Key=Value" all walk this table; there is no other list of
// keys. The order is the order in which a new settings file holds them.
#pragma once

#include <span>
#include <string_view>

#include "state/form_state.h"

namespace vensa {

enum class SettingType { Int, Bool, Text };

// Keys whose value is not simply one control's.
enum class SettingRole {
  None,
  FormLeft,           // the window's outer left edge
  FormTop,            // the window's outer top edge
  DxfSleep,           // the DXF wait time (Edit26 read as an integer)
  TargetProgId,       // the target ProgID; its default is the ProgID already set
  TargetDrawingFile,  // whether a drawing file is the target; default as already set
  TargetDrawing,      // the last drawing opened as the target
  PreviewOpen,        // whether the preview window is open
  PreviewLeft,        // the preview window's outer edges and size
  PreviewTop,
  PreviewWidth,
  PreviewHeight
};

struct SettingKey {
  std::string_view section;
  std::string_view key;
  SettingType type;
  // Where the value lives: one control member, or a role other than None.
  UpDownState FormState::*upDown = nullptr;      // Int: the position
  CheckBoxState FormState::*checkBox = nullptr;  // Bool: the check mark
  EditState FormState::*edit = nullptr;          // Text: the field's text
  SettingRole role = SettingRole::None;
};

std::span<const SettingKey> SettingKeys();

// The entry for a section and key, matched without regard to case; null when the table
// does not name it.
const SettingKey* FindSettingKey(std::string_view section, std::string_view key);
// The same for "Section/Key" as the command line names it, split at its first "/" (the key
// may hold "/" itself, as "TableScale/1/1000" does).
const SettingKey* FindSettingKey(std::string_view sectionSlashKey);

}  // namespace vensa
