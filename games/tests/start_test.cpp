#include "games/start.h"

#include <gtest/gtest.h>

namespace games {
namespace {

TEST(GameCommand, SwitchPathAndRest) {
  struct Case {
    const char* tail;
    const char* path;
    const char* rest;
  };
  const Case cases[] = {
      {"/game \"C:\\Games\\Arena\\arena.exe\" +set r_mode 4", "C:\\Games\\Arena\\arena.exe",
       " +set r_mode 4"},
      {"  /GAME   C:\\GAMES\\ARENA.EXE  -window \"a  b\"", "C:\\GAMES\\ARENA.EXE",
       "  -window \"a  b\""},
      {"/Game \"C:\\Program Files\\Tomb\\tomb.exe\"", "C:\\Program Files\\Tomb\\tomb.exe", ""},
      {"/game \"C:\\open ended", "C:\\open ended", ""},
      {"/game", "", ""},
      {"/game   ", "", ""},
      {"/game \"\" -x", "", " -x"},
  };
  for (const Case& c : cases) {
    const std::optional<GameCommand> command = SplitGameCommand(c.tail);
    ASSERT_TRUE(command) << c.tail;
    EXPECT_EQ(command->path, c.path) << c.tail;
    EXPECT_EQ(command->rest, c.rest) << c.tail;
  }
  for (const char* other : {"", "   ", "/games x.exe", "x.exe /game", "-game x.exe"}) {
    EXPECT_FALSE(SplitGameCommand(other)) << other;
  }
  EXPECT_EQ(GameCommandLine(*SplitGameCommand("/game C:\\A.EXE  +set \"x y\"")),
            "\"C:\\A.EXE\"  +set \"x y\"");
  EXPECT_EQ(GameCommandLine(*SplitGameCommand("/game \"C:\\A B\\A.EXE\"")), "\"C:\\A B\\A.EXE\"");
}

std::string Block(std::initializer_list<const char*> entries) {
  std::string block;
  for (const char* entry : entries) block += std::string(entry) + '\0';
  return block + '\0';
}

TEST(GameEnvironment, SetsReplacesAndKeeps) {
  Game game;
  game.values[kSwapInterval] = "0";
  game.values[kRefresh] = "85";
  game.values[kNoSplash] = "1";
  const std::string current =
      Block({"=C:=C:\\GAMES", "COMSPEC=C:\\COMMAND.COM", "FX_GLIDE_LOD_DITHER=0",
             "fx_glide_refresh=60", "PATH=C:\\WINDOWS;C:\\WINDOWS\\COMMAND", "windir=C:\\WINDOWS"});
  EXPECT_EQ(EnvironmentBlock(current, game),
            Block({"=C:=C:\\GAMES", "COMSPEC=C:\\COMMAND.COM", "FX_GLIDE_LOD_DITHER=0",
                   "FX_GLIDE_NO_SPLASH=1", "FX_GLIDE_REFRESH=85", "FX_GLIDE_SWAPINTERVAL=0",
                   "PATH=C:\\WINDOWS;C:\\WINDOWS\\COMMAND", "windir=C:\\WINDOWS"}));
  // A game that sets nothing gets the environment as it is; an empty one
  // gets its variables alone.
  EXPECT_EQ(EnvironmentBlock(current, Game{}), current);
  EXPECT_EQ(EnvironmentBlock(Block({}), game),
            Block({"FX_GLIDE_NO_SPLASH=1", "FX_GLIDE_REFRESH=85", "FX_GLIDE_SWAPINTERVAL=0"}));
}

}  // namespace
}  // namespace games
