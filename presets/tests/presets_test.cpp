#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "forms/handoff.h"
#include "presets/presets_window.h"
#include "tests/support/headless_window.h"
#include "tests/support/registry_dump.h"

namespace presets {
namespace {

using registry::kLocalMachine;
using Values = std::map<std::string, std::string>;

const std::string kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0003";
const std::string kGlide = kDriver + "\\Glide";
const std::string kD3D = kDriver + "\\D3D";
const std::string kDesktopGamma = kDriver + "\\shellex\\PropertySheetHandlers\\Edge Tweaks\\GAMMA";
const std::string kInfo =
    kDriver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";

struct PresetsTest : ::testing::Test, test_support::HeadlessWindow<PresetsWindow> {
  PresetsTest() {
    main.SetClientSize(7000, 5000);
    main.SetPosition(2000, 1500);
  }

  // A Voodoo3 3000 at display-class key 3 with settings of its own.
  void SeedVoodoo3() {
    SeedCard(kDriver);
    reg.SaveString(kLocalMachine, kDriver + "\\DEFAULT", "Grxclock", "172");
    reg.SaveString(kLocalMachine, kInfo, "GFX Clock Speed", "172");
    reg.SaveString(kLocalMachine, kGlide, "FX_GLIDE_TMU_MEMSIZE", "2");
    reg.SaveString(kLocalMachine, kGlide, "FX_GLIDE_NO_SPLASH", "1");
    reg.SaveString(kLocalMachine, kGlide, "FX_GLIDE_SWAPINTERVAL", "0");
    reg.SaveString(kLocalMachine, kGlide, "SSTH3_RGAMMA", "2.1");
    reg.SaveString(kLocalMachine, kD3D, "SSTH3_SWAPINTERVAL", "0");
    reg.SaveString(kLocalMachine, kD3D, "SSTH3_ANTIALIAS", "1");
    reg.SaveString(kLocalMachine, kD3D, "DriverOwnSetting", "x");
    reg.SaveString(kLocalMachine, kDesktopGamma, "SSTH3_GGAMMA", "0.7");
    reg.SaveString(kLocalMachine, kDriver + "\\MODES\\16\\2046,1536", "RefreshRate", "85");
  }

  // Opens the window centred on the main window, as "&Pre Set" does.
  void Open() { HeadlessWindow::Open(forms::OpenCentred); }
  // Presses `preset` in the window opened on the seeded Voodoo3.
  void Press(forms::CommandButton& preset) {
    SeedVoodoo3();
    Open();
    preset.UserClick();
  }

  // Every value of a key, as test_support::ValueText shows it.
  Values ValuesOf(const std::string& path) {
    return test_support::ValuesOf(store, kLocalMachine, path);
  }

  std::string Get(const std::string& path, const std::string& name) {
    return reg.GetString(kLocalMachine, path, name.c_str(), "<absent>");
  }

  // Whether the desktop key and the driver key itself hold gamma "1".
  ::testing::AssertionResult DesktopGammaIsOne() {
    for (const std::string& path : {kDesktopGamma, kDriver}) {
      for (const char* channel : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"}) {
        const std::string gamma = Get(path, channel);
        if (gamma != "1") {
          return ::testing::AssertionFailure() << path << " " << channel << " is " << gamma;
        }
      }
    }
    return ::testing::AssertionSuccess();
  }

  // Whether the 60 mode keys, 2046,1536 at 32 bits included, hold nothing
  // but "RefreshRate" `rate`.
  ::testing::AssertionResult EveryRefreshRateIs(const std::string& rate) {
    int count = 0;
    for (const char* resolution : registry::kResolutionList) {
      for (const char* depth : {"8", "16", "24", "32"}) {
        const std::string path = kDriver + "\\MODES\\" + depth + "\\" + resolution;
        const Values values = ValuesOf(path);
        if (values != Values({{"RefreshRate", rate}})) {
          return ::testing::AssertionFailure()
                 << path << " holds " << values.size() << " values, RefreshRate "
                 << Get(path, "RefreshRate");
        }
        ++count;
      }
    }
    if (count != 60) return ::testing::AssertionFailure() << count << " mode keys";
    const std::string last = Get(kDriver + "\\MODES\\32\\2046,1536", "RefreshRate");
    if (last != rate) return ::testing::AssertionFailure() << "2046,1536 at 32 bits: " << last;
    return ::testing::AssertionSuccess();
  }

  // Whether the clock and card information, never a preset's business,
  // are as seeded.
  ::testing::AssertionResult ClockUntouched() {
    const std::pair<std::string, std::string> seeded[] = {
        {Get(kDriver + "\\DEFAULT", "Grxclock"), "172"},
        {Get(kInfo, "GFX Clock Speed"), "172"},
        {Get(kDriver, "DriverDesc"), "3dfx Voodoo3"}};
    for (const auto& [stored, expected] : seeded) {
      if (stored != expected) {
        return ::testing::AssertionFailure() << stored << " where " << expected << " was seeded";
      }
    }
    return ::testing::AssertionSuccess();
  }

  // Whether the program ended at once: no message, no main window.
  ::testing::AssertionResult EndedAtOnce() {
    if (!host.ended || !program.Ended()) return ::testing::AssertionFailure() << "not ended";
    if (!host.messages.empty()) return ::testing::AssertionFailure() << "a message was shown";
    if (main.Visible()) return ::testing::AssertionFailure() << "back at the main window";
    return ::testing::AssertionSuccess();
  }

  // What a preset leaves in the Glide or the Direct3D key: the three
  // gammas `gamma`, both modes `mode`, and the values of its own.
  static Values Rebuilt(const char* gamma, const char* mode, Values own) {
    for (const char* channel : {"SSTH3_RGAMMA", "SSTH3_GGAMMA", "SSTH3_BGAMMA"})
      own[channel] = gamma;
    own["SSTH3_ALPHADITHERMODE"] = mode;
    own["SSTH3_OVERLAYMODE"] = mode;
    return own;
  }

  // Whether the rest is as every preset leaves it: desktop gamma 1, every
  // refresh rate `rate`, the clock untouched, and the program ended.
  ::testing::AssertionResult LeftAsEveryPresetDoes(const std::string& rate) {
    std::string faults;
    for (const ::testing::AssertionResult& part :
         {DesktopGammaIsOne(), EveryRefreshRateIs(rate), ClockUntouched(), EndedAtOnce()}) {
      if (!part) faults += (faults.empty() ? "" : "; ") + std::string(part.message());
    }
    if (faults.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << faults;
  }
};

// A preset: its button's design name, the gammas and modes it writes to
// both keys, the values of its own in each, and the refresh rate it gives
// every mode.
struct Preset {
  const char* name;
  const char* button;
  const char* gamma;
  const char* mode;
  Values glide;
  Values d3d;
  const char* rate;
};
void PrintTo(const Preset& preset, std::ostream* out) { *out << preset.name; }

struct EachPresetTest : PresetsTest, ::testing::WithParamInterface<Preset> {};

TEST_P(EachPresetTest, RebuildsBothKeysSetsEveryRefreshRateAndEnds) {
  const Preset& preset = GetParam();
  Press(*static_cast<forms::CommandButton*>(window.Find(preset.button)));
  EXPECT_EQ(ValuesOf(kGlide), Rebuilt(preset.gamma, preset.mode, preset.glide));
  EXPECT_EQ(ValuesOf(kD3D), Rebuilt(preset.gamma, preset.mode, preset.d3d));
  EXPECT_TRUE(LeftAsEveryPresetDoes(preset.rate));
}

const Preset kPresets[] = {
    // The factory values.
    {"Defaults", "defaults", "1.3", "1", {{"FX_GLIDE_ALLOC_COLOR", "0"}}, {}, "60"},
    // Vsync off, and the best refresh rate everywhere.
    {"Fastest",
     "fastest",
     "1.3",
     "2",
     {{"FX_GLIDE_ALLOC_COLOR", "3"}, {"FX_GLIDE_SWAPINTERVAL", "0"}},
     {{"SSTH3_SWAPINTERVAL", "0"}},
     "-1"},
    // Anti-aliasing and dithering on, vsync left to the driver.
    {"Prettiest",
     "prettiest",
     "1",
     "3",
     {{"FX_GLIDE_ALLOC_COLOR", "3"}, {"FX_GLIDE_LOD_DITHER", "1"}},
     {{"SSTH3_ANTIALIAS", "1"}},
     "-1"}};
INSTANTIATE_TEST_SUITE_P(Presets, EachPresetTest, ::testing::ValuesIn(kPresets),
                         [](const ::testing::TestParamInfo<Preset>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(PresetsTest, WithoutAVoodoo3NoPresetWritesOrEnds) {
  reg.SaveString(kLocalMachine, kDriver, "DriverDesc", "3dfx voodoo3");  // wrong case
  Open();
  window.defaults.UserClick();
  window.fastest.UserClick();
  window.prettiest.UserClick();

  EXPECT_EQ(store.writes, std::vector<std::string>());
  EXPECT_EQ(ValuesOf(kDriver), Values({{"DriverDesc", "3dfx voodoo3"}}));
  registry::Hkey key;
  EXPECT_NE(store.OpenKey(kLocalMachine, kGlide, &key), registry::kOk);
  EXPECT_NE(store.OpenKey(kLocalMachine, kDriver + "\\MODES", &key), registry::kOk);
  EXPECT_FALSE(host.ended);
  EXPECT_TRUE(window.Visible());
}

TEST_F(PresetsTest, OpensCentredAndCancelLeavesTheMainWindowWhereItWas) {
  SeedVoodoo3();
  Open();
  EXPECT_EQ(window.Left(), 2000 + 3500 - window.ClientWidth() / 2);
  EXPECT_EQ(window.Top(), 1500 + 2500 - window.ClientHeight() / 2);

  window.set_position(100, 200);  // the user dragged it
  window.cancel.UserClick();
  EXPECT_EQ(main.Left(), 2000);
  EXPECT_EQ(main.Top(), 1500);
  EXPECT_TRUE(OnlyShowing(main));
  EXPECT_FALSE(host.ended);
  EXPECT_EQ(store.writes, std::vector<std::string>()) << "Cancel writes nothing";
  EXPECT_EQ(window.CancelButton(), &window.cancel);
}

// A key pressed at once presses the focused button: that must be Cancel,
// at the first opening and at every later one.
TEST_F(PresetsTest, EveryOpeningStartsWithTheFocusOnCancel) {
  SeedVoodoo3();
  Open();
  EXPECT_EQ(host.focus, &window.cancel);
  host.focus = &window.defaults;  // the user tabbed there, then pressed Esc
  window.cancel.UserClick();
  Open();
  EXPECT_EQ(host.focus, &window.cancel);
}

TEST_F(PresetsTest, HoverHelpFollowsTheMouseInEnglish) {
  Open();
  EXPECT_EQ(window.Caption(), "Pre Set Settings");
  EXPECT_EQ(window.help_line.Caption(), "Please select which Pre-Set settings mode you wish.");
  window.defaults.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(), "Resets your Voodoo3 options to the factory defaults.");
  window.fastest.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(), "Sets up your Voodoo3 options for optimal performance.");
  window.prettiest.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(),
            "Sets up your Voodoo3 options for superior visual quality.");
  window.cancel.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(), "Please select which Pre-Set settings mode you wish.");
  window.prettiest.UserMouseMove();
  window.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(), "Please select which Pre-Set settings mode you wish.");
}

TEST_F(PresetsTest, DutchTextsAndHelpLines) {
  SetLanguage("2");
  Open();
  EXPECT_EQ(window.Caption(), "Voorafinstellingen");
  EXPECT_EQ(window.defaults.Caption(), "Standaard");
  EXPECT_EQ(window.fastest.Caption(), "Snelste");
  EXPECT_EQ(window.prettiest.Caption(), "Mooiste");
  EXPECT_EQ(window.cancel.Caption(), "Annuleren");
  EXPECT_EQ(window.help_line.Caption(), "Kies een voorinstelling naar uw keuze");
  window.defaults.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(), "Stelt Voodoo3 opties in op de fabrieksinstellingen");
  window.fastest.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(), "Stelt uw Voodoo3 opties in voor optimale snelheid");
  window.prettiest.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(), "Stelt uw Voodoo3 in voor beste beeldkwaliteit");
  window.UserMouseMove();
  EXPECT_EQ(window.help_line.Caption(), "Kies een voorinstelling naar uw keuze");
}

}  // namespace
}  // namespace presets
