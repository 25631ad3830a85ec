// The information window on real windows and the real registry, opened
// from the real main window, under Wine.
#include <doctest.h>
#include <windows.h>

#include <map>
#include <string>

#include "app/tarnolux.h"
#include "info/info_window.h"
#include "tests/dpi/text_fit.h"
#include "tests/support/wine_machine.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;

const test_support::CardKeys kCard;  // display key 9, the scan's first

// Names are global atoms, which ignore letter case: once the main
// window's "Label2" is named, this window's "label2" reads back as that.
HWND FindIgnoringCase(HWND form, const char* name) {
  struct Search {
    const char* name;
    HWND found;
  } search{name, nullptr};
  EnumChildWindows(
      form,
      [](HWND hwnd, LPARAM lparam) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(lparam);
        if (lstrcmpiA(forms::automation::NameOf(hwnd).c_str(), s->name) != 0) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A Voodoo3 3500 at display key 9; everything seeded here goes again at
// the end.
struct Machine : test_support::WineMachine {
  explicit Machine(const char* language) {
    reg.SaveString(kLocalMachine, test_support::kProgramKey, "Language", language);
    reg.SaveString(kLocalMachine, kCard.driver, "Ver", "4.12.01.1222");
    reg.SaveString(kLocalMachine, kCard.info, "LCD", "Supported");
    reg.SaveString(kLocalMachine, kCard.info, "TV Out", "Supported");
    reg.SaveString(kLocalMachine, kCard.info, "GFX Clock Speed", "183");
    reg.SaveString(kLocalMachine, kCard.info, "Total Video Memory", "16 MB");
  }
};

// Every value and key under a key: what a write anywhere below would change.
test_support::RawValues Tree(const std::string& key) {
  return test_support::RawTreeOf(HKEY_LOCAL_MACHINE, key, true);
}

// One program run in this process, the information window wired to the
// main window's "&Info"; ending it returns here.
struct Run : test_support::WineHost {
  app::Tarnolux tarnolux;
  info::InfoWindow info;

  explicit Run(Machine& machine)
      : tarnolux(host, files, machine.store), info(tarnolux.program(), tarnolux.reg()) {
    app::MainTargets targets;
    targets.info = &info;
    tarnolux.main_window().SetTargets(targets);
    tarnolux.Start();
    robot.Pump();
  }
};

TEST_CASE("Info opens at the main window's place, shows the card and goes back") {
  Machine machine("1");
  Run run(machine);
  HWND main = FindForm("frmv3");
  HWND window = test_support::OpenInPlace(run.robot, main, "cmdinfo", "frminfo");
  CHECK(Text(window) == "Tarnolux Adapter Information");
  CHECK(Text(FindControl(window, "framinfo")) == " Voodoo3 3500 Information");
  CHECK(Text(FindControl(window, "Label3")) == "3dfx Voodoo3");
  CHECK(Text(FindControl(window, "Label8")) == "16 MB");
  CHECK(Text(FindControl(window, "Label11")) == "183");
  CHECK(Text(FindControl(window, "Label9")) == "");
  CHECK(Text(FindIgnoringCase(window, "label2")) == "4.12.01.1222");
  // Stored text shows as it is: an "&" is no mnemonic in a value label.
  for (const char* value : {"Label3", "Label8", "Label11", "Label1"}) {
    CHECK((GetWindowLongA(FindControl(window, value), GWL_STYLE) & SS_NOPREFIX) != 0);
  }
  CHECK((GetWindowLongA(FindControl(window, "lblproduct"), GWL_STYLE) & SS_NOPREFIX) == 0);

  run.robot.MouseOver(FindControl(window, "Label14"));
  CHECK(ForeColor(FindControl(window, "framinfo")) == forms::kRed);
  CHECK(ForeColor(FindControl(window, "framDriver")) == forms::kLightYellow);
  run.robot.MouseOver(FindControl(window, "lblProvider"));
  CHECK(ForeColor(FindControl(window, "framinfo")) == forms::kLightYellow);
  CHECK(ForeColor(FindControl(window, "framDriver")) == forms::kRed);

  run.robot.Click(FindControl(window, "back"));
  CHECK(Shown(main));
  CHECK(!Shown(window));
  CHECK(!run.ended);

  // A second opening shows the same window; "&Exit" ends everything.
  run.robot.Click(FindControl(main, "cmdinfo"));
  CHECK(Shown(window));
  run.robot.Click(FindControl(window, "quitcmd"));
  CHECK(run.ended);
}

// The longest values a Voodoo3 driver writes, and the labels that show them.
struct LongValue {
  const std::string& key;
  const char* value;
  const char* label;
  const char* text;
};
const LongValue kLongValues[] = {{kCard.info, "Bus Type", "Label6", "AGP 2x"},
                                 {kCard.info, "Memory Type", "Label7", "SGRAM"},
                                 {kCard.info, "Total Video Memory", "Label8", "16 MB"},
                                 {kCard.info, "Memory Clock Speed", "Label9", "183"},
                                 {kCard.info, "Graphics Clock Speed", "Label10", "183"},
                                 {kCard.info, "GFX Clock Speed", "Label11", "183"},
                                 {kCard.info, "BIOS Version", "Label12", "V3.1.07 (build 1.07.00)"},
                                 {kCard.info, "TV Out", "Label13", "Not Supported"},
                                 {kCard.info, "LCD", "Label14", "Not Supported"},
                                 {kCard.driver, "ProviderName", "Label1", "3dfx Interactive, Inc."},
                                 {kCard.driver, "Ver", "label2", "4.12.01.1222"}};

// Each value label, measured in its own font against its own size and
// the controls that paint after it, shows the whole stored text.
TEST_CASE("every value label shows its whole stored text, English and Dutch") {
  for (const char* language : {"1", "2"}) {
    INFO("language ", std::string(language));
    Machine machine(language);
    std::map<std::string, std::string> shown = {
        {"Label3", "3dfx Voodoo3"}, {"Label4", "001"}, {"Label5", "3dfx Interactive, Inc."}};
    for (const LongValue& seed : kLongValues) {
      machine.reg.SaveString(kLocalMachine, seed.key, seed.value, seed.text);
      shown[seed.label] = seed.text;
    }
    Run run(machine);
    run.robot.Click(FindControl(FindForm("frmv3"), "cmdinfo"));
    HWND window = FindForm("frminfo");
    REQUIRE(window);
    for (const auto& [name, text] : shown) {
      HWND label = FindIgnoringCase(window, name.c_str());
      REQUIRE(label);
      CHECK(Text(label) == text);
      const text_fit::Fit fit = text_fit::Measure(label);
      CHECK_MESSAGE(fit.Fits(), text_fit::Describe(fit));
    }
  }
}

// The window opens with the focus on "&Back", so a key pressed at once
// goes back: Enter through the dialog keys, Space through the button.
TEST_CASE("Enter or Space pressed at once goes back and writes nothing; Alt+E still ends") {
  Machine machine("1");
  const auto before = Tree(kCard.driver);
  const auto language = Tree(test_support::kProgramKey);
  REQUIRE(before.size() >= 4);
  Run run(machine);
  HWND main = FindForm("frmv3");
  REQUIRE(main);
  for (WORD key : {VK_RETURN, VK_SPACE}) {
    INFO("key ", key);
    run.robot.Click(FindControl(main, "cmdinfo"));
    HWND window = FindForm("frminfo");
    REQUIRE(window);
    CHECK(FocusedControl() == FindControl(window, "back"));
    run.robot.Key(key);
    CHECK(!run.ended);
    CHECK(Shown(main));
    CHECK(!Shown(window));
  }
  CHECK(Tree(kCard.driver) == before);
  CHECK(Tree(test_support::kProgramKey) == language);

  run.robot.Click(FindControl(main, "cmdinfo"));
  run.robot.AltKey('e');
  CHECK(run.ended);
}

TEST_CASE("in Dutch the window speaks Dutch and its close box ends the program") {
  Machine machine("2");
  Run run(machine);
  HWND main = FindForm("frmv3");
  REQUIRE(main);
  run.robot.Click(FindControl(main, "cmdinfo"));
  HWND window = FindForm("frminfo");
  REQUIRE(window);
  CHECK(Text(FindControl(window, "framinfo")) == "Voodoo3 3500 Informatie");
  CHECK(Text(FindControl(window, "quitcmd")) == "Verlaten");
  CHECK(Text(FindControl(window, "framDriver")) == "Driver  informatie");
  CHECK(Text(FindControl(window, "lblTotalMemory")) == "Totale geheugenhoeveelheid:");
  run.robot.Close(window);
  CHECK(run.ended);
  CHECK(!Shown(main));
}

}  // namespace
