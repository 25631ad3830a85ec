// The presets window on real windows and the real registry, under Wine.
#include <doctest.h>
#include <windows.h>

#include <map>
#include <string>

#include "forms/handoff.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "presets/presets_window.h"
#include "registry/registry.h"
#include "registry/win32_store.h"
#include "tests/support/wine_machine.h"

namespace {

using forms::automation::FindControl;
using forms::automation::FindForm;
using forms::automation::ScreenRect;
using forms::automation::Shown;
using forms::automation::Text;
using registry::kLocalMachine;

const std::string kDriver = test_support::DisplayKey(9);
const std::string kGlide = kDriver + "\\Glide";
const std::string kD3D = kDriver + "\\D3D";
const std::string kDefault = kDriver + "\\DEFAULT";
const std::string kGammaKey = kDriver + "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA";
constexpr const char* kProgramKey = test_support::kProgramKey;

// A Voodoo3 at display key 9 (the scan's first) with a clock and some
// Glide options of its own; everything goes again at the end.
struct Machine : test_support::WineMachine {
  Machine() {
    reg.SaveString(kLocalMachine, kDefault, "Grxclock", "175");
    reg.SaveString(kLocalMachine, kGlide, "FX_GLIDE_NO_SPLASH", "1");
    reg.SaveString(kLocalMachine, kGlide, "FX_GLIDE_LOD_DITHER", "1");
    reg.SaveString(kLocalMachine, kD3D, "SSTH3_ANTIALIAS", "1");
    reg.SaveString(kLocalMachine, kProgramKey, "Language", "1");
  }

  std::map<std::string, std::string> ValuesOf(const std::string& path) {
    std::map<std::string, std::string> values;
    registry::Hkey key;
    if (store.OpenKey(kLocalMachine, path, &key) != registry::kOk) return values;
    std::string name, data;
    std::uint32_t type;
    for (std::uint32_t i = 0; store.EnumValue(key, i, &name, &type, &data) == registry::kOk; ++i) {
      values[name] = reg.GetString(kLocalMachine, path, name.c_str());
    }
    store.CloseKey(key);
    return values;
  }

  // Every value under a key and its subkeys, by full name: what a write
  // or a deletion anywhere below would change.
  std::map<std::string, std::string> Tree(const std::string& path) {
    std::map<std::string, std::string> tree;
    for (const auto& [name, value] : ValuesOf(path)) tree[path + "\\" + name] = value;
    registry::Hkey key;
    if (store.OpenKey(kLocalMachine, path, &key) != registry::kOk) return tree;
    std::string sub;
    for (std::uint32_t i = 0; store.EnumKey(key, i, &sub) == registry::kOk; ++i) {
      tree.merge(Tree(path + "\\" + sub));
      tree[path + "\\" + sub + "\\"] = "";  // an empty key counts too
    }
    store.CloseKey(key);
    return tree;
  }
};

// The main window's stand-in, and the presets window opened centred on it
// as the main window's "&Pre Set" does. Ending the program returns here.
struct Run {
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  forms::Program program{host, files};
  forms::Form main{program, "frmv3"};
  presets::PresetsWindow window;
  forms::automation::Robot robot{host};
  bool ended = false;

  explicit Run(Machine& machine) : window(program, machine.reg) {
    host.on_end = [this] { ended = true; };
    main.SetCaption("Main");
    main.SetClientSize(7200, 5400);
    main.SetPosition(1500, 1200);
    main.Show();
    forms::OpenCentred(window, main);
    robot.Pump();
  }
};

TEST_CASE("Fastest rewrites the driver's settings and ends the program") {
  Machine machine;
  Run run(machine);
  HWND form = FindForm("frmdefaults");
  REQUIRE(form);
  CHECK(Shown(form));
  CHECK(Text(form) == "Pre Set Settings");
  HWND fastest = FindControl(form, "fastest");
  run.robot.MouseOver(fastest);
  CHECK(Text(FindControl(form, "Label1")) ==
        "Sets up your Voodoo3 options for optimal performance.");

  run.robot.Click(fastest);
  CHECK(run.ended);
  CHECK(!Shown(form));
  CHECK(machine.ValuesOf(kGlide) == std::map<std::string, std::string>{
                                        {"SSTH3_RGAMMA", "1.3"},
                                        {"SSTH3_GGAMMA", "1.3"},
                                        {"SSTH3_BGAMMA", "1.3"},
                                        {"SSTH3_ALPHADITHERMODE", "2"},
                                        {"SSTH3_OVERLAYMODE", "2"},
                                        {"FX_GLIDE_ALLOC_COLOR", "3"},
                                        {"FX_GLIDE_SWAPINTERVAL", "0"},
                                    });
  CHECK(machine.ValuesOf(kD3D) == std::map<std::string, std::string>{
                                      {"SSTH3_RGAMMA", "1.3"},
                                      {"SSTH3_GGAMMA", "1.3"},
                                      {"SSTH3_BGAMMA", "1.3"},
                                      {"SSTH3_ALPHADITHERMODE", "2"},
                                      {"SSTH3_OVERLAYMODE", "2"},
                                      {"SSTH3_SWAPINTERVAL", "0"},
                                  });
  CHECK(machine.Get(kGammaKey, "SSTH3_BGAMMA") == "1");
  CHECK(machine.Get(kDriver, "SSTH3_RGAMMA") == "1");
  for (const char* depth : registry::kDepths) {
    CHECK(machine.Get(kDriver + "\\MODES\\" + depth + "\\2046,1536", "RefreshRate") == "-1");
    CHECK(machine.Get(kDriver + "\\MODES\\" + depth + "\\640,480", "RefreshRate") == "-1");
  }
  CHECK(machine.Get(kDefault, "Grxclock") == "175");
}

// The window opens with the focus on Cancel, so a key pressed at once
// presses Cancel: Enter through the dialog keys, Space through the button.
TEST_CASE("Enter or Space pressed at once goes back and writes nothing") {
  Machine machine;
  Run run(machine);
  HWND form = FindForm("frmdefaults");
  HWND main = FindForm("frmv3");
  REQUIRE(form);
  const auto before = machine.Tree(kDriver);
  REQUIRE(before.size() >= 4);
  // What is wrong after a key that should have gone back, "" when nothing:
  // checked where the key was pressed.
  auto fault_after_key = [&]() -> std::string {
    if (run.ended) return "the program ended";
    if (!Shown(main)) return "the main window is hidden";
    if (Shown(form)) return "the presets window is still shown";
    if (machine.Tree(kDriver) != before) return "the driver's key changed";
    return "";
  };
  CHECK(forms::automation::FocusedControl() == FindControl(form, "cancel"));
  run.robot.Key(VK_RETURN);
  CHECK(fault_after_key() == "");

  forms::OpenCentred(run.window, run.main);
  run.robot.Pump();
  CHECK(forms::automation::FocusedControl() == FindControl(form, "cancel"));
  run.robot.Key(VK_SPACE);
  CHECK(fault_after_key() == "");

  // Tab to "&Defaults", leave by Esc: the next opening is on Cancel again.
  forms::OpenCentred(run.window, run.main);
  run.robot.Pump();
  run.robot.Key(VK_TAB);
  CHECK(forms::automation::FocusedControl() == FindControl(form, "defaults"));
  run.robot.Key(VK_ESCAPE);
  forms::OpenCentred(run.window, run.main);
  run.robot.Pump();
  run.robot.Key(VK_RETURN);
  CHECK(fault_after_key() == "");
}

TEST_CASE("Alt+D still runs the Defaults preset") {
  Machine machine;
  Run run(machine);
  run.robot.AltKey('d');
  CHECK(run.ended);
  CHECK(machine.Get(kGlide, "SSTH3_ALPHADITHERMODE") == "1");
  CHECK(machine.Get(kGlide, "FX_GLIDE_ALLOC_COLOR") == "0");
  CHECK(machine.Get(kGlide, "FX_GLIDE_NO_SPLASH") == "<absent>");
  CHECK(machine.Get(kDriver + "\\MODES\\32\\2046,1536", "RefreshRate") == "60");
}

TEST_CASE("Cancel (Esc) hands back to the main window where it stood") {
  Machine machine;
  Run run(machine);
  HWND form = FindForm("frmdefaults");
  HWND main = FindForm("frmv3");
  REQUIRE(form);
  REQUIRE(main);
  CHECK(!Shown(main));

  // Centred on the main window's place.
  const RECT at = ScreenRect(form);
  const int main_left = 1500 * 96 / 1440, main_top = 1200 * 96 / 1440;
  CHECK(at.left > main_left);
  CHECK(at.top > main_top);
  CHECK(at.right < main_left + 7200 * 96 / 1440 + 20);

  SetWindowPos(form, nullptr, at.left + 60, at.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  run.robot.Pump();
  SetForegroundWindow(form);
  SetFocus(FindControl(form, "defaults"));
  run.robot.Key(VK_ESCAPE);
  CHECK(!run.ended);
  CHECK(Shown(main));
  CHECK(!Shown(form));
  CHECK(ScreenRect(main).left == main_left);
  CHECK(ScreenRect(main).top == main_top);
  CHECK(machine.Get(kGlide, "FX_GLIDE_NO_SPLASH") == "1");
}

}  // namespace
