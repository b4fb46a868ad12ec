#include "platform/sim/sim_platform.h"

#include <utility>

namespace vensa {

namespace {

std::string HandleText(WindowHandle window) {
  return std::to_string(window);
}

}  // namespace

SimPlatform::SimPlatform(std::shared_ptr<CallLog> log) : log_(std::move(log)) {
  if (!log_) log_ = std::make_shared<CallLog>();
}

void SimPlatform::RegisterClass(const std::string& progId, const std::string& classId) {
  classes_[progId] = classId;
}

void SimPlatform::DescribeClass(const std::string& progId, const std::string& displayName,
                                bool localServer, const std::string& currentVersion) {
  RegisteredClass& described = descriptions_[progId];
  described.displayName = displayName;
  described.localServer = localServer;
  described.currentVersion = currentVersion;
}

void SimPlatform::SetRunningObject(const std::string& classId,
                                   std::shared_ptr<AutomationObject> object) {
  running_[classId] = std::move(object);
}

void SimPlatform::RemoveRunningObject(const std::string& classId) {
  running_.erase(classId);
}

void SimPlatform::AddWindow(WindowHandle window, const std::string& className, bool minimized) {
  windows_[window] = Window{className, minimized};
}

void SimPlatform::RemoveWindow(WindowHandle window) {
  windows_.erase(window);
  if (foreground_ == window) foreground_ = 0;
}

bool SimPlatform::WindowMinimized(WindowHandle window) const {
  auto it = windows_.find(window);
  return it != windows_.end() && it->second.minimized;
}

std::optional<std::string> SimPlatform::ClassIdFromProgId(const std::string& progId) {
  log_->Add("ClassIdFromProgId " + progId);
  auto it = classes_.find(progId);
  if (it == classes_.end()) return std::nullopt;
  return it->second;
}

std::shared_ptr<AutomationObject> SimPlatform::GetActiveObject(const std::string& classId) {
  log_->Add("GetActiveObject " + classId);
  auto it = running_.find(classId);
  return it == running_.end() ? nullptr : it->second;
}

std::vector<RegisteredClass> SimPlatform::RegisteredClasses(
    const std::function<bool(std::string_view)>& wanted) {
  log_->Add("RegisteredClasses");
  std::vector<RegisteredClass> found;
  for (const auto& [progId, classId] : classes_) {
    if (!wanted(progId)) continue;
    auto described = descriptions_.find(progId);
    RegisteredClass entry =
        described == descriptions_.end() ? RegisteredClass{} : described->second;
    entry.progId = progId;
    entry.classId = classId;
    entry.running = running_.count(classId) > 0;
    found.push_back(std::move(entry));
  }
  return found;
}

std::shared_ptr<MessageFilter> SimPlatform::SetMessageFilter(
    std::shared_ptr<MessageFilter> filter) {
  log_->Add(filter ? "SetMessageFilter" : "SetMessageFilter null");
  return std::exchange(filter_, std::move(filter));
}

WindowHandle SimPlatform::FindTopLevelWindow(const std::string& className) {
  log_->Add("FindTopLevelWindow " + className);
  for (const auto& [handle, window] : windows_) {
    if (window.className == className) return handle;
  }
  return 0;
}

bool SimPlatform::IsMinimized(WindowHandle window) {
  log_->Add("IsMinimized " + HandleText(window));
  return WindowMinimized(window);
}

void SimPlatform::RestoreWindow(WindowHandle window) {
  log_->Add("RestoreWindow " + HandleText(window));
  auto it = windows_.find(window);
  if (it != windows_.end()) it->second.minimized = false;
}

bool SimPlatform::SetForegroundWindow(WindowHandle window) {
  log_->Add("SetForegroundWindow " + HandleText(window));
  if (refuseForeground_ || windows_.count(window) == 0) return false;
  foreground_ = window;
  return true;
}

WindowHandle SimPlatform::GetForegroundWindow() {
  log_->Add("GetForegroundWindow");
  return foreground_;
}

void SimPlatform::SendKeyEvent(int virtualKey, bool keyUp) {
  log_->Add((keyUp ? "KeyUp " : "KeyDown ") + std::to_string(virtualKey));
}

void SimPlatform::Sleep(int milliseconds) {
  log_->Add("Sleep " + std::to_string(milliseconds));
  slept_ += milliseconds;
}

void SimPlatform::SetShortPathName(const std::string& path, const std::string& shortPath) {
  shortPaths_[path] = shortPath;
}

std::optional<std::string> SimPlatform::ShortPathName(const std::string& path) {
  log_->Add("ShortPathName " + path);
  auto it = shortPaths_.find(path);
  if (it == shortPaths_.end()) return std::nullopt;
  return it->second;
}

}  // namespace vensa
