#include "core/text.h"

#include <algorithm>
#include <cstdint>

namespace vensa {

std::string_view TrimLeftBlanks(std::string_view text) {
  std::size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  return text.substr(b);
}

std::string_view TrimRightBlanks(std::string_view text) {
  std::size_t e = text.size();
  while (e > 0 && IsBlank(text[e - 1])) --e;
  return text.substr(0, e);
}

std::string_view TrimBlanks(std::string_view text) {
  return TrimRightBlanks(TrimLeftBlanks(text));
}

namespace {

char UpperChar(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char LowerChar(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperChar(c);
  return out;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerChar(c);
  return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerChar(a[i]) != LowerChar(b[i])) return false;
  return true;
}

bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         EqualsIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int length = 0;
  char32_t cp = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + length > text.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += length;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

namespace {

// Code points beyond the BMP compare by their high surrogate, which sorts them between
// U+D7FF and U+E000 exactly as UTF-16 code units do.
std::uint32_t Utf16OrderKey(char32_t cp) {
  if (cp < 0xD800) return cp;
  if (cp < 0xE000) return cp;              // never produced by the decoder
  if (cp < 0x10000) return cp + 0x10000;   // above every surrogate
  return 0xD800 + ((cp - 0x10000) >> 10);  // high surrogate
}

}  // namespace

int CompareUtf16(std::string_view a, std::string_view b) {
  // Equal leading bytes decide nothing; skip them cheaply, backing up to a code point start.
  std::size_t common = 0;
  const std::size_t limit = a.size() < b.size() ? a.size() : b.size();
  while (common < limit && a[common] == b[common]) ++common;
  if (common == a.size() && common == b.size()) return 0;
  while (common > 0 && (static_cast<unsigned char>(a[common]) & 0xC0) == 0x80) --common;

  std::size_t i = common, j = common;
  while (i < a.size() && j < b.size()) {
    const char32_t ca = DecodeUtf8(a, i);
    const char32_t cb = DecodeUtf8(b, j);
    if (ca == cb) continue;
    const std::uint32_t ka = Utf16OrderKey(ca), kb = Utf16OrderKey(cb);
    if (ka != kb) return ka < kb ? -1 : 1;
    // Same high surrogate: the low surrogates decide, in code point order.
    return ca < cb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::size_t FirstLineThatIsNoText(std::string_view text) {
  std::size_t line = 1;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : '\n';
    if (c == '\r' || c == '\n') {
      if (!IsValidUtf8(text.substr(start, i - start))) return line;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
      ++line;
      continue;
    }
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t') || u == 0x7F) return line;
  }
  return 0;
}

std::size_t LineOfPosition(std::string_view text, std::size_t at) {
  std::size_t line = 1;
  for (std::size_t i = 0; i < at && i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
      ++line;
  }
  return line;
}

std::string LineBreaksToBlanks(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

bool IsAscii(std::string_view bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t before = i;
    // The decoder replaces an ill-formed byte alone; a real U+FFFD is three bytes long.
    if (DecodeUtf8(bytes, i) == 0xFFFD && i - before == 1) return false;
  }
  return true;
}

std::string QuotedExcerpt(std::string_view text) {
  std::size_t end = std::min(text.size(), kQuotedBytes);
  // Back to the start of a character: a UTF-8 continuation byte is 10xxxxxx.
  if (end < text.size()) {
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  }
  std::string shown(text.substr(0, end));
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  if (!IsValidUtf8(shown)) {
    for (char& c : shown) {
      if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    }
  }
  if (end < text.size()) shown += "...";
  return shown;
}

}  // namespace vensa
