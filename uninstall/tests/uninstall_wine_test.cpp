// The real Uninstall.exe under Wine: the demo machine's Voodoo3 3000 after
// some use of Tarnolux, the program's files in a folder of their own; the
// uninstaller runs as its own process, its message is answered with OK,
// and then the registry and the folder are compared with what they must
// hold.
#include <doctest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "forms/win32/automation.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/wine_machine.h"

namespace {

using registry::kLocalMachine;

const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display";
const std::string kVoodoo = kDisplay + "\\0001";  // the demo's card
const std::string kInfo = "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
const std::string kFolder = "C:\\Tarnolux Uninstall Test";
constexpr const char* kProgramFiles[] = {"Tarnolux.exe", "VBRun60.exe", "pic1.jpg", "pic2.jpg",
                                         "readme.txt"};

// A Linux path of the build as Wine sees it.
std::string WinePath(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "Z:" + path;
}

// Values under a key, as "sub\key|name" -> "text" or "dword:N".
using Values = std::map<std::string, std::string>;

void Collect(registry::Store& store, registry::Hkey key, const std::string& prefix, Values* out) {
  std::string name, data;
  std::uint32_t type = 0;
  for (std::uint32_t i = 0; store.EnumValue(key, i, &name, &type, &data) == registry::kOk; ++i) {
    if (type == registry::kDword) {
      std::uint32_t number = 0;
      data.copy(reinterpret_cast<char*>(&number), sizeof number);
      (*out)[prefix + "|" + name] = "dword:" + std::to_string(number);
    } else {
      (*out)[prefix + "|" + name] = data.substr(0, data.find('\0'));
    }
  }
  for (std::uint32_t i = 0; store.EnumKey(key, i, &name) == registry::kOk; ++i) {
    registry::Hkey sub;
    if (store.OpenKey(key, name, &sub) != registry::kOk) continue;
    Collect(store, sub, prefix + "\\" + name, out);
    store.CloseKey(sub);
  }
}

Values ValuesUnder(registry::Store& store, const std::string& path) {
  Values out;
  registry::Hkey key;
  if (store.OpenKey(kLocalMachine, path, &key) != registry::kOk) return out;
  Collect(store, key, "", &out);
  store.CloseKey(key);
  return out;
}

// Keys with subkeys cannot be deleted: leaves first.
void DeleteTree(registry::Store& store, const std::string& path) {
  registry::Hkey key;
  if (store.OpenKey(kLocalMachine, path, &key) != registry::kOk) return;
  std::string name;
  std::set<std::string> subkeys;
  for (std::uint32_t i = 0; store.EnumKey(key, i, &name) == registry::kOk; ++i) {
    subkeys.insert(name);
  }
  store.CloseKey(key);
  for (const std::string& sub : subkeys) DeleteTree(store, path + "\\" + sub);
  store.DeleteKey(kLocalMachine, path);
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
      reg.SaveDWord(kLocalMachine, key, name, std::stoul(raw.substr(6), nullptr, 16));
      continue;
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < raw.size(); ++i) text += raw[i] == '\\' ? raw[++i] : raw[i];
    reg.SaveString(kLocalMachine, key, name, text);
  }
}

void WriteFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, "x", 1, &written, nullptr);
  CloseHandle(file);
}

using test_support::FilesIn;

void RemoveFolder(const std::string& folder) {
  for (const std::string& file : FilesIn(folder)) {
    SetFileAttributesA((folder + "\\" + file).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA((folder + "\\" + file).c_str());
  }
  RemoveDirectoryA(folder.c_str());
}

// The visible top-level windows of a process.
struct ProcessWindows {
  DWORD process;
  std::set<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<ProcessWindows*>(lparam);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == search->process && IsWindowVisible(hwnd)) search->windows.insert(hwnd);
  return TRUE;
}

std::set<HWND> WindowsOf(DWORD process) {
  ProcessWindows search{process, {}};
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

bool IsDialog(HWND hwnd) {
  char name[16] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  return lstrcmpA(name, "#32770") == 0;
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
    ImportDisplayKeys(reg, WinePath(TARNOLUX_DEMO_MACHINE));
    // The user chose Dutch, overclocked and forced triple buffering.
    reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "2");
    reg.SaveString(kLocalMachine, kVoodoo + "\\DEFAULT", "Grxclock", "200");
    for (const char* clock : {"GFX Clock Speed", "Graphics Clock Speed", "Memory Clock Speed"}) {
      reg.SaveString(kLocalMachine, kVoodoo + kInfo, clock, "200");
    }
    reg.SaveString(kLocalMachine, kVoodoo + "\\Glide", "FX_GLIDE_ALLOC_COLOR", "3");
    reg.SaveString(kLocalMachine, kVoodoo + "\\D3D", "SSTH3_ANTIALIAS", "1");

    CreateDirectoryA(kFolder.c_str(), nullptr);
    REQUIRE(
        CopyFileA(WinePath(UNINSTALL_EXE).c_str(), (kFolder + "\\Uninstall.exe").c_str(), FALSE));
    for (const char* file : kProgramFiles) WriteFile(kFolder + "\\" + file);
    WriteFile(kFolder + "\\my notes.txt");
  }
  ~Machine() { Clean(); }

  // The demo's two display keys; the display-class key itself only when
  // nothing else is left under it.
  void Clean() {
    DeleteTree(store, kDisplay + "\\0000");
    DeleteTree(store, kVoodoo);
    store.DeleteKey(kLocalMachine, kDisplay);
    store.DeleteKey(kLocalMachine, "Software\\Tarno");
    RemoveFolder(kFolder);
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
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + kFolder + "\\Uninstall.exe\"";
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, "C:\\", &startup,
                      &process)) {
    return false;
  }
  HWND box = nullptr;
  for (int tries = 0; tries < 300 && !box; ++tries) {
    for (HWND hwnd : WindowsOf(process.dwProcessId)) {
      if (IsDialog(hwnd)) box = hwnd;
    }
    if (!box) Sleep(50);
  }
  if (box) {
    Sleep(100);  // let the box finish drawing
    closing->title = forms::automation::Text(box);
    closing->text = forms::automation::Text(GetDlgItem(box, 0xFFFF));
    EnumChildWindows(box, &FindIcon, reinterpret_cast<LPARAM>(&closing->icon));
    closing->cancel = GetDlgItem(box, IDCANCEL) != nullptr;
    closing->other_windows = static_cast<int>(WindowsOf(process.dwProcessId).size()) - 1;
    forms::automation::Robot().Click(GetDlgItem(box, IDOK));
  }
  const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 1);
  GetExitCodeProcess(process.hProcess, exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
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
  const std::string tweaks = "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA|";
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
    values[kInfo + "|" + clock] = "166";
  }
  return values;
}

TEST_CASE("Uninstall.exe puts the demo machine's Voodoo3 3000 back to factory values") {
  Machine machine;
  const Values vga_before = ValuesUnder(machine.store, kDisplay + "\\0000");
  const Values expected = FactoryState(ValuesUnder(machine.store, kVoodoo));
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
  const Values after = ValuesUnder(machine.store, kVoodoo);
  for (const auto& [where, value] : expected) {
    CHECK_MESSAGE(after.count(where) == 1, where);
    if (after.count(where)) CHECK_MESSAGE(after.at(where) == value, where);
  }
  for (const auto& [where, value] : after) CHECK_MESSAGE(expected.count(where) == 1, where);
  CHECK(ValuesUnder(machine.store, kDisplay + "\\0000") == vga_before);
  CHECK(machine.reg.GetString(kLocalMachine, "Software\\Tarno", "Language", "<absent>") == "");

  // The folder: the program's files are gone; the uninstaller, the user's
  // own file and the backup of the settings from before the run stay.
  const std::set<std::string> kept = {"Uninstall.exe", "my notes.txt", "Tarnolux backup.reg"};
  CHECK(FilesIn(kFolder) == kept);

  SUBCASE("a second run finds nothing to delete and leaves the same registry") {
    Closing again;
    REQUIRE(RunUninstaller(&again, &exit_code));
    CHECK(again.text == "Now delete this file.");
    CHECK(ValuesUnder(machine.store, kVoodoo) == after);
    CHECK(FilesIn(kFolder) == kept);
  }
}

}  // namespace
