#include "desktop/desktop_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/handoff.h"
#include "tests/support/headless_window.h"
#include "tests/support/recording_store.h"

namespace desktop {
namespace {

using registry::kCurrentConfig;
using registry::kCurrentUser;

constexpr const char* kSettings = "Display\\Settings";
constexpr const char* kDesktop = "Control Panel\\Desktop";

// The registry, the main window and this window, as the program has them.
struct DesktopTest : ::testing::Test, test_support::HeadlessWindow<DesktopWindow> {
  DesktopTest() { main.SetPosition(600, 700); }

  void Setting(const std::string& name, const std::string& text) {
    reg.SaveString(kCurrentConfig, kSettings, name.c_str(), text);
  }
  void DesktopValue(const std::string& name, const std::string& text) {
    reg.SaveString(kCurrentUser, kDesktop, name.c_str(), text);
  }
  std::string Setting(const std::string& name) {
    return reg.GetString(kCurrentConfig, kSettings, name.c_str(), "<none>");
  }
  std::string DesktopValue(const std::string& name) {
    return reg.GetString(kCurrentUser, kDesktop, name.c_str(), "<none>");
  }
  // The type of a value of "Display\Settings", 0 when it is missing.
  std::uint32_t SettingType(const std::string& name) {
    registry::Hkey key = 0;
    std::uint32_t type = 0, size = 0;
    if (store.OpenKey(kCurrentConfig, kSettings, &key) != registry::kOk) return 0;
    if (store.QueryValue(key, name, &type, nullptr, &size) != registry::kOk) type = 0;
    store.CloseKey(key);
    return type;
  }
};

TEST(FontSizeTest, DotsPerInchRoundToTheNearestStepHalvesToEven) {
  EXPECT_EQ(FontSizePosition("96"), 4);
  EXPECT_EQ(FontSizePosition("108"), 4);  // 4.5
  EXPECT_EQ(FontSizePosition("132"), 6);  // 5.5
  EXPECT_EQ(FontSizePosition("204"), 8);  // 8.5
  EXPECT_EQ(FontSizePosition("36"), 2);   // 1.5
  EXPECT_EQ(FontSizePosition(" 120.0 "), 5);
  for (const char* unusable : {"12", "205", "0", "-96", "", "large", "96dpi"}) {
    EXPECT_EQ(FontSizePosition(unusable), std::nullopt) << unusable;
  }
}

TEST(ResolutionTest, TwoWholeNumbersJoinedByAComma) {
  EXPECT_EQ(ResolutionText("800,600"), "800,600");
  EXPECT_EQ(ResolutionText("1366,768"), "1366,768");
  EXPECT_EQ(ResolutionText("9999,1"), "9999,1");
  EXPECT_EQ(ResolutionText(" 0800 , 600 "), "800,600");
  for (const char* bad : {"800x600", "800,", ",600", "0,600", "10000,600", "800,600,1", "800.5,600",
                          "-800,600", "abc", " "}) {
    EXPECT_EQ(ResolutionText(bad), std::nullopt) << bad;
  }
}

TEST(FontSizeWindowTest, LoadShowsTheStoredSizeAndOkWritesItToAllFourValues) {
  const struct {
    const char* stored;
    int position;
    const char* shown;
  } cases[] = {{"96", 4, "96"},   {"108", 4, "96"},  {"132", 6, "144"},
               {"204", 8, "192"}, {"24", 1, "24"},   {"12", 4, "96"},
               {"205", 4, "96"},  {"wide", 4, "96"}, {nullptr, 4, "96"}};
  for (const auto& c : cases) {
    test_support::HeadlessWindow<DesktopWindow> run;
    if (c.stored) run.reg.SaveString(kCurrentConfig, kSettings, "DPIPhysicalY", c.stored);
    run.reg.SaveString(kCurrentConfig, kSettings, "DPILogicalX", "120");
    DesktopWindow& window = run.Open();
    const std::string label = c.stored ? c.stored : "(missing)";
    EXPECT_EQ(window.font_size.Value(), c.position) << label;
    EXPECT_EQ(window.font_size_value.Caption(), c.shown) << label;
    window.ok.UserClick();
    for (const char* name : {"DPIPhysicalY", "DPIPhysicalX", "DPILogicalY", "DPILogicalX"}) {
      EXPECT_EQ(run.reg.GetString(kCurrentConfig, kSettings, name), c.shown) << label << name;
    }
  }
}

TEST_F(DesktopTest, TheSliderShowsItsSizeInDotsPerInch) {
  Open();
  window.font_size.UserScroll(8);
  EXPECT_EQ(window.font_size_value.Caption(), "192");
  window.font_size.UserScroll(0);  // stops at 1
  EXPECT_EQ(window.font_size_value.Caption(), "24");
  window.ok.UserClick();
  EXPECT_EQ(Setting("DPILogicalY"), "24");
}

TEST_F(DesktopTest, EachStoredDepthSelectsItsOptionAndOkWritesItBack) {
  const std::vector<std::pair<const char*, forms::OptionButton*>> depths = {
      {"4", &window.depth4},
      {"8", &window.depth8},
      {"16", &window.depth16},
      {"24", &window.depth24},
      {"32", &window.depth32}};
  Open();
  for (const auto& [bits, option] : depths) {
    Setting("BitsPerPixel", bits);
    window.cancel.UserClick();  // reads what is stored
    EXPECT_TRUE(option->Value()) << bits;
    Open();
    window.ok.UserClick();
    EXPECT_EQ(Setting("BitsPerPixel"), bits);
  }
}

TEST_F(DesktopTest, ADepthWithoutAnOptionSelectsNoneAndIsNotWritten) {
  Setting("BitsPerPixel", "15");
  Open();
  for (forms::OptionButton* option :
       {&window.depth4, &window.depth16, &window.depth8, &window.depth24, &window.depth32}) {
    EXPECT_FALSE(option->Value()) << option->Name();
  }
  window.ok.UserClick();
  EXPECT_FALSE(store.Wrote("BitsPerPixel"));
  EXPECT_EQ(Setting("BitsPerPixel"), "15");

  Open();
  window.depth24.UserClick();
  window.ok.UserClick();
  EXPECT_EQ(Setting("BitsPerPixel"), "24");
}

TEST_F(DesktopTest, DesktopOptionsShowTheirStoredStateAndAreWrittenAlike) {
  DesktopValue("FontSmoothing", "2");
  DesktopValue("DragFullWindows", "1");
  DesktopValue("WallpaperStyle", "1");
  Open();
  EXPECT_EQ(window.smooth.Value(), 2);
  EXPECT_EQ(window.show_while_dragging.Value(), 1);
  EXPECT_EQ(window.stretch_wallpaper.Value(), 0);
  window.ok.UserClick();
  EXPECT_EQ(DesktopValue("FontSmoothing"), "2");
  EXPECT_EQ(DesktopValue("DragFullWindows"), "1");
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");

  DesktopValue("FontSmoothing", "3");  // no such state: cleared
  DesktopValue("WallpaperStyle", "2");
  window.cancel.UserClick();
  Open();
  EXPECT_EQ(window.smooth.Value(), 0);
  EXPECT_EQ(window.stretch_wallpaper.Value(), 1);
  window.show_while_dragging.UserClick();
  window.ok.UserClick();
  EXPECT_EQ(DesktopValue("FontSmoothing"), "0");
  EXPECT_EQ(DesktopValue("DragFullWindows"), "0");
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "2");
}

TEST_F(DesktopTest, AdvancedIsReadAndWrittenOnlyAsADword) {
  Open();  // missing
  EXPECT_EQ(window.gdi.Value(), 0);
  window.ok.UserClick();
  EXPECT_EQ(SettingType("Advanced"), registry::kDword);
  EXPECT_EQ(reg.GetDWord(kCurrentConfig, kSettings, "Advanced", -5), 0);

  Setting("Advanced", "1");  // a string reads as 0
  window.cancel.UserClick();
  EXPECT_EQ(window.gdi.Value(), 0);

  reg.SaveDWord(kCurrentConfig, kSettings, "Advanced", 2);
  window.cancel.UserClick();
  EXPECT_EQ(window.gdi.Value(), 2);
  Open();
  window.ok.UserClick();
  EXPECT_EQ(SettingType("Advanced"), registry::kDword);
  EXPECT_EQ(reg.GetDWord(kCurrentConfig, kSettings, "Advanced"), 2);
}

TEST_F(DesktopTest, OkWritesInOrderAndTheResolutionOnlyWhenThereIsOne) {
  Setting("Resolution", "1024,768");
  Setting("BitsPerPixel", "16");
  Open();
  EXPECT_EQ(window.resolution.Text(), "1024,768");
  window.resolution.UserType("1366,768");  // not in the list
  window.ok.UserClick();
  const auto setting = [](const char* name, const char* data) {
    return test_support::WriteLine(kSettings, name, data);
  };
  const auto desktop = [](const char* name, const char* data) {
    return test_support::WriteLine(kDesktop, name, data);
  };
  EXPECT_EQ(store.writes, (std::vector<std::string>{
                              setting("Resolution", "1366,768"), setting("BitsPerPixel", "16"),
                              setting("DPIPhysicalY", "96"), setting("DPIPhysicalX", "96"),
                              setting("DPILogicalY", "96"), setting("DPILogicalX", "96"),
                              desktop("FontSmoothing", "0"), desktop("DragFullWindows", "0"),
                              desktop("WallpaperStyle", "0"), setting("Advanced", "dword:0")}));
  EXPECT_EQ(Setting("Resolution"), "1366,768");

  Open();
  window.resolution.UserType("");
  window.ok.UserClick();
  EXPECT_FALSE(store.Wrote("Resolution"));
  EXPECT_EQ(Setting("Resolution"), "1366,768");
  EXPECT_TRUE(store.Wrote("Advanced"));
}

TEST_F(DesktopTest, AMissingResolutionLeavesTheBoxEmptyAndIsNotWritten) {
  Open();
  EXPECT_EQ(window.resolution.Text(), "");
  window.ok.UserClick();
  EXPECT_EQ(Setting("Resolution"), "<none>");
}

TEST_F(DesktopTest, AResolutionThatIsNoneIsRefusedAndNothingIsWritten) {
  for (const char* bad : {"800x600", "0,600", "1024,", " "}) {
    Open();
    host.messages.clear();
    window.resolution.UserType(bad);
    window.font_size.UserScroll(6);
    window.ok.UserClick();
    EXPECT_TRUE(
        Refused("Type the resolution as width,height, for example 800,600.", window.resolution))
        << bad;
    window.cancel.UserClick();
  }
}

TEST_F(DesktopTest, CancelPutsBackWhatIsStoredSoALaterOkCannotWriteIt) {
  Setting("Resolution", "800,600");
  Setting("DPIPhysicalY", "120");
  DesktopValue("FontSmoothing", "1");
  Open();
  window.resolution.UserPick(8);
  window.depth32.UserClick();
  window.font_size.UserScroll(8);
  window.smooth.UserClick();
  window.stretch_wallpaper.UserClick();
  window.gdi.UserClick();
  window.cancel.UserClick();
  EXPECT_TRUE(store.writes.empty());

  Open();
  EXPECT_EQ(window.resolution.Text(), "800,600");
  EXPECT_FALSE(window.depth32.Value());
  EXPECT_EQ(window.font_size.Value(), 5);
  EXPECT_EQ(window.font_size_value.Caption(), "120");
  EXPECT_EQ(window.smooth.Value(), 1);
  EXPECT_EQ(window.stretch_wallpaper.Value(), 0);
  EXPECT_EQ(window.gdi.Value(), 0);
  window.ok.UserClick();
  EXPECT_EQ(Setting("Resolution"), "800,600");
  EXPECT_FALSE(store.Wrote("BitsPerPixel"));
  EXPECT_EQ(Setting("DPILogicalX"), "120");
  EXPECT_EQ(DesktopValue("FontSmoothing"), "1");
  EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
}

TEST_F(DesktopTest, CancelWithNothingUsableStoredGoesBackToTheDefaults) {
  Setting("DPIPhysicalY", "3");
  Open();
  window.font_size.UserScroll(1);
  window.depth8.UserClick();
  window.cancel.UserClick();
  EXPECT_EQ(window.font_size.Value(), 4);
  EXPECT_EQ(window.font_size_value.Caption(), "96");
  EXPECT_FALSE(window.depth8.Value());
}

TEST_F(DesktopTest, DutchCaptionsFontsAndSizes) {
  SetLanguage("2");
  Open();
  EXPECT_EQ(window.cancel.Caption(), "Annuleren");
  EXPECT_EQ(window.framreso.Caption(), "Resolutie bureaublad");
  EXPECT_EQ(window.font_size_note.Caption(),
            "De standaardwaarde is 96. De grootste waarde is dubbel zo groot en de kleinste "
            "versie is ¼ van deze waarde.");
  EXPECT_EQ(window.win98_note.Caption(),
            "Deze opties werken alleen bij Windows 98 en ook bij Windows95 als het Plus pack is "
            "geïnstalleerd");
  EXPECT_EQ(window.font_size_caption.Font().name, "Small Fonts");
  EXPECT_EQ(window.font_size_caption.Left(), 120);
  EXPECT_EQ(window.font_size_caption.Width(), 975);
  EXPECT_EQ(window.show_while_dragging.Font().size, 7);
  EXPECT_EQ(window.smooth.Width(), 3855);
  EXPECT_EQ(window.smooth.Font().name, "MS Sans Serif");
  EXPECT_EQ(window.ok.Caption(), "&OK");
  EXPECT_EQ(window.depth16.Caption(), "16bit");
  EXPECT_EQ(window.Caption(), "Windows Options");
  EXPECT_EQ(window.font_size_value.Caption(), "96");

  window.resolution.UserType("groot");
  window.ok.UserClick();
  EXPECT_TRUE(
      Refused("Typ de resolutie als breedte,hoogte, bijvoorbeeld 800,600.", window.resolution));
}

TEST_F(DesktopTest, HoverLightsTheGroupUnderTheMouse) {
  Open();
  const auto colours = [this] {
    return std::vector<forms::Color>{window.framreso.ForeColor(), window.framfont.ForeColor(),
                                     window.framcow.ForeColor()};
  };
  const forms::Color red = forms::kRed, rest = forms::kLightYellow;
  window.depth4.UserMouseMove();
  EXPECT_EQ(colours(), (std::vector<forms::Color>{red, rest, rest}));
  for (forms::Widget* inert : std::initializer_list<forms::Widget*>{
           &window.depth16, &window.resolution, &window.depth_prompt, &window.font_size_value,
           &window.font_size, &window.ok, &window.cancel}) {
    inert->UserMouseMove();
    EXPECT_EQ(colours(), (std::vector<forms::Color>{red, rest, rest})) << inert->Name();
  }
  window.font_size_caption.UserMouseMove();
  EXPECT_EQ(colours(), (std::vector<forms::Color>{rest, red, rest}));
  window.win98_note.UserMouseMove();
  EXPECT_EQ(colours(), (std::vector<forms::Color>{rest, rest, red}));
  window.imgvoodoo3.UserMouseMove();
  EXPECT_EQ(colours(), (std::vector<forms::Color>{rest, rest, rest}));
}

TEST_F(DesktopTest, ReturnsWhereItWasAndItsCloseBoxEndsTheProgram) {
  Open();
  EXPECT_EQ(window.Top(), 700);
  window.set_position(50, 60);
  window.ok.UserClick();
  EXPECT_TRUE(OnlyShowing(main));
  EXPECT_EQ(main.Left(), 50);
  EXPECT_EQ(main.Top(), 60);
  forms::OpenAt(window, main);
  window.UserClose();
  EXPECT_TRUE(program.Ended());
}

}  // namespace
}  // namespace desktop
