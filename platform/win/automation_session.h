// COM automation for one run of a program: the thread's apartment, the Windows platform
// and the process message filter (TMessageFilter), registered for the whole run and
// revoked at its end. No Windows header here, so programs outside the COM folders can
// hold one.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace vensa::win {

class AutomationSession {
 public:
  AutomationSession();
  ~AutomationSession();
  AutomationSession(const AutomationSession&) = delete;
  AutomationSession& operator=(const AutomationSession&) = delete;

  Platform& GetPlatform();

  // The full path of the running program (UTF-8).
  static std::string ProgramPath();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace vensa::win
