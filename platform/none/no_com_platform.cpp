#include "platform/none/no_com_platform.h"

#include <chrono>
#include <thread>

namespace vensa {

std::optional<std::string> NoComPlatform::ClassIdFromProgId(const std::string&) {
  return {};
}

std::shared_ptr<AutomationObject> NoComPlatform::GetActiveObject(const std::string&) {
  return nullptr;
}

std::vector<RegisteredClass> NoComPlatform::RegisteredClasses(
    const std::function<bool(std::string_view)>&) {
  return {};
}

// Nothing calls into other processes here, but the filter is still kept and handed back,
// so registering and revoking pair up as they do with COM.
std::shared_ptr<MessageFilter> NoComPlatform::SetMessageFilter(
    std::shared_ptr<MessageFilter> filter) {
  std::swap(filter_, filter);
  return filter;
}

WindowHandle NoComPlatform::FindTopLevelWindow(const std::string&) {
  return 0;
}
bool NoComPlatform::IsMinimized(WindowHandle) {
  return false;
}
void NoComPlatform::RestoreWindow(WindowHandle) {}
bool NoComPlatform::SetForegroundWindow(WindowHandle) {
  return false;
}
WindowHandle NoComPlatform::GetForegroundWindow() {
  return 0;
}
void NoComPlatform::SendKeyEvent(int, bool) {}

void NoComPlatform::Sleep(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace vensa
