// The real Uninstall.exe under Wine: the demo machine's Voodoo3 3000 after
// some use of Tarnolux, the program's files in a folder of their own; the
// uninstaller runs as its own process, its message is answered with OK,
// and then the registry and the folder are compared with what they must
// hold.
#include <doctest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "forms/win32/automation.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/wine_files.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_process.h"
#include "tests/support/wine_registry.h"

namespace {

using registry::kLocalMachine;
using test_support::FilesIn;
using test_support::Values;

const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display";
const test_support::CardKeys kVoodoo(1);  // the demo's card
const std::string kFolder = "C:\\Tarnolux Uninstall Test";
constexpr const char* kProgramFiles[] = {"Tarnolux.exe", "VBRun60.exe", "pic1.jpg", "pic2.jpg",
                                         "readme.txt"};

// Values under a key, as "\sub\key|name" -> "text" or "dword:N".
Values ValuesUnder(const std::string& path) {
  return test_support::TreeOf(HKEY_LOCAL_MACHINE, path);
}

// The HKEY_LOCAL_MACHINE display keys of a REGEDIT4 file.
void ImportDisplayKeys(registry::Registry& reg, const std::string& file) {
  std::ifstream in(file);
  REQUIRE(in.good());
  const std::string root = "HKEY_LOCAL_MACHINE\\";
  std::string line, key;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("[", 0) == 0) {
      key = line.substr(1, line.size() - 2);
      key = key.rfind(root + kDisplay, 0) == 0 ? key.substr(root.size()) : "";
      continue;
    }
    if (key.empty() || line.rfind("\"", 0) != 0) continue;
    const std::size_t equals = line.find("\"=");
    const std::string name = line.substr(1, equals - 1);
    const std::string raw = line.substr(equals + 2);
    if (raw.rfind("dword:", 0) == 0) {
      reg.SaveDWord(kLocalMachine, key, name.c_str(), std::stoul(raw.substr(6), nullptr, 16));
      continue;
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < raw.size(); ++i) text += raw[i] == '\\' ? raw[++i] : raw[i];
    reg.SaveString(kLocalMachine, key, name.c_str(), text);
  }
}

void WriteFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, "x", 1, &written, nullptr);
  CloseHandle(file);
}

BOOL CALLBACK FindIcon(HWND hwnd, LPARAM lparam) {
  if ((GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(hwnd) &&
      SendMessageA(hwnd, STM_GETICON, 0, 0) != 0) {
    *reinterpret_cast<bool*>(lparam) = true;
  }
  return TRUE;
}

// The demo machine and the program's folder, seeded for one run and
// removed again at the end.
struct Machine {
  registry::Win32Store store;
  registry::Registry reg{store};

  Machine() {
    Clean();
    ImportDisplayKeys(reg, test_support::WinePath(TARNOLUX_DEMO_MACHINE));
    // The user chose Dutch, overclocked and forced triple buffering.
    reg.SaveString(kLocalMachine, test_support::kProgramKey, "Language", "2");
    reg.SaveString(kLocalMachine, kVoodoo.defaults, "Grxclock", "200");
    for (const char* clock : {"GFX Clock Speed", "Graphics Clock Speed", "Memory Clock Speed"}) {
      reg.SaveString(kLocalMachine, kVoodoo.info, clock, "200");
    }
    reg.SaveString(kLocalMachine, kVoodoo.glide, "FX_GLIDE_ALLOC_COLOR", "3");
    reg.SaveString(kLocalMachine, kVoodoo.d3d, "SSTH3_ANTIALIAS", "1");

    CreateDirectoryA(kFolder.c_str(), nullptr);
    REQUIRE(CopyFileA(test_support::WinePath(UNINSTALL_EXE).c_str(),
                      (kFolder + "\\Uninstall.exe").c_str(), FALSE));
    for (const char* file : kProgramFiles) WriteFile(kFolder + "\\" + file);
    WriteFile(kFolder + "\\my notes.txt");
    // Two games: a shortcut Tarnolux made, and a "Shortcut" that is none.
    const std::string games = std::string(test_support::kProgramKey) + "\\Games";
    reg.SaveString(kLocalMachine, games + "\\1", "Program", kFolder + "\\tomb.exe");
    reg.SaveString(kLocalMachine, games + "\\1", "Shortcut", kFolder + "\\tomb (Tarnolux).lnk");
    reg.SaveString(kLocalMachine, games + "\\2", "Program", kFolder + "\\tomb.exe");
    reg.SaveString(kLocalMachine, games + "\\2", "Shortcut", kFolder + "\\tomb.exe");
    WriteFile(kFolder + "\\tomb (Tarnolux).lnk");
    WriteFile(kFolder + "\\tomb.exe");
  }
  ~Machine() { Clean(); }

  // Windows 98 deletes a key with all its subkeys, so the class key goes
  // only when it is checked to be empty.
  bool HasSubkeys(const std::string& path) {
    registry::Hkey key;
    if (store.OpenKey(kLocalMachine, path, &key) != registry::kOk) return false;
    std::string name;
    const bool has = store.EnumKey(key, 0, &name) == registry::kOk;
    store.CloseKey(key);
    return has;
  }

  // The demo's two display keys; the display-class key itself only when
  // nothing else is left under it.
  void Clean() {
    test_support::DeleteTree(HKEY_LOCAL_MACHINE, test_support::DisplayKey(0));
    test_support::DeleteTree(HKEY_LOCAL_MACHINE, kVoodoo.driver);
    if (!HasSubkeys(kDisplay)) store.DeleteKey(kLocalMachine, kDisplay);
    store.DeleteKey(kLocalMachine, test_support::kProgramKey);
    test_support::RemoveFolder(kFolder);
  }
};

// What a run showed: the closing message and the windows beside it.
struct Closing {
  std::string title, text;
  bool icon = false;
  bool cancel = false;
  int other_windows = 0;
};

// Starts Uninstall.exe from another working folder, answers its message
// with OK and waits for the process to end; false when it never asked.
bool RunUninstaller(Closing* closing, DWORD* exit_code) {
  test_support::Process uninstaller("\"" + kFolder + "\\Uninstall.exe\"", "C:\\");
  HWND box = uninstaller.WaitForMessage();
  if (box) {
    Sleep(100);  // let the box finish drawing
    EnumChildWindows(box, &FindIcon, reinterpret_cast<LPARAM>(&closing->icon));
    closing->cancel = GetDlgItem(box, IDCANCEL) != nullptr;
    closing->other_windows = static_cast<int>(uninstaller.Windows().size()) - 1;
    const test_support::Message message = uninstaller.Answer(box);
    closing->title = message.title;
    closing->text = message.text;
  }
  const bool ended = uninstaller.Finished();
  *exit_code = uninstaller.ExitCode();
  return box && ended;
}

// The factory state of the Voodoo3 3000's keys that the uninstaller
// rebuilds, over what the machine held before.
Values FactoryState(Values values) {
  for (auto it = values.begin(); it != values.end();) {
    const std::string& where = it->first;
    const bool rebuilt = where.rfind("\\Glide|", 0) == 0 || where.rfind("\\D3D|", 0) == 0 ||
                         where.rfind("\\MODES\\", 0) == 0;
    it = rebuilt ? values.erase(it) : std::next(it);
  }
  for (const char* api : {"\\Glide|", "\\D3D|"}) {
    for (const char* gamma : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}) {
      values[api + std::string(gamma)] = "1.3";
    }
    values[api + std::string("SSTH3_ALPHADITHERMODE")] = "1";
    values[api + std::string("SSTH3_OVERLAYMODE")] = "1";
  }
  const std::string tweaks = test_support::kGammaBelow + std::string("|");
  for (const char* gamma : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}) {
    values[tweaks + gamma] = "1";
    values[std::string("|") + gamma] = "1";
  }
  for (const char* resolution : {"640,480", "800,600", "960,720", "1024,768", "1152,864",
                                 "1280,960", "1280,1024", "1600,1024", "1600,1200", "1792,1344",
                                 "1856,1392", "1920,1080", "1920,1200", "1920,1440", "2046,1536"}) {
    for (const char* depth : {"8", "16", "24", "32"}) {
      values[std::string("\\MODES\\") + depth + "\\" + resolution + "|RefreshRate"] = "60";
    }
  }
  values["\\DEFAULT|Grxclock"] = "166";
  for (const char* clock : {"GFX Clock Speed", "Graphics Clock Speed", "Memory Clock Speed"}) {
    values[test_support::kInfoBelow + std::string("|") + clock] = "166";
  }
  return values;
}

TEST_CASE("Uninstall.exe puts the demo machine's Voodoo3 3000 back to factory values") {
  Machine machine;
  const Values vga_before = ValuesUnder(test_support::DisplayKey(0));
  const Values expected = FactoryState(ValuesUnder(kVoodoo.driver));
  REQUIRE(expected.at("|DriverDesc") == "3dfx Voodoo3");

  Closing closing;
  DWORD exit_code = 99;
  REQUIRE(RunUninstaller(&closing, &exit_code));
  CHECK(closing.title == "Uninstall");
  CHECK(closing.text == "Now delete this file.");
  CHECK_FALSE(closing.icon);
  CHECK_FALSE(closing.cancel);
  CHECK(closing.other_windows == 0);  // Form1 never shows
  CHECK(exit_code == 0);

  // The registry: the card's keys in factory state, nothing else changed.
  const Values after = ValuesUnder(kVoodoo.driver);
  for (const auto& [where, value] : expected) {
    CHECK_MESSAGE(after.count(where) == 1, where);
    if (after.count(where)) CHECK_MESSAGE(after.at(where) == value, where);
  }
  for (const auto& [where, value] : after) CHECK_MESSAGE(expected.count(where) == 1, where);
  CHECK(ValuesUnder(test_support::DisplayKey(0)) == vga_before);
  CHECK(machine.reg.GetString(kLocalMachine, test_support::kProgramKey, "Language", "<absent>") ==
        "");

  // The folder: the program's files are gone; the uninstaller, the user's
  // own file and the backup of the settings from before the run stay.
  // The games' list and their shortcut go; a file that is no shortcut stays.
  const std::set<std::string> kept = {"Uninstall.exe", "my notes.txt", "Tarnolux backup.reg",
                                      "tomb.exe"};
  CHECK(FilesIn(kFolder) == kept);
  CHECK(test_support::RawTreeOf(HKEY_LOCAL_MACHINE, "Software\\Tarno\\Games", true).empty());

  SUBCASE("a second run finds nothing to delete and leaves the same registry") {
    Closing again;
    REQUIRE(RunUninstaller(&again, &exit_code));
    CHECK(again.text == "Now delete this file.");
    CHECK(ValuesUnder(kVoodoo.driver) == after);
    CHECK(FilesIn(kFolder) == kept);
  }
}

}  // namespace
