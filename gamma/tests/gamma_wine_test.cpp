// The gamma window on real windows and the real registry, under Wine,
// opened from the real main window.
#include <doctest.h>
#include <windows.h>

#include <array>
#include <string>

#include "app/main_window.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "gamma/gamma_window.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/wine_machine.h"

namespace {

using forms::automation::CheckState;
using forms::automation::FindControl;
using forms::automation::FindForm;
using forms::automation::ScrollPos;
using forms::automation::Shown;
using forms::automation::Text;
using registry::kLocalMachine;

const std::string kDriver = test_support::DisplayKey(9);
const std::string kDesk = kDriver + "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA";
const std::string kGlide = kDriver + "\\Glide";
const std::string kD3D = kDriver + "\\D3D";
const char* const kNames[] = {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"};

// A Voodoo3 at display key 9 with desktop gamma 1, Glide 1.2/1.3/1.4 and
// no Direct3D gamma; everything seeded here goes again at the end.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, "Software\\Tarno", "Language", "1");
    Store(kDesk, {"1", "1", "1"});
    Store(kGlide, {"1.2", "1.3", "1.4"});
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
struct Run {
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  forms::Program program{host, files};
  app::MainWindow main;
  gamma_settings::GammaWindow window;
  forms::automation::Robot robot{host};
  HWND form = nullptr;

  explicit Run(Machine& machine) : main(program, machine.reg), window(program, machine.reg) {
    host.on_end = [] {};
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
  CHECK(forms::automation::ForeColor(run.Find("glide")) == forms::kRed);
  CHECK(forms::automation::ForeColor(run.Find("desktop")) == forms::kLightYellow);

  run.robot.Click(run.Find("OK"));
  CHECK(Shown(FindForm("frmv3")));
  CHECK(!Shown(run.form));
  CHECK(machine.Stored(kDesk) == "1.05 1.05 1.05 ");
  CHECK(machine.Stored(kDriver) == "1.05 1.05 1.05 ");
  CHECK(machine.Stored(kGlide) == "1.25 1.3 1.39 ");
  CHECK(machine.Stored(kD3D) == "2.5 2.5 2.5 ");
}

TEST_CASE("Esc cancels: nothing is written and the stored values come back") {
  Machine machine;
  Run run(machine);
  REQUIRE(run.form);
  run.robot.Click(run.Find("chkglide"));
  CHECK(Text(run.Find("lblgb")) == "1.2");
  run.robot.Key(VK_ESCAPE);
  CHECK(Shown(FindForm("frmv3")));
  CHECK(machine.Stored(kGlide) == "1.2 1.3 1.4 ");
  CHECK(machine.Stored(kD3D) == "- - - ");

  run.robot.Click(FindControl(FindForm("frmv3"), "gamma"));
  CHECK(Shown(run.form));
  CHECK(Text(run.Find("lblgb")) == "1.4");
  CHECK(CheckState(run.Find("chkglide")) == 0);
}

}  // namespace
