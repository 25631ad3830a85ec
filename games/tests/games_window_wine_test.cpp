// The games window on real windows and the real registry, under Wine,
// with Windows 98's buttons: the focus alone changes no game's setting.
#include <doctest.h>
#include <windows.h>

#include <string>

#include "games/games_window.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;
using Run = test_support::WindowRun<games::GamesWindow>;

constexpr const char* kGames = "Software\\Tarno\\Games";
constexpr const char* kArena = "Software\\Tarno\\Games\\1";

// One game with vsync off, 85 Hz, the splash screen hidden and a gamma of
// its own.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, kArena, "Name", "arena");
    reg.SaveString(kLocalMachine, kArena, "Program", "C:\\Games\\Arena\\arena.exe");
    reg.SaveString(kLocalMachine, kArena, "FX_GLIDE_SWAPINTERVAL", "0");
    reg.SaveString(kLocalMachine, kArena, "FX_GLIDE_REFRESH", "85");
    reg.SaveString(kLocalMachine, kArena, "FX_GLIDE_NO_SPLASH", "0");
    for (const char* channel : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}) {
      reg.SaveString(kLocalMachine, kArena, channel, "1.5");
    }
  }
};

TEST_CASE("Tab through the window and OK change nothing; '+' and '-' on a box do") {
  Machine machine;
  const test_support::RawValues before = test_support::RawTreeOf(HKEY_LOCAL_MACHINE, kGames, true);
  Run run(machine.reg);
  run.TabAround(40);
  run.robot.Click(run.Control("ok"));
  CHECK(test_support::RawTreeOf(HKEY_LOCAL_MACHINE, kGames, true) == before);

  run.Open();
  REQUIRE(run.TabTo("chk2mb"));
  run.robot.TypeKeys("+");
  REQUIRE(run.TabTo("chksplash"));
  run.robot.TypeKeys("-");
  CHECK(CheckState(run.Control("chk2mb")) == 1);
  CHECK(CheckState(run.Control("chksplash")) == 0);
  run.robot.Click(run.Control("ok"));
  CHECK(machine.Get(kArena, "FX_GLIDE_TMU_MEMSIZE") == "2");
  CHECK(machine.Get(kArena, "FX_GLIDE_NO_SPLASH") == "<absent>");
  CHECK(machine.Get(kArena, "FX_GLIDE_REFRESH") == "85");
  CHECK(machine.Get(kArena, "SSTH3_GGAMMA") == "1.5");
}

}  // namespace
