// The gamma window on real windows and the real registry, under Wine,
// opened from the real main window.
#include <doctest.h>
#include <windows.h>

#include <array>
#include <string>

#include "app/main_window.h"
#include "gamma/gamma_window.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;

const test_support::CardKeys kCard;  // display key 9, the scan's first
const char* const kNames[] = {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"};

// A Voodoo3 at display key 9 with desktop gamma 1, Glide 1.2/1.3/1.4 and
// no Direct3D gamma; everything seeded here goes again at the end.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, test_support::kProgramKey, "Language", "1");
    Store(kCard.gamma, {"1", "1", "1"});
    Store(kCard.glide, {"1.2", "1.3", "1.4"});
  }

  void Store(const std::string& key, std::array<const char*, 3> texts) {
    for (int c = 0; c < 3; ++c) reg.SaveString(kLocalMachine, key, kNames[c], texts[c]);
  }
  std::string Stored(const std::string& key) {
    std::string all;
    for (const char* name : kNames) all += reg.GetString(kLocalMachine, key, name, "-") + " ";
    return all;
  }
};

// The main window and the gamma window on the real host; the gamma
// window opened with the main window's Gamma button.
struct Run : test_support::WineHost {
  forms::Program program{host, files};
  app::MainWindow main;
  gamma_settings::GammaWindow window;
  HWND form = nullptr;

  explicit Run(Machine& machine) : main(program, machine.reg), window(program, machine.reg) {
    app::MainTargets targets;
    targets.gamma = &window;
    main.SetTargets(targets);
    main.Show();
    robot.Pump();
    robot.Click(FindControl(FindForm("frmv3"), "gamma"));
    form = FindForm("frmgamma");
  }
  HWND Find(const char* name) { return FindControl(form, name); }
};

TEST_CASE("open from the main window, move sliders with real input, OK stores them") {
  Machine machine;
  Run run(machine);
  REQUIRE(run.form);
  CHECK(Shown(run.form));
  CHECK(!Shown(FindForm("frmv3")));
  CHECK(Text(run.form) == "Tarnolux Gamma Settings");
  CHECK(Text(run.Find("lblgb")) == "1.4");
  CHECK(Text(run.Find("lblddr")) == "1.3");  // missing: the factory gamma
  CHECK(CheckState(run.Find("chkdesk")) == 1);
  CHECK(CheckState(run.Find("chkglide")) == 0);
  int min = 0, max = 0;
  forms::automation::ScrollRange(run.Find("dr"), &min, &max);
  CHECK((min == 10 && max == 400));

  run.robot.Scroll(run.Find("dg"), SB_PAGEDOWN);  // linked: the group follows
  CHECK(ScrollPos(run.Find("dr")) == 105);
  CHECK(ScrollPos(run.Find("db")) == 105);
  CHECK(Text(run.Find("lbldb")) == "1.05");
  run.robot.Scroll(run.Find("gb"), SB_LINEUP);
  CHECK(Text(run.Find("lblgb")) == "1.39");
  run.robot.MouseClick(run.Find("gr"));  // a real click in the track, right of the thumb
  CHECK(Text(run.Find("lblgr")) == "1.25");
  run.robot.Track(run.Find("ddg"), 300);
  CHECK(Text(run.Find("lblddg")) == "1.3");  // nothing during a drag
  run.robot.Release(run.Find("ddg"), 250);
  CHECK(Text(run.Find("lblddr")) == "2.5");

  run.robot.MouseOver(run.Find("Label1"));
  CHECK(ForeColor(run.Find("glide")) == forms::kRed);
  CHECK(ForeColor(run.Find("desktop")) == forms::kLightYellow);

  run.robot.Click(run.Find("OK"));
  CHECK(Shown(FindForm("frmv3")));
  CHECK(!Shown(run.form));
  CHECK(machine.Stored(kCard.gamma) == "1.05 1.05 1.05 ");
  CHECK(machine.Stored(kCard.driver) == "1.05 1.05 1.05 ");
  CHECK(machine.Stored(kCard.glide) == "1.25 1.3 1.39 ");
  CHECK(machine.Stored(kCard.d3d) == "2.5 2.5 2.5 ");
}

TEST_CASE("Esc cancels: nothing is written and the stored values come back") {
  Machine machine;
  Run run(machine);
  REQUIRE(run.form);
  run.robot.Click(run.Find("chkglide"));
  CHECK(Text(run.Find("lblgb")) == "1.2");
  run.robot.Key(VK_ESCAPE);
  CHECK(Shown(FindForm("frmv3")));
  CHECK(machine.Stored(kCard.glide) == "1.2 1.3 1.4 ");
  CHECK(machine.Stored(kCard.d3d) == "- - - ");

  run.robot.Click(FindControl(FindForm("frmv3"), "gamma"));
  CHECK(Shown(run.form));
  CHECK(Text(run.Find("lblgb")) == "1.4");
  CHECK(CheckState(run.Find("chkglide")) == 0);
}

}  // namespace
