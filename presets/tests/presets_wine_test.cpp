// The presets window on real windows and the real registry, under Wine.
#include <doctest.h>
#include <windows.h>

#include <string>

#include "presets/presets_window.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;

const test_support::CardKeys kCard;  // display key 9, the scan's first

// A Voodoo3 at display key 9 (the scan's first) with a clock and some
// Glide options of its own; everything goes again at the end.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, kCard.defaults, "Grxclock", "175");
    reg.SaveString(kLocalMachine, kCard.glide, "FX_GLIDE_NO_SPLASH", "1");
    reg.SaveString(kLocalMachine, kCard.glide, "FX_GLIDE_LOD_DITHER", "1");
    reg.SaveString(kLocalMachine, kCard.d3d, "SSTH3_ANTIALIAS", "1");
    reg.SaveString(kLocalMachine, test_support::kProgramKey, "Language", "1");
  }
};

// The values of one key of the card, by name.
test_support::Values ValuesOf(const std::string& key) {
  return test_support::ValuesOf(HKEY_LOCAL_MACHINE, key);
}

// Every value and key under the driver's key: what a write or a deletion
// anywhere below would change.
test_support::RawValues DriverTree() {
  return test_support::RawTreeOf(HKEY_LOCAL_MACHINE, kCard.driver, true);
}

// The presets window opened centred on the main window's stand-in, as the
// main window's "&Pre Set" does. Ending the program returns here.
struct Run : test_support::WindowRun<presets::PresetsWindow> {
  explicit Run(Machine& machine, test_support::Caller at = {})
      : WindowRun(machine.reg, forms::OpenCentred, at) {}
};

TEST_CASE("Fastest rewrites the driver's settings and ends the program") {
  Machine machine;
  Run run(machine);
  CHECK(Shown(run.form));
  CHECK(Text(run.form) == "Pre Set Settings");
  HWND fastest = run.Control("fastest");
  run.robot.MouseOver(fastest);
  CHECK(Text(run.Control("Label1")) == "Sets up your Voodoo3 options for optimal performance.");

  run.robot.Click(fastest);
  CHECK(run.ended);
  CHECK(!Shown(run.form));
  CHECK(ValuesOf(kCard.glide) == test_support::Values{
                                     {"SSTH3_RGAMMA", "1.3"},
                                     {"SSTH3_GGAMMA", "1.3"},
                                     {"SSTH3_BGAMMA", "1.3"},
                                     {"SSTH3_ALPHADITHERMODE", "2"},
                                     {"SSTH3_OVERLAYMODE", "2"},
                                     {"FX_GLIDE_ALLOC_COLOR", "3"},
                                     {"FX_GLIDE_SWAPINTERVAL", "0"},
                                 });
  CHECK(ValuesOf(kCard.d3d) == test_support::Values{
                                   {"SSTH3_RGAMMA", "1.3"},
                                   {"SSTH3_GGAMMA", "1.3"},
                                   {"SSTH3_BGAMMA", "1.3"},
                                   {"SSTH3_ALPHADITHERMODE", "2"},
                                   {"SSTH3_OVERLAYMODE", "2"},
                                   {"SSTH3_SWAPINTERVAL", "0"},
                               });
  CHECK(machine.Get(kCard.gamma, "SSTH3_BGAMMA") == "1");
  CHECK(machine.Get(kCard.driver, "SSTH3_RGAMMA") == "1");
  for (const char* depth : registry::kDepths) {
    CHECK(machine.Get(kCard.Modes(depth, "2046,1536"), "RefreshRate") == "-1");
    CHECK(machine.Get(kCard.Modes(depth, "640,480"), "RefreshRate") == "-1");
  }
  CHECK(machine.Get(kCard.defaults, "Grxclock") == "175");
}

// The window opens with the focus on Cancel, so a key pressed at once
// presses Cancel: Enter through the dialog keys, Space through the button.
TEST_CASE("Enter or Space pressed at once goes back and writes nothing") {
  Machine machine;
  Run run(machine);
  HWND main = run.MainForm();
  const auto before = DriverTree();
  REQUIRE(before.size() >= 4);
  // What is wrong after a key that should have gone back, "" when nothing:
  // checked where the key was pressed.
  auto fault_after_key = [&]() -> std::string {
    if (run.ended) return "the program ended";
    if (!Shown(main)) return "the main window is hidden";
    if (Shown(run.form)) return "the presets window is still shown";
    if (DriverTree() != before) return "the driver's key changed";
    return "";
  };
  CHECK(FocusedControl() == run.Control("cancel"));
  run.robot.Key(VK_RETURN);
  CHECK(fault_after_key() == "");

  run.Open();
  CHECK(FocusedControl() == run.Control("cancel"));
  run.robot.Key(VK_SPACE);
  CHECK(fault_after_key() == "");

  // Tab to "&Defaults", leave by Esc: the next opening is on Cancel again.
  run.Open();
  run.robot.Key(VK_TAB);
  CHECK(FocusedControl() == run.Control("defaults"));
  run.robot.Key(VK_ESCAPE);
  run.Open();
  run.robot.Key(VK_RETURN);
  CHECK(fault_after_key() == "");
}

TEST_CASE("Alt+D still runs the Defaults preset") {
  Machine machine;
  Run run(machine);
  run.robot.AltKey('d');
  CHECK(run.ended);
  CHECK(machine.Get(kCard.glide, "SSTH3_ALPHADITHERMODE") == "1");
  CHECK(machine.Get(kCard.glide, "FX_GLIDE_ALLOC_COLOR") == "0");
  CHECK(machine.Get(kCard.glide, "FX_GLIDE_NO_SPLASH") == "<absent>");
  CHECK(machine.Get(kCard.Modes("32", "2046,1536"), "RefreshRate") == "60");
}

TEST_CASE("Cancel (Esc) hands back to the main window where it stood") {
  Machine machine;
  Run run(machine);
  HWND main = run.MainForm();
  REQUIRE(main);
  CHECK(!Shown(main));

  // Centred on the main window's place.
  const RECT at = ScreenRect(run.form);
  const int main_left = test_support::kMainLeft * 96 / 1440;
  const int main_top = test_support::kMainTop * 96 / 1440;
  CHECK(at.left > main_left);
  CHECK(at.top > main_top);
  CHECK(at.right < main_left + test_support::kMainWidth * 96 / 1440 + 20);

  SetWindowPos(run.form, nullptr, at.left + 60, at.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  run.robot.Pump();
  SetForegroundWindow(run.form);
  SetFocus(run.Control("defaults"));
  run.robot.Key(VK_ESCAPE);
  CHECK(!run.ended);
  CHECK(Shown(main));
  CHECK(!Shown(run.form));
  CHECK(ScreenRect(main).left == main_left);
  CHECK(ScreenRect(main).top == main_top);
  CHECK(machine.Get(kCard.glide, "FX_GLIDE_NO_SPLASH") == "1");
}

}  // namespace
