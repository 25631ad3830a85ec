#include "journeys/outside.h"

#include "forms/win32/automation.h"
#include "journeys/machine.h"

namespace journeys {

namespace {

constexpr DWORD kTimeout = 10000;

struct Search {
  DWORD process;
  std::function<bool(HWND)> wanted;
  HWND found = nullptr;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<Search*>(lparam);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != search->process || !IsWindowVisible(hwnd) || !search->wanted(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND VisibleWindow(DWORD process, const std::function<bool(HWND)>& wanted) {
  Search search{process, wanted};
  EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool IsMessageBox(HWND hwnd) {
  char name[16] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return lstrcmpA(name, "#32770") == 0;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > kTimeout) return false;
    Sleep(20);
  }
  return true;
}

std::string BoxText(HWND combo) {
  char text[256] = {};
  SendMessageA(combo, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

Program::Program(const char* exe) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string command = "\"" + std::string(kFolder) + "\\" + exe + "\"";
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, "C:\\", &startup,
                      &info_)) {
    info_ = {};
  }
}

Program::~Program() {
  if (!started()) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, kTimeout);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND Program::WaitForForm(const char* name) {
  HWND form = nullptr;
  WaitUntil([&] {
    form = VisibleWindow(info_.dwProcessId,
                         [name](HWND hwnd) { return forms::automation::HasName(hwnd, name); });
    return form != nullptr || !Running();
  });
  return form;
}

bool Program::Hidden(const char* name) {
  return !VisibleWindow(info_.dwProcessId,
                        [name](HWND hwnd) { return forms::automation::HasName(hwnd, name); });
}

HWND Program::WaitForMessage() {
  HWND box = nullptr;
  WaitUntil([&] {
    box = VisibleWindow(info_.dwProcessId, &IsMessageBox);
    return (box && !forms::automation::Text(GetDlgItem(box, 0xFFFF)).empty()) || !Running();
  });
  return box;
}

Message Program::Answer(HWND box) {
  Message message{forms::automation::Text(box), forms::automation::Text(GetDlgItem(box, 0xFFFF))};
  forms::automation::Robot().Click(GetDlgItem(box, IDOK));
  WaitUntil([box] { return !IsWindowVisible(box); });
  return message;
}

void Program::Press(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool Program::Ended() {
  if (!started() || WaitForSingleObject(info_.hProcess, kTimeout) != WAIT_OBJECT_0) return false;
  DWORD code = 1;
  GetExitCodeProcess(info_.hProcess, &code);
  return code == 0;
}

bool Program::Running() {
  return started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace journeys
