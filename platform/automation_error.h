// A failed automation call: the CAD closed or busy, a pick cancelled, a property refused.
// The message is the error's own text, as the CAD gave it; the member names the call.
#pragma once

#include <string>

#include "core/error.h"

namespace vensa {

class AutomationError : public VensaError {
 public:
  AutomationError(std::string member, const std::string& text)
      : VensaError(text), member_(std::move(member)) {}
  const std::string& member() const { return member_; }

 private:
  std::string member_;
};

// A value from the CAD that is not of the kind the caller needs (a point that is not an
// array of three numbers, a number that is text).
class VariantError : public VensaError {
 public:
  using VensaError::VensaError;
};

}  // namespace vensa
