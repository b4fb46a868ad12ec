// An INI text as the settings file holds it, read and changed the way the platform's
// profile functions do, but keeping every line it does not change exactly as it was.
//
// The rules:
// - A line whose text, trimmed of blanks, starts with "[" and holds a "]" opens a section;
//   its name is the text between them, trimmed of blanks. Text after the "]" is ignored.
// - A line whose trimmed text starts with ";" is a comment.
// - Any other line holding "=" is a key line: the key is the text before the first "=",
//   the value the text after it, both trimmed of blanks. A value enclosed in a matching
//   pair of double or single quotes loses them (so " -" can be stored as "\" -\"").
// - Everything else (and a key line with an empty key) is a garbage line: ignored on
//   reading, kept on writing. Key lines before the first section belong to no section and
//   are never read.
// - Section and key names match without regard to the case of the letters A to Z.
// - When a section or a key occurs twice, the first one counts: reading looks only at the
//   first section of a name and the first key of a name in it; writing changes that key.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vensa {

// Compares two section or key names, ASCII letters without regard to case.
bool SameIniName(std::string_view a, std::string_view b);

// The value a key line holding `rawValue` after its "=" gives: trimmed of blanks, one pair
// of enclosing quotes removed.
std::string ReadIniValue(std::string_view rawValue);

class IniDocument {
 public:
  IniDocument() = default;
  // `text` is the decoded file (UTF-8), split at CR LF, LF or CR. Its memory stays within
  // a small multiple of the text, however many lines it has.
  explicit IniDocument(std::string_view text);

  // The value of the key in the first section of that name; nullopt when either is missing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Writes the value: the existing key line is rewritten (keeping the key's spelling); a key
  // missing in an existing section is added after the section's last key line; a missing
  // section is appended at the end. Line breaks in the value become blanks, and a value
  // that blanks or quotes at its ends would change on reading is written in double quotes.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole text, every line ended by CR LF.
  std::string Text() const;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct SectionRange {
    size_t header;  // index of the "[...]" line
    size_t end;     // one past the section's last line
  };
  std::optional<SectionRange> FindSection(std::string_view section) const;
  void AddLine(std::string_view line, bool& lastBlank);

  std::vector<std::string> lines_;
};

}  // namespace vensa
