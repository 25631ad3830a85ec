// "Tarnolux.exe /game ..." for real: the stand-in game started with its
// settings in its environment, its arguments and its folder, and the
// refusals with their messages and exit codes.
#include <doctest.h>
#include <windows.h>

#include <string>

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
// arena.exe, and its entry in the Games key with vsync off and 85 Hz.
struct GameFolder {
  GameFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    folder = std::string(temp) + "Arena Game";
    CreateDirectoryA(folder.c_str(), nullptr);
    program = folder + "\\arena.exe";
    CopyFileA(STAND_IN_GAME, program.c_str(), FALSE);
    test_support::DeleteTree(HKEY_LOCAL_MACHINE, kGames);
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
  // What the stand-in wrote, once it is there.
  std::string Seen() const {
    const std::string file = folder + "\\seen.txt";
    test_support::WaitUntil([&] { return FileExists(file); });
    return test_support::FileText(file);
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
