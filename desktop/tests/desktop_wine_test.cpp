// The desktop window on real Win32 controls and the real registry, under
// Wine: the stored settings reach the real controls, and OK writes them
// back, "Advanced" as a real DWORD.
#include <doctest.h>

#include <string>

#include "desktop/desktop_window.h"
#include "registry/win32_store.h"
#include "tests/support/wine_registry.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;
using test_support::SavedValue;

constexpr const char* kSettings = "Display\\Settings";
constexpr const char* kDesktop = "Control Panel\\Desktop";

// "Advanced" straight from advapi32: its type and its 4 bytes.
struct Dword {
  DWORD type = 0;
  DWORD value = 0;
};
Dword ReadAdvanced() {
  Dword result;
  HKEY handle = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_CONFIG, kSettings, &handle) != ERROR_SUCCESS) return result;
  DWORD size = sizeof(result.value);
  RegQueryValueExA(handle, "Advanced", nullptr, &result.type,
                   reinterpret_cast<BYTE*>(&result.value), &size);
  RegCloseKey(handle);
  return result;
}

void DeleteSetting(const char* name) {
  HKEY handle = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_CONFIG, kSettings, &handle) != ERROR_SUCCESS) return;
  RegDeleteValueA(handle, name);
  RegCloseKey(handle);
}

// Every value the window reads or writes, kept as the prefix had them.
struct SavedSettings {
  SavedValue values[10] = {
      {HKEY_CURRENT_CONFIG, kSettings, "Resolution"},
      {HKEY_CURRENT_CONFIG, kSettings, "BitsPerPixel"},
      {HKEY_CURRENT_CONFIG, kSettings, "DPIPhysicalY"},
      {HKEY_CURRENT_CONFIG, kSettings, "DPIPhysicalX"},
      {HKEY_CURRENT_CONFIG, kSettings, "DPILogicalY"},
      {HKEY_CURRENT_CONFIG, kSettings, "DPILogicalX"},
      {HKEY_CURRENT_CONFIG, kSettings, "Advanced"},
      {HKEY_CURRENT_USER, kDesktop, "FontSmoothing"},
      {HKEY_CURRENT_USER, kDesktop, "DragFullWindows"},
      {HKEY_CURRENT_USER, kDesktop, "WallpaperStyle"},
  };
};

// The settings the window shows, seeded over the prefix's own, which
// come back at the end.
struct Machine {
  Machine() {
    reg.SaveString(registry::kCurrentConfig, kSettings, "Resolution", "1024,768");
    reg.SaveString(registry::kCurrentConfig, kSettings, "BitsPerPixel", "16");
    reg.SaveString(registry::kCurrentConfig, kSettings, "DPIPhysicalY", "120");
    reg.SaveString(registry::kCurrentUser, kDesktop, "FontSmoothing", "2");
    reg.SaveString(registry::kCurrentUser, kDesktop, "WallpaperStyle", "2");
    DeleteSetting("Advanced");
  }
  std::string Setting(const char* name) {
    return reg.GetString(registry::kCurrentConfig, kSettings, name, "<none>");
  }

  SavedSettings saved;
  registry::Win32Store store;
  registry::Registry reg{store};
};

// The desktop window opened from the main window's stand-in.
using Run = test_support::WindowRun<desktop::DesktopWindow>;

TEST_CASE("OK writes what the real controls show, Advanced as a DWORD") {
  Machine machine;
  Run run(machine.reg);
  CHECK(Text(run.Control("Combo1")) == "1024,768");
  CHECK(CheckState(run.Control("Option2")) == 1);
  CHECK(ScrollPos(run.Control("HScroll1")) == 5);
  CHECK(Text(run.Control("Label6")) == "120");
  CHECK(CheckState(run.Control("smooth")) == 2);
  CHECK(CheckState(run.Control("strech")) == 1);
  CHECK(CheckState(run.Control("gdi")) == 0);

  run.robot.Scroll(run.Control("HScroll1"), SB_LINEDOWN);
  run.robot.Pump();
  CHECK(Text(run.Control("Label6")) == "144");
  run.robot.MouseClick(run.Control("gdi"));
  run.robot.Click(run.Control("ok"));
  run.robot.Pump();

  CHECK_FALSE(Shown(run.form));
  const Dword advanced = ReadAdvanced();
  CHECK(advanced.type == REG_DWORD);
  CHECK(advanced.value == 1);
  CHECK(machine.Setting("Resolution") == "1024,768");
  CHECK(machine.Setting("BitsPerPixel") == "16");
  CHECK(machine.Setting("DPILogicalX") == "144");
  CHECK(machine.reg.GetString(registry::kCurrentUser, kDesktop, "FontSmoothing") == "2");
}

TEST_CASE("a resolution that is none gets a message box and writes nothing") {
  Machine machine;
  Run run(machine.reg);
  run.robot.Type(run.Control("Combo1"), "800x600");
  const auto message = test_support::ClickForMessage(run.robot, run.Control("ok"));
  CHECK(message.title == "Tarnolux");
  CHECK(message.text == "Type the resolution as width,height, for example 800,600.");
  run.robot.Pump();
  CHECK(Shown(run.form));
  CHECK(machine.Setting("Resolution") == "1024,768");
  CHECK(ReadAdvanced().type == 0);

  // Cancel shows the stored resolution again.
  run.robot.Click(run.Control("cancel"));
  run.robot.Pump();
  CHECK(Text(run.Control("Combo1")) == "1024,768");
}

// The depth options from left to right: 4, 8, 16, 24, 32 bits.
constexpr const char* kDepths[] = {"Option1", "Option3", "Option2", "Option4", "Option5"};

TEST_CASE("only the user's keys choose: Tab, Cancel and coming back choose nothing") {
  Machine machine;
  Run run(machine.reg);
  REQUIRE(run.TabTo("Option2"));
  run.robot.Key(VK_DOWN);  // an arrow key in the group chooses 24
  CHECK(CheckState(run.Control("Option4")) == 1);
  run.robot.Key(VK_ESCAPE);
  CHECK_FALSE(Shown(run.form));
  run.Open();  // the focus comes back to 24, which Cancel cleared
  CHECK(CheckState(run.Control("Option2")) == 1);
  CHECK(CheckState(run.Control("Option4")) == 0);
  run.robot.Key(VK_RETURN);
  CHECK(machine.Setting("BitsPerPixel") == "16");

  // '+' and '=' set a check box, '-' clears it; the model hears of each.
  run.Open();
  REQUIRE(run.TabTo("gdi"));
  run.robot.TypeKeys("+");
  CHECK(CheckState(run.Control("gdi")) == 1);
  run.robot.TypeKeys("-");
  CHECK(CheckState(run.Control("gdi")) == 0);
  run.robot.TypeKeys("=");
  run.robot.Click(run.Control("ok"));
  CHECK(ReadAdvanced().value == 1);
}

TEST_CASE("Tab through a depth group with none selected selects none; Space does") {
  Machine machine;
  DeleteSetting("BitsPerPixel");
  Run run(machine.reg);
  run.TabAround(30);
  for (const char* depth : kDepths) CHECK(CheckState(run.Control(depth)) == 0);
  run.robot.Click(run.Control("ok"));
  CHECK(machine.Setting("BitsPerPixel") == "<none>");

  run.Open();
  REQUIRE(run.TabTo("Option3"));
  run.robot.Key(VK_SPACE);
  run.robot.Click(run.Control("ok"));
  CHECK(machine.Setting("BitsPerPixel") == "8");
}

}  // namespace
