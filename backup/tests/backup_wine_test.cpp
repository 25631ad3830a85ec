// The backup under Wine, the way a user would rely on it: the demo machine
// with some values of every kind, the real Tarnolux.exe and Uninstall.exe
// run as their own processes (the gamma, refresh and Windows options
// windows, Apply, a preset, the uninstaller), then the backup imported
// with Wine's own regedit. Every value that was there before the first
// run must have its type and data back.
#include <doctest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "backup/backup.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/wine_files.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_process.h"
#include "tests/support/wine_registry.h"

namespace {

using registry::kCurrentConfig;
using registry::kCurrentUser;
using registry::kLocalMachine;

const test_support::CardKeys kCard(1);  // the demo's Voodoo3 3000
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kFolder = "C:\\Tarnolux Backup Test";
const std::string kBackup = kFolder + "\\Tarnolux backup.reg";

// "path|name" -> type and bytes, for a whole tree or chosen values.
using Snapshot = test_support::RawValues;

// The values `names` of a key, as "ROOT\path|name".
void Pick(HKEY root, const char* root_name, const std::string& path,
          const std::vector<std::string>& names, Snapshot* out) {
  const Snapshot all = test_support::RawValuesOf(root, path);
  for (const std::string& name : names) {
    auto found = all.find(name);
    if (found != all.end()) (*out)[root_name + path + "|" + name] = found->second;
  }
}

Snapshot Settings() {
  Snapshot out;
  for (const auto& [where, value] : test_support::RawTreeOf(HKEY_LOCAL_MACHINE, kCard.driver)) {
    out[kCard.driver + where] = value;
  }
  Pick(HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE\\", kRun, {"3dfx Tools"}, &out);
  Pick(HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE\\", test_support::kProgramKey, {"Language"}, &out);
  // Every value the desktop window's OK rewrites.
  Pick(HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG\\", "Display\\Settings",
       {"Resolution", "BitsPerPixel", "DPIPhysicalX", "DPIPhysicalY", "DPILogicalX", "DPILogicalY",
        "Advanced"},
       &out);
  Pick(HKEY_CURRENT_USER, "HKEY_CURRENT_USER\\", "Control Panel\\Desktop",
       {"FontSmoothing", "DragFullWindows", "WallpaperStyle"}, &out);
  return out;
}

// A program of this test's own, started from C:\.
struct Process : test_support::Process {
  explicit Process(std::string command) : test_support::Process(std::move(command), "C:\\") {}

  // Answers the process's message box with OK; false when none came.
  bool AnswerBox() {
    HWND box = WaitForMessage();
    if (box) Answer(box);
    return box != nullptr;
  }
  // Opens a window with a button of the main window; null if it never
  // shows.
  HWND OpenFrom(HWND main, const char* button, const char* form) {
    Press(forms::automation::FindControl(main, button));
    return WaitForForm(form);
  }
  // Leaves a window with its button; true once the main window is back.
  bool BackTo(HWND main, HWND form, const char* button) {
    Press(forms::automation::FindControl(form, button));
    return test_support::WaitUntil(
        [&] { return forms::automation::Shown(main) && !forms::automation::Shown(form); });
  }
};

struct Machine {
  registry::Win32Store store;
  registry::Registry reg{store};
  std::string windows_backup = forms::JoinPath(forms::win32::WindowsFolder(), backup::kFileName);

  explicit Machine(bool user_values = true) {
    Clean();
    REQUIRE(test_support::ImportWithRegedit(test_support::WinePath(TARNOLUX_DEMO_MACHINE)));
    CreateDirectoryA(kFolder.c_str(), nullptr);
    if (user_values) AddUserValues();
  }
  ~Machine() { Clean(); }

  void AddUserValues() {
    // The user's own values, of every kind a driver key may hold.
    reg.SaveString(kLocalMachine, test_support::kProgramKey, "Language", "1");
    reg.SaveString(kLocalMachine, kRun, "3dfx Tools", "C:\\3dfx\\3dfxman.exe /tray \"quiet\"");
    reg.SaveString(kLocalMachine, kCard.d3d, "USER_EMPTY", "");
    reg.SaveString(kLocalMachine, kCard.glide, "FX_GLIDE_ALLOC_COLOR", "3");
    reg.SaveDWord(kLocalMachine, kCard.glide, "UserDword", -2);
    Raw(kCard.defaults, "UserBinary", registry::kBinary, Bytes(100));
    Raw(kCard.d3d, "UserExpand", registry::kExpandString, std::string("%windir%\\x\0", 11));
    Raw(kCard.driver + "\\shellex\\Deep\\Deeper\\Deepest", "UserMulti", registry::kMultiString,
        std::string("a\\b\0\"c\"\0\0", 9));
    reg.SaveString(kCurrentConfig, "Display\\Settings", "Resolution", "1024,768");
    reg.SaveString(kCurrentUser, "Control Panel\\Desktop", "FontSmoothing", "0");
    for (const char* program : {TARNOLUX_EXE, UNINSTALL_EXE}) {
      std::string path = program;
      const std::string name = path.substr(path.find_last_of('/') + 1);
      REQUIRE(
          CopyFileA(test_support::WinePath(path).c_str(), (kFolder + "\\" + name).c_str(), FALSE));
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
    test_support::DeleteTree(HKEY_LOCAL_MACHINE, test_support::DisplayKey(0));
    test_support::DeleteTree(HKEY_LOCAL_MACHINE, kCard.driver);
    test_support::DeleteTree(HKEY_LOCAL_MACHINE, test_support::kProgramKey);
    for (const char* file : {"Tarnolux.exe", "Uninstall.exe", backup::kFileName}) {
      DeleteFileA((kFolder + "\\" + file).c_str());
    }
    DeleteFileA(windows_backup.c_str());
    RemoveDirectoryA(kFolder.c_str());
  }
};

TEST_CASE("the backup brings back every value after Tarnolux and the uninstaller") {
  Machine machine;
  const Snapshot before = Settings();
  REQUIRE(before.size() > 40);

  {
    Process tarnolux("\"" + kFolder + "\\Tarnolux.exe\"");
    REQUIRE(tarnolux.started());
    HWND main = tarnolux.WaitForForm("frmv3");
    REQUIRE(main);
    CHECK(machine.reg.GetString(kLocalMachine, kRun, "3dfx Tools", "-") == "");
    forms::automation::Robot robot;
    // Gamma: one bar of each of two groups moved, then OK.
    HWND gamma = tarnolux.OpenFrom(main, "gamma", "frmgamma");
    REQUIRE(gamma);
    robot.Scroll(forms::automation::FindControl(gamma, "gr"), SB_PAGEUP);
    robot.Scroll(forms::automation::FindControl(gamma, "dr"), SB_PAGEDOWN);
    REQUIRE(tarnolux.BackTo(main, gamma, "OK"));
    // Refresh rates as they stand, written by OK.
    HWND refresh = tarnolux.OpenFrom(main, "refresh", "frmrefresh");
    REQUIRE(refresh);
    REQUIRE(tarnolux.BackTo(main, refresh, "ok"));
    // Windows options: font smoothing switched over, then OK.
    HWND desktop = tarnolux.OpenFrom(main, "windowz", "frmwondowz");
    REQUIRE(desktop);
    tarnolux.Press(forms::automation::FindControl(desktop, "smooth"));
    REQUIRE(tarnolux.BackTo(main, desktop, "ok"));
    tarnolux.Press(forms::automation::FindControl(main, "apply"));
    CHECK(tarnolux.AnswerBox());
    tarnolux.Press(forms::automation::FindControl(main, "preset"));
    HWND presets = tarnolux.WaitForForm("frmdefaults");
    REQUIRE(presets);
    tarnolux.Press(forms::automation::FindControl(presets, "fastest"));
    CHECK(tarnolux.Ended());
  }
  const std::string written = test_support::FileText(kBackup);
  REQUIRE(written.rfind("REGEDIT4\r\n", 0) == 0);
  CHECK(GetFileAttributesA((kBackup + ".new").c_str()) == INVALID_FILE_ATTRIBUTES);
  CHECK(GetFileAttributesA(machine.windows_backup.c_str()) == INVALID_FILE_ATTRIBUTES);
  CHECK(Settings() != before);
  // What the windows and the preset did is really there to undo.
  CHECK(machine.reg.GetString(kCurrentUser, "Control Panel\\Desktop", "FontSmoothing") != "0");
  CHECK(machine.reg.GetDWord(kLocalMachine, kCard.glide, "UserDword", 12345) == 12345);

  {
    Process uninstall("\"" + kFolder + "\\Uninstall.exe\"");
    REQUIRE(uninstall.started());
    CHECK(uninstall.AnswerBox());
    CHECK(uninstall.Ended());
  }
  CHECK(test_support::FileText(kBackup) == written);  // never overwritten

  REQUIRE(test_support::ImportWithRegedit(kBackup));
  const Snapshot after = Settings();
  int values = 0;
  for (const auto& [where, value] : before) {
    ++values;
    REQUIRE_MESSAGE(after.count(where) == 1, where);
    CHECK_MESSAGE(after.at(where).type == value.type, where);
    CHECK_MESSAGE(after.at(where).bytes == value.bytes, where);
  }
  MESSAGE("values checked after the import: " << values);
}

TEST_CASE("a file that cannot be written completely is not there at all") {
  Machine machine(false);
  const std::string target = kFolder + "\\t.reg";
  CHECK(forms::win32::WriteFileReplacing(target, "REGEDIT4\r\n"));
  CHECK(test_support::FileText(target) == "REGEDIT4\r\n");
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
  machine.reg.SaveString(kLocalMachine, kCard.glide, "Two\r\nLines", "x");
  machine.reg.SaveDWord(kLocalMachine, kCard.glide, "Line\nFeed", 1);
  machine.reg.SaveString(kLocalMachine, kCard.glide, "USER_AFTER", "kept");
  machine.reg.SaveString(kLocalMachine, kCard.driver + "\\shellex\\Bad\nKey\\Below", "v", "1");
  machine.reg.SaveString(kLocalMachine, kCard.driver + "\\shellex\\Good", "v", "2");
  Snapshot expected;
  for (const auto& [where, value] : Settings()) {
    if (where.find_first_of("\r\n") == std::string::npos) expected[where] = value;
  }
  REQUIRE(expected.count(kCard.driver + "\\shellex\\Good|v") == 1);
  REQUIRE(expected.size() + 3 == Settings().size());

  const std::string text = backup::BackupText(machine.reg);
  int comments = 0;
  for (std::size_t at = 0; (at = text.find("\r\n;", at)) != std::string::npos; at += 2) ++comments;
  CHECK(comments == 3);
  REQUIRE(forms::win32::WriteFileReplacing(kBackup, text));
  test_support::DeleteTree(HKEY_LOCAL_MACHINE, kCard.driver);
  REQUIRE(Settings() != expected);

  REQUIRE(test_support::ImportWithRegedit(kBackup));
  CHECK(Settings() == expected);
  CHECK(machine.reg.GetString(kLocalMachine, kCard.glide, "USER_AFTER") == "kept");
}

// How many values the demo machine's backup holds, each one of the values
// the backup is for, and how long writing it takes.
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
  CHECK(test_support::FileText(file) == text);
  DeleteFileA(file.c_str());
  const double ms = 1000.0 * total / frequency.QuadPart / kRuns;
  MESSAGE("demo machine backup: " << values << " values, " << text.size() << " bytes, " << ms
                                  << " ms to read and write");
  CHECK(values == static_cast<int>(Settings().size()));
  CHECK(values > 40);
}

}  // namespace
