// The target CAD list: the file beside the executable that pairs the display name of each
// known CAD with the ProgID it registers under, one "name<TAB>ProgID" entry per line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoding.h"
#include "state/form_state.h"

namespace vensa {

inline constexpr std::string_view kTargetCadListFileName = "TargetCAD_APIVersion.txt";

struct TargetCadList {
  std::vector<std::string> lines;              // the entries, UTF-8, without line ends
  TextEncoding encoding = TextEncoding::Ansi;  // what the file was read in; ANSI when new
};

struct TargetEntry {
  std::string name;    // the text before the first TAB; empty for a line without TAB
  std::string progId;  // all the text after the first TAB, or the whole line
};

TargetEntry SplitTargetEntry(std::string_view line);
std::string JoinTargetEntry(std::string_view name, std::string_view progId);

// Whether the line holds a TAB immediately followed by the ProgID, anywhere in it: a
// case-sensitive substring test, so the ProgID may be followed by more text.
bool EntryMatchesProgId(std::string_view line, std::string_view progId);

// The file's bytes, decoded by byte-order mark (else ANSI), split at CR LF, LF or CR.
TargetCadList ParseTargetCadList(std::string_view bytes);

// The bytes to write: every line followed by CR LF, in the encoding the list was read in.
// A list read as ANSI that now holds a character the code page cannot hold is written as
// UTF-8 with a byte-order mark instead, so the entry is not lost; a line break inside an
// entry becomes a blank, so it cannot split the entry.
std::string TargetCadListBytes(const TargetCadList& list);

// The largest target CAD list read: a few lines are written.
inline constexpr std::uint64_t kTargetCadListMaxFileBytes = std::uint64_t{1} << 20;

// nullopt when the file does not exist; FileReadError when it exists but cannot be read
// or is larger than kTargetCadListMaxFileBytes.
std::optional<TargetCadList> ReadTargetCadList(const std::string& path);
// Replaces the file atomically (creating it if missing); FileCreateError on failure.
void WriteTargetCadList(const std::string& path, const TargetCadList& list);

// "TargetCAD_APIVersion.txt" in the folder of the executable.
std::string TargetCadListPathForExecutable(std::string_view executablePath);

// The window caption naming a target CAD: "Vensa2023.8.9 [ name ]".
std::string TargetCaption(std::string_view name);

// The target name lookup at start-up over the list's lines: the first line holding a TAB
// immediately followed by the target ProgID sets the caption and "名称" to the text before
// that TAB and "ProgID" to all the text after it. False, with nothing changed, when no
// line matches.
bool ApplyTargetName(FormState& state, const std::vector<std::string>& lines);

// The same over the file; a missing or unreadable file changes nothing.
bool LookUpTargetName(FormState& state, const std::string& listPath);

}  // namespace vensa
