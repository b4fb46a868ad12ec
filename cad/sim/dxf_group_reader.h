// Reads DXF text into its group pairs: a group-code line, then a value line. Enough for
// the R12 insert files the system writes; the substitute CAD reads them back with it.
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

class DxfReadError : public VensaError {
 public:
  using VensaError::VensaError;
};

// Splits decoded text (UTF-8) at CR LF, LF or CR into pairs. The code line may carry
// blanks around the number; the value line is kept as it is (numbers are read when an
// entity needs them). DxfReadError names the line when a code line is no integer or the
// last code has no value line.
std::vector<DxfGroup> ReadDxfGroups(std::string_view text);

// The value of a group read as a number; DxfReadError names the line otherwise.
double GroupNumber(const DxfGroup& group);
int GroupInteger(const DxfGroup& group);

}  // namespace vensa
