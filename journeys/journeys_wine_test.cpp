// The journeys of a Windows 98 user, end to end: the real Tarnolux.exe and
// Uninstall.exe in a folder of their own on a fresh copy of a demo
// machine, each started as its own process and driven only from outside
// through its real windows. Afterwards the registry and the folder must
// hold what the journey leaves behind, and the program must have ended
// exactly when the user ended it.
#include <doctest.h>
#include <windows.h>

#include <optional>
#include <set>
#include <string>

#include "forms/win32/automation.h"
#include "journeys/machine.h"
#include "journeys/outside.h"
#include "tests/support/caller.h"
#include "tests/support/card_keys.h"
#include "tests/support/wine_registry.h"
#include "tests/support/wine_window.h"

namespace {

using namespace test_support::window_test;
using test_support::Caller;
using test_support::TreeOf;
using test_support::Values;
using test_support::ValuesOf;

const test_support::CardKeys kCard(1);  // the demo's Voodoo3 3000
const std::string kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display";
constexpr const char* kProgramKey = test_support::kProgramKey;
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kDisplaySettings = "Display\\Settings";
constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kResolutions[] = {"640,480",   "800,600",   "960,720",   "1024,768",
                                        "1152,864",  "1280,960",  "1280,1024", "1600,1024",
                                        "1600,1200", "1792,1344", "1856,1392", "1920,1080",
                                        "1920,1200", "1920,1440", "2046,1536"};
constexpr const char* kDepths[] = {"8", "16", "24", "32"};
constexpr const char* kClocks[] = {"GFX Clock Speed", "Graphics Clock Speed", "Memory Clock Speed"};

std::string Hklm(const std::string& key, const char* name) {
  return test_support::Value(HKEY_LOCAL_MACHINE, key, name);
}

std::string Rate(const char* depth, const char* resolution) {
  return Hklm(kCard.Modes(depth, resolution), "RefreshRate");
}

// The three gamma values of a key, "r g b".
std::string Gamma(const std::string& key) {
  return Hklm(key, "SSTH3_RGAMMA") + " " + Hklm(key, "SSTH3_GGAMMA") + " " +
         Hklm(key, "SSTH3_BGAMMA");
}

Values GammaAnd(const char* gamma, Values others) {
  for (const char* name : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}) others[name] = gamma;
  return others;
}

std::string Listed(const std::set<std::string>& files) {
  std::string list;
  for (const std::string& file : files) list += (list.empty() ? "" : ", ") + file;
  return list;
}

// The program folder after a journey on the Voodoo3 machine: what the
// user copied, and beside it the backup of the demo's own settings, taken
// before the first change.
void CheckFolder(Caller at = {}) {
  const std::set<std::string> files = journeys::ProgramFiles();
  test_support::Check(files == journeys::kShippedFiles, "the program folder holds what was shipped",
                      at, Listed(files));
  const std::string backup = journeys::BackupText();
  test_support::Check(backup.rfind("REGEDIT4\r\n", 0) == 0, "a REGEDIT4 backup is in the folder",
                      at);
  test_support::Check(backup.find("\"Grxclock\"=\"166\"") != std::string::npos,
                      "the backup holds the demo's clock", at);
}

// Tarnolux.exe started on a machine whose language is chosen, its main
// window up.
struct MainRun {
  journeys::Program program{"Tarnolux.exe"};
  HWND main = program.WaitForForm("frmv3");
  HWND Control(const char* name) { return FindControl(main, name); }
  // Opens another window with a main-window button; null if it never shows.
  HWND Open(const char* button, const char* form) {
    Robot().Click(Control(button));
    return program.WaitForForm(form);
  }
};

// How a journey starts and ends: a fresh copy of a demo machine, the
// first start that asks for the language, Tarnolux started (again) up to
// its main window, and the user closing it. Each step checks itself at the
// journey's line.
struct Journey {
  explicit Journey(const char* demo = journeys::kVoodoo3Machine, Caller at = {}) : machine(demo) {
    test_support::Require(machine.ready(), std::string("the demo machine ") + demo + " is set up",
                          at);
  }

  // The first start: the language window, with the main window not yet
  // shown, answered with `button` ("Command1" Dutch, "Command2" English);
  // whether the program then ended.
  bool ChooseLanguage(const char* button, Caller at = {}) {
    journeys::Program program("Tarnolux.exe");
    HWND language = program.WaitForForm("FrmLanguage");
    test_support::Require(language != nullptr, "the language window shows", at);
    test_support::Check(program.Hidden("frmv3"), "the main window waits for the language", at);
    program.Press(FindControl(language, button));
    return program.Ended();
  }
  // Tarnolux started on a machine whose language is chosen, up to its main
  // window; a run before it must have ended.
  MainRun& Start(Caller at = {}) {
    run.reset();
    run.emplace();
    test_support::Require(run->main != nullptr, "the main window shows", at);
    return *run;
  }
  // The user closes the main window: the program must end.
  void Close(Caller at = {}) {
    Robot().Close(run->main);
    test_support::Check(run->program.Ended(), "Tarnolux ends at its close box", at);
  }
  // The usual end: the close box, and the folder as shipped.
  void End(Caller at = {}) {
    Close(at);
    CheckFolder(at);
  }
  // Opens the presets window and presses a preset's button; whether the
  // program then ended, as a preset ends it.
  bool RunPreset(const char* button, Caller at = {}) {
    HWND presets = run->Open("preset", "frmdefaults");
    test_support::Require(presets != nullptr, "the presets window shows", at);
    run->program.Press(FindControl(presets, button));
    return run->program.Ended();
  }

  // A program of the folder whose only window is a message box, and whose
  // form `form` stays hidden; the message, once answered. The program
  // must end then.
  test_support::Message OnlyMessage(const char* exe, const char* form, Caller at = {}) {
    journeys::Program program(exe);
    HWND box = program.WaitForMessage();
    test_support::Require(box != nullptr, std::string(exe) + " shows a message", at);
    test_support::Check(program.Hidden(form), std::string(form) + " stays hidden", at);
    const test_support::Message message = program.Answer(box);
    test_support::Check(program.Ended(), std::string(exe) + " ends after its message", at);
    return message;
  }

  journeys::Machine machine;
  std::optional<MainRun> run;
};

// The usual start: the Voodoo3 machine, English chosen on an earlier
// start, Tarnolux started and its main window up.
struct EnglishJourney : Journey {
  explicit EnglishJourney(Caller at = {}) : Journey(journeys::kVoodoo3Machine, at) {
    machine.ChooseEnglish();
    Start(at);
  }
};

TEST_CASE("first start: the language window, Dutch, and Dutch from the next start") {
  Journey journey;
  CreateDirectoryA("C:\\windows\\system", nullptr);
  HANDLE file = CreateFileA(journeys::kLeftover, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  REQUIRE(file != INVALID_HANDLE_VALUE);
  CloseHandle(file);

  CHECK(journey.ChooseLanguage("Command1"));
  CHECK(Hklm(kProgramKey, "Language") == "2");
  CHECK(Hklm(kRunKey, "3dfx Tools") == "");  // the tray tool no longer starts
  CHECK(Hklm(kRunKey, "SystemTray") == "SysTray.Exe");
  CHECK(GetFileAttributesA(journeys::kLeftover) == INVALID_FILE_ATTRIBUTES);

  MainRun& run = journey.Start();
  CHECK(run.program.Hidden("FrmLanguage"));
  CHECK(Text(run.main) == "Tarnolux 1.7 (Voodoo3 3000)");
  CHECK(Text(run.Control("apply")) == "Toepassen");
  CHECK(Text(run.Control("Label1")) == "Klok/Geheugen");
  CHECK(Text(run.Control("crap")) == "Allerlei");
  CHECK(Text(run.Control("lblspeed")) == "166");
  journey.End();
  CHECK(Hklm(kCard.defaults, "Grxclock") == "166");
}

TEST_CASE_FIXTURE(EnglishJourney,
                  "overclock to 183, Apply, and the information window shows 183 after a restart") {
  HWND bar = run->Control("scrspeed");
  CHECK(ScrollPos(bar) == 166);
  Robot robot;
  robot.Track(bar, 175);
  robot.Release(bar, 183);
  CHECK(Text(run->Control("lblspeed")) == "183");
  CHECK(Hklm(kCard.defaults, "Grxclock") == "166");  // nothing before Apply

  run->program.Press(run->Control("apply"));
  HWND box = run->program.WaitForMessage();
  REQUIRE(box);
  const test_support::Message message = run->program.Answer(box);
  CHECK(message.title == "Tarnolux");
  CHECK(message.text == "You must reboot for some settings to take effect.");
  CHECK(run->program.Running());
  CHECK(Shown(run->main));
  Close();
  CHECK(Hklm(kCard.defaults, "Grxclock") == "183");
  for (const char* clock : kClocks) CHECK(Hklm(kCard.info, clock) == "183");
  // Apply rebuilds the API keys but keeps their gamma and modes.
  CHECK(Gamma(kCard.glide) == "1.3 1.3 1.3");
  CHECK(Gamma(kCard.d3d) == "1.3 1.3 1.3");
  CHECK(Hklm(kCard.glide, "SSTH3_OVERLAYMODE") == "1");
  CHECK(Hklm(kCard.d3d, "SSTH3_ALPHADITHERMODE") == "1");

  Start();
  CHECK(Text(run->Control("lblspeed")) == "183");
  HWND info = run->Open("cmdinfo", "frminfo");
  REQUIRE(info);
  CHECK(run->program.Hidden("frmv3"));
  CHECK(Text(FindControl(info, "framinfo")) == "Voodoo3 3000 Information");
  for (const char* label : {"Label9", "Label10", "Label11"}) {
    CAPTURE(label);
    CHECK(Text(FindControl(info, label)) == "183");
  }
  run->program.Press(FindControl(info, "quitcmd"));
  CHECK(run->program.Ended());
  CheckFolder();
  CHECK(journeys::BackupText().find("183") == std::string::npos);  // taken once, before Apply
}

TEST_CASE_FIXTURE(EnglishJourney,
                  "gamma: one Glide slider with the link box ticked moves and writes all three") {
  HWND gamma = run->Open("gamma", "frmgamma");
  REQUIRE(gamma);
  CHECK(CheckState(FindControl(gamma, "chkglide")) == 1);
  // The program's buttons are Windows 98's here too (tests/win98).
  CHECK(GetPropA(FindControl(gamma, "chkglide"), "Win98ButtonProc") != nullptr);
  Robot().Scroll(FindControl(gamma, "gg"), SB_PAGEDOWN);
  CHECK(Text(FindControl(gamma, "lblgr")) == "1.35");
  CHECK(Text(FindControl(gamma, "lblgb")) == "1.35");

  Robot().Click(FindControl(gamma, "OK"));
  CHECK(test_support::WaitUntil([&] { return run->program.Hidden("frmgamma"); }));
  CHECK(!run->program.Hidden("frmv3"));
  CHECK(Gamma(kCard.glide) == "1.35 1.35 1.35");
  CHECK(Gamma(kCard.d3d) == "1.3 1.3 1.3");
  CHECK(Gamma(kCard.gamma) == "1 1 1");
  CHECK(Gamma(kCard.driver) == "1 1 1");
  CHECK(Hklm(kCard.glide, "SST_SCREENREFRESH") == "60");  // the window edits, it does not rebuild
  End();
}

TEST_CASE_FIXTURE(
    EnglishJourney,
    "refresh rates: a typed rate with \"Link all color depths.\" goes to all four depths") {
  HWND refresh = run->Open("refresh", "frmrefresh");
  REQUIRE(refresh);
  CHECK(CheckState(FindControl(refresh, "LinkAllBit")) == 1);
  CHECK(Text(FindControl(refresh, "LinkAllBit")) == "Link all color depths.");
  CHECK(journeys::BoxText(FindControl(refresh, "Combo(4)")) == "Best");  // the 16-bit rates show
  Robot().Type(FindControl(refresh, "Combo(3)"), "100");

  run->program.Press(FindControl(refresh, "ok"));
  CHECK(test_support::WaitUntil([&] { return run->program.Hidden("frmrefresh"); }));
  // The 16-bit column as shown (nothing stored and "0" show as 60), with
  // the typed rate, now stands for every depth.
  const char* expected[] = {"75", "85", "100", "-1", "75", "60", "60", "60",
                            "60", "60", "60",  "60", "60", "60", "60"};
  for (const char* depth : kDepths) {
    for (int row = 0; row < 15; ++row) {
      CAPTURE(depth);
      CAPTURE(kResolutions[row]);
      CHECK(Rate(depth, kResolutions[row]) == expected[row]);
    }
  }
  CHECK(run->program.Running());
  End();
}

TEST_CASE_FIXTURE(EnglishJourney,
                  "the desktop window writes its settings, \"Advanced\" as a DWORD") {
  HWND desktop = run->Open("windowz", "frmwondowz");
  REQUIRE(desktop);
  CHECK(journeys::BoxText(FindControl(desktop, "Combo1")) == "1024,768");
  CHECK(CheckState(FindControl(desktop, "Option2")) == 1);  // 16-bit
  CHECK(CheckState(FindControl(desktop, "gdi")) == 1);
  CHECK(Text(FindControl(desktop, "Label6")) == "96");

  Robot robot;
  robot.Click(FindControl(desktop, "Option5"));  // 32-bit
  robot.Scroll(FindControl(desktop, "HScroll1"), SB_LINEDOWN);
  robot.Click(FindControl(desktop, "strech"));
  robot.Click(FindControl(desktop, "gdi"));
  CHECK(Text(FindControl(desktop, "Label6")) == "120");
  robot.Click(FindControl(desktop, "ok"));
  CHECK(test_support::WaitUntil([&] { return run->program.Hidden("frmwondowz"); }));

  const Values settings = ValuesOf(HKEY_CURRENT_CONFIG, kDisplaySettings);
  CHECK(settings.at("Resolution") == "1024,768");
  CHECK(settings.at("BitsPerPixel") == "32");
  for (const char* dpi : {"DPIPhysicalX", "DPIPhysicalY", "DPILogicalX", "DPILogicalY"}) {
    CHECK(settings.at(dpi) == "120");
  }
  CHECK(settings.at("Advanced") == "dword:0");
  CHECK(settings.at("fonts.fon") == "vgasys.fon");
  const Values user = ValuesOf(HKEY_CURRENT_USER, kDesktop);
  CHECK(user.at("WallpaperStyle") == "2");
  CHECK(user.at("FontSmoothing") == "1");
  CHECK(user.at("DragFullWindows") == "1");
  CHECK(user.at("Wallpaper") == "C:\\WINDOWS\\Clouds.bmp");
  End();
}

// What each preset leaves in the API keys (rebuilt from nothing) and every
// MODES key.
struct PresetCase {
  const char* button;
  Values glide, d3d;
  const char* rate;
};

TEST_CASE("each preset rebuilds the card's keys and ends the program") {
  const PresetCase cases[] = {
      {"defaults",
       GammaAnd("1.3", {{"SSTH3_ALPHADITHERMODE", "1"},
                        {"SSTH3_OVERLAYMODE", "1"},
                        {"FX_GLIDE_ALLOC_COLOR", "0"}}),
       GammaAnd("1.3", {{"SSTH3_ALPHADITHERMODE", "1"}, {"SSTH3_OVERLAYMODE", "1"}}), "60"},
      {"fastest",
       GammaAnd("1.3", {{"SSTH3_ALPHADITHERMODE", "2"},
                        {"SSTH3_OVERLAYMODE", "2"},
                        {"FX_GLIDE_ALLOC_COLOR", "3"},
                        {"FX_GLIDE_SWAPINTERVAL", "0"}}),
       GammaAnd("1.3", {{"SSTH3_ALPHADITHERMODE", "2"},
                        {"SSTH3_OVERLAYMODE", "2"},
                        {"SSTH3_SWAPINTERVAL", "0"}}),
       "-1"},
      {"prettiest",
       GammaAnd("1", {{"SSTH3_ALPHADITHERMODE", "3"},
                      {"SSTH3_OVERLAYMODE", "3"},
                      {"FX_GLIDE_ALLOC_COLOR", "3"},
                      {"FX_GLIDE_LOD_DITHER", "1"}}),
       GammaAnd(
           "1",
           {{"SSTH3_ALPHADITHERMODE", "3"}, {"SSTH3_OVERLAYMODE", "3"}, {"SSTH3_ANTIALIAS", "1"}}),
       "-1"},
  };
  for (const PresetCase& preset : cases) {
    CAPTURE(preset.button);
    EnglishJourney journey;
    CHECK(journey.RunPreset(preset.button));
    CHECK(ValuesOf(HKEY_LOCAL_MACHINE, kCard.glide) == preset.glide);
    CHECK(ValuesOf(HKEY_LOCAL_MACHINE, kCard.d3d) == preset.d3d);
    CHECK(Gamma(kCard.gamma) == "1 1 1");
    CHECK(Gamma(kCard.driver) == "1 1 1");
    int rates = 0;
    for (const char* depth : kDepths) {
      for (const char* resolution : kResolutions) rates += Rate(depth, resolution) == preset.rate;
    }
    CHECK(rates == 60);
    CHECK(Hklm(kCard.defaults, "Grxclock") == "166");
    CheckFolder();
  }
}

TEST_CASE_FIXTURE(EnglishJourney,
                  "the uninstaller after some use: factory values, its files gone, its message") {
  REQUIRE(RunPreset("prettiest"));
  const Values other_card = TreeOf(HKEY_LOCAL_MACHINE, test_support::DisplayKey(0));

  const test_support::Message message = OnlyMessage("Uninstall.exe", "Form1");
  CHECK(message.title == "Uninstall");
  CHECK(message.text == "Now delete this file.");

  CHECK(journeys::ProgramFiles() == std::set<std::string>{"Uninstall.exe"});
  // The backup stays for the user: the settings from before the preset.
  CHECK(journeys::BackupText().find("\"SST_SCREENREFRESH\"=\"60\"") != std::string::npos);
  CHECK(ValuesOf(HKEY_LOCAL_MACHINE, kCard.glide) ==
        GammaAnd("1.3", {{"SSTH3_ALPHADITHERMODE", "1"}, {"SSTH3_OVERLAYMODE", "1"}}));
  CHECK(ValuesOf(HKEY_LOCAL_MACHINE, kCard.d3d) ==
        GammaAnd("1.3", {{"SSTH3_ALPHADITHERMODE", "1"}, {"SSTH3_OVERLAYMODE", "1"}}));
  CHECK(Hklm(kCard.defaults, "Grxclock") == "166");
  for (const char* clock : kClocks) CHECK(Hklm(kCard.info, clock) == "166");
  int rates = 0;
  for (const char* depth : kDepths) {
    for (const char* resolution : kResolutions) rates += Rate(depth, resolution) == "60";
  }
  CHECK(rates == 60);
  CHECK(Hklm(kProgramKey, "Language") == "");
  CHECK(TreeOf(HKEY_LOCAL_MACHINE, test_support::DisplayKey(0)) == other_card);
}

TEST_CASE("a machine without a Voodoo3: the language first, then the message, nothing written") {
  Journey journey(journeys::kNoVoodoo3Machine);
  const Values display = TreeOf(HKEY_LOCAL_MACHINE, kDisplay);
  const Values run_key = ValuesOf(HKEY_LOCAL_MACHINE, kRunKey);
  const Values settings = ValuesOf(HKEY_CURRENT_CONFIG, kDisplaySettings);
  const Values user = ValuesOf(HKEY_CURRENT_USER, kDesktop);
  // The first start asks for the language and stays silent about the card.
  CHECK(journey.ChooseLanguage("Command2"));
  CHECK(Hklm(kProgramKey, "Language") == "1");

  const test_support::Message message = journey.OnlyMessage("Tarnolux.exe", "frmv3");
  CHECK(message.title == "Tarnolux");
  CHECK(message.text == "No 3dfx Voodoo3 display driver was found.");

  CHECK(TreeOf(HKEY_LOCAL_MACHINE, kDisplay) == display);
  CHECK(ValuesOf(HKEY_LOCAL_MACHINE, kRunKey) == run_key);
  CHECK(ValuesOf(HKEY_CURRENT_CONFIG, kDisplaySettings) == settings);
  CHECK(ValuesOf(HKEY_CURRENT_USER, kDesktop) == user);
  CHECK(journeys::ProgramFiles() == journeys::kShippedFiles);
  CHECK(journeys::BackupText().find("Grxclock") == std::string::npos);
}

}  // namespace
