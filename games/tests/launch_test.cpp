#include "games/launch.h"

#include <gtest/gtest.h>

#include "forms/headless.h"
#include "games/tests/fake_shell.h"
#include "tests/support/recording_store.h"

namespace games {
namespace {

struct CommandLineStart : ::testing::Test {
  CommandLineStart() {
    reg.SaveString(registry::kLocalMachine, "Software\\Tarno\\Games\\1", "Program",
                   "C:\\Games\\Arena\\arena.exe");
    reg.SaveString(registry::kLocalMachine, "Software\\Tarno\\Games\\1", "FX_GLIDE_REFRESH", "85");
    store.writes.clear();
  }
  std::optional<int> Run(const std::string& tail) {
    return StartFromCommandLine(host, shell, reg, tail);
  }
  std::string OnlyMessage() {
    if (host.messages.size() != 1 || host.messages[0].title != "Tarnolux") return "?";
    return host.messages[0].text;
  }

  test_support::RecordingStore store;
  registry::Registry reg{store};
  forms::HeadlessHost host;
  testing::FakeShell shell;
};

TEST_F(CommandLineStart, StartsTheGameWithItsSettingsAndWritesNothing) {
  EXPECT_EQ(Run("/GAME c:\\games\\arena\\ARENA.EXE +set r_mode 4"), 0);
  ASSERT_EQ(shell.started.size(), 1u);
  EXPECT_EQ(shell.started[0].program, "C:\\Games\\Arena\\arena.exe");
  EXPECT_EQ(shell.started[0].command_line, "\"C:\\Games\\Arena\\arena.exe\" +set r_mode 4");
  EXPECT_EQ(shell.started[0].folder, "C:\\Games\\Arena");
  EXPECT_EQ(shell.started[0].environment,
            std::string("FX_GLIDE_REFRESH=85") + '\0' + "PATH=C:\\WINDOWS" + '\0' + '\0');
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(store.writes.empty());
  EXPECT_FALSE(host.ended);  // the entry ends the process with the code
}

TEST_F(CommandLineStart, OtherCommandsStartTarnoluxAsAlways) {
  EXPECT_FALSE(Run(""));
  EXPECT_FALSE(Run("/games C:\\Games\\Arena\\arena.exe"));
  EXPECT_TRUE(shell.started.empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CommandLineStart, RefusalsSayWhyInTheChosenLanguage) {
  struct Case {
    const char* language;  // "" when none is chosen
    bool can_start;
    const char* tail;
    const char* message;
  };
  const Case cases[] = {
      {"", true, "/game", "Name the game to start: Tarnolux.exe /game \"C:\\Games\\game.exe\""},
      {"1", true, "/game \"C:\\Games\\Tomb\\tomb.exe\"",
       "Tarnolux has no settings for C:\\Games\\Tomb\\tomb.exe."},
      {"2", true, "/game C:\\tomb.exe", "Tarnolux heeft geen instellingen voor C:\\tomb.exe."},
      {"", false, "/game C:\\GAMES\\ARENA\\ARENA.EXE",
       "C:\\GAMES\\ARENA\\ARENA.EXE could not be started."},
      {"2", false, "/game C:\\Games\\Arena\\arena.exe",
       "C:\\Games\\Arena\\arena.exe kon niet worden gestart."},
  };
  for (const Case& c : cases) {
    reg.SaveString(registry::kLocalMachine, "Software\\Tarno", "Language", c.language);
    store.writes.clear();
    host.messages.clear();
    shell.can_start = c.can_start;
    EXPECT_EQ(Run(c.tail), 1) << c.tail;
    EXPECT_EQ(OnlyMessage(), c.message) << c.tail;
    EXPECT_TRUE(store.writes.empty()) << c.tail;
  }
}

}  // namespace
}  // namespace games
