#include "games/game_list.h"

#include <gtest/gtest.h>

#include "forms/files.h"
#include "tests/support/recording_store.h"

namespace games {
namespace {

using test_support::DeleteLine;
using test_support::WriteLine;

constexpr const char* kKey = "Software\\Tarno\\Games";

Game Arena() {
  Game game;
  game.name = "arena";
  game.program = "C:\\Games\\Arena\\arena.exe";
  game.values[kSwapInterval] = "0";
  game.values[kRefresh] = "85";
  game.values[kNoSplash] = "0";
  return game;
}

TEST(GameList, WrittenAnewInListOrderAndReadBack) {
  test_support::RecordingStore store;
  registry::Registry reg(store);
  // A longer list stored before, with a value that is no Glide variable.
  reg.SaveString(registry::kLocalMachine, std::string(kKey) + "\\3", "Program", "C:\\old.exe");
  reg.SaveString(registry::kLocalMachine, std::string(kKey) + "\\1", "PATH", "C:\\evil");
  store.writes.clear();

  Game second;
  second.name = "tomb";
  second.program = "D:\\TOMB.EXE";
  second.shortcut = "C:\\WINDOWS\\Desktop\\tomb (Tarnolux).lnk";
  second.values[kRedGamma] = "1.2";
  second.values[kGreenGamma] = "1.2";
  second.values[kBlueGamma] = "1.25";
  WriteGames(reg, {Arena(), second});

  EXPECT_EQ(store.writes,
            (std::vector<std::string>{
                DeleteLine("Software\\Tarno\\Games"),
                WriteLine("Software\\Tarno\\Games\\1", "Name", "arena"),
                WriteLine("Software\\Tarno\\Games\\1", "Program", "C:\\Games\\Arena\\arena.exe"),
                WriteLine("Software\\Tarno\\Games\\1", "FX_GLIDE_SWAPINTERVAL", "0"),
                WriteLine("Software\\Tarno\\Games\\1", "FX_GLIDE_REFRESH", "85"),
                WriteLine("Software\\Tarno\\Games\\1", "FX_GLIDE_NO_SPLASH", "0"),
                WriteLine("Software\\Tarno\\Games\\2", "Name", "tomb"),
                WriteLine("Software\\Tarno\\Games\\2", "Program", "D:\\TOMB.EXE"),
                WriteLine("Software\\Tarno\\Games\\2", "Shortcut",
                          "C:\\WINDOWS\\Desktop\\tomb (Tarnolux).lnk"),
                WriteLine("Software\\Tarno\\Games\\2", "SSTH3_RGAMMA", "1.2"),
                WriteLine("Software\\Tarno\\Games\\2", "SSTH3_GGAMMA", "1.2"),
                WriteLine("Software\\Tarno\\Games\\2", "SSTH3_BGAMMA", "1.25"),
            }));
  const std::vector<Game> read = ReadGames(reg);
  ASSERT_EQ(read.size(), 2u);  // the old third game went with the old key
  EXPECT_EQ(read[0].values, Arena().values);
  EXPECT_EQ(read[1].shortcut, second.shortcut);
  EXPECT_EQ(read[1].values, second.values);

  WriteGames(reg, {});
  EXPECT_TRUE(ReadGames(reg).empty());
}

TEST(GameList, ReadsOnlyGlideVariablesUpToTheFirstGap) {
  registry::MemoryStore store;
  registry::Registry reg(store);
  const std::string first = std::string(kKey) + "\\1";
  reg.SaveString(registry::kLocalMachine, first, "Program", "C:\\a.exe");
  reg.SaveString(registry::kLocalMachine, first, "PATH", "C:\\evil");
  reg.SaveString(registry::kLocalMachine, first, "fx_glide_refresh", "72");
  reg.SaveString(registry::kLocalMachine, first, "FX_GLIDE_LOD_DITHER", "");
  reg.SaveString(registry::kLocalMachine, std::string(kKey) + "\\3", "Program", "C:\\c.exe");

  const std::vector<Game> games = ReadGames(reg);
  ASSERT_EQ(games.size(), 1u);
  Game expected;
  expected.values[kRefresh] = "72";
  expected.values[kLodDither] = "";  // present, so on
  EXPECT_EQ(games[0].values, expected.values);
}

TEST(GameList, PathsAndNames) {
  const std::vector<Game> games = {Arena()};
  EXPECT_EQ(FindGame(games, "c:\\GAMES\\arena\\ARENA.EXE"), &games[0]);
  EXPECT_EQ(FindGame(games, "C:\\Games\\Arena\\arena"), nullptr);
  EXPECT_EQ(forms::FolderOf("C:\\Games\\Arena\\arena.exe"), "C:\\Games\\Arena");
  EXPECT_EQ(forms::FolderOf("C:\\arena.exe"), "C:\\");
  EXPECT_EQ(NameOf("C:\\Games\\Arena\\Arena.EXE"), "Arena");
  EXPECT_EQ(NameOf("C:\\Games\\quake.bin"), "quake.bin");
}

}  // namespace
}  // namespace games
