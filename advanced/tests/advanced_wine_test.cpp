// The advanced window on real windows and the real registry, under Wine.
#include <doctest.h>
#include <windows.h>

#include <string>

#include "advanced/advanced_window.h"
#include "forms/handoff.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/wine_machine.h"

namespace {

using forms::automation::CheckState;
using forms::automation::FindControl;
using forms::automation::FindForm;
using forms::automation::ScreenRect;
using forms::automation::Shown;
using registry::kLocalMachine;

const std::string kDriver = test_support::DisplayKey(9);
const std::string kGlide = kDriver + "\\Glide";
const std::string kD3D = kDriver + "\\D3D";
constexpr const char* kAlpha = "SSTH3_ALPHADITHERMODE";
constexpr const char* kDetail = "SSTH3_OVERLAYMODE";

// A Voodoo3 at display key 9 (the scan's first); Glide sharper and high,
// Direct3D automatic and an unusable detail code.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, kGlide, kAlpha, "2");
    reg.SaveString(kLocalMachine, kGlide, kDetail, "3");
    reg.SaveString(kLocalMachine, kD3D, kAlpha, "1");
    reg.SaveString(kLocalMachine, kD3D, kDetail, "0");
  }
};

// The main window's stand-in and the advanced window opened from it.
struct Run {
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  forms::Program program{host, files};
  forms::Form main{program, "frmv3"};
  advanced::AdvancedWindow window;
  forms::automation::Robot robot{host};
  HWND form = nullptr;

  explicit Run(Machine& machine) : window(program, machine.reg) {
    host.on_end = [] {};
    main.SetCaption("Main");
    main.SetClientSize(7200, 5400);
    main.SetPosition(1500, 1200);
    main.Show();
    Open();
  }
  void Open() {
    forms::OpenAt(window, main);
    robot.Pump();
    form = FindForm("frmnew");
  }
  int Checked(const char* option) { return CheckState(FindControl(form, option)); }
};

TEST_CASE("OK writes the selected codes and hands back where the window was moved to") {
  Machine machine;
  Run run(machine);
  REQUIRE(run.form);
  CHECK(Shown(run.form));
  CHECK(run.Checked("glidesharpeR") == 1);
  CHECK(run.Checked("glidehigH") == 1);
  CHECK(run.Checked("directautO") == 1);
  CHECK(run.Checked("directAutoDet") == 0);
  CHECK(run.Checked("directnormaL") == 0);
  CHECK(run.Checked("directhigH") == 0);

  run.robot.MouseClick(FindControl(run.form, "directsmootheR"));
  CHECK(run.Checked("directsmootheR") == 1);
  CHECK(run.Checked("directautO") == 0);
  CHECK(run.Checked("glidesharpeR") == 1);

  const RECT at = ScreenRect(run.form);
  SetWindowPos(run.form, nullptr, at.left + 45, at.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  run.robot.Pump();
  run.robot.Click(FindControl(run.form, "ok"));
  CHECK(machine.Get(kGlide, kAlpha) == "2");
  CHECK(machine.Get(kGlide, kDetail) == "3");
  CHECK(machine.Get(kD3D, kAlpha) == "3");
  CHECK(machine.Get(kD3D, kDetail) == "0");
  HWND main = FindForm("frmv3");
  CHECK(Shown(main));
  CHECK(!Shown(run.form));
  CHECK(ScreenRect(main).left == at.left + 45);
  CHECK(ScreenRect(main).top == at.top + 30);
}

TEST_CASE("Cancel puts the stored choices back on screen, and a later OK keeps them") {
  Machine machine;
  Run run(machine);
  REQUIRE(run.form);
  run.robot.MouseClick(FindControl(run.form, "glideautO"));
  run.robot.MouseClick(FindControl(run.form, "directnormaL"));
  CHECK(run.Checked("glideautO") == 1);
  run.robot.Click(FindControl(run.form, "cancel"));
  CHECK(!Shown(run.form));

  run.Open();
  CHECK(run.Checked("glideautO") == 0);
  CHECK(run.Checked("glidesharpeR") == 1);
  CHECK(run.Checked("directnormaL") == 0);
  run.robot.Click(FindControl(run.form, "ok"));
  CHECK(machine.Get(kGlide, kAlpha) == "2");
  CHECK(machine.Get(kD3D, kDetail) == "0");
}

}  // namespace
