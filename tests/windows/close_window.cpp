// Closes a program's window from outside, as a user's click on its close box would: finds
// the visible top-level window by its title, posts WM_CLOSE and waits for the program to
// end. With --wait it only waits until the window shows, has finished starting (idle) and
// has painted itself with all its controls, so that a screenshot taken next shows them.
// Used by the Wine smoke run, so the program needs no switch of its own for being closed.
//   close-window [--wait] TITLE [SECONDS]     exit 0 done, 1 not found / not ended in time
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND WaitForWindow(const wchar_t* title, DWORD deadline) {
  for (;;) {
    HWND window = FindWindowW(nullptr, title);
    if (window != nullptr && IsWindowVisible(window)) return window;
    if (GetTickCount() > deadline) return nullptr;
    Sleep(100);
  }
}

DWORD TimeLeft(DWORD deadline) {
  const DWORD now = GetTickCount();
  return deadline > now ? deadline - now : 0;
}

// Idle after start-up, then every control painted: a paint requested from here with
// RDW_UPDATENOW is done by the window's own thread before the call returns.
void WaitUntilPainted(HWND window, DWORD processId, DWORD deadline) {
  if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
    WaitForInputIdle(process, TimeLeft(deadline));
    CloseHandle(process);
  }
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, TimeLeft(deadline), &result);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int arg = 1;
  const bool waitOnly = argc > arg && std::wcscmp(argv[arg], L"--wait") == 0;
  if (waitOnly) ++arg;
  if (argc <= arg) {
    std::fputs("usage: close-window [--wait] TITLE [SECONDS]\n", stderr);
    return 2;
  }
  const wchar_t* title = argv[arg];
  const DWORD seconds = argc > arg + 1 ? std::wcstoul(argv[arg + 1], nullptr, 10) : 30;
  const DWORD deadline = GetTickCount() + seconds * 1000;

  HWND window = WaitForWindow(title, deadline);
  if (window == nullptr) {
    std::fputs("close-window: no such window\n", stderr);
    return 1;
  }
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (waitOnly) {
    WaitUntilPainted(window, processId, deadline);
    return 0;
  }

  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageW(window, WM_CLOSE, 0, 0);
  const bool ended =
      process != nullptr && WaitForSingleObject(process, TimeLeft(deadline)) == WAIT_OBJECT_0;
  if (process != nullptr) CloseHandle(process);
  if (!ended) std::fputs("close-window: the program did not end\n", stderr);
  return ended ? 0 : 1;
}
