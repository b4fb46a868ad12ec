#include "state/settings_file.h"

#include <algorithm>
#include <cstdint>

#include "core/encoding.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "state/settings_keys.h"

namespace vensa {
namespace {

const FormState& Defaults() {
  static const FormState defaults = InitialFormState();
  return defaults;
}

std::string IntegerText(int value) {
  return FormatFixed(static_cast<double>(value), 0);
}

std::optional<int> ReadInteger(const std::optional<std::string>& value) {
  if (!value || value->empty()) return std::nullopt;
  return TryReadInteger(*value);
}

int ReadInteger(const std::optional<std::string>& value, int fallback) {
  return ReadInteger(value).value_or(fallback);
}

// Applies one key's value (nullopt: the key is missing). The window edges are left to the
// caller, which needs both of them and the screen.
void ApplyKey(FormState& s, const SettingKey& k, const std::optional<std::string>& value) {
  const FormState& d = Defaults();
  switch (k.type) {
    case SettingType::Int:
      if (k.upDown) SetPosition(s.*k.upDown, ReadInteger(value, (d.*k.upDown).position));
      break;
    case SettingType::Bool:
      if (k.checkBox) (s.*k.checkBox).checked = ReadInteger(value, (d.*k.checkBox).checked) != 0;
      break;
    case SettingType::Text:
      if (k.edit) (s.*k.edit).text = value ? *value : (d.*k.edit).text;
      break;
  }
  switch (k.role) {
    case SettingRole::DxfSleep:
      // A negative wait would reach the platform's sleep as an almost endless one.
      s.DxfWaitTime = std::max(ReadInteger(value, kDefaultDxfWaitTime), 0);
      break;
    case SettingRole::TargetProgId:
      if (value) s.TargetProgID = *value;
      break;
    case SettingRole::TargetDrawingFile:
      if (const auto flag = ReadInteger(value)) s.TargetIsDrawingFile = *flag != 0;
      break;
    case SettingRole::TargetDrawing:
      if (value) s.TargetDrawing = *value;
      break;
    case SettingRole::PreviewOpen:
      s.PreviewOpen = ReadInteger(value, 0) != 0;
      break;
    case SettingRole::PreviewLeft:
      s.PreviewLeft = ReadInteger(value, 0);
      break;
    case SettingRole::PreviewTop:
      s.PreviewTop = ReadInteger(value, 0);
      break;
    case SettingRole::PreviewWidth:
      // A size that is no size leaves the preview unplaced.
      s.PreviewWidth = std::max(ReadInteger(value, 0), 0);
      break;
    case SettingRole::PreviewHeight:
      s.PreviewHeight = std::max(ReadInteger(value, 0), 0);
      break;
    case SettingRole::None:
    case SettingRole::FormLeft:
    case SettingRole::FormTop:
      break;
  }
}

std::string KeyText(const FormState& s, const SettingKey& k) {
  switch (k.role) {
    case SettingRole::FormLeft:
      return IntegerText(s.Left);
    case SettingRole::FormTop:
      return IntegerText(s.Top);
    case SettingRole::DxfSleep:
      return IntegerText(DxfWaitTimeFromEdit26(s));
    case SettingRole::TargetProgId:
      return s.TargetProgID;
    case SettingRole::TargetDrawingFile:
      return s.TargetIsDrawingFile ? "1" : "0";
    case SettingRole::TargetDrawing:
      return s.TargetDrawing;
    case SettingRole::PreviewOpen:
      return s.PreviewOpen ? "1" : "0";
    case SettingRole::PreviewLeft:
      return IntegerText(s.PreviewLeft);
    case SettingRole::PreviewTop:
      return IntegerText(s.PreviewTop);
    case SettingRole::PreviewWidth:
      return IntegerText(s.PreviewWidth);
    case SettingRole::PreviewHeight:
      return IntegerText(s.PreviewHeight);
    case SettingRole::None:
      break;
  }
  if (k.upDown) return IntegerText((s.*k.upDown).position);
  if (k.checkBox) return (s.*k.checkBox).checked ? "1" : "0";
  if (k.edit) return (s.*k.edit).text;
  return {};
}

int CentredEdge(int screen, int window) {
  // C++ division rounds toward zero, as the placement rule wants.
  return static_cast<int>((static_cast<std::int64_t>(screen) - window) / 2);
}

// Pulls the window back inside the far screen edge; widened so no stored value overflows.
int KeepInside(int edge, int window, int screen) {
  if (static_cast<std::int64_t>(edge) + window > screen) {
    return static_cast<int>(static_cast<std::int64_t>(screen) - window);
  }
  return edge;
}

}  // namespace

WindowPosition PlaceWindow(std::optional<int> storedLeft, std::optional<int> storedTop,
                           const ScreenMetrics& m) {
  int left = storedLeft.value_or(CentredEdge(m.screenWidth, m.windowWidth));
  int top = storedTop.value_or(CentredEdge(m.screenHeight, m.windowHeight));
  left = KeepInside(left, m.windowWidth, m.screenWidth);
  top = KeepInside(top, m.windowHeight, m.screenHeight);
  return {left, top};
}

WindowRect PlacePreview(const FormState& s, const ScreenMetrics& m) {
  WindowRect r;
  if (s.PreviewWidth > 0 && s.PreviewHeight > 0) {
    r = {s.PreviewLeft, s.PreviewTop, std::min(s.PreviewWidth, m.screenWidth),
         std::min(s.PreviewHeight, m.screenHeight)};
  } else {
    r = {s.Left + m.windowWidth, s.Top, std::min(kPreviewSize.width, m.screenWidth),
         std::min(kPreviewSize.height, m.screenHeight)};
    if (static_cast<std::int64_t>(r.left) + r.width > m.screenWidth && s.Left - r.width >= 0)
      r.left = s.Left - r.width;
  }
  r.left = KeepInside(r.left, r.width, m.screenWidth);
  r.top = KeepInside(r.top, r.height, m.screenHeight);
  return r;
}

void ApplySettings(FormState& state, const IniDocument& settings, const ScreenMetrics& screen) {
  std::optional<int> left, top;
  for (const SettingKey& k : SettingKeys()) {
    const std::optional<std::string> value = settings.Get(k.section, k.key);
    if (k.role == SettingRole::FormLeft) left = ReadInteger(value);
    if (k.role == SettingRole::FormTop) top = ReadInteger(value);
    ApplyKey(state, k, value);
  }
  const WindowPosition pos = PlaceWindow(left, top, screen);
  state.Left = pos.left;
  state.Top = pos.top;
  ApplyDependentStates(state);
}

namespace {

bool IsPreviewKey(const SettingKey& k) {
  switch (k.role) {
    case SettingRole::PreviewOpen:
    case SettingRole::PreviewLeft:
    case SettingRole::PreviewTop:
    case SettingRole::PreviewWidth:
    case SettingRole::PreviewHeight:
      return true;
    default:
      return false;
  }
}

// The drawing target's keys are written once it has been used, the preview's once it has
// been placed, so a settings file of a program that never used them stays as it was.
bool KeyIsStored(const FormState& state, const SettingKey& k) {
  if (IsPreviewKey(k)) return state.PreviewWidth > 0;
  const bool drawingKey =
      k.role == SettingRole::TargetDrawingFile || k.role == SettingRole::TargetDrawing;
  return !drawingKey || state.TargetIsDrawingFile || !state.TargetDrawing.empty();
}

}  // namespace

void StoreSettings(const FormState& state, IniDocument& settings) {
  for (const SettingKey& k : SettingKeys()) {
    if (KeyIsStored(state, k)) settings.Set(k.section, k.key, KeyText(state, k));
  }
}

std::string EncodeSettingsText(std::string_view text) {
  return EncodeText(text, FitsAnsi(text) ? TextEncoding::Ansi : TextEncoding::Utf8Bom);
}

namespace {

constexpr ReadCap kSettingsCap{kSettingsMaxFileBytes, "設定ファイル"};

}  // namespace

bool LoadSettings(FormState& state, const std::string& path, const ScreenMetrics& screen) {
  IniDocument settings;
  bool read = false;
  if (FileExists(path)) {
    try {
      settings = IniDocument(DecodeText(ReadFileBytes(path, kSettingsCap)).text);
      read = true;
    } catch (const FileReadError&) {
      // Start-up goes on with the defaults; saving will report the file.
    }
  }
  ApplySettings(state, settings, screen);
  return read;
}

void SaveSettings(const FormState& state, const std::string& path) {
  IniDocument settings;
  if (FileExists(path)) settings = IniDocument(DecodeText(ReadFileBytes(path, kSettingsCap)).text);
  StoreSettings(state, settings);
  SaveFileAtomically(path, EncodeSettingsText(settings.Text()));
}

bool ApplySettingValue(FormState& state, std::string_view sectionSlashKey, std::string_view value) {
  const SettingKey* k = FindSettingKey(sectionSlashKey);
  if (!k) return false;
  const std::optional<std::string> v = ReadIniValue(value);
  if (k->role == SettingRole::FormLeft || k->role == SettingRole::FormTop) {
    if (const auto edge = ReadInteger(v)) {
      (k->role == SettingRole::FormLeft ? state.Left : state.Top) = *edge;
    }
    return true;
  }
  ApplyKey(state, *k, v);
  ApplyDependentStates(state);
  return true;
}

std::string SettingsPathForExecutable(std::string_view executablePath) {
  std::filesystem::path p = PathFromUtf8(executablePath);
  p.replace_extension(".ini");
  return PathToUtf8(p);
}

}  // namespace vensa
