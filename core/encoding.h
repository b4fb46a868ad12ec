// Conversion between the system's UTF-8 strings and the bytes of files.
// Files the system writes are in the ANSI code page (CP932 here); files it reads are
// decoded by their byte-order mark, else as valid UTF-8, else as ANSI.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vensa {

enum class TextEncoding { Ansi, Utf8, Utf8Bom, Utf16LeBom, Utf16BeBom };

// UTF-8 to the ANSI code page. A character the code page cannot hold becomes "?".
std::string Utf8ToAnsi(std::string_view utf8);
// ANSI code page to UTF-8. A byte sequence that is not valid in the code page becomes
// U+FFFD.
std::string AnsiToUtf8(std::string_view ansi);
// The name of the ANSI code page as a DXF header declares it ($DWGCODEPAGE): "ANSI_932".
std::string AnsiCodePageName();

// Bytes of a Windows code page (932, 1252, ...) to UTF-8; nothing for a code page the
// platform does not know.
std::optional<std::string> CodePageToUtf8(std::string_view bytes, unsigned codePage);

// True when every character of the text survives Utf8ToAnsi.
bool FitsAnsi(std::string_view utf8);

struct DecodedText {
  std::string text;  // UTF-8, without the byte-order mark
  TextEncoding encoding = TextEncoding::Ansi;
};

// Decodes file bytes: a BOM selects UTF-8, UTF-16LE or UTF-16BE; bytes without a BOM
// that are valid UTF-8 and not plain ASCII are UTF-8; everything else is ANSI.
DecodedText DecodeText(std::string_view bytes);

// The first line (from 1) of a decoded file that is no text: as FirstLineThatIsNoText,
// and also a line holding a character its decoding had to replace (bytes that are no
// characters in the ANSI code page or in UTF-16). 0 when every line is text.
std::size_t FirstLineThatIsNoText(const DecodedText& decoded);

// Encodes UTF-8 text for a file in the given encoding (BOM written where it names one).
std::string EncodeText(std::string_view utf8, TextEncoding encoding);

// UTF-16 helpers; invalid UTF-8 input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace vensa
