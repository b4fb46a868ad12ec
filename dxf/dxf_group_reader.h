// Reads DXF text into its group pairs: a group-code line, then a value line. The
// substitute CAD reads its insert files with it, and whole drawings through the scanner,
// which hands out one pair at a time without copying the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"

namespace vensa {

struct DxfGroup {
  int code = 0;
  std::string value;  // the value line, without its line end
  int line = 0;       // line number of the code line, from 1
};

// One pair as the scanner sees it: the value points into the scanned text.
struct DxfGroupView {
  int code = 0;
  std::string_view value;
  int line = 0;  // line number of the code line, from 1
};

class DxfReadError : public VensaError {
 public:
  using VensaError::VensaError;
};

// Walks the pairs of a text, split at CR LF, LF or CR. The code line may carry blanks
// around the number; the value line is kept as it is.
class DxfGroupScanner {
 public:
  explicit DxfGroupScanner(std::string_view text) : text_(text) {}
  // The next pair; false at the end of the text. DxfReadError names the line when a code
  // line is no integer or the last code has no value line.
  bool Next(DxfGroupView& group);

 private:
  bool NextLine(std::string_view& line);

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

// A line as an error message quotes it: at most 40 bytes, control bytes and (in text
// that is no UTF-8) bytes above ASCII shown as "?".
std::string QuotedDxfLine(std::string_view line);

// Every pair of decoded text (UTF-8), with the scanner's errors.
std::vector<DxfGroup> ReadDxfGroups(std::string_view text);

// The value of a group read as a number; DxfReadError names the line otherwise.
double GroupNumber(const DxfGroup& group);
int GroupInteger(const DxfGroup& group);
double GroupNumber(const DxfGroupView& group);
int GroupInteger(const DxfGroupView& group);

}  // namespace vensa
