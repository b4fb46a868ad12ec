// Closes a program's window from outside, as a user's click on its close box would: finds
// the visible top-level window by the beginning of its title, posts WM_CLOSE and waits for the
// program to end. With --wait it only waits until the window shows, has finished starting (idle)
// and has painted itself with all its controls, so that a screenshot taken next shows them. Used by
// the Wine smoke run, so the program needs no switch of its own for being closed. With --click it
// presses the window's button of that caption (as a click does, the command run to its end before
// it returns); with --status it prints the first panel of the window's status bar.
//   close-window [--wait] TITLE [SECONDS]     exit 0 done, 1 not found / not ended in time
//   close-window --click TITLE CAPTION [SECONDS]
//   close-window --status TITLE [SECONDS]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// The visible top-level window whose title begins with `title` (the program's caption
// goes on with the name of its target).
HWND FindByTitle(const wchar_t* title) {
  struct Search {
    const wchar_t* title;
    HWND found;
  } search{title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        if (!IsWindowVisible(window) || std::wcsncmp(text, s->title, std::wcslen(s->title)) != 0)
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const wchar_t* title, DWORD deadline) {
  for (;;) {
    HWND window = FindByTitle(title);
    if (window != nullptr) return window;
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

// The first descendant of `window` of the class `className` and, when `text` is given,
// that text.
HWND FindDescendant(HWND window, const wchar_t* className, const wchar_t* text) {
  struct Search {
    const wchar_t* className;
    const wchar_t* text;
    HWND found;
  } search{className, text, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t buffer[256] = {};
        GetClassNameW(child, buffer, 256);
        if (_wcsicmp(buffer, s->className) != 0) return TRUE;
        if (s->text != nullptr) {
          GetWindowTextW(child, buffer, 256);
          if (std::wcscmp(buffer, s->text) != 0) return TRUE;
        }
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Prints a window text to the console in UTF-8.
void PrintUtf8(const wchar_t* text) {
  char buffer[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
  std::printf("%s\n", buffer);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int arg = 1;
  const bool waitOnly = argc > arg && std::wcscmp(argv[arg], L"--wait") == 0;
  const bool click = argc > arg && std::wcscmp(argv[arg], L"--click") == 0;
  const bool status = argc > arg && std::wcscmp(argv[arg], L"--status") == 0;
  if (waitOnly || click || status) ++arg;
  const wchar_t* caption = nullptr;
  if (click && argc > arg + 1) caption = argv[arg + 1];
  if (argc <= arg || (click && caption == nullptr)) {
    std::fputs("usage: close-window [--wait | --click ... CAPTION | --status] TITLE [SECONDS]\n",
               stderr);
    return 2;
  }
  const wchar_t* title = argv[arg];
  const int secondsArg = arg + (click ? 2 : 1);
  const DWORD seconds = argc > secondsArg ? std::wcstoul(argv[secondsArg], nullptr, 10) : 30;
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
  if (click) {
    HWND button = FindDescendant(window, L"Button", caption);
    if (button == nullptr) {
      std::fputs("close-window: no such button\n", stderr);
      return 1;
    }
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, TimeLeft(deadline), &result)
               ? 0
               : 1;
  }
  if (status) {
    HWND bar = FindDescendant(window, L"msctls_statusbar32", nullptr);
    if (bar == nullptr) {
      std::fputs("close-window: no status bar\n", stderr);
      return 1;
    }
    wchar_t text[256] = {};
    // WM_GETTEXT sent is carried across processes (a status bar answers it with its first
    // panel); GetWindowText of another process's window does not send it, and SB_GETTEXT
    // would hand the other process a pointer into this one.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(bar, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                             TimeLeft(deadline), &length)) {
      std::fputs("close-window: the status bar did not answer\n", stderr);
      return 1;
    }
    PrintUtf8(text);
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
