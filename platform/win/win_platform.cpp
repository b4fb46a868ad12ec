#include "platform/win/win_platform.h"

#include <windows.h>

#include <oleauto.h>

#include "platform/win/class_registry.h"
#include "platform/win/com_message_filter.h"
#include "platform/win/variant.h"

namespace vensa::win {

namespace {

HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(window));
}

WindowHandle FromHwnd(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<INT_PTR>(window));
}

}  // namespace

std::optional<std::string> WinPlatform::ClassIdFromProgId(const std::string& progId) {
  CLSID clsid;
  // An empty ProgID is no registered class either.
  if (progId.empty() || FAILED(CLSIDFromProgID(Widen(progId).c_str(), &clsid))) return std::nullopt;
  wchar_t text[64];
  StringFromGUID2(clsid, text, 64);
  return Narrow(text);
}

std::shared_ptr<AutomationObject> WinPlatform::GetActiveObject(const std::string& classId) {
  CLSID clsid;
  if (FAILED(CLSIDFromString(Widen(classId).c_str(), &clsid))) return nullptr;
  ComPtr<IUnknown> unknown;
  if (FAILED(::GetActiveObject(clsid, nullptr, unknown.Put())) || !unknown) return nullptr;
  ComPtr<IDispatch> object = unknown.As<IDispatch>();
  if (!object) return nullptr;
  return wrap_(std::move(object));
}

std::vector<RegisteredClass> WinPlatform::RegisteredClasses(
    const std::function<bool(std::string_view)>& wanted) {
  return ReadRegisteredClasses(wanted);
}

std::shared_ptr<MessageFilter> WinPlatform::SetMessageFilter(
    std::shared_ptr<MessageFilter> filter) {
  return RegisterProcessMessageFilter(std::move(filter));
}

WindowHandle WinPlatform::FindTopLevelWindow(const std::string& className) {
  return FromHwnd(FindWindowW(Widen(className).c_str(), nullptr));
}

bool WinPlatform::IsMinimized(WindowHandle window) {
  return IsIconic(ToHwnd(window)) != FALSE;
}

void WinPlatform::RestoreWindow(WindowHandle window) {
  ShowWindow(ToHwnd(window), SW_RESTORE);
}

bool WinPlatform::SetForegroundWindow(WindowHandle window) {
  return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

WindowHandle WinPlatform::GetForegroundWindow() {
  return FromHwnd(::GetForegroundWindow());
}

void WinPlatform::SendKeyEvent(int virtualKey, bool keyUp) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(virtualKey);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(virtualKey), 0));
  input.ki.dwFlags = keyUp ? KEYEVENTF_KEYUP : 0;
  // The count of events inserted is not looked at on purpose: the key stroke only ends
  // whatever command ran in the CAD, as a courtesy. When the system blocks it (a CAD
  // running with higher rights, a locked desktop) the command goes on as it would after
  // a CAD that had no command running; failing the whole command would help nobody.
  SendInput(1, &input, sizeof input);
}

void WinPlatform::Sleep(int milliseconds) {
  ::Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds));
}

std::optional<std::string> WinPlatform::ShortPathName(const std::string& path) {
  const std::wstring wide = Widen(path);
  const DWORD length = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring shortPath(length, L'\0');
  const DWORD written = GetShortPathNameW(wide.c_str(), shortPath.data(), length);
  if (written == 0 || written >= length) return std::nullopt;
  shortPath.resize(written);
  return Narrow(shortPath);
}

}  // namespace vensa::win
