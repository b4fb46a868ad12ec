#include "core/encoding.h"

#include <algorithm>

#include "core/ansi_codec.h"
#include "core/text.h"

namespace vensa {

std::string Utf8ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return detail::PlatformUtf8ToAnsi(utf8, nullptr);
}

std::string AnsiToUtf8(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  return detail::PlatformAnsiToUtf8(ansi);
}

std::optional<std::string> CodePageToUtf8(std::string_view bytes, unsigned codePage) {
  return detail::PlatformCodePageToUtf8(bytes, codePage);
}

std::string AnsiCodePageName() {
  return detail::PlatformAnsiCodePageName();
}

bool FitsAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return true;
  bool lossless = true;
  detail::PlatformUtf8ToAnsi(utf8, &lossless);
  return lossless;
}

namespace {

// UTF-16 bytes (after the BOM) in the given byte order; an odd last byte and unpaired
// surrogates become U+FFFD.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<char16_t>(bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0));
  }
  std::string out = Utf16ToUtf8(units);
  if (bytes.size() % 2 != 0) AppendUtf8(out, 0xFFFD);
  return out;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = DecodeUtf8(utf8, i);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

DecodedText DecodeText(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
    return {std::string(bytes.substr(3)), TextEncoding::Utf8Bom};
  if (bytes.substr(0, 2) == "\xFF\xFE")
    return {DecodeUtf16(bytes.substr(2), false), TextEncoding::Utf16LeBom};
  if (bytes.substr(0, 2) == "\xFE\xFF")
    return {DecodeUtf16(bytes.substr(2), true), TextEncoding::Utf16BeBom};
  if (IsAscii(bytes)) return {std::string(bytes), TextEncoding::Ansi};
  // Shift_JIS text is practically never well-formed UTF-8, so such bytes are UTF-8.
  if (IsValidUtf8(bytes)) return {std::string(bytes), TextEncoding::Utf8};
  return {AnsiToUtf8(bytes), TextEncoding::Ansi};
}

std::string EncodeText(std::string_view utf8, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Ansi:
      return Utf8ToAnsi(utf8);
    case TextEncoding::Utf8:
      return std::string(utf8);
    case TextEncoding::Utf8Bom:
      return "\xEF\xBB\xBF" + std::string(utf8);
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16BeBom: {
      const bool big = encoding == TextEncoding::Utf16BeBom;
      std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
      for (char16_t u : Utf8ToUtf16(utf8)) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += big ? hi : lo;
        out += big ? lo : hi;
      }
      return out;
    }
  }
  return std::string(utf8);
}

std::size_t FirstLineThatIsNoText(const DecodedText& decoded) {
  constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
  std::size_t bad = FirstLineThatIsNoText(std::string_view(decoded.text));
  const bool utf8 =
      decoded.encoding == TextEncoding::Utf8 || decoded.encoding == TextEncoding::Utf8Bom;
  const std::size_t replaced = utf8 ? std::string_view::npos : decoded.text.find(kReplacement);
  if (replaced != std::string_view::npos) {
    const std::size_t line = LineOfPosition(decoded.text, replaced);
    bad = bad == 0 ? line : std::min(bad, line);
  }
  return bad;
}

}  // namespace vensa
