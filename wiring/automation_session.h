// COM automation for one run of a program: the thread's apartment, the Windows platform
// and the process message filter (TMessageFilter), registered for the whole run and
// revoked at its end. No Windows header here, so programs outside the COM folders can
// hold one.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace vensa::win {

// The Windows platform: class lookup, running objects (answering both object models),
// the message filter, windows, key strokes and sleeps.
std::unique_ptr<Platform> MakeWinPlatform();

// The calling thread's single-threaded COM apartment for as long as the object lives, for
// a program whose window registers the message filter itself.
class ThreadApartment {
 public:
  ThreadApartment();
  ~ThreadApartment();
  ThreadApartment(const ThreadApartment&) = delete;
  ThreadApartment& operator=(const ThreadApartment&) = delete;

 private:
  bool entered_;
};

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
