// The backup under Wine, the way a user would rely on it: the demo machine
// with some values of every kind, the real Tarnolux.exe and Uninstall.exe
// run as their own processes (the gamma, refresh and Windows options
// windows, Apply, a preset, the uninstaller), then the backup imported
// with Wine's own regedit. Every value that was there before the first
// run must have its type and data back.
#include <doctest.h>
#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "backup/backup.h"
#include "backup/regedit4.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/wine_machine.h"

namespace {

using registry::kCurrentConfig;
using registry::kCurrentUser;
using registry::kLocalMachine;

const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display";
const std::string kDriver = kDisplay + "\\0001";  // the demo's card
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kFolder = "C:\\Tarnolux Backup Test";
const std::string kBackup = kFolder + "\\Tarnolux backup.reg";

std::string WinePath(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "Z:" + path;
}

// "path|name" -> type and raw bytes, for a whole tree or chosen values.
using Snapshot = std::map<std::string, std::pair<std::uint32_t, std::string>>;

void Collect(registry::Store& store, registry::Hkey root, const std::string& path, bool deep,
             Snapshot* out) {
  registry::Hkey key;
  if (store.OpenKey(root, path, &key) != registry::kOk) return;
  std::string name, data;
  std::uint32_t type = 0;
  for (std::uint32_t i = 0; store.EnumValue(key, i, &name, &type, &data) == registry::kOk; ++i) {
    (*out)[path + "|" + name] = {type, data};
  }
  std::vector<std::string> subkeys;
  for (std::uint32_t i = 0; deep && store.EnumKey(key, i, &name) == registry::kOk; ++i) {
    subkeys.push_back(name);
  }
  store.CloseKey(key);
  for (const std::string& sub : subkeys) Collect(store, root, path + "\\" + sub, true, out);
}

void Pick(registry::Store& store, registry::Hkey root, const std::string& path,
          const std::vector<std::string>& names, Snapshot* out) {
  Snapshot all;
  Collect(store, root, path, false, &all);
  for (const std::string& name : names) {
    auto found = all.find(path + "|" + name);
    if (found != all.end()) (*out)[backup::RootName(root) + found->first] = found->second;
  }
}

Snapshot Settings(registry::Store& store) {
  Snapshot out;
  Collect(store, kLocalMachine, kDriver, true, &out);
  Pick(store, kLocalMachine, kRun, {"3dfx Tools"}, &out);
  Pick(store, kLocalMachine, "Software\\Tarno", {"Language"}, &out);
  Pick(store, kCurrentConfig, "Display\\Settings", {"Resolution", "BitsPerPixel", "DPILogicalX"},
       &out);
  Pick(store, kCurrentUser, "Control Panel\\Desktop", {"FontSmoothing", "WallpaperStyle"}, &out);
  return out;
}

void DeleteTree(registry::Store& store, const std::string& path) {
  registry::Hkey key;
  if (store.OpenKey(kLocalMachine, path, &key) != registry::kOk) return;
  std::string name;
  std::vector<std::string> subkeys;
  for (std::uint32_t i = 0; store.EnumKey(key, i, &name) == registry::kOk; ++i) {
    subkeys.push_back(name);
  }
  store.CloseKey(key);
  for (const std::string& sub : subkeys) DeleteTree(store, path + "\\" + sub);
  store.DeleteKey(kLocalMachine, path);
}

std::string ReadFile(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ::ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  CloseHandle(file);
  text.resize(read);
  return text;
}

// A program of this test's own: started, and waited for.
struct Process {
  PROCESS_INFORMATION info = {};
  explicit Process(std::string command) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    REQUIRE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, "C:\\",
                           &startup, &info));
  }
  ~Process() {
    if (!Ended(0)) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  bool Ended(DWORD wait = 15000) {
    return WaitForSingleObject(info.hProcess, wait) == WAIT_OBJECT_0;
  }
  // A visible message box of the process, waiting up to 10 s.
  HWND Box() { return test_support::WaitForProcessWindow(info.dwProcessId, "#32770"); }

  // Answers the process's message box with OK; false when none came.
  bool AnswerBox() {
    HWND box = Box();
    if (!box) return false;
    Sleep(100);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    for (int tries = 0; tries < 100 && IsWindow(box) && IsWindowVisible(box); ++tries) Sleep(50);
    return true;
  }
};

// A form of another process, once it shows (up to 10 s).
HWND WaitForForm(const char* name) {
  for (int tries = 0; tries < 200; ++tries) {
    HWND form = forms::automation::FindForm(name);
    if (form && forms::automation::Shown(form)) return form;
    Sleep(50);
  }
  return nullptr;
}

// A click that does not wait for the other process's handler (which may
// be showing a modal box).
void PostClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

// Opens a window of another process's main window with its button.
HWND OpenFrom(HWND main, const char* button, const char* form) {
  PostClick(forms::automation::FindControl(main, button));
  return WaitForForm(form);
}

// Leaves a window with its button; true once the main window is back.
bool BackTo(HWND main, HWND form, const char* button) {
  PostClick(forms::automation::FindControl(form, button));
  for (int tries = 0; tries < 200; ++tries) {
    if (forms::automation::Shown(main) && !forms::automation::Shown(form)) return true;
    Sleep(50);
  }
  return false;
}

void Regedit(const std::string& file) {
  Process regedit("regedit.exe /S \"" + file + "\"");
  REQUIRE(regedit.Ended(30000));
}

struct Machine {
  registry::Win32Store store;
  registry::Registry reg{store};
  std::string windows_backup = forms::JoinPath(forms::win32::WindowsFolder(), backup::kFileName);

  explicit Machine(bool user_values = true) {
    Clean();
    Regedit(WinePath(TARNOLUX_DEMO_MACHINE));
    CreateDirectoryA(kFolder.c_str(), nullptr);
    if (user_values) AddUserValues();
  }
  ~Machine() { Clean(); }

  void AddUserValues() {
    // The user's own values, of every kind a driver key may hold.
    reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "1");
    reg.SaveString(kLocalMachine, kRun, "3dfx Tools", "C:\\3dfx\\3dfxman.exe /tray \"quiet\"");
    reg.SaveString(kLocalMachine, kDriver + "\\D3D", "USER_EMPTY", "");
    reg.SaveString(kLocalMachine, kDriver + "\\Glide", "FX_GLIDE_ALLOC_COLOR", "3");
    reg.SaveDWord(kLocalMachine, kDriver + "\\Glide", "UserDword", -2);
    Raw(kDriver + "\\DEFAULT", "UserBinary", registry::kBinary, Bytes(100));
    Raw(kDriver + "\\D3D", "UserExpand", registry::kExpandString, std::string("%windir%\\x\0", 11));
    Raw(kDriver + "\\shellex\\Deep\\Deeper\\Deepest", "UserMulti", registry::kMultiString,
        std::string("a\\b\0\"c\"\0\0", 9));
    reg.SaveString(kCurrentConfig, "Display\\Settings", "Resolution", "1024,768");
    reg.SaveString(kCurrentUser, "Control Panel\\Desktop", "FontSmoothing", "0");
    for (const char* program : {TARNOLUX_EXE, UNINSTALL_EXE}) {
      std::string path = program;
      const std::string name = path.substr(path.find_last_of('/') + 1);
      REQUIRE(CopyFileA(WinePath(path).c_str(), (kFolder + "\\" + name).c_str(), FALSE));
    }
  }

  static std::string Bytes(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += static_cast<char>(i * 7);
    return bytes;
  }
  void Raw(const std::string& path, const char* name, std::uint32_t type,
           const std::string& bytes) {
    registry::Hkey key;
    REQUIRE(store.CreateKey(kLocalMachine, path, &key) == registry::kOk);
    store.SetValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    store.CloseKey(key);
  }
  void Clean() {
    DeleteTree(store, kDisplay + "\\0000");
    DeleteTree(store, kDriver);
    store.DeleteKey(kLocalMachine, "Software\\Tarno");
    for (const char* file : {"Tarnolux.exe", "Uninstall.exe", backup::kFileName}) {
      DeleteFileA((kFolder + "\\" + file).c_str());
    }
    DeleteFileA(windows_backup.c_str());
    RemoveDirectoryA(kFolder.c_str());
  }
};

TEST_CASE("the backup brings back every value after Tarnolux and the uninstaller") {
  Machine machine;
  const Snapshot before = Settings(machine.store);
  REQUIRE(before.size() > 40);

  {
    Process tarnolux("\"" + kFolder + "\\Tarnolux.exe\"");
    HWND main = WaitForForm("frmv3");
    REQUIRE(main);
    CHECK(machine.reg.GetString(kLocalMachine, kRun, "3dfx Tools", "-") == "");
    forms::automation::Robot robot;
    // Gamma: one bar of each of two groups moved, then OK.
    HWND gamma = OpenFrom(main, "gamma", "frmgamma");
    REQUIRE(gamma);
    robot.Scroll(forms::automation::FindControl(gamma, "gr"), SB_PAGEUP);
    robot.Scroll(forms::automation::FindControl(gamma, "dr"), SB_PAGEDOWN);
    REQUIRE(BackTo(main, gamma, "OK"));
    // Refresh rates as they stand, written by OK.
    HWND refresh = OpenFrom(main, "refresh", "frmrefresh");
    REQUIRE(refresh);
    REQUIRE(BackTo(main, refresh, "ok"));
    // Windows options: font smoothing switched over, then OK.
    HWND desktop = OpenFrom(main, "windowz", "frmwondowz");
    REQUIRE(desktop);
    PostClick(forms::automation::FindControl(desktop, "smooth"));
    REQUIRE(BackTo(main, desktop, "ok"));
    PostClick(forms::automation::FindControl(main, "apply"));
    CHECK(tarnolux.AnswerBox());
    PostClick(forms::automation::FindControl(main, "preset"));
    HWND presets = WaitForForm("frmdefaults");
    REQUIRE(presets);
    PostClick(forms::automation::FindControl(presets, "fastest"));
    CHECK(tarnolux.Ended());
  }
  const std::string written = ReadFile(kBackup);
  REQUIRE(written.rfind("REGEDIT4\r\n", 0) == 0);
  CHECK(GetFileAttributesA((kBackup + ".new").c_str()) == INVALID_FILE_ATTRIBUTES);
  CHECK(GetFileAttributesA(machine.windows_backup.c_str()) == INVALID_FILE_ATTRIBUTES);
  CHECK(Settings(machine.store) != before);
  // What the windows and the preset did is really there to undo.
  CHECK(machine.reg.GetString(kCurrentUser, "Control Panel\\Desktop", "FontSmoothing") != "0");
  CHECK(machine.reg.GetDWord(kLocalMachine, kDriver + "\\Glide", "UserDword", 12345) == 12345);

  {
    Process uninstall("\"" + kFolder + "\\Uninstall.exe\"");
    CHECK(uninstall.AnswerBox());
    CHECK(uninstall.Ended());
  }
  CHECK(ReadFile(kBackup) == written);  // never overwritten

  Regedit(kBackup);
  const Snapshot after = Settings(machine.store);
  int values = 0;
  for (const auto& [where, value] : before) {
    ++values;
    REQUIRE_MESSAGE(after.count(where) == 1, where);
    CHECK_MESSAGE(after.at(where).first == value.first, where);
    CHECK_MESSAGE(after.at(where).second == value.second, where);
  }
  MESSAGE("values checked after the import: " << values);
}

TEST_CASE("a file that cannot be written completely is not there at all") {
  Machine machine(false);
  const std::string target = kFolder + "\\t.reg";
  CHECK(forms::win32::WriteFileReplacing(target, "REGEDIT4\r\n"));
  CHECK(ReadFile(target) == "REGEDIT4\r\n");
  DeleteFileA(target.c_str());
  CHECK_FALSE(forms::win32::WriteFileReplacing(kFolder + "\\missing\\t.reg", "x"));
  // The fresh file cannot be made: the name it needs is a folder.
  CreateDirectoryA((target + ".new").c_str(), nullptr);
  CHECK_FALSE(forms::win32::WriteFileReplacing(target, "x"));
  CHECK_FALSE(forms::win32::FileExists(target));
  CHECK_FALSE(forms::win32::FileExists(target + ".new"));
  RemoveDirectoryA((target + ".new").c_str());
}

// What REGEDIT4 cannot hold, the names with a line break, is left out
// with a comment line; Wine's regedit reads past those lines and brings
// back everything else.
TEST_CASE("names with a line break are left out and the rest of the backup imports") {
  Machine machine(false);
  machine.reg.SaveString(kLocalMachine, kDriver + "\\Glide", "Two\r\nLines", "x");
  machine.reg.SaveDWord(kLocalMachine, kDriver + "\\Glide", "Line\nFeed", 1);
  machine.reg.SaveString(kLocalMachine, kDriver + "\\Glide", "USER_AFTER", "kept");
  machine.reg.SaveString(kLocalMachine, kDriver + "\\shellex\\Bad\nKey\\Below", "v", "1");
  machine.reg.SaveString(kLocalMachine, kDriver + "\\shellex\\Good", "v", "2");
  Snapshot expected;
  for (const auto& [where, value] : Settings(machine.store)) {
    if (where.find_first_of("\r\n") == std::string::npos) expected[where] = value;
  }
  REQUIRE(expected.count(kDriver + "\\shellex\\Good|v") == 1);
  REQUIRE(expected.size() + 3 == Settings(machine.store).size());

  const std::string text = backup::BackupText(machine.reg);
  int comments = 0;
  for (std::size_t at = 0; (at = text.find("\r\n;", at)) != std::string::npos; at += 2) ++comments;
  CHECK(comments == 3);
  REQUIRE(forms::win32::WriteFileReplacing(kBackup, text));
  DeleteTree(machine.store, kDriver);
  REQUIRE(Settings(machine.store) != expected);

  Regedit(kBackup);
  CHECK(Settings(machine.store) == expected);
  CHECK(machine.reg.GetString(kLocalMachine, kDriver + "\\Glide", "USER_AFTER") == "kept");
}

// What the issue note reports: how many values the demo machine's backup
// holds and how long writing it takes.
TEST_CASE("the demo machine's backup: its size and the time it takes") {
  Machine machine(false);
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  forms::Program program(host, files);
  const std::string text = backup::BackupText(machine.reg);
  int values = 0;
  for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) {
    if (at + 2 < text.size() && (text[at + 2] == '"' || text[at + 2] == '@')) ++values;
  }
  const std::string file = forms::JoinPath(files.ProgramFolder(), backup::kFileName);
  const std::string in_windows = forms::JoinPath(forms::win32::WindowsFolder(), backup::kFileName);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  constexpr int kRuns = 20;
  LONGLONG total = 0;
  for (int i = 0; i < kRuns; ++i) {
    DeleteFileA(file.c_str());
    DeleteFileA(in_windows.c_str());
    QueryPerformanceCounter(&start);
    backup::TakeBackup(machine.reg, program, false);
    QueryPerformanceCounter(&end);
    total += end.QuadPart - start.QuadPart;
  }
  CHECK(ReadFile(file) == text);
  DeleteFileA(file.c_str());
  const double ms = 1000.0 * total / frequency.QuadPart / kRuns;
  MESSAGE("demo machine backup: " << values << " values, " << text.size() << " bytes, " << ms
                                  << " ms to read and write");
  CHECK(values > 40);
}

}  // namespace
