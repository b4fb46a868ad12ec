// The seam between the text rules and the platform's ANSI code page. The portable build
// converts CP932 through iconv; the Windows build uses the system's own conversion.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vensa::detail {

// Both convert whole texts; they never throw for unconvertible characters: "?" on the
// way out, U+FFFD on the way in. `lossless` (may be null) is set false when a
// replacement happened.
std::string PlatformUtf8ToAnsi(std::string_view utf8, bool* lossless);
std::string PlatformAnsiToUtf8(std::string_view ansi);

// The code page those conversions write, as a drawing's header names it: "ANSI_932", or
// on Windows "ANSI_" and the system's ANSI code page.
std::string PlatformAnsiCodePageName();

// Bytes of the given Windows code page (932, 1252, ...) to UTF-8, U+FFFD for a sequence
// not valid in it; nothing when the platform does not know the code page.
std::optional<std::string> PlatformCodePageToUtf8(std::string_view bytes, unsigned codePage);

}  // namespace vensa::detail
