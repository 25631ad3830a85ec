#include "info/info_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/headless_window.h"

namespace info {
namespace {

using registry::kLocalMachine;

constexpr const char* kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0004";
const std::string kData =
    std::string(kDriver) + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";

// One run of the program: the registry, a headless host, the main window
// and the information window opened from it as "&Info" does.
struct Machine : test_support::HeadlessWindow<InfoWindow> {
  // A Voodoo3 whose outputs are as given; a null one is not stored.
  void SeedCard(const char* lcd, const char* tv_out) {
    HeadlessWindow::SeedCard(kDriver);
    if (lcd) reg.SaveString(kLocalMachine, kData, "LCD", lcd);
    if (tv_out) reg.SaveString(kLocalMachine, kData, "TV Out", tv_out);
  }
};

TEST(InfoWindowTest, ShowsEveryValueExactlyAsStored) {
  Machine m;
  m.SeedCard("Supported (DFP)", nullptr);
  m.reg.SaveString(kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Display\\0001",
                   "DriverDesc", "3dfx Voodoo3");  // the lower index loses
  m.reg.SaveString(kLocalMachine, kDriver, "Ver", "1.07.00");
  m.reg.SaveString(kLocalMachine, kDriver, "ProviderName", "3dfx Interactive, Inc.");
  const std::pair<const char*, const char*> data[] = {
      {"Bus Type", "AGP 2x"},          {"Memory Type", "SDRAM"},
      {"Total Video Memory", "16 MB"}, {"Memory Clock Speed", " 166 "},
      {"Graphics Clock Speed", "175"}, {"GFX Clock Speed", "166.0"},
      {"BIOS Version", "V1.18"}};
  for (auto& [name, value] : data) m.reg.SaveString(kLocalMachine, kData, name, value);
  m.reg.SaveDWord(kLocalMachine, kData, "TV Out", 1);  // not a string: empty

  InfoWindow& w = m.Open();
  const std::pair<forms::Label*, const char*> shown[] = {
      {&w.product, "3dfx Voodoo3"},
      {&w.hardware_version, "001"},
      {&w.manufacturer, "3dfx Interactive, Inc."},
      {&w.bus_type, "AGP 2x"},
      {&w.memory_type, "SDRAM"},
      {&w.memory_size, "16 MB"},
      {&w.memory_clock, " 166 "},
      {&w.graphics_clock, "175"},
      {&w.gfx_clock, "166.0"},
      {&w.bios_version, "V1.18"},
      {&w.tv_out, ""},
      {&w.lcd, "Supported (DFP)"},
      {&w.driver_version, "1.07.00"},
      {&w.provider, "3dfx Interactive, Inc."}};
  for (auto& [label, text] : shown) EXPECT_EQ(label->Caption(), text) << label->Name();
  EXPECT_EQ(w.lblproduct.Caption(), "Product:");
  EXPECT_EQ(w.framDriver.Caption(), "Driver Information");
  EXPECT_EQ(m.store.writes, std::vector<std::string>()) << "the window only reads";
}

// The frame caption that a card with these outputs gets in a language.
std::string ModelCaption(const char* lcd, const char* tv_out, const char* language) {
  Machine m;
  m.SeedCard(lcd, tv_out);
  m.SetLanguage(language);
  return m.Open().framinfo.Caption();
}

TEST(InfoWindowTest, ModelCaptionFollowsLcdThenTvOutInBothLanguages) {
  EXPECT_EQ(ModelCaption(nullptr, "Not Supported", "1"), " Voodoo3 3500 Information");
  EXPECT_EQ(ModelCaption(nullptr, "Not Supported", "2"), "Voodoo3 3500 Informatie");
  EXPECT_EQ(ModelCaption("not supported", "Not Supported", ""), " Voodoo3 3500 Information");
  EXPECT_EQ(ModelCaption("Not Supported", nullptr, "nl"), "Voodoo3 3000 Information");
  EXPECT_EQ(ModelCaption("Not Supported", "", "2"), "Voodoo3 3000 Informatie");
  EXPECT_EQ(ModelCaption("Not Supported", "Not Supported", "3"), "Voodoo3 2000 Information");
  EXPECT_EQ(ModelCaption("Not Supported", "Not Supported", "2"), "Voodoo3 2000 Informatie");
}

TEST(InfoWindowTest, DutchChangesCaptionsFontsAndPositions) {
  Machine m;
  m.SeedCard("Not Supported", "Not Supported");
  m.SetLanguage("2");
  InfoWindow& w = m.Open();
  const std::pair<forms::Control*, const char*> dutch[] = {
      {&w.quitcmd, "Verlaten"},
      {&w.back, "Terug"},
      {&w.lblHardVersion, "Hardware versie:"},
      {&w.lblManufact, "Fabrikant:"},
      {&w.lblMemoryType, "Geheugen type:"},
      {&w.lblTotalMemory, "Totale geheugenhoeveelheid:"},
      {&w.lblmemoryspeed, "Kloksnelheid geheugen:"},
      {&w.lblGraphicsSpeed, "Kloksnelheid Voodoo3 processor:"},
      {&w.lblClockSpeed, "Kloksnelheid Voodoo3 processor:"},
      {&w.lblBIOSVersion, "BIOS versie:"},
      {&w.lblTVOut, "TV Uit:"},
      {&w.about_note,
       "Dit is informatie over uw Voodoo3 grafische kaart en stuurprogramma's. U kan deze niet "
       "veranderen via dit venster. Dit venster is alleen maar bedoeld ter referentie."},
      {&w.framDriver, "Driver  informatie"},
      {&w.lblDVersion, "Stuurprogramma versie:"},
      {&w.lblProvider, "Toeleverancier:"}};
  for (auto& [control, text] : dutch) EXPECT_EQ(control->Caption(), text) << control->Name();
  // English captions that Dutch keeps.
  EXPECT_EQ(w.lblproduct.Caption(), "Product:");
  EXPECT_EQ(w.lblBusType.Caption(), "Bus Type:");
  EXPECT_EQ(w.lblLCD.Caption(), "LCD:");

  for (forms::Label* small : {&w.lblMemoryType, &w.lblTotalMemory, &w.lblmemoryspeed,
                              &w.lblGraphicsSpeed, &w.lblClockSpeed}) {
    EXPECT_EQ(small->Font().name, "Small Fonts") << small->Name();
    EXPECT_EQ(small->Font().size, 7) << small->Name();
  }
  EXPECT_EQ(w.lblBIOSVersion.Font().name, "MS Sans Serif");
  EXPECT_EQ(w.manufacturer.Left(), 960);
  EXPECT_EQ(w.memory_size.Left(), 2040);
  EXPECT_EQ(w.lblTotalMemory.Width(), 1935);
  EXPECT_EQ(w.graphics_clock.Left(), 2400);
  EXPECT_EQ(w.lblGraphicsSpeed.Width(), 2200);
  EXPECT_EQ(w.gfx_clock.Left(), 2400);
  EXPECT_EQ(w.lblClockSpeed.Width(), 2200);
  EXPECT_EQ(w.bios_version.Left(), 1080);
  EXPECT_EQ(w.lblDVersion.Width(), 2055);
  EXPECT_EQ(w.lblProvider.Left(), 2160);
  EXPECT_EQ(w.provider.Left(), 3360);
  EXPECT_EQ(w.provider.Top(), 360);
  // The version has a line of its own below its caption; the driver frame
  // and the window grow by that line.
  EXPECT_EQ(w.driver_version.Left(), w.lblDVersion.Left());
  EXPECT_EQ(w.driver_version.Top(), w.lblDVersion.Top() + w.lblDVersion.Height());
  EXPECT_EQ(w.framDriver.Height(), 735 + w.driver_version.Height());
  EXPECT_EQ(w.ClientHeight(), 6390 + w.driver_version.Height());
  EXPECT_GE(w.framDriver.Height(), w.driver_version.Top() + w.driver_version.Height() + 120);
}

TEST(InfoWindowTest, ValuesReadAtFirstOpeningStayAfterApply) {
  Machine m;
  m.SeedCard("Not Supported", "NTSC");
  m.reg.SaveString(kLocalMachine, kData, "GFX Clock Speed", "166");
  InfoWindow& w = m.Open();
  w.set_position(2000, 900);  // the user moved it
  w.back.UserClick();
  EXPECT_TRUE(m.OnlyShowing(m.main));
  EXPECT_EQ(m.main.Left(), 2000);
  EXPECT_EQ(m.main.Top(), 900);

  // Apply writes a new clock; the window shows what it read at first.
  m.reg.SaveString(kLocalMachine, kData, "GFX Clock Speed", "200");
  m.reg.SaveString(kLocalMachine, kData, "TV Out", "Not Supported");
  m.Open();
  EXPECT_EQ(w.gfx_clock.Caption(), "166");
  EXPECT_EQ(w.framinfo.Caption(), "Voodoo3 3000 Information");
}

// Enter or Space pressed at once presses the focused button: that must be
// "&Back", not "&Exit", at the first opening and at every later one.
TEST(InfoWindowTest, EveryOpeningStartsWithTheFocusOnBack) {
  Machine m;
  InfoWindow& w = m.Open();
  EXPECT_EQ(m.host.focus, &w.back);
  m.host.focus = &w.quitcmd;  // the user tabbed there, then pressed Alt+B
  w.back.UserClick();
  m.Open();
  EXPECT_EQ(m.host.focus, &w.back);
  EXPECT_FALSE(m.host.ended);
}

TEST(InfoWindowTest, ExitAndCloseBoxEndTheProgram) {
  Machine exit_run;
  exit_run.Open().quitcmd.UserClick();
  EXPECT_TRUE(exit_run.host.ended);

  Machine close_run;
  close_run.Open().UserClose();
  EXPECT_TRUE(close_run.host.ended);
  EXPECT_FALSE(close_run.main.Visible());
}

TEST(InfoWindowTest, WithoutAVoodoo3TheDriverLabelsStayEmptyAndNothingIsWritten) {
  Machine m;
  m.reg.SaveString(kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Display\\0000",
                   "DriverDesc", "3dfx voodoo3");
  InfoWindow& w = m.Open();
  for (forms::Label* label :
       {&w.product, &w.bus_type, &w.gfx_clock, &w.tv_out, &w.lcd, &w.provider, &w.driver_version}) {
    EXPECT_EQ(label->Caption(), "") << label->Name();
  }
  EXPECT_EQ(w.hardware_version.Caption(), "001");
  EXPECT_EQ(m.store.writes, std::vector<std::string>());
  // The one display key stays as it was: no subkey was made under it.
  registry::Hkey display;
  ASSERT_EQ(m.store.OpenKey(kLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Display",
                            &display),
            registry::kOk);
  std::string name;
  EXPECT_EQ(m.store.EnumKey(display, 1, &name), registry::kNoMoreItems);
  registry::Hkey adapter;
  ASSERT_EQ(m.store.OpenKey(display, "0000", &adapter), registry::kOk);
  EXPECT_EQ(m.store.EnumKey(adapter, 0, &name), registry::kNoMoreItems);
  m.store.CloseKey(adapter);
  m.store.CloseKey(display);
}

TEST(InfoWindowTest, HoverLightsTheFrameOfTheGroupUnderThePointer) {
  Machine m;
  InfoWindow& w = m.Open();
  w.lcd.UserMouseMove();
  EXPECT_EQ(w.framinfo.ForeColor(), forms::kRed);
  EXPECT_EQ(w.framDriver.ForeColor(), forms::kLightYellow);
  w.memory_type.UserMouseMove();  // manufacturer to bios_version have no reaction
  EXPECT_EQ(w.framinfo.ForeColor(), forms::kRed);
  w.lblProvider.UserMouseMove();
  EXPECT_EQ(w.framinfo.ForeColor(), forms::kLightYellow);
  EXPECT_EQ(w.framDriver.ForeColor(), forms::kRed);
  w.right_emblem.UserMouseMove();
  EXPECT_EQ(w.framDriver.ForeColor(), forms::kLightYellow);
}

}  // namespace
}  // namespace info
