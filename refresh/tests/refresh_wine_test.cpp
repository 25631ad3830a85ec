// The refresh window on real Win32 controls and the real registry, under
// Wine: what the user types into a rate box reaches the driver's keys.
#include <doctest.h>

#include <string>
#include <vector>

#include "refresh/refresh_window.h"
#include "registry/driver.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;

const test_support::CardKeys kCard;  // display key 9, the scan's first

// The key of resolution `row` (1 to 15) of a depth.
std::string Modes(const char* depth, int row) {
  return kCard.Modes(depth, registry::kResolutionList[row - 1]);
}

// A Voodoo3 driver key with 16-bit rates, removed again afterwards.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, Modes("16", 4), "RefreshRate", "-1");
    reg.SaveString(kLocalMachine, Modes("16", 9), "RefreshRate", "085");
  }
  std::string Rate(const char* depth, int row) {
    return reg.GetString(kLocalMachine, Modes(depth, row), "RefreshRate", "<none>");
  }
};

// The refresh window opened from the main window's stand-in.
using Run = test_support::WindowRun<refresh::RefreshWindow>;

TEST_CASE("the boxes show the stored rates with their design lists") {
  Machine machine;
  Run run(machine.reg);
  CHECK(Text(run.Control("Combo(4)")) == "Best");
  CHECK(Text(run.Control("Combo(9)")) == "85");
  CHECK(Text(run.Control("Combo(1)")) == "60");
  CHECK(forms::automation::ComboList(run.Control("Combo(13)")) ==
        std::vector<std::string>{"Best", "60", "76", "85"});
  CHECK(CheckState(run.Control("LinkAllBit")) == 1);
}

TEST_CASE("a rate typed into a real box and Enter store it for every depth") {
  Machine machine;
  Run run(machine.reg);
  HWND box = run.Control("Combo(2)");
  run.host.SetFocus(run.window.RateBox(2));  // selects the box's text
  run.robot.Pump();
  run.robot.TypeKeys("90");
  run.robot.Pump();
  CHECK(Text(box) == "90");
  run.robot.Key(VK_RETURN);  // OK is the default button
  run.robot.Pump();
  CHECK_FALSE(Shown(run.form));
  for (const char* depth : registry::kDepths) {
    CHECK(machine.Rate(depth, 2) == "90");
    CHECK(machine.Rate(depth, 4) == "-1");
    CHECK(machine.Rate(depth, 9) == "85");
  }
}

TEST_CASE("a box without a rate is named in a message box and nothing is written") {
  Machine machine;
  Run run(machine.reg);
  HWND box = run.Control("Combo(4)");
  run.robot.Type(box, "fast");
  const auto message = test_support::ClickForMessage(run.robot, run.Control("ok"));
  CHECK(message.title == "Tarnolux");
  CHECK(message.text == "1024x768: choose Best or type a refresh rate in Hz.");
  run.robot.Pump();
  CHECK(Shown(run.form));
  CHECK(FocusedControl() == box);
  CHECK(machine.Rate("8", 1) == "<none>");
  CHECK(machine.Rate("16", 4) == "-1");
}

TEST_CASE("a depth option shows that depth and OK writes only it") {
  Machine machine;
  Run run(machine.reg);
  machine.reg.SaveString(kLocalMachine, Modes("24", 3), "RefreshRate", "75");
  run.robot.MouseClick(run.Control("Bit24"));
  run.robot.Pump();
  CHECK(Text(run.Control("Combo(3)")) == "75");
  run.robot.Pick(run.Control("Combo(3)"), 3);
  run.robot.Click(run.Control("ok"));
  run.robot.Pump();
  CHECK(machine.Rate("24", 3) == "85");
  CHECK(machine.Rate("16", 3) == "<none>");
}

}  // namespace
