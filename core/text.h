// Text rules shared by the lists and the files: blanks, UTF-16 ordering, lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vensa {

// A blank is a space or a control character (code points up to U+0020).
inline bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeftBlanks(std::string_view text);
std::string_view TrimRightBlanks(std::string_view text);

// ASCII letters changed in case, every other byte kept: ProgIDs, layer names, INI names
// and file extensions are compared without regard to case this way.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view suffix);

// Three-way comparison of two UTF-8 texts by their UTF-16 code units, the first
// difference deciding, a text that is the start of the other sorting first.
// Negative, zero or positive.
int CompareUtf16(std::string_view a, std::string_view b);

// Splits a decoded text into lines at CR LF, LF or CR. Nothing after the last line end
// makes no line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The number (from 1) of the first line, lines ending at CR LF, LF or CR, that holds what
// no text of rows holds: a control character other than TAB (a NUL byte above all), or
// bytes that are not UTF-8. 0 when every line is text. Binary files and clipboards are
// told from texts of rows this way.
std::size_t FirstLineThatIsNoText(std::string_view text);

// The line (from 1) that the position `at` of the text stands on; CR LF, LF and CR each
// end one line.
std::size_t LineOfPosition(std::string_view text, std::size_t at);

// Every CR or LF in the text replaced by a blank.
std::string LineBreaksToBlanks(std::string_view text);

// The code point of the UTF-8 sequence at text[i], advancing i past it. An ill-formed
// byte comes out alone as U+FFFD, so every text decodes.
char32_t DecodeUtf8(std::string_view text, std::size_t& i);

// Appends the UTF-8 sequence of a code point.
void AppendUtf8(std::string& out, char32_t cp);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates, <= U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// What a message quotes of a text from outside (a cell, a coordinate, a field): at most
// kQuotedBytes bytes, cut before a character rather than inside one and then marked
// "...", control characters and bytes that are no UTF-8 shown as "?". A refusal of a
// field of megabytes thus stays a line.
inline constexpr std::size_t kQuotedBytes = 40;
std::string QuotedExcerpt(std::string_view text);
bool IsAscii(std::string_view bytes);

}  // namespace vensa
