// Closes a program's window from outside, as a user's click on its close box would: finds
// the visible top-level window by the beginning of its title, posts WM_CLOSE and waits for the
// program to end. With --wait it only waits until the window shows, has finished starting (idle)
// and has painted itself with all its controls, so that a screenshot taken next shows them. Used by
// the Wine smoke run, so the program needs no switch of its own for being closed. With --click it
// presses the window's button of that caption (as a click does, the command run to its end before
// it returns); --press presses it and returns at once (a button that opens a modal dialog);
// with --status it prints a panel of the window's status bar (the first unless PANEL is
// given), with --list the lines of the list box of a window (a dialog offering a choice), with
// --ctrl it types Ctrl and a letter (Ctrl+Z) into the window as the keyboard does: the
// control that has the focus takes it.
// TITLE is the beginning of the title; where several windows have it, the first that holds
// what is asked for (the button, the list box) is taken, once it shows.
//   close-window [--wait] TITLE [SECONDS]     exit 0 done, 1 not found / not ended in time
//   close-window --click TITLE CAPTION [SECONDS]
//   close-window --press TITLE CAPTION [SECONDS]
//   close-window --status TITLE [SECONDS [PANEL]]
//   close-window --list TITLE [SECONDS]
//   close-window --ctrl TITLE LETTER [SECONDS]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindDescendant(HWND window, const wchar_t* className, const wchar_t* text);

// A top-level window and, when one was asked for, its descendant.
struct Found {
  HWND window = nullptr;
  HWND child = nullptr;
};

// The visible top-level window whose title begins with `title` (the program's caption
// goes on with the name of its target) and, when `className` is given, that holds a
// descendant of that class (and of that text, when `text` is given).
Found FindByTitle(const wchar_t* title, const wchar_t* className = nullptr,
                  const wchar_t* text = nullptr) {
  struct Search {
    const wchar_t* title;
    const wchar_t* className;
    const wchar_t* text;
    Found found;
  } search{title, className, text, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t caption[256] = {};
        GetWindowTextW(window, caption, 256);
        if (!IsWindowVisible(window) || std::wcsncmp(caption, s->title, std::wcslen(s->title)) != 0)
          return TRUE;
        HWND child = nullptr;
        if (s->className != nullptr) {
          child = FindDescendant(window, s->className, s->text);
          if (child == nullptr) return TRUE;
        }
        s->found = {window, child};
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Found WaitForWindow(const wchar_t* title, DWORD deadline, const wchar_t* className = nullptr,
                    const wchar_t* text = nullptr) {
  for (;;) {
    const Found found = FindByTitle(title, className, text);
    if (found.window != nullptr) return found;
    if (GetTickCount() > deadline) return {};
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

// A status bar panel's text. WM_GETTEXT, which the system carries across processes, answers
// the first panel only; for another panel the text is fetched into memory lent in the
// window's own process.
bool StatusPanelText(HWND bar, int panel, wchar_t (&text)[256], DWORD deadline) {
  DWORD_PTR length = 0;
  if (panel == 0)
    return SendMessageTimeoutW(bar, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                               TimeLeft(deadline), &length) != 0;
  DWORD processId = 0;
  GetWindowThreadProcessId(bar, &processId);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) return false;
  void* lent = VirtualAllocEx(process, nullptr, sizeof text, MEM_COMMIT, PAGE_READWRITE);
  bool read = false;
  if (lent != nullptr) {
    // The panel's text is not longer than the buffer: the program's panels hold one line.
    read = SendMessageTimeoutW(bar, SB_GETTEXTW, static_cast<WPARAM>(panel),
                               reinterpret_cast<LPARAM>(lent), SMTO_NORMAL, TimeLeft(deadline),
                               &length) != 0 &&
           ReadProcessMemory(process, lent, text, sizeof text - sizeof(wchar_t), nullptr) != 0;
    VirtualFreeEx(process, lent, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return read;
}

// Prints every line of a list box; LB_GETTEXT is carried across processes by the system.
int PrintListBox(HWND list, DWORD deadline) {
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, TimeLeft(deadline), &count))
    return 1;
  for (DWORD_PTR i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_NORMAL, TimeLeft(deadline), &length);
    if (length >= 256) return 1;
    if (!SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                             TimeLeft(deadline), &length))
      return 1;
    PrintUtf8(text);
  }
  return 0;
}

// Ctrl+letter typed into the foreground window, through the system's input queue, so that
// the program sees the Ctrl key down as it does for a user's keys.
bool TypeCtrlLetter(HWND window, wchar_t letter) {
  SetForegroundWindow(window);
  const WORD codes[] = {VK_CONTROL, static_cast<WORD>(towupper(letter))};
  INPUT keys[4] = {};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = codes[i < 2 ? i : 3 - i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  return SendInput(4, keys, sizeof(INPUT)) == 4;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int arg = 1;
  const std::wstring mode = argc > arg && std::wcsncmp(argv[arg], L"--", 2) == 0 ? argv[arg] : L"";
  const bool waitOnly = mode == L"--wait";
  const bool click = mode == L"--click" || mode == L"--press";
  const bool status = mode == L"--status";
  const bool list = mode == L"--list";
  const bool ctrl = mode == L"--ctrl";
  if (!mode.empty()) ++arg;
  // The argument after TITLE: a caption or a letter.
  const int given = click || ctrl ? 1 : 0;
  const wchar_t* caption = given > 0 && argc > arg + given ? argv[arg + 1] : nullptr;
  const bool known = mode.empty() || waitOnly || click || status || list || ctrl;
  if (!known || argc <= arg || (given > 0 && caption == nullptr)) {
    std::fputs(
        "usage: close-window [--wait | --click ... CAPTION | --press ... CAPTION | --status | "
        "--list | --ctrl ... LETTER] TITLE [SECONDS]\n",
        stderr);
    return 2;
  }
  const wchar_t* title = argv[arg];
  const int secondsArg = arg + 1 + given;
  const DWORD seconds = argc > secondsArg ? std::wcstoul(argv[secondsArg], nullptr, 10) : 30;
  const int panel = status && argc > secondsArg + 1 ? _wtoi(argv[secondsArg + 1]) : 0;
  const DWORD deadline = GetTickCount() + seconds * 1000;

  const wchar_t* childClass = click    ? L"Button"
                              : status ? L"msctls_statusbar32"
                              : list   ? L"ListBox"
                                       : nullptr;
  const Found found = WaitForWindow(title, deadline, childClass, click ? caption : nullptr);
  if (found.window == nullptr) {
    std::fputs(childClass == nullptr ? "close-window: no such window\n"
                                     : "close-window: no such window with that control\n",
               stderr);
    return 1;
  }
  HWND window = found.window;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (waitOnly) {
    WaitUntilPainted(window, processId, deadline);
    return 0;
  }
  if (click) {
    // Pressed: a button that opens a modal dialog returns only when the dialog closes.
    if (mode == L"--press") return PostMessageW(found.child, BM_CLICK, 0, 0) ? 0 : 1;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(found.child, BM_CLICK, 0, 0, SMTO_NORMAL, TimeLeft(deadline),
                               &result)
               ? 0
               : 1;
  }
  if (status) {
    wchar_t text[256] = {};
    if (!StatusPanelText(found.child, panel, text, deadline)) {
      std::fputs("close-window: the status bar did not answer\n", stderr);
      return 1;
    }
    PrintUtf8(text);
    return 0;
  }
  if (list) return PrintListBox(found.child, deadline);
  if (ctrl) return TypeCtrlLetter(window, caption[0]) ? 0 : 1;

  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageW(window, WM_CLOSE, 0, 0);
  const bool ended =
      process != nullptr && WaitForSingleObject(process, TimeLeft(deadline)) == WAIT_OBJECT_0;
  if (process != nullptr) CloseHandle(process);
  if (!ended) std::fputs("close-window: the program did not end\n", stderr);
  return ended ? 0 : 1;
}
