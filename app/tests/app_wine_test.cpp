// The main journeys on real windows and the real registry, under Wine.
#include <doctest.h>
#include <windows.h>

#include <string>

#include "app/tarnolux.h"
#include "forms/handoff.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_process.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;

const test_support::CardKeys kCard;  // display key 9, the scan's first
constexpr const char* kProgramKey = test_support::kProgramKey;
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// A Voodoo3 3000 at display key 9 (the scan's first), its clock missing;
// everything seeded here goes again at the end.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, kCard.info, "LCD", "Not Supported");
    reg.SaveString(kLocalMachine, kCard.info, "TV Out", "Supported");
  }
};

// One program run in this process: ending it hides its windows and
// returns here instead of ending the test.
struct Run : test_support::WineHost {
  app::Tarnolux tarnolux;

  explicit Run(Machine& machine) : tarnolux(host, files, machine.store) {
    tarnolux.Start();
    robot.Pump();
  }
};

// Tarnolux.exe itself, started as the user starts it.
struct Process : test_support::Process {
  Process() : test_support::Process("\"" TARNOLUX_EXE "\"") {}
};

// Another window to hand off to: its OK returns to the opener.
struct StandIn : forms::Form {
  forms::CommandButton ok{*this, "ok"};
  explicit StandIn(forms::Program& program) : forms::Form(program, "frmgamma") {
    SetCaption("Stand-in");
    SetClientSize(4000, 3000);
    ok.Move(120, 120, 1200, 345);
    ok.SetCaption("&OK");
    ok.Click = [this] { forms::ReturnToOpener(*this); };
  }
};

TEST_CASE("the first start asks for the language, and Dutch shows from the next start") {
  Machine machine;
  {
    Run run(machine);
    HWND language = FindForm("FrmLanguage");
    REQUIRE(language);
    CHECK(Shown(language));
    HWND main = FindForm("frmv3");
    CHECK((!main || !Shown(main)));
    run.robot.Click(FindControl(language, "Command1"));
    CHECK(run.ended);
    CHECK(machine.Get(kProgramKey, "Language") == "2");
  }
  Run run(machine);
  HWND main = FindForm("frmv3");
  REQUIRE(main);
  CHECK(Shown(main));
  CHECK(Text(main) == "Tarnolux 1.7 (Voodoo3 3000)");
  CHECK(Text(FindControl(main, "apply")) == "Toepassen");
  CHECK(Text(FindControl(main, "Label1")) == "Klok/Geheugen");
  CHECK(Text(FindControl(main, "crap")) == "Allerlei");
  CHECK(Text(FindControl(main, "Label3")) ==
        "(Betere prestaties bij spellen die het ondersteunen)");
  CHECK(Text(FindControl(main, "cmdinfo")) == "&Info");
}

TEST_CASE("the clock follows the slider, Apply writes it, and the frames light up") {
  Machine machine;
  machine.reg.SaveString(kLocalMachine, kProgramKey, "Language", "1");
  machine.reg.SaveString(kLocalMachine, kCard.glide, "SSTH3_RGAMMA", "1.5");
  Run run(machine);
  HWND main = FindForm("frmv3");
  REQUIRE(main);
  HWND bar = FindControl(main, "scrspeed");
  HWND label = FindControl(main, "lblspeed");
  CHECK(ScrollPos(bar) == 166);  // the factory clock of a 3000
  CHECK(Text(label) == "166");

  run.robot.Track(bar, 150);
  run.robot.Track(bar, 190);
  run.robot.Release(bar, 183);
  CHECK(ScrollPos(bar) == 183);
  CHECK(Text(label) == "183");
  run.robot.Scroll(bar, SB_PAGEDOWN);
  run.robot.Scroll(bar, SB_LINEUP);
  CHECK(Text(label) == "187");

  const auto message = test_support::ClickForMessage(run.robot, FindControl(main, "apply"));
  CHECK(message.text == "You must reboot for some settings to take effect.");
  CHECK(message.title == "Tarnolux");
  CHECK(!message.icon);
  CHECK(machine.Get(kCard.defaults, "Grxclock") == "187");
  for (const char* name : {"GFX Clock Speed", "Graphics Clock Speed", "Memory Clock Speed"}) {
    CHECK(machine.Get(kCard.info, name) == "187");
  }
  CHECK(machine.Get(kCard.glide, "SSTH3_RGAMMA") == "1.5");
  CHECK(machine.Get(kCard.glide, "SSTH3_GGAMMA") == "<absent>");
  CHECK(Shown(main));

  run.robot.MouseOver(FindControl(main, "chkvg"));
  CHECK(ForeColor(FindControl(main, "framVsync")) == forms::kRed);
  CHECK(ForeColor(FindControl(main, "framclk")) == forms::kLightYellow);
  run.robot.MouseOver(label);
  CHECK(ForeColor(FindControl(main, "framVsync")) == forms::kLightYellow);
  CHECK(ForeColor(FindControl(main, "framclk")) == forms::kRed);
  CHECK(ForeColor(FindControl(main, "Label1")) == forms::kRed);
}

TEST_CASE("a button hands off to its window, which hands back where it was moved to") {
  Machine machine;
  machine.reg.SaveString(kLocalMachine, kProgramKey, "Language", "1");
  Run run(machine);
  StandIn other(run.tarnolux.program());
  app::MainTargets targets;
  targets.gamma = &other;
  run.tarnolux.main_window().SetTargets(targets);
  HWND main = FindForm("frmv3");
  HWND window = test_support::OpenInPlace(run.robot, main, "gamma", "frmgamma");
  const RECT at = ScreenRect(window);

  SetWindowPos(window, nullptr, at.left + 45, at.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  run.robot.Pump();
  run.robot.Click(FindControl(window, "ok"));
  CHECK(Shown(main));
  CHECK(!Shown(window));
  const RECT back = ScreenRect(main);
  CHECK(back.left == at.left + 45);
  CHECK(back.top == at.top + 30);
}

TEST_CASE("Alt+A moves between Advanced and Apply without pressing either") {
  Machine machine;
  machine.reg.SaveString(kLocalMachine, kProgramKey, "Language", "1");
  Run run(machine);
  HWND main = FindForm("frmv3");
  REQUIRE(main);
  forms::automation::MessageBoxes boxes;
  run.robot.AltKey('a');
  CHECK(FocusedControl() == FindControl(main, "adv"));
  run.robot.AltKey('a');
  CHECK(FocusedControl() == FindControl(main, "apply"));
  run.robot.AltKey('a');
  CHECK(FocusedControl() == FindControl(main, "adv"));
  CHECK(boxes.seen().empty());
  CHECK(machine.Get(kCard.defaults, "Grxclock") == "<absent>");
}

TEST_CASE("Tarnolux.exe without a Voodoo3 says so, writes nothing and ends") {
  Machine machine;
  machine.Clean();  // no card
  machine.reg.SaveString(kLocalMachine, kProgramKey, "Language", "1");
  machine.reg.SaveString(kLocalMachine, kRunKey, "3dfx Tools", "C:\\3dfx\\3dfxman.exe");
  Process program;
  REQUIRE(program.started());
  HWND box = program.WaitForMessage();
  REQUIRE(box);
  const test_support::Message message = program.Answer(box);
  CHECK(message.title == "Tarnolux");
  CHECK(message.text == "No 3dfx Voodoo3 display driver was found.");
  CHECK(program.Ended());
  CHECK(machine.Get(kRunKey, "3dfx Tools") == "C:\\3dfx\\3dfxman.exe");
  machine.reg.SaveString(kLocalMachine, kRunKey, "3dfx Tools", "");
}

TEST_CASE("Tarnolux.exe shows the main window, and its close box ends the program") {
  Machine machine;
  machine.reg.SaveString(kLocalMachine, kProgramKey, "Language", "1");
  Process program;
  REQUIRE(program.started());
  HWND main = program.WaitForForm("frmv3");
  REQUIRE(main);
  CHECK(Shown(main));
  CHECK(Text(main) == "Tarnolux 1.7 (Voodoo3 3000)");
  forms::automation::Robot().Close(main);
  CHECK(program.Ended());
}

}  // namespace
