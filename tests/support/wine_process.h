// A program that a Wine test starts as its own process and drives from
// outside through its real windows, as a test robot or a screen reader
// would: forms are found by their "Name" and their process, message boxes
// by their class, and every wait polls briefly for what it waits for.
// Header-only.
//
//   test_support::Process program("\"" TARNOLUX_EXE "\"");
//   REQUIRE(program.started());
//   HWND box = program.WaitForMessage();
//   REQUIRE(box);
//   CHECK(program.Answer(box).text == "No 3dfx Voodoo3 display driver was found.");
//   CHECK(program.Ended());
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/win32/automation.h"

namespace test_support {

// How long a wait for a window or for the end of a program lasts.
constexpr DWORD kWaitMs = 10000;

// Polls `done` every 20 ms for up to `ms`; whether it came true.
inline bool WaitUntil(const std::function<bool()>& done, DWORD ms = kWaitMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(20);
  }
  return true;
}

inline bool IsMessageBox(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpA(name, "#32770") == 0;
}

// A message box as the user reads it.
struct Message {
  std::string title, text;
};

class Process {
 public:
  // Starts `command` in the working folder `folder` (this process's own
  // when null); started() says whether it could.
  explicit Process(std::string command, const char* folder = nullptr) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &info_)) {
      info_ = {};
    }
  }
  // A process still running at the end is ended.
  ~Process() {
    if (!started()) return;
    if (Running()) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, kWaitMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  DWORD id() const { return info_.dwProcessId; }

  bool Running() const {
    return started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
  }
  // Whether it ended within `ms`, whatever its exit code.
  bool Finished(DWORD ms = kWaitMs) const {
    return started() && WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0;
  }
  // Whether it ended within `ms` with exit code 0, as the programs end
  // when all went well.
  bool Ended(DWORD ms = kWaitMs) const { return Finished(ms) && ExitCode() == 0; }
  // Its exit code, STILL_ACTIVE while it runs.
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

  // Its visible top-level windows.
  std::vector<HWND> Windows() const {
    struct Search {
      DWORD process;
      std::vector<HWND> found;
    } search{info_.dwProcessId, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lparam) CALLBACK -> BOOL {
          auto* s = reinterpret_cast<Search*>(lparam);
          DWORD owner = 0;
          GetWindowThreadProcessId(hwnd, &owner);
          if (owner == s->process && IsWindowVisible(hwnd)) s->found.push_back(hwnd);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  // Its first visible top-level window that `wanted` accepts, waiting for
  // one to show; null when none does, or the process ends first.
  HWND WaitForWindow(const std::function<bool(HWND)>& wanted) const {
    HWND window = nullptr;
    WaitUntil([&] {
      for (HWND shown : Windows()) {
        if (wanted(shown)) window = shown;
        if (window) break;
      }
      return window != nullptr || !Running();
    });
    return window;
  }
  // Its form named `name` (the automation contract's "Name"), once shown.
  HWND WaitForForm(const char* name) const {
    return WaitForWindow([name](HWND hwnd) { return forms::automation::HasName(hwnd, name); });
  }
  // Whether no window named `name` of the process is visible.
  bool Hidden(const char* name) const {
    for (HWND shown : Windows()) {
      if (forms::automation::HasName(shown, name)) return false;
    }
    return true;
  }
  // A message box of the process, once its text is there; null if none.
  HWND WaitForMessage() const {
    return WaitForWindow([](HWND hwnd) {
      return IsMessageBox(hwnd) && !forms::automation::Text(GetDlgItem(hwnd, 0xFFFF)).empty();
    });
  }
  // Reads a message box and answers it with OK, waiting for it to go.
  Message Answer(HWND box) const {
    Message message{forms::automation::Text(box), forms::automation::Text(GetDlgItem(box, 0xFFFF))};
    forms::automation::Robot().Click(GetDlgItem(box, IDOK));
    WaitUntil([box] { return !IsWindowVisible(box); });
    return message;
  }

  // A click whose handler may open a message box or end the program: the
  // program handles it in its own time, so the robot is not held up.
  static void Press(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

 private:
  PROCESS_INFORMATION info_ = {};
};

}  // namespace test_support
