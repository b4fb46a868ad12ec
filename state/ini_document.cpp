#include "state/ini_document.h"

#include "core/text.h"

namespace vensa {
namespace {

enum class LineKind { Section, Comment, Key, Other };

struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // key value, trimmed, quotes not yet removed
};

ParsedLine ParseLine(std::string_view line) {
  const std::string_view t = TrimBlanks(line);
  if (t.empty()) return {};
  if (t.front() == '[') {
    const size_t close = t.find(']');
    if (close == std::string_view::npos) return {};
    return {LineKind::Section, TrimBlanks(t.substr(1, close - 1)), {}};
  }
  if (t.front() == ';') return {LineKind::Comment, {}, {}};
  const size_t eq = t.find('=');
  if (eq == std::string_view::npos) return {};
  const std::string_view key = TrimBlanks(t.substr(0, eq));
  if (key.empty()) return {};
  return {LineKind::Key, key, TrimBlanks(t.substr(eq + 1))};
}

bool IsQuote(char c) {
  return c == '"' || c == '\'';
}

bool IsQuoted(std::string_view v) {
  return v.size() >= 2 && IsQuote(v.front()) && v.back() == v.front();
}

std::string_view Unquote(std::string_view v) {
  return IsQuoted(v) ? v.substr(1, v.size() - 2) : v;
}

// The value text that reads back as `value`.
std::string ValueText(std::string_view value) {
  std::string v = LineBreaksToBlanks(value);
  const bool blankAtEnd = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()));
  if (blankAtEnd || IsQuoted(v)) return "\"" + v + "\"";
  return v;
}

}  // namespace

bool SameIniName(std::string_view a, std::string_view b) {
  return EqualsIgnoringAsciiCase(a, b);
}

std::string ReadIniValue(std::string_view rawValue) {
  return std::string(Unquote(TrimBlanks(rawValue)));
}

IniDocument::IniDocument(std::string_view text) {
  // A run of blank lines is held as one line with CR LF inside: it reads as one garbage
  // line and is written back the same, and a file of nothing but line ends costs about
  // its own size, not a string per line.
  bool lastBlank = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    AddLine(text.substr(start, i - start), lastBlank);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) AddLine(text.substr(start), lastBlank);
}

void IniDocument::AddLine(std::string_view line, bool& lastBlank) {
  const bool blank = TrimBlanks(line).empty();
  if (blank && lastBlank) {
    lines_.back().append("\r\n").append(line);
    return;
  }
  lines_.emplace_back(line);
  lastBlank = blank;
}

std::optional<IniDocument::SectionRange> IniDocument::FindSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const ParsedLine p = ParseLine(lines_[i]);
    if (p.kind != LineKind::Section || !SameIniName(p.name, section)) continue;
    size_t end = i + 1;
    while (end < lines_.size() && ParseLine(lines_[end]).kind != LineKind::Section) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  for (size_t i = range->header + 1; i < range->end; ++i) {
    const ParsedLine p = ParseLine(lines_[i]);
    if (p.kind == LineKind::Key && SameIniName(p.name, key)) return std::string(Unquote(p.value));
  }
  return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string text = ValueText(value);
  const auto range = FindSection(section);
  if (!range) {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::string(key) + "=" + text);
    return;
  }
  size_t insertAt = range->header + 1;
  for (size_t i = range->header + 1; i < range->end; ++i) {
    const ParsedLine p = ParseLine(lines_[i]);
    if (p.kind != LineKind::Key) continue;
    if (SameIniName(p.name, key)) {
      lines_[i] = std::string(p.name) + "=" + text;
      return;
    }
    insertAt = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                std::string(key) + "=" + text);
}

std::string IniDocument::Text() const {
  std::string out;
  for (const std::string& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace vensa
