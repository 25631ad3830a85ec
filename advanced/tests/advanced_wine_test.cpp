// The advanced window on real windows and the real registry, under Wine.
#include <doctest.h>
#include <windows.h>

#include <string>

#include "advanced/advanced_window.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;

const test_support::CardKeys kCard;  // display key 9, the scan's first
constexpr const char* kAlpha = "SSTH3_ALPHADITHERMODE";
constexpr const char* kDetail = "SSTH3_OVERLAYMODE";

// A Voodoo3 at display key 9 (the scan's first); Glide sharper and high,
// Direct3D automatic and an unusable detail code.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, kCard.glide, kAlpha, "2");
    reg.SaveString(kLocalMachine, kCard.glide, kDetail, "3");
    reg.SaveString(kLocalMachine, kCard.d3d, kAlpha, "1");
    reg.SaveString(kLocalMachine, kCard.d3d, kDetail, "0");
  }
};

// The advanced window opened from the main window's stand-in.
struct Run : test_support::WindowRun<advanced::AdvancedWindow> {
  explicit Run(Machine& machine, test_support::Caller at = {})
      : WindowRun(machine.reg, forms::OpenAt, at) {}
  int Checked(const char* option) { return CheckState(Control(option)); }
};

TEST_CASE("OK writes the selected codes and hands back where the window was moved to") {
  Machine machine;
  Run run(machine);
  CHECK(Shown(run.form));
  CHECK(run.Checked("glidesharpeR") == 1);
  CHECK(run.Checked("glidehigH") == 1);
  CHECK(run.Checked("directautO") == 1);
  CHECK(run.Checked("directAutoDet") == 0);
  CHECK(run.Checked("directnormaL") == 0);
  CHECK(run.Checked("directhigH") == 0);

  run.robot.MouseClick(run.Control("directsmootheR"));
  CHECK(run.Checked("directsmootheR") == 1);
  CHECK(run.Checked("directautO") == 0);
  CHECK(run.Checked("glidesharpeR") == 1);

  const RECT at = ScreenRect(run.form);
  SetWindowPos(run.form, nullptr, at.left + 45, at.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  run.robot.Pump();
  run.robot.Click(run.Control("ok"));
  CHECK(machine.Get(kCard.glide, kAlpha) == "2");
  CHECK(machine.Get(kCard.glide, kDetail) == "3");
  CHECK(machine.Get(kCard.d3d, kAlpha) == "3");
  CHECK(machine.Get(kCard.d3d, kDetail) == "0");
  HWND main = FindForm("frmv3");
  CHECK(Shown(main));
  CHECK(!Shown(run.form));
  CHECK(ScreenRect(main).left == at.left + 45);
  CHECK(ScreenRect(main).top == at.top + 30);
}

TEST_CASE("Cancel puts the stored choices back on screen, and a later OK keeps them") {
  Machine machine;
  Run run(machine);
  run.robot.MouseClick(run.Control("glideautO"));
  run.robot.MouseClick(run.Control("directnormaL"));
  CHECK(run.Checked("glideautO") == 1);
  run.robot.Click(run.Control("cancel"));
  CHECK(!Shown(run.form));

  run.Open();
  CHECK(run.Checked("glideautO") == 0);
  CHECK(run.Checked("glidesharpeR") == 1);
  CHECK(run.Checked("directnormaL") == 0);
  run.robot.Click(run.Control("ok"));
  CHECK(machine.Get(kCard.glide, kAlpha) == "2");
  CHECK(machine.Get(kCard.d3d, kDetail) == "0");
}

TEST_CASE("focus alone chooses no code: Tab, Cancel, coming back; an arrow key does") {
  Machine machine;
  machine.reg.SaveString(kLocalMachine, kCard.glide, kDetail, "4");  // unusable, as 0 is
  Run run(machine);
  run.TabAround(40);
  for (const char* name : {"glideDetAuto", "glidenormaL", "glidehigH", "directAutoDet",
                           "directnormaL", "directhigH"}) {
    CHECK(run.Checked(name) == 0);
  }
  REQUIRE(run.TabTo("glidesharpeR"));
  run.robot.Key(VK_DOWN);
  CHECK(run.Checked("glidesmootheR") == 1);
  run.robot.Key(VK_ESCAPE);
  run.Open();
  CHECK(run.Checked("glidesharpeR") == 1);
  run.robot.Key(VK_RETURN);
  CHECK(machine.Get(kCard.glide, kAlpha) == "2");
  CHECK(machine.Get(kCard.glide, kDetail) == "4");
  CHECK(machine.Get(kCard.d3d, kDetail) == "0");
}

}  // namespace
