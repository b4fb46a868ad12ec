// The settings file: every key of the key table loaded into a FormState at start-up and
// saved from it at shut-down. Keys the table does not name, comments and unreadable lines
// are kept as they are; only our keys change.
//
// Encoding: a file is read by its byte-order mark (UTF-8, UTF-16), else as ANSI (or as
// UTF-8 when its bytes are well-formed UTF-8). It is written in ANSI when every character
// fits the code page, else in UTF-8 with a byte-order mark, so that a layer name the code
// page cannot hold is never lost. Lines end in CR LF; saving replaces the file atomically.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/form_state.h"
#include "state/ini_document.h"

namespace vensa {

// Outer size of the main window and size of the screen, in pixels.
struct ScreenMetrics {
  int windowWidth = 0;
  int windowHeight = 0;
  int screenWidth = 0;
  int screenHeight = 0;
};

struct WindowPosition {
  int left = 0;
  int top = 0;
  friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// Where the window opens: the stored edges, or centred (rounded toward zero) where none is
// stored; moved back so that it does not stick out beyond the right or bottom screen edge.
// A negative edge is left as it is.
WindowPosition PlaceWindow(std::optional<int> storedLeft, std::optional<int> storedTop,
                           const ScreenMetrics& screen);

struct WindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// Where the preview window opens: where it was, when it has been placed (no larger than the
// screen, pulled back inside the far screen edges as the main window is); otherwise beside
// the main window (at state.Left, state.Top, of the outer size in `screen`) on its right, or
// on its left when the screen has no room on the right, kPreviewSize large.
inline constexpr WindowRect kPreviewSize{0, 0, 640, 480};
WindowRect PlacePreview(const FormState& state, const ScreenMetrics& screen);

// Loads every key of the table from the document into the state: a missing key, or an
// integer or Boolean key that holds no integer, gives the key's initial value; the target
// ProgID defaults to the one the state already holds. Up-down positions are brought into
// their limits, the window is placed, and the dependent states are applied.
void ApplySettings(FormState& state, const IniDocument& settings, const ScreenMetrics& screen);

// Writes every key of the table, in the table's order, from the state into the document.
void StoreSettings(const FormState& state, IniDocument& settings);

// The file's bytes for a settings text: ANSI when it fits the code page, else UTF-8 + BOM.
std::string EncodeSettingsText(std::string_view text);

// The largest settings file read: a few kilobytes are written, and a file of megabytes is
// none the program wrote (reading it would take many times its size).
inline constexpr std::uint64_t kSettingsMaxFileBytes = std::uint64_t{1} << 20;

// Reads the settings file into the state (a file over kSettingsMaxFileBytes counts as
// unreadable). A missing or unreadable file gives every key its
// default, silently (start-up reports nothing); the result says whether the file was read.
bool LoadSettings(FormState& state, const std::string& path, const ScreenMetrics& screen);

// Writes the state into the settings file, keeping what else it holds. Throws
// FileReadError when an existing file cannot be read (rather than overwrite what we could
// not see) and FileCreateError when the file cannot be written; the old file then stays.
void SaveSettings(const FormState& state, const std::string& path);

// One value as the file would hold it, for "--set Section/Key=Value": `sectionSlashKey` is
// split at its first "/" (the key may hold "/" itself, as "TableScale/1/1000" does); names
// match without regard to case. False, with nothing changed, for a key the table does not
// name. Form/Left and Form/Top keep their value when the text is no integer (there is no
// screen to centre on).
bool ApplySettingValue(FormState& state, std::string_view sectionSlashKey, std::string_view value);

// The settings file of a program: its path with the extension replaced by ".ini".
std::string SettingsPathForExecutable(std::string_view executablePath);

}  // namespace vensa
