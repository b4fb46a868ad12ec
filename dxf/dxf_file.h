// The insert file's bytes: the DXF text in the ANSI code page (CP932 here), without a
// byte-order mark, every line (the last "EOF" included) ended by CR LF.
#pragma once

#include <string>

namespace vensa {

// The text converted in place to the ANSI code page; a character the code page cannot
// hold becomes "?". A plot of a long list is tens of megabytes: converting where it
// stands (the bytes never get longer) spares a second copy of it.
void EncodeDxfInPlace(std::string& text);

// The same, for a text handed over (typically DxfBuilder::Take()).
std::string EncodeDxf(std::string text);

// Encodes the text and replaces the file at `path` in one step (a failed save leaves the
// old file as it was). FileCreateError names the file when it cannot be written.
void SaveDxfFile(const std::string& path, std::string text);

}  // namespace vensa
