// What the Wine tests share: a machine on the real registry with a
// Voodoo3 driver key that goes again, with everything below it, at the
// end; the files of a folder; the window a process shows. Header-only.
//
//   struct Machine : test_support::WineMachine {
//     Machine() { reg.SaveString(kLocalMachine, glide(), "FX_GLIDE_NO_SPLASH", "1"); }
//   };
#pragma once

#include <windows.h>

#include <set>
#include <string>

#include "registry/registry.h"
#include "registry/win32_store.h"

namespace test_support {

// The display class key; each display adapter has a numbered key below.
constexpr const char* kDisplayClass = "System\\CurrentControlSet\\Services\\Class\\Display\\";
constexpr const char* kProgramKey = "Software\\Tarno";

// The key of display adapter `index` ("...\Display\0009").
inline std::string DisplayKey(int index) {
  std::string number = "0000";
  for (int at = 3; at >= 0 && index > 0; --at, index /= 10) {
    number[at] = static_cast<char>('0' + index % 10);
  }
  return kDisplayClass + number;
}

// Deletes a key with everything below it straight through advapi32, so
// that the clean-up does not rest on the store under test.
inline void DeleteTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyA(root, path.c_str(), &key) != ERROR_SUCCESS) return;
  char name[MAX_PATH];
  while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) {
    const std::string child = path + "\\" + name;
    DeleteTree(root, child);
    HKEY check = nullptr;
    if (RegOpenKeyA(root, child.c_str(), &check) == ERROR_SUCCESS) {  // would not go
      RegCloseKey(check);
      break;
    }
  }
  RegCloseKey(key);
  RegDeleteKeyA(root, path.c_str());
}

// A Voodoo3 at display key `index` (9, the scan's first, unless told),
// and the program's language key; both go again at the end.
struct WineMachine {
  explicit WineMachine(int index = 9) : driver(DisplayKey(index)) {
    Clean();
    reg.SaveString(registry::kLocalMachine, driver, "DriverDesc", "3dfx Voodoo3");
  }
  ~WineMachine() { Clean(); }
  WineMachine(const WineMachine&) = delete;
  WineMachine& operator=(const WineMachine&) = delete;

  void Clean() {
    DeleteTree(HKEY_LOCAL_MACHINE, driver);
    DeleteTree(HKEY_LOCAL_MACHINE, kProgramKey);
  }
  // A stored text, or "<absent>".
  std::string Get(const std::string& key, const char* name) {
    return reg.GetString(registry::kLocalMachine, key, name, "<absent>");
  }
  std::string glide() const { return driver + "\\Glide"; }
  std::string d3d() const { return driver + "\\D3D"; }
  std::string defaults() const { return driver + "\\DEFAULT"; }
  std::string info() const {
    return driver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
  }

  registry::Win32Store store;
  registry::Registry reg{store};
  const std::string driver;
};

// The names of the files (not folders) in a folder.
inline std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.insert(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

// The first visible top-level window of `process` with this class
// ("#32770": a message box), waiting up to `ms` for it; null if none came.
inline HWND WaitForProcessWindow(DWORD process, const char* window_class, DWORD ms = 10000) {
  struct Search {
    DWORD process;
    const char* window_class;
    HWND found;
  } search{process, window_class, nullptr};
  const DWORD start = GetTickCount();
  for (;;) {
    EnumWindows(
        [](HWND hwnd, LPARAM lparam) CALLBACK -> BOOL {
          auto* s = reinterpret_cast<Search*>(lparam);
          DWORD owner = 0;
          GetWindowThreadProcessId(hwnd, &owner);
          char name[64] = "";
          GetClassNameA(hwnd, name, sizeof name);
          if (owner != s->process || !IsWindowVisible(hwnd) || lstrcmpA(name, s->window_class)) {
            return TRUE;
          }
          s->found = hwnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found || GetTickCount() - start >= ms) return search.found;
    Sleep(50);
  }
}

}  // namespace test_support
