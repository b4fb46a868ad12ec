// The insert file's bytes: the DXF text in the ANSI code page (CP932 here), without a
// byte-order mark, every line (the last "EOF" included) ended by CR LF.
#pragma once

#include <string>
#include <string_view>

namespace vensa {

// The text in the ANSI code page; a character the code page cannot hold becomes "?".
std::string EncodeDxf(std::string_view utf8);

// Encodes the text and replaces the file at `path` in one step (a failed save leaves the
// old file as it was). FileCreateError names the file when it cannot be written.
void SaveDxfFile(const std::string& path, std::string_view utf8);

}  // namespace vensa
