// The games for real: "Tarnolux.exe /game ..." starting the stand-in game
// with its settings in its environment, its arguments and its folder, the
// refusals with their messages and exit codes, and a game added in the
// games window, started from there and by the shortcut it made.
#include <doctest.h>
#include <windows.h>
// These stand on windows.h.
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "forms/win32/automation.h"
#include "forms/win32/shell.h"
#include "journeys/machine.h"
#include "journeys/outside.h"
#include "tests/support/wine_files.h"
#include "tests/support/wine_process.h"
#include "tests/support/wine_registry.h"

namespace {

using test_support::Process;

constexpr const char* kGames = "Software\\Tarno\\Games";

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A game folder with a blank in its name, the stand-in game in it as
// arena.exe, and unless told otherwise its entry in the Games key with
// vsync off and 85 Hz.
struct GameFolder {
  explicit GameFolder(bool listed = true) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    folder = std::string(temp) + "Arena Game";
    CreateDirectoryA(folder.c_str(), nullptr);
    program = folder + "\\arena.exe";
    CopyFileA(STAND_IN_GAME, program.c_str(), FALSE);
    test_support::DeleteTree(HKEY_LOCAL_MACHINE, kGames);
    if (!listed) return;
    Save("Name", "arena");
    Save("Program", program);
    Save("FX_GLIDE_SWAPINTERVAL", "0");
    Save("FX_GLIDE_REFRESH", "85");
    Save("COMSPEC", "C:\\evil.com");  // no Glide variable: never passed on
  }
  ~GameFolder() {
    test_support::DeleteTree(HKEY_LOCAL_MACHINE, kGames);
    test_support::RemoveFolder(folder);
  }
  void Save(const char* name, const std::string& data) {
    HKEY key = nullptr;
    RegCreateKeyA(HKEY_LOCAL_MACHINE, (std::string(kGames) + "\\1").c_str(), &key);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
  }
  // What the stand-in wrote, once it is there; the file goes.
  std::string Seen() const {
    const std::string file = folder + "\\seen.txt";
    test_support::WaitUntil([&] { return FileExists(file); });
    const std::string seen = test_support::FileText(file);
    DeleteFileA(file.c_str());
    return seen;
  }

  std::string folder, program;
};

std::string Line(const std::string& text) { return "\r\n" + text + "\r\n"; }

}  // namespace

TEST_CASE("/game starts the game with its settings, arguments and folder, changing nothing") {
  test_support::SavedValue language(HKEY_LOCAL_MACHINE, "Software\\Tarno", "Language");
  GameFolder game;
  const auto before = test_support::RawTreeOf(HKEY_LOCAL_MACHINE, "Software\\Tarno", true);
  // Tarnolux's own environment: one of the game's variables set otherwise.
  SetEnvironmentVariableA("FX_GLIDE_REFRESH", "60");
  SetEnvironmentVariableA("TARNOLUX_KEPT", "yes");

  Process tarnolux("\"" TARNOLUX_EXE "\" /GAME \"" + game.program + "\" +set r_mode 4  \"a b\"");
  REQUIRE(tarnolux.started());
  CHECK(tarnolux.Ended());
  CHECK(tarnolux.Windows().empty());
  const std::string seen = game.Seen();
  INFO(seen);
  CHECK(seen.rfind("command=\"" + game.program + "\" +set r_mode 4  \"a b\"\r\n", 0) == 0);
  CHECK(seen.find(Line("folder=" + game.folder)) != std::string::npos);
  CHECK(seen.find(Line("env=FX_GLIDE_SWAPINTERVAL=0")) != std::string::npos);
  CHECK(seen.find(Line("env=FX_GLIDE_REFRESH=85")) != std::string::npos);
  CHECK(seen.find("FX_GLIDE_REFRESH=60") == std::string::npos);
  CHECK(seen.find(Line("env=TARNOLUX_KEPT=yes")) != std::string::npos);
  CHECK(seen.find("evil") == std::string::npos);
  CHECK(test_support::RawTreeOf(HKEY_LOCAL_MACHINE, "Software\\Tarno", true) == before);
  SetEnvironmentVariableA("FX_GLIDE_REFRESH", nullptr);
  SetEnvironmentVariableA("TARNOLUX_KEPT", nullptr);
}

TEST_CASE("/game refuses with a message and exit code 1, starting and writing nothing") {
  test_support::SavedValue language(HKEY_LOCAL_MACHINE, "Software\\Tarno", "Language");
  GameFolder game;
  const std::string missing = game.folder + "\\tomb.exe";
  game.Save("Program", missing);  // listed, but not there to start
  struct Case {
    const char* language;
    std::string arguments, message;
  };
  const Case cases[] = {
      {"", "/game", "Name the game to start: Tarnolux.exe /game \"C:\\Games\\game.exe\""},
      {"1", "/game C:\\none.exe", "Tarnolux has no settings for C:\\none.exe."},
      {"2", "/game \"" + missing + "\" -x", missing + " kon niet worden gestart."},
      {"", "/game \"" + missing + "\"", missing + " could not be started."},
  };
  for (const Case& c : cases) {
    CAPTURE(c.arguments);
    HKEY key = nullptr;
    RegCreateKeyA(HKEY_LOCAL_MACHINE, "Software\\Tarno", &key);
    RegSetValueExA(key, "Language", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.language),
                   static_cast<DWORD>(lstrlenA(c.language) + 1));
    RegCloseKey(key);
    const auto before = test_support::RawTreeOf(HKEY_LOCAL_MACHINE, "Software\\Tarno", true);
    Process tarnolux("\"" TARNOLUX_EXE "\" " + c.arguments);
    REQUIRE(tarnolux.started());
    HWND box = tarnolux.WaitForMessage();
    REQUIRE(box != nullptr);
    const test_support::Message message = tarnolux.Answer(box);
    CHECK(message.title == "Tarnolux");
    CHECK(message.text == c.message);
    CHECK(tarnolux.Finished());
    CHECK(tarnolux.ExitCode() == 1);
    CHECK(test_support::RawTreeOf(HKEY_LOCAL_MACHINE, "Software\\Tarno", true) == before);
  }
  CHECK_FALSE(FileExists(game.folder + "\\seen.txt"));
}

namespace {

// What a shortcut file holds, read back with IShellLinkA.
struct ShortcutFile {
  explicit ShortcutFile(const std::string& path) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
      IPersistFile* file = nullptr;
      if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::wstring wide(path.begin(), path.end());
        if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
          char text[MAX_PATH] = {};
          int index = -1;
          link->GetPath(text, sizeof text, nullptr, 0);
          target = text;
          link->GetArguments(text, sizeof text);
          arguments = text;
          link->GetWorkingDirectory(text, sizeof text);
          folder = text;
          link->GetIconLocation(text, sizeof text, &index);
          icon = text;
          icon_index = index;
        }
        file->Release();
      }
      link->Release();
    }
    CoUninitialize();
  }
  std::string target, arguments, folder, icon;
  int icon_index = -1;
};

// Everything outside the Games key that Tarnolux could write: its own key
// and the display driver's keys.
test_support::RawValues Outside() {
  test_support::RawValues values =
      test_support::RawTreeOf(HKEY_LOCAL_MACHINE, "Software\\Tarno", true);
  for (auto it = values.begin(); it != values.end();) {
    it = it->first.rfind("\\Games", 0) == 0 ? values.erase(it) : std::next(it);
  }
  for (const auto& value : test_support::RawTreeOf(
           HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\Display", true)) {
    values["display" + value.first] = value.second;
  }
  return values;
}

// The checks on what the stand-in saw when started with vsync off and
// 85 Hz from `folder`, with `command` as its command line.
void CheckSeen(const std::string& seen, const std::string& command, const std::string& folder) {
  INFO(seen);
  CHECK(seen.rfind("command=" + command + "\r\n", 0) == 0);
  CHECK(seen.find(Line("folder=" + folder)) != std::string::npos);
  CHECK(seen.find(Line("env=FX_GLIDE_SWAPINTERVAL=0")) != std::string::npos);
  CHECK(seen.find(Line("env=FX_GLIDE_REFRESH=85")) != std::string::npos);
}

}  // namespace

TEST_CASE(
    "a game added in the games window starts by Start and by its shortcut with its settings") {
  journeys::Machine machine(journeys::kVoodoo3Machine);
  REQUIRE(machine.ready());
  machine.ChooseEnglish();
  GameFolder game(false);
  using forms::automation::FindControl;
  using forms::automation::Robot;
  journeys::Program tarnolux("Tarnolux.exe");
  HWND main = tarnolux.WaitForForm("frmv3");
  REQUIRE(main != nullptr);
  const test_support::RawValues before = Outside();
  Robot().Click(FindControl(main, "games"));
  HWND games = tarnolux.WaitForForm("frmgames");
  REQUIRE(games != nullptr);

  // "Add...": the standard Open dialog, answered with the game's path.
  tarnolux.Press(FindControl(games, "cmdadd"));
  HWND dialog = tarnolux.WaitForWindow([](HWND window) {
    return test_support::IsMessageBox(window) && forms::automation::Text(window) == "Add a game";
  });
  REQUIRE(dialog != nullptr);
  for (int field : {0x47c, 0x480}) {  // the file name: cmb13 or edt1
    if (GetDlgItem(dialog, field)) SetDlgItemTextA(dialog, field, game.program.c_str());
  }
  tarnolux.Press(GetDlgItem(dialog, IDOK));
  CHECK(test_support::WaitUntil(
      [&] { return journeys::BoxText(FindControl(games, "cbogames")) == "arena"; }));
  Robot().Pick(FindControl(games, "cbovsync"), 2);    // Off
  Robot().Pick(FindControl(games, "cborefresh"), 5);  // 85 Hz

  tarnolux.Press(FindControl(games, "cmdstart"));
  CheckSeen(game.Seen(), "\"" + game.program + "\"", game.folder);

  tarnolux.Press(FindControl(games, "cmdshortcut"));
  HWND box = tarnolux.WaitForMessage();
  REQUIRE(box != nullptr);
  CHECK(tarnolux.Answer(box).text == "The shortcut \"arena (Tarnolux)\" is on the desktop.");
  tarnolux.Press(FindControl(games, "ok"));
  CHECK(test_support::WaitUntil([&] { return tarnolux.Hidden("frmgames"); }));
  CHECK(test_support::Value(HKEY_LOCAL_MACHINE, std::string(kGames) + "\\1", "FX_GLIDE_REFRESH") ==
        "85");
  const std::string path = forms::win32::Win32Shell().DesktopFolder() + "\\arena (Tarnolux).lnk";
  CHECK(test_support::Value(HKEY_LOCAL_MACHINE, std::string(kGames) + "\\1", "Shortcut") == path);

  const ShortcutFile shortcut(path);
  CHECK(lstrcmpiA(shortcut.target.c_str(), "C:\\Tarnolux Journeys\\Tarnolux.exe") == 0);
  CHECK(shortcut.arguments == "/game \"" + game.program + "\"");
  CHECK(shortcut.folder == game.folder);
  CHECK(shortcut.icon == game.program);
  // Started as the shell starts a shortcut: its target, arguments, folder.
  test_support::Process started("\"" + shortcut.target + "\" " + shortcut.arguments + " -window",
                                shortcut.folder.c_str());
  CHECK(started.Ended());
  CheckSeen(game.Seen(), "\"" + game.program + "\" -window", game.folder);

  CHECK(Outside() == before);
  Robot().Close(main);
  CHECK(tarnolux.Ended());
  DeleteFileA(path.c_str());
}
