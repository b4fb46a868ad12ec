#include "dxf/drawing_text.h"

#include <charconv>
#include <optional>

#include "core/encoding.h"
#include "core/text.h"

namespace vensa {

namespace {

// "ANSI_1252" -> 1252; 0 for any other name.
unsigned CodePageNumber(std::string_view name) {
  name = TrimBlanks(name);
  constexpr std::string_view kPrefix = "ANSI_";
  if (name.size() <= kPrefix.size() ||
      !EqualsIgnoringAsciiCase(name.substr(0, kPrefix.size()), kPrefix)) {
    return 0;
  }
  unsigned number = 0;
  const char* end = name.data() + name.size();
  auto [ptr, ec] = std::from_chars(name.data() + kPrefix.size(), end, number);
  return ec == std::errc() && ptr == end ? number : 0;
}

// The code page of "\M+n": the East Asian double-byte code pages by their number.
unsigned MultiByteCodePage(char n) {
  switch (n) {
    case '1':
      return 932;
    case '2':
      return 950;
    case '3':
      return 949;
    case '4':
      return 1361;
    case '5':
      return 936;
    default:
      return 0;
  }
}

std::optional<unsigned> Hex(std::string_view digits) {
  unsigned value = 0;
  const char* end = digits.data() + digits.size();
  auto [ptr, ec] = std::from_chars(digits.data(), end, value, 16);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

constexpr char32_t kReplacement = 0xFFFD;

// Replaces "\U+XXXX" (a surrogate pair as two of them) and "\M+nXXXX" in UTF-8 text.
// Anything else after a backslash stays as it is.
std::string DecodeEscapes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  auto unicodeAt = [&](std::size_t at) -> std::optional<unsigned> {
    if (at + 7 > text.size() || text[at] != '\\' || (text[at + 1] != 'U' && text[at + 1] != 'u') ||
        text[at + 2] != '+') {
      return std::nullopt;
    }
    return Hex(text.substr(at + 3, 4));
  };
  while (i < text.size()) {
    if (std::optional<unsigned> u = unicodeAt(i)) {
      i += 7;
      char32_t c = *u;
      if (c >= 0xD800 && c < 0xDC00) {
        std::optional<unsigned> low = unicodeAt(i);
        if (low && *low >= 0xDC00 && *low < 0xE000) {
          c = 0x10000 + ((c - 0xD800) << 10) + (*low - 0xDC00);
          i += 7;
        } else {
          c = kReplacement;
        }
      } else if (c >= 0xDC00 && c < 0xE000) {
        c = kReplacement;
      }
      AppendUtf8(out, c);
      continue;
    }
    if (i + 8 <= text.size() && text.compare(i, 3, "\\M+") == 0) {
      const unsigned codePage = MultiByteCodePage(text[i + 3]);
      std::optional<unsigned> bytes = Hex(text.substr(i + 4, 4));
      if (codePage != 0 && bytes) {
        const char pair[2] = {static_cast<char>(*bytes >> 8), static_cast<char>(*bytes & 0xFF)};
        std::optional<std::string> c = CodePageToUtf8(std::string_view(pair, 2), codePage);
        if (c) {
          out += *c;
        } else {
          AppendUtf8(out, kReplacement);
        }
        i += 8;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

}  // namespace

DrawingTextDecoder::DrawingTextDecoder(std::string_view version, std::string_view codePage)
    : utf8_(TrimBlanks(version) >= std::string_view("AC1021")),
      codePage_(CodePageNumber(codePage)) {}

std::string DrawingTextDecoder::Decode(std::string_view raw) const {
  std::string text;
  if (IsAscii(raw)) {
    text.assign(raw);
  } else if (utf8_) {
    text = IsValidUtf8(raw) ? std::string(raw) : Utf16ToUtf8(Utf8ToUtf16(raw));
  } else {
    std::optional<std::string> decoded;
    if (codePage_ != 0) decoded = CodePageToUtf8(raw, codePage_);
    text = decoded ? std::move(*decoded) : AnsiToUtf8(raw);
  }
  if (text.find('\\') == std::string::npos) return text;
  return DecodeEscapes(text);
}

const std::string& DrawingTextDecoder::DecodeLayer(std::string_view raw) const {
  constexpr std::size_t kKeptLayers = 65536;
  // Most entities are on a handful of layers: a look along the first few met beats
  // hashing the name.
  for (const auto& [rawName, decoded] : firstLayers_) {
    if (rawName == raw) return decoded;
  }
  if (firstLayers_.size() < kFirstLayers) {
    firstLayers_.reserve(kFirstLayers);  // the texts handed out stay where they are
    firstLayers_.emplace_back(std::string(raw), Decode(raw));
    return firstLayers_.back().second;
  }
  auto it = layers_.find(std::string(raw));
  if (it != layers_.end()) return it->second;
  if (layers_.size() >= kKeptLayers) {
    uncached_ = Decode(raw);
    return uncached_;
  }
  return layers_.emplace(std::string(raw), Decode(raw)).first->second;
}

}  // namespace vensa
