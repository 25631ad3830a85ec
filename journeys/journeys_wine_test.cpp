// The journeys of a Windows 98 user, end to end: the real Tarnolux.exe and
// Uninstall.exe in a folder of their own on a fresh copy of a demo
// machine, each started as its own process and driven only from outside
// through its real windows. Afterwards the registry and the folder must
// hold what the journey leaves behind, and the program must have ended
// exactly when the user ended it.
#include <doctest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "forms/win32/automation.h"
#include "journeys/machine.h"
#include "journeys/outside.h"

namespace {

using forms::automation::CheckState;
using forms::automation::FindControl;
using forms::automation::Robot;
using forms::automation::ScrollPos;
using forms::automation::Text;
using journeys::kShippedFiles;
using journeys::Machine;
using journeys::Program;
using journeys::ProgramFiles;
using journeys::Value;
using journeys::Values;

// The demo's Voodoo3 3000 is display adapter 0001.
const std::string kCard = "System\\CurrentControlSet\\Services\\Class\\Display\\0001";
const std::string kGlide = kCard + "\\Glide";
const std::string kD3D = kCard + "\\D3D";
const std::string kInfo =
    kCard + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
const std::string kDesktopGamma = kCard + "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA";
constexpr const char* kProgramKey = "Software\\Tarno";
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
  return Value(HKEY_LOCAL_MACHINE, key, name);
}

std::string Rate(const char* depth, const char* resolution) {
  return Hklm(kCard + "\\MODES\\" + depth + "\\" + resolution, "RefreshRate");
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

// The program folder after a journey on the Voodoo3 machine: what the
// user copied, and beside it the backup of the demo's own settings, taken
// before the first change.
void CheckFolder() {
  CHECK(ProgramFiles() == kShippedFiles);
  const std::string backup = journeys::BackupText();
  CHECK(backup.rfind("REGEDIT4\r\n", 0) == 0);
  CHECK(backup.find("\"Grxclock\"=\"166\"") != std::string::npos);
}

// Tarnolux.exe started on a machine whose language is chosen, its main
// window up.
struct MainRun {
  Program program{"Tarnolux.exe"};
  HWND main = program.WaitForForm("frmv3");
  HWND Control(const char* name) { return FindControl(main, name); }
  // Opens another window with a main-window button; null if it never shows.
  HWND Open(const char* button, const char* form) {
    Robot().Click(Control(button));
    return program.WaitForForm(form);
  }
};

// The usual start of a journey: a fresh demo machine, English chosen,
// Tarnolux started and its main window up. End() closes the main window,
// and the program must end and leave its folder as shipped.
struct EnglishJourney {
  EnglishJourney() {
    REQUIRE(machine.ready());
    machine.ChooseEnglish();
    run.emplace();
    REQUIRE(run->main);
  }
  void End() {
    Robot().Close(run->main);
    CHECK(run->program.Ended());
    CheckFolder();
  }

  Machine machine{journeys::kVoodoo3Machine};
  std::optional<MainRun> run;
};

TEST_CASE("first start: the language window, Dutch, and Dutch from the next start") {
  Machine machine(journeys::kVoodoo3Machine);
  REQUIRE(machine.ready());
  CreateDirectoryA("C:\\windows\\system", nullptr);
  HANDLE file = CreateFileA(journeys::kLeftover, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  REQUIRE(file != INVALID_HANDLE_VALUE);
  CloseHandle(file);

  {
    Program program("Tarnolux.exe");
    HWND language = program.WaitForForm("FrmLanguage");
    REQUIRE(language);
    CHECK(program.Hidden("frmv3"));
    program.Press(FindControl(language, "Command1"));
    CHECK(program.Ended());
  }
  CHECK(Hklm(kProgramKey, "Language") == "2");
  CHECK(Hklm(kRunKey, "3dfx Tools") == "");  // the tray tool no longer starts
  CHECK(Hklm(kRunKey, "SystemTray") == "SysTray.Exe");
  CHECK(GetFileAttributesA(journeys::kLeftover) == INVALID_FILE_ATTRIBUTES);

  MainRun run;
  REQUIRE(run.main);
  CHECK(run.program.Hidden("FrmLanguage"));
  CHECK(Text(run.main) == "Tarnolux 1.7 (Voodoo3 3000)");
  CHECK(Text(run.Control("apply")) == "Toepassen");
  CHECK(Text(run.Control("Label1")) == "Klok/Geheugen");
  CHECK(Text(run.Control("crap")) == "Allerlei");
  CHECK(Text(run.Control("lblspeed")) == "166");
  Robot().Close(run.main);
  CHECK(run.program.Ended());
  CHECK(Hklm(kCard + "\\DEFAULT", "Grxclock") == "166");
  CheckFolder();
}

TEST_CASE("overclock to 183, Apply, and the information window shows 183 after a restart") {
  Machine machine(journeys::kVoodoo3Machine);
  REQUIRE(machine.ready());
  machine.ChooseEnglish();
  {
    MainRun run;
    REQUIRE(run.main);
    HWND bar = run.Control("scrspeed");
    CHECK(ScrollPos(bar) == 166);
    Robot robot;
    robot.Track(bar, 175);
    robot.Release(bar, 183);
    CHECK(Text(run.Control("lblspeed")) == "183");
    CHECK(Hklm(kCard + "\\DEFAULT", "Grxclock") == "166");  // nothing before Apply

    run.program.Press(run.Control("apply"));
    HWND box = run.program.WaitForMessage();
    REQUIRE(box);
    const journeys::Message message = run.program.Answer(box);
    CHECK(message.title == "Tarnolux");
    CHECK(message.text == "You must reboot for some settings to take effect.");
    CHECK(run.program.Running());
    CHECK(forms::automation::Shown(run.main));
    Robot().Close(run.main);
    CHECK(run.program.Ended());
  }
  CHECK(Hklm(kCard + "\\DEFAULT", "Grxclock") == "183");
  for (const char* clock : kClocks) CHECK(Hklm(kInfo, clock) == "183");
  // Apply rebuilds the API keys but keeps their gamma and modes.
  CHECK(Gamma(kGlide) == "1.3 1.3 1.3");
  CHECK(Gamma(kD3D) == "1.3 1.3 1.3");
  CHECK(Hklm(kGlide, "SSTH3_OVERLAYMODE") == "1");
  CHECK(Hklm(kD3D, "SSTH3_ALPHADITHERMODE") == "1");

  MainRun run;
  REQUIRE(run.main);
  CHECK(Text(run.Control("lblspeed")) == "183");
  HWND info = run.Open("cmdinfo", "frminfo");
  REQUIRE(info);
  CHECK(run.program.Hidden("frmv3"));
  CHECK(Text(FindControl(info, "framinfo")) == "Voodoo3 3000 Information");
  for (const char* label : {"Label9", "Label10", "Label11"}) {
    CAPTURE(label);
    CHECK(Text(FindControl(info, label)) == "183");
  }
  run.program.Press(FindControl(info, "quitcmd"));
  CHECK(run.program.Ended());
  CheckFolder();
  CHECK(journeys::BackupText().find("183") == std::string::npos);  // taken once, before Apply
}

TEST_CASE_FIXTURE(EnglishJourney,
                  "gamma: one Glide slider with the link box ticked moves and writes all three") {
  HWND gamma = run->Open("gamma", "frmgamma");
  REQUIRE(gamma);
  CHECK(CheckState(FindControl(gamma, "chkglide")) == 1);
  Robot().Scroll(FindControl(gamma, "gg"), SB_PAGEDOWN);
  CHECK(Text(FindControl(gamma, "lblgr")) == "1.35");
  CHECK(Text(FindControl(gamma, "lblgb")) == "1.35");

  Robot().Click(FindControl(gamma, "OK"));
  CHECK(journeys::WaitUntil([&] { return run->program.Hidden("frmgamma"); }));
  CHECK(!run->program.Hidden("frmv3"));
  CHECK(Gamma(kGlide) == "1.35 1.35 1.35");
  CHECK(Gamma(kD3D) == "1.3 1.3 1.3");
  CHECK(Gamma(kDesktopGamma) == "1 1 1");
  CHECK(Gamma(kCard) == "1 1 1");
  CHECK(Hklm(kGlide, "SST_SCREENREFRESH") == "60");  // the window edits, it does not rebuild
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
  CHECK(journeys::WaitUntil([&] { return run->program.Hidden("frmrefresh"); }));
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
  CHECK(journeys::WaitUntil([&] { return run->program.Hidden("frmwondowz"); }));

  const Values settings = journeys::ValuesOf(HKEY_CURRENT_CONFIG, kDisplaySettings);
  CHECK(settings.at("Resolution") == "1024,768");
  CHECK(settings.at("BitsPerPixel") == "32");
  for (const char* dpi : {"DPIPhysicalX", "DPIPhysicalY", "DPILogicalX", "DPILogicalY"}) {
    CHECK(settings.at(dpi) == "120");
  }
  CHECK(settings.at("Advanced") == "dword:0");
  CHECK(settings.at("fonts.fon") == "vgasys.fon");
  const Values user = journeys::ValuesOf(HKEY_CURRENT_USER, kDesktop);
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
    Machine machine(journeys::kVoodoo3Machine);
    REQUIRE(machine.ready());
    machine.ChooseEnglish();
    {
      MainRun run;
      REQUIRE(run.main);
      HWND presets = run.Open("preset", "frmdefaults");
      REQUIRE(presets);
      run.program.Press(FindControl(presets, preset.button));
      CHECK(run.program.Ended());
    }
    CHECK(journeys::ValuesOf(HKEY_LOCAL_MACHINE, kGlide) == preset.glide);
    CHECK(journeys::ValuesOf(HKEY_LOCAL_MACHINE, kD3D) == preset.d3d);
    CHECK(Gamma(kDesktopGamma) == "1 1 1");
    CHECK(Gamma(kCard) == "1 1 1");
    int rates = 0;
    for (const char* depth : kDepths) {
      for (const char* resolution : kResolutions) rates += Rate(depth, resolution) == preset.rate;
    }
    CHECK(rates == 60);
    CHECK(Hklm(kCard + "\\DEFAULT", "Grxclock") == "166");
    CheckFolder();
  }
}

TEST_CASE("the uninstaller after some use: factory values, its files gone, its message") {
  Machine machine(journeys::kVoodoo3Machine);
  REQUIRE(machine.ready());
  machine.ChooseEnglish();
  {
    MainRun run;
    REQUIRE(run.main);
    HWND presets = run.Open("preset", "frmdefaults");
    REQUIRE(presets);
    run.program.Press(FindControl(presets, "prettiest"));
    REQUIRE(run.program.Ended());
  }
  const Values other_card = journeys::TreeOf(
      HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\Display\\0000");

  Program uninstall("Uninstall.exe");
  HWND box = uninstall.WaitForMessage();
  REQUIRE(box);
  CHECK(uninstall.Hidden("Form1"));
  const journeys::Message message = uninstall.Answer(box);
  CHECK(message.title == "Uninstall");
  CHECK(message.text == "Now delete this file.");
  CHECK(uninstall.Ended());

  CHECK(ProgramFiles() == std::set<std::string>{"Uninstall.exe"});
  // The backup stays for the user: the settings from before the preset.
  CHECK(journeys::BackupText().find("\"SST_SCREENREFRESH\"=\"60\"") != std::string::npos);
  CHECK(journeys::ValuesOf(HKEY_LOCAL_MACHINE, kGlide) ==
        GammaAnd("1.3", {{"SSTH3_ALPHADITHERMODE", "1"}, {"SSTH3_OVERLAYMODE", "1"}}));
  CHECK(journeys::ValuesOf(HKEY_LOCAL_MACHINE, kD3D) ==
        GammaAnd("1.3", {{"SSTH3_ALPHADITHERMODE", "1"}, {"SSTH3_OVERLAYMODE", "1"}}));
  CHECK(Hklm(kCard + "\\DEFAULT", "Grxclock") == "166");
  for (const char* clock : kClocks) CHECK(Hklm(kInfo, clock) == "166");
  int rates = 0;
  for (const char* depth : kDepths) {
    for (const char* resolution : kResolutions) rates += Rate(depth, resolution) == "60";
  }
  CHECK(rates == 60);
  CHECK(Hklm(kProgramKey, "Language") == "");
  CHECK(journeys::TreeOf(HKEY_LOCAL_MACHINE,
                         "System\\CurrentControlSet\\Services\\Class\\Display\\0000") ==
        other_card);
}

TEST_CASE("a machine without a Voodoo3: the language first, then the message, nothing written") {
  Machine machine(journeys::kNoVoodoo3Machine);
  REQUIRE(machine.ready());
  const Values display =
      journeys::TreeOf(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\Display");
  const Values run_key = journeys::ValuesOf(HKEY_LOCAL_MACHINE, kRunKey);
  const Values settings = journeys::ValuesOf(HKEY_CURRENT_CONFIG, kDisplaySettings);
  const Values user = journeys::ValuesOf(HKEY_CURRENT_USER, kDesktop);
  {
    // The first start asks for the language and stays silent about the card.
    Program program("Tarnolux.exe");
    HWND language = program.WaitForForm("FrmLanguage");
    REQUIRE(language);
    program.Press(FindControl(language, "Command2"));
    CHECK(program.Ended());
  }
  CHECK(Hklm(kProgramKey, "Language") == "1");

  Program program("Tarnolux.exe");
  HWND box = program.WaitForMessage();
  REQUIRE(box);
  CHECK(program.Hidden("frmv3"));
  const journeys::Message message = program.Answer(box);
  CHECK(message.title == "Tarnolux");
  CHECK(message.text == "No 3dfx Voodoo3 display driver was found.");
  CHECK(program.Ended());

  CHECK(journeys::TreeOf(HKEY_LOCAL_MACHINE,
                         "System\\CurrentControlSet\\Services\\Class\\Display") == display);
  CHECK(journeys::ValuesOf(HKEY_LOCAL_MACHINE, kRunKey) == run_key);
  CHECK(journeys::ValuesOf(HKEY_CURRENT_CONFIG, kDisplaySettings) == settings);
  CHECK(journeys::ValuesOf(HKEY_CURRENT_USER, kDesktop) == user);
  CHECK(ProgramFiles() == kShippedFiles);
  CHECK(journeys::BackupText().find("Grxclock") == std::string::npos);
}

}  // namespace
