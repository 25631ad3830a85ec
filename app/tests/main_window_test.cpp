#include "app/main_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/tarnolux.h"
#include "forms/handoff.h"
#include "forms/headless.h"
#include "registry/numbers.h"
#include "tests/support/recording_store.h"
#include "tests/support/registry_dump.h"

namespace app {
namespace {

using registry::kLocalMachine;

constexpr const char* kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display\\000";
const std::string kDriver = std::string(kDisplay) + "3";
const std::string kDefault = kDriver + "\\DEFAULT";
const std::string kGlide = kDriver + "\\Glide";
const std::string kD3d = kDriver + "\\D3D";
const std::string kInfo =
    kDriver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kAbsent = "<absent>";

using test_support::DumpAll;

// The value names a key holds, in name order.
std::vector<std::string> ValueNames(registry::Store& store, const std::string& path) {
  return test_support::ValueNames(store, kLocalMachine, path);
}

// A window the buttons can hand off to.
struct StandIn : forms::Form {
  StandIn(forms::Program& program, const std::string& name) : forms::Form(program, name) {
    SetClientSize(3000, 2000);
  }
};

// One machine with a Voodoo3 3000 at display key 3, and the program on it;
// Start() runs a fresh program on the same registry, as a restart does.
struct Machine : ::testing::Test {
  test_support::RecordingStore store;
  registry::Registry reg{store};
  std::unique_ptr<forms::HeadlessHost> host;
  std::unique_ptr<Tarnolux> run;

  void SeedCard(const char* lcd = "Not Supported", const char* tv_out = "Supported") {
    reg.SaveString(kLocalMachine, kDriver, "DriverDesc", "3dfx Voodoo3");
    reg.SaveString(kLocalMachine, kInfo, "LCD", lcd);
    reg.SaveString(kLocalMachine, kInfo, "TV Out", tv_out);
  }
  void Set(const std::string& key, const char* name, const char* text) {
    reg.SaveString(kLocalMachine, key, name, text);
  }
  std::string Get(const std::string& key, const char* name) {
    return reg.GetString(kLocalMachine, key, name, kAbsent);
  }
  void SetLanguage(const char* language) { Set("Software\\Tarno", "Language", language); }

  MainWindow& Start() {
    run.reset();
    host = std::make_unique<forms::HeadlessHost>();
    run = std::make_unique<Tarnolux>(*host, host->files, store);
    run->Start();
    return run->main_window();
  }
  MainWindow& main() { return run->main_window(); }
};

// ---- Load ----

using LoadTest = Machine;

TEST_F(LoadTest, WithoutALanguageTheLanguageWindowAsksWhileTheMainWindowLoadsHidden) {
  SeedCard();
  Set(kDefault, "Grxclock", "200");
  Set(kGlide, "FX_GLIDE_SWAPINTERVAL", "0");
  MainWindow& w = Start();
  EXPECT_EQ(host->shows, std::vector<std::string>({"FrmLanguage"}));
  EXPECT_FALSE(w.Visible());
  EXPECT_TRUE(w.Loaded());
  EXPECT_EQ(w.scrspeed.Value(), 200);
  EXPECT_EQ(w.chkvg.Value(), 1);
  EXPECT_EQ(w.Caption(), "Tarnolux 1.7 (Voodoo3 3000)");
  EXPECT_EQ(Get(kRun, "3dfx Tools"), "");
  EXPECT_TRUE(host->messages.empty());
}

TEST_F(LoadTest, LeftoversGoAndPicturesComeFromTheProgramFolder) {
  SeedCard();
  SetLanguage("1");
  host = std::make_unique<forms::HeadlessHost>();
  host->files.folder = "C:\\Program Files\\Tarnolux";
  host->files.AddFile("C:\\Windows\\System\\mnstr.dll");
  host->files.AddFile("C:\\Program Files\\Tarnolux\\pic1.jpg");
  Tarnolux program(*host, host->files, store);
  program.Start();
  MainWindow& w = program.main_window();
  EXPECT_EQ(host->files.delete_patterns, std::vector<std::string>({"C:\\Windows\\System\\mnstr*"}));
  EXPECT_FALSE(host->files.HasFile("C:\\Windows\\System\\mnstr.dll"));
  EXPECT_EQ(w.left_emblem.Picture(), "C:\\Program Files\\Tarnolux\\pic1.jpg");
  EXPECT_EQ(w.right_emblem.Picture(), "C:\\Program Files\\Tarnolux\\pic1.jpg");
  EXPECT_EQ(w.imgvoodoo3.Picture(), "");  // pic2.jpg is missing: skipped
  EXPECT_EQ(host->shows, std::vector<std::string>({"frmv3"}));
  EXPECT_EQ(w.Caption(), "Tarnolux 1.7 (Voodoo3 3000)");
}

TEST_F(LoadTest, TheHighestExactlyNamedVoodoo3KeyWins) {
  SeedCard();
  SetLanguage("1");
  Set(std::string(kDisplay) + "7", "DriverDesc", "3dfx Voodoo3");
  Set(std::string(kDisplay) + "9", "DriverDesc", "3dfx voodoo3");
  Set(std::string(kDisplay) + "8", "DriverDesc", "3dfx Voodoo3 ");
  Set(std::string(kDisplay) + "7\\DEFAULT", "Grxclock", "210");
  Set(kDefault, "Grxclock", "150");
  MainWindow& w = Start();
  EXPECT_EQ(w.scrspeed.Value(), 210);
  w.apply.UserClick();
  EXPECT_EQ(Get(std::string(kDisplay) + "7\\DEFAULT", "Grxclock"), "210");
  EXPECT_EQ(Get(kDefault, "Grxclock"), "150");
}

TEST_F(LoadTest, TheTrayToolEntryIsEmptiedAtEveryStart) {
  SeedCard();
  SetLanguage("1");
  Set(kRun, "3dfx Tools", "C:\\3dfx\\3dfxman.exe");
  Start();
  EXPECT_EQ(Get(kRun, "3dfx Tools"), "");
  Set(kRun, "3dfx Tools", "C:\\3dfx\\3dfxman.exe");
  Start();
  EXPECT_EQ(Get(kRun, "3dfx Tools"), "");
}

TEST_F(LoadTest, CheckBoxesFollowTheirStoredValues) {
  SeedCard();
  SetLanguage("1");
  struct Case {
    const char* anti;   // taken as the box's state
    const char* tmu;    // ticks chk2mb when 2
    const char* alloc;  // ticks chktripple when 3
    const char* swap;   // ticks chkvg when exactly "0"
    int want_anti, want_2mb, want_tripple, want_vg;
  };
  const Case cases[] = {
      {"3", "3", nullptr, "1", 0, 0, 0, 0},  // refused state; 3 is not 2
      {" 1", " 2", "3", "0", 1, 1, 1, 1},
      {"2", "2", " 3", " 0", 2, 1, 1, 0},  // greyed; only the text "0" ticks vsync
      {nullptr, nullptr, "0", nullptr, 0, 0, 0, 0},
      {"x", "two", "3.0", "", 0, 0, 1, 0},
  };
  for (const Case& c : cases) {
    reg.DeleteKey(kLocalMachine, kGlide);
    reg.DeleteKey(kLocalMachine, kD3d);
    if (c.anti) Set(kD3d, "SSTH3_ANTIALIAS", c.anti);
    if (c.tmu) Set(kGlide, "FX_GLIDE_TMU_MEMSIZE", c.tmu);
    if (c.alloc) Set(kGlide, "FX_GLIDE_ALLOC_COLOR", c.alloc);
    if (c.swap) Set(kGlide, "FX_GLIDE_SWAPINTERVAL", c.swap);
    if (c.swap) Set(kD3d, "SSTH3_SWAPINTERVAL", c.swap);
    MainWindow& w = Start();
    SCOPED_TRACE(c.anti ? c.anti : "missing");
    EXPECT_EQ(w.chkanti.Value(), c.want_anti);
    EXPECT_EQ(w.chk2mb.Value(), c.want_2mb);
    EXPECT_EQ(w.chktripple.Value(), c.want_tripple);
    EXPECT_EQ(w.chkvg.Value(), c.want_vg);
    EXPECT_EQ(w.chkvd3d.Value(), c.want_vg);
  }
  Set(kGlide, "FX_GLIDE_NO_SPLASH", "1");
  Set(kGlide, "FX_GLIDE_LOD_DITHER", "2");
  MainWindow& w = Start();
  EXPECT_EQ(w.chksplash.Value(), 1);
  EXPECT_EQ(w.chkmipmap.Value(), 2);
}

// ---- Clock ----

using ClockTest = Machine;

TEST_F(ClockTest, AStoredClockInRangeShowsAsStored) {
  SeedCard();
  SetLanguage("1");
  Set(kDefault, "Grxclock", "200");
  MainWindow& w = Start();
  EXPECT_EQ(w.scrspeed.Value(), 200);
  EXPECT_EQ(w.lblspeed.Caption(), "200");
  // The design position itself raises no change; the label shows it all the same.
  Set(kDefault, "Grxclock", "140");
  EXPECT_EQ(Start().lblspeed.Caption(), "140");
}

TEST_F(ClockTest, AMissingOrUnusableClockIsTheModelsFactoryClock) {
  SetLanguage("1");
  struct Model {
    const char* lcd;
    const char* tv_out;
    const char* suffix;
    int clock;
  };
  const Model models[] = {{"Supported", "Supported", " (Voodoo3 3500)", 183},
                          {"Not Supported", "Supported", " (Voodoo3 3000)", 166},
                          {"Not Supported", "Not Supported", " (Voodoo3 2000)", 143}};
  for (const Model& model : models) {
    SeedCard(model.lcd, model.tv_out);
    for (const char* stored : {static_cast<const char*>(nullptr), "300", "119", "fast", ""}) {
      reg.DeleteKey(kLocalMachine, kDefault);
      if (stored) Set(kDefault, "Grxclock", stored);
      MainWindow& w = Start();
      SCOPED_TRACE(stored ? stored : "missing");
      EXPECT_EQ(w.Caption(), std::string("Tarnolux 1.7") + model.suffix);
      EXPECT_EQ(w.scrspeed.Value(), model.clock);
      EXPECT_EQ(w.lblspeed.Caption(), registry::NumberText(model.clock));
      w.apply.UserClick();  // Apply writes what the label shows
      EXPECT_EQ(Get(kDefault, "Grxclock"), registry::NumberText(model.clock));
    }
  }
}

TEST_F(ClockTest, TheLabelFollowsTheSlider) {
  SeedCard();
  SetLanguage("1");
  MainWindow& w = Start();
  w.scrspeed.UserScroll(177);
  EXPECT_EQ(w.lblspeed.Caption(), "177");
  w.scrspeed.UserScroll(999);
  EXPECT_EQ(w.lblspeed.Caption(), "240");
}

// ---- Apply ----

struct ApplyTest : Machine {
  void SetUp() override {
    SeedCard();
    SetLanguage("1");
  }
};

TEST_F(ApplyTest, TheClockGoesToAllFourValues) {
  MainWindow& w = Start();
  w.scrspeed.UserScroll(183);
  w.apply.UserClick();
  EXPECT_EQ(Get(kDefault, "Grxclock"), "183");
  EXPECT_EQ(Get(kInfo, "GFX Clock Speed"), "183");
  EXPECT_EQ(Get(kInfo, "Graphics Clock Speed"), "183");
  EXPECT_EQ(Get(kInfo, "Memory Clock Speed"), "183");
}

TEST_F(ApplyTest, TheKeysAreRebuiltWithExactlyTheKeptAndTickedValues) {
  for (const std::string& key : {kGlide, kD3d}) {
    Set(key, "SSTH3_RGAMMA", "1.3");
    Set(key, "SSTH3_GGAMMA", "1.3");
    Set(key, "SSTH3_BGAMMA", "1.3");
    Set(key, "SSTH3_OVERLAYMODE", "2");
    Set(key, "SSTH3_ALPHADITHERMODE", "3");
  }
  Set(kD3d, "SSTH3_GGAMMA", "1.5");
  Set(kGlide, "FX_GLIDE_TOOLS_OPTION", "7");  // the driver's own tools wrote it
  Set(kGlide, "FX_GLIDE_ALLOC_COLOR", "3");
  Set(kD3d, "SSTH3_ANTIALIAS", "1");
  MainWindow& w = Start();
  w.chktripple.UserClick();  // untick
  w.chkanti.UserClick();
  store.writes.clear();
  w.apply.UserClick();
  ASSERT_GE(store.writes.size(), 4u);
  // The modes go back last, as designed: Glide's overlay first, Direct3D's
  // alpha blending first.
  const std::vector<std::string> modes(store.writes.end() - 4, store.writes.end());
  EXPECT_EQ(modes,
            (std::vector<std::string>{test_support::WriteLine(kGlide, "SSTH3_OVERLAYMODE", "2"),
                                      test_support::WriteLine(kGlide, "SSTH3_ALPHADITHERMODE", "3"),
                                      test_support::WriteLine(kD3d, "SSTH3_ALPHADITHERMODE", "3"),
                                      test_support::WriteLine(kD3d, "SSTH3_OVERLAYMODE", "2")}));
  const std::vector<std::string> kept = {"SSTH3_ALPHADITHERMODE", "SSTH3_BGAMMA", "SSTH3_GGAMMA",
                                         "SSTH3_OVERLAYMODE", "SSTH3_RGAMMA"};
  EXPECT_EQ(ValueNames(store, kGlide), kept);
  EXPECT_EQ(ValueNames(store, kD3d), kept);
  EXPECT_EQ(Get(kD3d, "SSTH3_GGAMMA"), "1.5");
  EXPECT_EQ(Get(kGlide, "SSTH3_ALPHADITHERMODE"), "3");
  EXPECT_EQ(Get(kD3d, "SSTH3_OVERLAYMODE"), "2");

  // Every box ticked writes its own text.
  for (forms::CheckBox* box :
       {&w.chkvg, &w.chkvd3d, &w.chkanti, &w.chk2mb, &w.chksplash, &w.chkmipmap, &w.chktripple}) {
    box->SetValue(1);
  }
  w.apply.UserClick();
  EXPECT_EQ(Get(kGlide, "FX_GLIDE_SWAPINTERVAL"), "0");
  EXPECT_EQ(Get(kD3d, "SSTH3_SWAPINTERVAL"), "0");
  EXPECT_EQ(Get(kD3d, "SSTH3_ANTIALIAS"), "1");
  EXPECT_EQ(Get(kGlide, "FX_GLIDE_TMU_MEMSIZE"), "2");
  EXPECT_EQ(Get(kGlide, "FX_GLIDE_NO_SPLASH"), "1");
  EXPECT_EQ(Get(kGlide, "FX_GLIDE_LOD_DITHER"), "1");
  EXPECT_EQ(Get(kGlide, "FX_GLIDE_ALLOC_COLOR"), "3");
  EXPECT_EQ(ValueNames(store, kGlide).size(), 10u);
  EXPECT_EQ(ValueNames(store, kD3d).size(), 7u);
}

// A subkey under either key does not keep it from being rebuilt: an
// unticked option and a value Tarnolux never writes are gone after Apply,
// and so is the subkey.
TEST_F(ApplyTest, KeysWithSubkeysAreRebuiltToo) {
  Set(kD3d, "SSTH3_SWAPINTERVAL", "0");
  Set(kD3d, "SSTH3_RGAMMA", "1.1");
  Set(kD3d + "\\Profiles\\Game", "SSTH3_SWAPINTERVAL", "0");
  Set(kGlide, "FX_GLIDE_TOOLS_OPTION", "7");
  Set(kGlide + "\\Tools", "x", "1");
  MainWindow& w = Start();
  ASSERT_EQ(w.chkvd3d.Value(), 1);
  w.chkvd3d.UserClick();  // untick
  w.apply.UserClick();
  EXPECT_EQ(ValueNames(store, kD3d), std::vector<std::string>({"SSTH3_RGAMMA"}));
  EXPECT_EQ(Get(kD3d, "SSTH3_RGAMMA"), "1.1");
  EXPECT_TRUE(ValueNames(store, kGlide).empty());
  const auto keys = DumpAll(store);
  EXPECT_EQ(keys.count("HKLM\\" + kD3d + "\\Profiles"), 0u);
  EXPECT_EQ(keys.count("HKLM\\" + kGlide + "\\Tools"), 0u);
  EXPECT_EQ(keys.count("HKLM\\" + kInfo), 1u);
}

TEST_F(ApplyTest, AbsentGammaAndModeValuesStayAbsentAndEmptyOnesStayEmpty) {
  Set(kGlide, "SSTH3_RGAMMA", "");
  Set(kD3d, "SSTH3_OVERLAYMODE", "1");
  MainWindow& w = Start();
  w.apply.UserClick();
  w.apply.UserClick();
  EXPECT_EQ(ValueNames(store, kGlide), std::vector<std::string>({"SSTH3_RGAMMA"}));
  EXPECT_EQ(Get(kGlide, "SSTH3_RGAMMA"), "");
  EXPECT_EQ(ValueNames(store, kD3d), std::vector<std::string>({"SSTH3_OVERLAYMODE"}));
  EXPECT_EQ(Get(kD3d, "SSTH3_OVERLAYMODE"), "1");
}

TEST_F(ApplyTest, AGreyedBoxWritesNothingAndTheMessageComesEveryTime) {
  Set(kD3d, "SSTH3_ANTIALIAS", "2");
  Set(kGlide, "FX_GLIDE_LOD_DITHER", "2");
  MainWindow& w = Start();
  w.apply.UserClick();
  w.apply.UserClick();
  EXPECT_EQ(Get(kD3d, "SSTH3_ANTIALIAS"), kAbsent);
  EXPECT_EQ(Get(kGlide, "FX_GLIDE_LOD_DITHER"), kAbsent);
  ASSERT_EQ(host->messages.size(), 2u);
  EXPECT_EQ(host->messages[1].text, "You must reboot for some settings to take effect.");
  EXPECT_EQ(host->messages[1].title, "Tarnolux");
  EXPECT_TRUE(w.Visible());
  EXPECT_FALSE(host->ended);
}

// ---- No Voodoo3 ----

using NoDriverTest = Machine;

TEST_F(NoDriverTest, WithALanguageTheProgramSaysSoAndEndsHavingWrittenNothing) {
  SetLanguage("1");
  Set(std::string(kDisplay) + "1", "DriverDesc", "3dfx voodoo3");
  Set(kRun, "3dfx Tools", "C:\\3dfx\\3dfxman.exe");
  const auto before = DumpAll(store);
  MainWindow& w = Start();
  EXPECT_EQ(DumpAll(store), before);
  ASSERT_EQ(host->messages.size(), 1u);
  EXPECT_EQ(host->messages[0].text, "No 3dfx Voodoo3 display driver was found.");
  EXPECT_EQ(host->messages[0].title, "Tarnolux");
  EXPECT_TRUE(host->ended);
  EXPECT_TRUE(host->shows.empty());
  w.apply.UserClick();  // nothing runs after the end
  EXPECT_EQ(DumpAll(store), before);
}

TEST_F(NoDriverTest, TheLanguageWindowFirstThenTheMessageInTheChosenLanguage) {
  const auto before = DumpAll(store);
  Start();
  EXPECT_EQ(host->shows, std::vector<std::string>({"FrmLanguage"}));
  EXPECT_TRUE(host->messages.empty());
  EXPECT_EQ(DumpAll(store), before);

  run->language_window().choose_dutch.UserClick();
  EXPECT_EQ(Get("Software\\Tarno", "Language"), "2");
  const auto chosen = DumpAll(store);
  Start();
  ASSERT_EQ(host->messages.size(), 1u);
  EXPECT_EQ(host->messages[0].text, "Er is geen 3dfx Voodoo3 beeldschermstuurprogramma gevonden.");
  EXPECT_EQ(host->messages[0].title, "Tarnolux");
  EXPECT_TRUE(host->ended);
  EXPECT_EQ(DumpAll(store), chosen);
}

// ---- Hover ----

using HoverTest = Machine;

TEST_F(HoverTest, TheMouseLightsItsGroupAndClockMemoryFollowsSpeed) {
  SeedCard();
  SetLanguage("1");
  MainWindow& w = Start();
  auto colours = [&w] {
    return std::vector<forms::Color>{w.framVsync.ForeColor(), w.framclk.ForeColor(),
                                     w.misc_frame.ForeColor(), w.clock_memory_label.ForeColor()};
  };
  using forms::kLightYellow;
  using forms::kRed;
  EXPECT_EQ(colours(),
            std::vector<forms::Color>({kLightYellow, kLightYellow, kLightYellow, kLightYellow}));
  w.chkvg.UserMouseMove();
  EXPECT_EQ(colours(), std::vector<forms::Color>({kRed, kLightYellow, kLightYellow, kLightYellow}));
  w.chkmipmap.UserMouseMove();
  EXPECT_EQ(colours(), std::vector<forms::Color>({kLightYellow, kLightYellow, kRed, kLightYellow}));
  w.lblspeed.UserMouseMove();
  EXPECT_EQ(colours(), std::vector<forms::Color>({kLightYellow, kRed, kLightYellow, kRed}));
  w.chkvd3d.UserMouseMove();
  w.clock_memory_label.UserMouseMove();
  EXPECT_EQ(colours(), std::vector<forms::Color>({kLightYellow, kRed, kLightYellow, kRed}));
  w.credit.UserMouseMove();  // the credit rests everything
  EXPECT_EQ(colours(),
            std::vector<forms::Color>({kLightYellow, kLightYellow, kLightYellow, kLightYellow}));
  w.chktripple.UserMouseMove();
  w.UserMouseMove();
  EXPECT_EQ(w.misc_frame.ForeColor(), kLightYellow);
}

// ---- Hand-off ----

using HandoffTest = Machine;

TEST_F(HandoffTest, EachButtonOpensItsWindowInPlaceAndReturnsToTheMovedPosition) {
  SeedCard();
  SetLanguage("1");
  MainWindow& w = Start();
  forms::Program& program = run->program();
  StandIn info(program, "frminfo"), windows(program, "frmwondowz"), presets(program, "frmdefaults"),
      advanced(program, "frmnew"), refresh(program, "frmrefresh"), gamma(program, "frmgamma");
  w.SetTargets({&info, &windows, &presets, &advanced, &refresh, &gamma});
  w.SetPosition(1500, 900);

  const std::pair<forms::CommandButton*, forms::Form*> pairs[] = {{&w.cmdinfo, &info},
                                                                  {&w.windowz, &windows},
                                                                  {&w.adv, &advanced},
                                                                  {&w.refresh, &refresh},
                                                                  {&w.gamma, &gamma}};
  int moved = 0;
  for (auto [button, target] : pairs) {
    SCOPED_TRACE(target->Name());
    button->UserClick();
    EXPECT_EQ(program.VisibleForms(), std::vector<forms::Form*>({target}));
    EXPECT_EQ(target->Left(), w.Left());
    EXPECT_EQ(target->Top(), w.Top());
    target->set_position(1000 + moved, 600);  // the user drags it
    moved += 15;
    forms::ReturnToOpener(*target);
    EXPECT_EQ(program.VisibleForms(), std::vector<forms::Form*>({&w}));
    EXPECT_EQ(w.Left(), target->Left());
  }

  w.preset.UserClick();
  EXPECT_EQ(presets.Left(), w.Left() + w.ClientWidth() / 2 - 1500);
  EXPECT_EQ(presets.Top(), w.Top() + w.ClientHeight() / 2 - 1000);
  forms::ReturnInPlace(presets);
  EXPECT_TRUE(w.Visible());
}

TEST_F(HandoffTest, AButtonWithoutItsWindowDoesNothing) {
  SeedCard();
  SetLanguage("1");
  forms::HeadlessHost bare_host;
  forms::Program program(bare_host, bare_host.files);
  MainWindow w(program, reg);  // no targets set
  w.Show();
  for (forms::CommandButton* button :
       {&w.cmdinfo, &w.windowz, &w.preset, &w.adv, &w.refresh, &w.gamma}) {
    button->UserClick();
  }
  EXPECT_EQ(program.VisibleForms(), std::vector<forms::Form*>({&w}));
  w.UserClose();
  EXPECT_TRUE(bare_host.ended);
}

TEST_F(HandoffTest, TheProgramWiresEveryButtonToItsWindow) {
  SeedCard();
  SetLanguage("1");
  MainWindow& w = Start();
  const std::pair<forms::CommandButton*, const char*> buttons[] = {
      {&w.cmdinfo, "frminfo"}, {&w.windowz, "frmwondowz"}, {&w.preset, "frmdefaults"},
      {&w.adv, "frmnew"},      {&w.refresh, "frmrefresh"}, {&w.gamma, "frmgamma"}};
  for (auto [button, name] : buttons) {
    SCOPED_TRACE(name);
    button->UserClick();
    std::vector<forms::Form*> visible = run->program().VisibleForms();
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_EQ(visible[0]->Name(), name);
    forms::ReturnInPlace(*visible[0]);
  }
}

// ---- Design ----

using DesignTest = Machine;

TEST_F(DesignTest, DutchTextsOnlyForLanguageTwo) {
  SeedCard();
  for (const char* language : {"1", "3", "nl", " 2"}) {
    SetLanguage(language);
    MainWindow& w = Start();
    EXPECT_EQ(w.clock_memory_label.Caption(), "Clock/Memory") << language;
    EXPECT_EQ(w.apply.Caption(), "&Apply") << language;
  }
  // The English design, runs of blanks and misspellings included.
  MainWindow& english = Start();
  const std::pair<forms::Control*, const char*> design[] = {
      {&english.chkvd3d,
       "Dissable Vsync for Direct3D.                                 (better performance yet "
       "might cause screen tearing)"},
      {&english.chkvg,
       "Dissable Vsync for Glide/OpenGL.                      (better performance yet might "
       "cause screen tearing)"},
      {&english.chkmipmap,
       "Force Mipmap dithering in Glide/OpenGL.          (higher quality graphics, highly "
       "recommended)"},
      {&english.chksplash,
       "Dissable the Glide/OpenGL spash screen.         (removes rotating 3dfx logo)"},
      {&english.chk2mb,
       "Limit texture memory to 2MB in Glide/OpenGL.    (only check this if you are having "
       "problems)"},
      {&english.chkanti,
       "Enable Anti-alaising in Direct3D.                      (better video quality yet slower "
       "performance)"},
      {&english.chktripple,
       "Force tripple buffering in Glide/OpenGL.          (faster performance on gamess which "
       "support it)"},
      {&english.framclk, "Speed"},
      {&english.framVsync, "Vsync"},
      {&english.misc_frame, "Miscellaneous"},
      {&english.triple_second_line, ""},
      {&english.preset, "&Pre Set"}};
  for (auto& [control, text] : design) EXPECT_EQ(control->Caption(), text) << control->Name();

  SetLanguage("2");
  MainWindow& w = Start();
  const std::pair<forms::Control*, const char*> dutch[] = {
      {&w.clock_memory_label, "Klok/Geheugen"},
      {&w.framclk, "Snelheid"},
      {&w.misc_frame, "Allerlei"},
      {&w.chkvg,
       "Schakelt Vsync uit voor Glide/OpenGL          (Betere prestaties, maar mindere "
       "beelkwaliteit)"},
      {&w.chkvd3d,
       "Schakelt Vsync uit voor Direct3D                   (Betere prestaties, maar mindere "
       "beelkwaliteit)"},
      {&w.chkanti,
       "Toelaten van gebruik van anti-aliasing in Direct3D (Betere beeldkwaliteit maar mindere "
       "prestaties)"},
      {&w.chk2mb, "Textuurgeheugen beperken tot 2MB in Glide/OpenGL"},
      {&w.chksplash,
       "Schakelt het Glide/OpenGL splash screen uit (Schakelt het draaiende 3dfx logo uit)"},
      {&w.chkmipmap,
       "Forceer mipmap rasteren in Glide/OpenGL      (Beter visuele kwaliteit, sterk "
       "aangeraden)"},
      {&w.chktripple, "Forceer drievoudige buffering in Glide/OpenGL"},
      {&w.triple_second_line, "(Betere prestaties bij spellen die het ondersteunen)"},
      {&w.adv, "Geavanceerd"},
      {&w.apply, "Toepassen"}};
  for (auto& [control, text] : dutch) EXPECT_EQ(control->Caption(), text) << control->Name();
  EXPECT_EQ(w.adv.Font().name, "Small Fonts");
  EXPECT_EQ(w.adv.Font().size, 7);
  EXPECT_EQ(w.cmdinfo.Caption(), "&Info");
  EXPECT_TRUE(w.triple_second_line.Visible());
  EXPECT_EQ(w.Caption(), "Tarnolux 1.7 (Voodoo3 3000)");
}

// Controls stay inside their containers and visible neighbours do not
// cover each other (a covered control loses its mouse and clicks).
TEST_F(DesignTest, ControlsFitAndDoNotOverlapInEitherLanguage) {
  SeedCard();
  for (const char* language : {"1", "2"}) {
    SetLanguage(language);
    MainWindow& w = Start();
    for (forms::Control* c : w.AllControls()) {
      const int width = c->frame() ? c->frame()->Width() : w.ClientWidth();
      const int height = c->frame() ? c->frame()->Height() : w.ClientHeight();
      EXPECT_GE(c->Left(), 0) << c->Name();
      EXPECT_GE(c->Top(), 0) << c->Name();
      EXPECT_LE(c->Left() + c->Width(), width) << c->Name();
      EXPECT_LE(c->Top() + c->Height(), height) << c->Name();
      for (forms::Control* d : w.AllControls()) {
        if (c == d || c->frame() != d->frame() || !c->Visible() || !d->Visible()) continue;
        const bool apart = c->Left() + c->Width() <= d->Left() ||
                           d->Left() + d->Width() <= c->Left() ||
                           c->Top() + c->Height() <= d->Top() || d->Top() + d->Height() <= c->Top();
        EXPECT_TRUE(apart) << language << ": " << c->Name() << " and " << d->Name();
      }
    }
  }
}

// Windows 98 dialog keys: Tab walks the columns left to right, each top
// to bottom, and with no OK there is no default button for Enter to press.
TEST_F(DesignTest, KeyboardOrderAndNoDefaultButton) {
  SeedCard();
  SetLanguage("1");
  MainWindow& w = Start();
  std::vector<std::string> tab;
  for (forms::Control* c : w.AllControls()) {
    if (c->TabStop()) tab.push_back(c->Name());
  }
  EXPECT_EQ(tab, std::vector<std::string>({"scrspeed", "chkvd3d", "chkvg", "chkmipmap", "chksplash",
                                           "chk2mb", "chkanti", "chktripple", "cmdinfo", "windowz",
                                           "preset", "adv", "apply", "refresh", "gamma"}));
  EXPECT_EQ(w.DefaultButton(), nullptr);
  EXPECT_EQ(w.CancelButton(), nullptr);
}

}  // namespace
}  // namespace app
