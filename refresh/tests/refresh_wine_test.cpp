// The refresh window on real Win32 controls and the real registry, under
// Wine: what the user types into a rate box reaches the driver's keys.
#include <doctest.h>

#include <string>
#include <vector>

#include "forms/handoff.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "refresh/refresh_window.h"
#include "registry/driver.h"
#include "registry/win32_store.h"
#include "tests/support/wine_machine.h"

namespace {

namespace robot = forms::automation;
using registry::kLocalMachine;

// Display-class key 9 wins the adapter scan whatever else the prefix holds.
const std::string kDriver = test_support::DisplayKey(9);

std::string Modes(const char* depth, int row) {
  return kDriver + "\\MODES\\" + depth + "\\" + registry::kResolutionList[row - 1];
}

// A Voodoo3 driver key with 16-bit rates, removed again afterwards.
struct DriverKey : test_support::WineMachine {
  DriverKey() {
    reg.SaveString(kLocalMachine, Modes("16", 4), "RefreshRate", "-1");
    reg.SaveString(kLocalMachine, Modes("16", 9), "RefreshRate", "085");
  }
  std::string Rate(const char* depth, int row) {
    return reg.GetString(kLocalMachine, Modes(depth, row), "RefreshRate", "<none>");
  }
};

// The program with its main window and the refresh window on screen.
struct Screen {
  Screen() {
    host.on_end = [] {};
    main.Show();
    forms::OpenAt(window, main);
    robot.Pump();
    form = robot::FindForm("frmrefresh");
  }
  HWND Control(const char* name) { return robot::FindControl(form, name); }

  DriverKey driver;
  registry::Registry& reg = driver.reg;
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  forms::Program program{host, files};
  forms::Form main{program, "frmv3"};
  refresh::RefreshWindow window{program, reg};
  robot::Robot robot{host};
  HWND form = nullptr;
};

TEST_CASE("the boxes show the stored rates with their design lists") {
  Screen screen;
  REQUIRE(screen.form != nullptr);
  CHECK(robot::Text(screen.Control("Combo(4)")) == "Best");
  CHECK(robot::Text(screen.Control("Combo(9)")) == "85");
  CHECK(robot::Text(screen.Control("Combo(1)")) == "60");
  CHECK(robot::ComboList(screen.Control("Combo(13)")) ==
        std::vector<std::string>{"Best", "60", "76", "85"});
  CHECK(robot::CheckState(screen.Control("LinkAllBit")) == 1);
}

TEST_CASE("a rate typed into a real box and Enter store it for every depth") {
  Screen screen;
  HWND box = screen.Control("Combo(2)");
  screen.host.SetFocus(screen.window.RateBox(2));  // selects the box's text
  screen.robot.Pump();
  screen.robot.TypeKeys("90");
  screen.robot.Pump();
  CHECK(robot::Text(box) == "90");
  screen.robot.Key(VK_RETURN);  // OK is the default button
  screen.robot.Pump();
  CHECK_FALSE(robot::Shown(screen.form));
  for (const char* depth : registry::kDepths) {
    CHECK(screen.driver.Rate(depth, 2) == "90");
    CHECK(screen.driver.Rate(depth, 4) == "-1");
    CHECK(screen.driver.Rate(depth, 9) == "85");
  }
}

TEST_CASE("a box without a rate is named in a message box and nothing is written") {
  Screen screen;
  HWND box = screen.Control("Combo(4)");
  screen.robot.Type(box, "fast");
  {
    robot::MessageBoxes boxes;
    screen.robot.Click(screen.Control("ok"));
    screen.robot.Pump();
    REQUIRE(boxes.seen().size() == 1);
    CHECK(boxes.seen()[0].title == "Tarnolux");
    CHECK(boxes.seen()[0].text == "1024x768: choose Best or type a refresh rate in Hz.");
  }
  screen.robot.Pump();
  CHECK(robot::Shown(screen.form));
  CHECK(robot::FocusedControl() == box);
  CHECK(screen.driver.Rate("8", 1) == "<none>");
  CHECK(screen.driver.Rate("16", 4) == "-1");
}

TEST_CASE("a depth option shows that depth and OK writes only it") {
  Screen screen;
  screen.reg.SaveString(kLocalMachine, Modes("24", 3), "RefreshRate", "75");
  screen.robot.MouseClick(screen.Control("Bit24"));
  screen.robot.Pump();
  CHECK(robot::Text(screen.Control("Combo(3)")) == "75");
  screen.robot.Pick(screen.Control("Combo(3)"), 3);
  screen.robot.Click(screen.Control("ok"));
  screen.robot.Pump();
  CHECK(screen.driver.Rate("24", 3) == "85");
  CHECK(screen.driver.Rate("16", 3) == "<none>");
}

}  // namespace
