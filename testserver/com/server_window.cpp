#include "testserver/com/server_window.h"

#include "core/error.h"

namespace vensa::server {

ServerWindow::ServerWindow(const std::wstring& className, const std::wstring& title)
    : className_(className) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className_.c_str();
  if (RegisterClassExW(&windowClass) == 0) throw VensaError("RegisterClassExW failed");
  window_ =
      CreateWindowExW(0, className_.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 640, 480, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window_ == nullptr) {
    UnregisterClassW(className_.c_str(), windowClass.hInstance);
    throw VensaError("CreateWindowExW failed");
  }
}

ServerWindow::~ServerWindow() {
  DestroyWindow(window_);
  UnregisterClassW(className_.c_str(), GetModuleHandleW(nullptr));
}

}  // namespace vensa::server
