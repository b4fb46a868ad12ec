#include "wiring/automation_session.h"

#include <windows.h>

#include "platform/retrying_message_filter.h"
#include "platform/win/com_ptr.h"
#include "platform/win/variant.h"
#include "wiring/running_object.h"

namespace vensa::win {

ThreadApartment::ThreadApartment()
    : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ThreadApartment::~ThreadApartment() {
  if (entered_) CoUninitialize();
}

struct AutomationSession::Parts {
  ComApartment apartment;
  std::unique_ptr<Platform> platform = MakeWinPlatform();
  std::shared_ptr<TMessageFilter> filter = TMessageFilter::Create();
};

AutomationSession::AutomationSession() : parts_(std::make_unique<Parts>()) {
  parts_->filter->RegisterFilter(*parts_->platform);
}

AutomationSession::~AutomationSession() {
  try {
    parts_->filter->RevokeFilter(*parts_->platform);
  } catch (...) {
    // The run is over; a filter that cannot be revoked goes with the apartment.
  }
}

Platform& AutomationSession::GetPlatform() {
  return *parts_->platform;
}

std::string AutomationSession::ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace vensa::win
