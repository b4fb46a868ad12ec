// The one place where a failed COM call becomes the system's automation error. The text
// is what the user sees: the server's own description when it gave one, otherwise the
// system's text for the error code.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <string_view>

#include "platform/automation_error.h"

namespace vensa::win {

// An automation error that keeps the failed call's code, so callers can tell a server
// that went away (RPC_S_SERVER_UNAVAILABLE) from one that refused the call.
class ComError : public AutomationError {
 public:
  ComError(std::string member, const std::string& text, HRESULT code)
      : AutomationError(std::move(member), text), code_(code) {}
  HRESULT Code() const { return code_; }

 private:
  HRESULT code_;
};

// The system's text for an error code, without the trailing line end; "自動化エラー
// (0x80004005)" when the system has none.
std::string SystemErrorText(HRESULT code);

// Throws ComError for a failed call of `member`. `info` (may be null) is the exception
// information of a DISP_E_EXCEPTION; its strings are freed here.
[[noreturn]] void ThrowComError(std::string_view member, HRESULT code, EXCEPINFO* info);

}  // namespace vensa::win
