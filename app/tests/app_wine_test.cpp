// The main journeys on real windows and the real registry, under Wine.
#include <doctest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/tarnolux.h"
#include "forms/handoff.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/wine_machine.h"

namespace {

using forms::automation::FindControl;
using forms::automation::FindForm;
using forms::automation::Shown;
using forms::automation::Text;
using registry::kLocalMachine;

const std::string kDriver = test_support::DisplayKey(9);
const std::string kShellex = kDriver + "\\shellex";
const std::string kInfo = kShellex + "\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
constexpr const char* kProgramKey = test_support::kProgramKey;
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// A Voodoo3 3000 at display key 9 (the scan's first), its clock missing;
// everything seeded here goes again at the end.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, kInfo, "LCD", "Not Supported");
    reg.SaveString(kLocalMachine, kInfo, "TV Out", "Supported");
  }
};

// One program run in this process: ending it hides its windows and
// returns here instead of ending the test.
struct Run {
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  app::Tarnolux tarnolux;
  forms::automation::Robot robot{host};
  bool ended = false;

  explicit Run(Machine& machine) : tarnolux(host, files, machine.store) {
    host.on_end = [this] { ended = true; };
    tarnolux.Start();
    robot.Pump();
  }
};

// Tarnolux.exe itself, started as the user starts it; the caller checks
// `started`, so that a failure names the test's line.
struct Process {
  PROCESS_INFORMATION info = {};
  bool started = false;

  Process() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string command = "\"" TARNOLUX_EXE "\"";
    started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &info);
  }
  ~Process() {
    if (WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  // A visible top-level window of the process with this class, within 10 s.
  HWND WaitForWindow(const char* window_class) {
    return test_support::WaitForProcessWindow(info.dwProcessId, window_class);
  }
  bool Ended() { return WaitForSingleObject(info.hProcess, 10000) == WAIT_OBJECT_0; }
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
  machine.reg.SaveString(kLocalMachine, kDriver + "\\Glide", "SSTH3_RGAMMA", "1.5");
  Run run(machine);
  HWND main = FindForm("frmv3");
  REQUIRE(main);
  HWND bar = FindControl(main, "scrspeed");
  HWND label = FindControl(main, "lblspeed");
  CHECK(forms::automation::ScrollPos(bar) == 166);  // the factory clock of a 3000
  CHECK(Text(label) == "166");

  run.robot.Track(bar, 150);
  run.robot.Track(bar, 190);
  run.robot.Release(bar, 183);
  CHECK(forms::automation::ScrollPos(bar) == 183);
  CHECK(Text(label) == "183");
  run.robot.Scroll(bar, SB_PAGEDOWN);
  run.robot.Scroll(bar, SB_LINEUP);
  CHECK(Text(label) == "187");

  {
    forms::automation::MessageBoxes boxes;
    run.robot.Click(FindControl(main, "apply"));
    REQUIRE(boxes.seen().size() == 1);
    CHECK(boxes.seen()[0].text == "You must reboot for some settings to take effect.");
    CHECK(boxes.seen()[0].title == "Tarnolux");
    CHECK(!boxes.seen()[0].icon);
  }
  CHECK(machine.Get(kDriver + "\\DEFAULT", "Grxclock") == "187");
  for (const char* name : {"GFX Clock Speed", "Graphics Clock Speed", "Memory Clock Speed"}) {
    CHECK(machine.Get(kInfo, name) == "187");
  }
  CHECK(machine.Get(kDriver + "\\Glide", "SSTH3_RGAMMA") == "1.5");
  CHECK(machine.Get(kDriver + "\\Glide", "SSTH3_GGAMMA") == "<absent>");
  CHECK(Shown(main));

  using forms::automation::ForeColor;
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
  REQUIRE(main);
  const RECT start = forms::automation::ScreenRect(main);

  run.robot.Click(FindControl(main, "gamma"));
  HWND window = FindForm("frmgamma");
  REQUIRE(window);
  CHECK(Shown(window));
  CHECK(!Shown(main));
  RECT at = forms::automation::ScreenRect(window);
  CHECK(at.left == start.left);
  CHECK(at.top == start.top);

  SetWindowPos(window, nullptr, at.left + 45, at.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  run.robot.Pump();
  run.robot.Click(FindControl(window, "ok"));
  CHECK(Shown(main));
  CHECK(!Shown(window));
  const RECT back = forms::automation::ScreenRect(main);
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
  CHECK(forms::automation::FocusedControl() == FindControl(main, "adv"));
  run.robot.AltKey('a');
  CHECK(forms::automation::FocusedControl() == FindControl(main, "apply"));
  run.robot.AltKey('a');
  CHECK(forms::automation::FocusedControl() == FindControl(main, "adv"));
  CHECK(boxes.seen().empty());
  CHECK(machine.Get(kDriver + "\\DEFAULT", "Grxclock") == "<absent>");
}

}  // namespace

namespace {

TEST_CASE("Tarnolux.exe without a Voodoo3 says so, writes nothing and ends") {
  Machine machine;
  machine.Clean();  // no card
  machine.reg.SaveString(kLocalMachine, kProgramKey, "Language", "1");
  machine.reg.SaveString(kLocalMachine, kRunKey, "3dfx Tools", "C:\\3dfx\\3dfxman.exe");
  Process program;
  REQUIRE(program.started);
  HWND box = program.WaitForWindow("#32770");
  REQUIRE(box);
  CHECK(Text(box) == "Tarnolux");
  CHECK(Text(GetDlgItem(box, 0xFFFF)) == "No 3dfx Voodoo3 display driver was found.");
  forms::automation::Robot().Click(GetDlgItem(box, IDOK));
  CHECK(program.Ended());
  CHECK(machine.Get(kRunKey, "3dfx Tools") == "C:\\3dfx\\3dfxman.exe");
  machine.reg.SaveString(kLocalMachine, kRunKey, "3dfx Tools", "");
}

TEST_CASE("Tarnolux.exe shows the main window, and its close box ends the program") {
  Machine machine;
  machine.reg.SaveString(kLocalMachine, kProgramKey, "Language", "1");
  Process program;
  REQUIRE(program.started);
  HWND main = nullptr;
  for (int tries = 0; tries < 200 && !(main && Shown(main)); ++tries) {
    Sleep(50);
    main = FindForm("frmv3");
  }
  REQUIRE(main);
  CHECK(Shown(main));
  CHECK(Text(main) == "Tarnolux 1.7 (Voodoo3 3000)");
  forms::automation::Robot().Close(main);
  CHECK(program.Ended());
}

}  // namespace
