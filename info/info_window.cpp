#include "info/info_window.h"

#include <string>

#include "forms/handoff.h"
#include "info/texts.h"
#include "look/look.h"

namespace info {

namespace {

// Layout, in twips.
constexpr int kLineHeight = 255;
constexpr int kCaptionLeft = 120;
constexpr int kClientWidth = 5850, kClientHeight = 6390;
constexpr int kDriverFrameHeight = 735;
constexpr int kDriverLineTop = 360;
}  // namespace

// The stored values in the order Load reads and shows them, which is not
// the order of the lines: the provider before the version, the LCD
// before the TV output.
InfoWindow::InfoWindow(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "frminfo"),
      reg_(reg),
      stored_values_{{{&bus_type, kDataKey, "Bus Type"},
                      {&memory_type, kDataKey, "Memory Type"},
                      {&memory_size, kDataKey, "Total Video Memory"},
                      {&memory_clock, kDataKey, "Memory Clock Speed"},
                      {&graphics_clock, kDataKey, "Graphics Clock Speed"},
                      {&gfx_clock, kDataKey, "GFX Clock Speed"},
                      {&bios_version, kDataKey, "BIOS Version"},
                      {&provider, kDriverKey, "ProviderName"},
                      {&driver_version, kDriverKey, "Ver"},
                      {&lcd, kDataKey, "LCD"},
                      {&tv_out, kDataKey, "TV Out"}}} {
  Design();
  ConnectEvents();
  ConnectHover();
}

// The information frame's caption stays empty until Load appends the model.
void InfoWindow::Design() {
  SetCaption(texts::kCaption.english);
  SetClientSize(kClientWidth, kClientHeight);
  look::PlaceTopRow(left_emblem, imgvoodoo3, right_emblem, quitcmd, back);
  quitcmd.SetCaption(texts::kExit.english);
  back.SetCaption(texts::kBack.english);

  framinfo.Move(120, 840, 5535, 4575);
  framinfo.SetFontBold(true);
  DesignLine(lblproduct, texts::kProduct.english, product, 840, 240, 3855);
  DesignLine(lblHardVersion, texts::kHardVersion.english, hardware_version, 1560, 600, 3255);
  DesignLine(lblManufact, texts::kManufacturer.english, manufacturer, 1200, 960, 3855);
  DesignLine(lblBusType, texts::kBusType.english, bus_type, 960, 1320, 3975);
  DesignLine(lblMemoryType, texts::kMemoryType.english, memory_type, 1200, 1680, 3495);
  DesignLine(lblTotalMemory, texts::kTotalMemory.english, memory_size, 1800, 2040, 3375);
  DesignLine(lblmemoryspeed, texts::kMemorySpeed.english, memory_clock, 1800, 2400, 3135);
  DesignLine(lblGraphicsSpeed, texts::kGraphicsSpeed.english, graphics_clock, 1800, 2760, 2175);
  DesignLine(lblClockSpeed, texts::kClockSpeed.english, gfx_clock, 1560, 3120, 2175);
  DesignLine(lblBIOSVersion, texts::kBiosVersion.english, bios_version, 1200, 3480, 3135);
  DesignLine(lblTVOut, texts::kTvOut.english, tv_out, 720, 3840, 4095);
  DesignLine(lblLCD, texts::kLcd.english, lcd, 600, 4200, 4575);
  about_note.Place(texts::kAbout.english, 3120, 360, 2055, 3615);
  about_note.SetFontSize(9.75);
  about_note.SetFontBold(true);

  framDriver.Place(texts::kDriverFrame.english, 120, 5520, 5535, kDriverFrameHeight);
  framDriver.SetFontBold(true);
  lblDVersion.Place(texts::kDriverVersion.english, 120, kDriverLineTop, 1095, kLineHeight);
  // The version reaches up to the provider's caption: "4.12.01.1222" is
  // 63 pixels wide at 96 DPI.
  driver_version.Move(1200, kDriverLineTop, 1200, kLineHeight);
  driver_version.SetUseMnemonic(false);
  lblProvider.Place(texts::kProvider.english, 2400, kDriverLineTop, 735, kLineHeight);
  provider.Move(3120, kDriverLineTop, 1935, kLineHeight);
  provider.SetUseMnemonic(false);

  look::UseDarkScheme(*this);
  // No default or cancel button, as designed: Enter and Space press the
  // focused button, which Load makes "&Back", and Esc presses nothing.
}

// A caption label at the frame's left edge and its value label on the
// same line; the caption reaches up to the value.
void InfoWindow::DesignLine(forms::Label& caption, const char* text, forms::Label& value,
                            int value_left, int top, int value_width) {
  caption.Place(text, kCaptionLeft, top, value_left - kCaptionLeft, kLineHeight);
  value.Move(value_left, top, value_width, kLineHeight);
  value.SetUseMnemonic(false);  // stored text, "&" included, shown as it is
}

void InfoWindow::ConnectEvents() {
  back.Click = [this] { OnBackClick(); };
  quitcmd.Click = [this] { OnQuitcmdClick(); };
}

// As designed, the value labels manufacturer to bios_version ("Label5" to
// "Label12") and the two buttons have no hover reaction: the mouse over
// them leaves the colours as they are.
void InfoWindow::ConnectHover() {
  hover_.Rest({this, &right_emblem, &left_emblem, &imgvoodoo3});
  hover_.Group(framinfo, {&framinfo, &product, &hardware_version, &tv_out, &lcd, &about_note,
                          &lblproduct, &lblHardVersion, &lblManufact, &lblBusType, &lblMemoryType,
                          &lblTotalMemory, &lblmemoryspeed, &lblGraphicsSpeed, &lblClockSpeed,
                          &lblBIOSVersion, &lblTVOut, &lblLCD});
  hover_.Group(framDriver, {&framDriver, &provider, &driver_version, &lblDVersion, &lblProvider});
}

// In the order of the Dutch table. The window caption, lblproduct,
// lblBusType and lblLCD keep their design texts; both clock captions get
// the same Dutch text.
void InfoWindow::ApplyDutch() {
  quitcmd.SetCaption(texts::kExit.dutch);
  back.SetCaption(texts::kBack.dutch);
  lblHardVersion.SetCaption(texts::kHardVersion.dutch);
  lblManufact.SetCaption(texts::kManufacturer.dutch);
  lblMemoryType.SetCaption(texts::kMemoryType.dutch);
  manufacturer.SetLeft(960);
  look::UseSmallFont(lblMemoryType);
  lblTotalMemory.SetCaption(texts::kTotalMemory.dutch);
  look::UseSmallFont(lblTotalMemory);
  memory_size.SetLeft(2040);
  lblTotalMemory.SetWidth(1935);
  lblmemoryspeed.SetCaption(texts::kMemorySpeed.dutch);
  look::UseSmallFont(lblmemoryspeed);
  lblGraphicsSpeed.SetCaption(texts::kGraphicsSpeed.dutch);
  look::UseSmallFont(lblGraphicsSpeed);
  graphics_clock.SetLeft(2400);
  lblGraphicsSpeed.SetWidth(2200);
  lblClockSpeed.SetCaption(texts::kClockSpeed.dutch);
  look::UseSmallFont(lblClockSpeed);
  lblClockSpeed.SetWidth(2200);
  gfx_clock.SetLeft(2400);
  lblBIOSVersion.SetCaption(texts::kBiosVersion.dutch);
  bios_version.SetLeft(1080);
  lblTVOut.SetCaption(texts::kTvOut.dutch);
  about_note.SetCaption(texts::kAbout.dutch);
  framDriver.SetCaption(texts::kDriverFrame.dutch);
  lblDVersion.SetCaption(texts::kDriverVersion.dutch);
  lblProvider.SetCaption(texts::kProvider.dutch);
  // No move of the version to Left 1800, as the Dutch table has it: the
  // version gets a line of its own at the end.
  lblDVersion.SetWidth(2055);
  provider.SetLeft(3360);
  // Wide enough for its caption at 120 DPI too.
  lblProvider.Move(2160, lblProvider.Top(), 1200, lblProvider.Height());
  ApplyDutchVersionLine();
}

// The long Dutch caption leaves no room for the version beside it: the
// version goes on a line of its own below the caption, and the frame and
// the window grow by that line.
void InfoWindow::ApplyDutchVersionLine() {
  driver_version.Move(kCaptionLeft, kDriverLineTop + kLineHeight, 2055, kLineHeight);
  framDriver.SetHeight(kDriverFrameHeight + kLineHeight);
  SetClientSize(kClientWidth, kClientHeight + kLineHeight);
}

// Each step stands alone: a missing picture or value leaves its control
// empty and the load goes on. The values are read here only, once: later
// openings show them as they were.
void InfoWindow::OnLoad() {
  dutch_ = registry::IsDutch(reg_);
  if (dutch_) ApplyDutch();
  look::LoadTopPictures(left_emblem, imgvoodoo3, right_emblem);
  adapter_ = registry::FindAdapter(reg_);
  ShowValues();
  ShowModel();
  // Deliberate: the window opens with the focus on "&Back", not on
  // "&Exit", so that a key pressed at once goes back and never ends the
  // program.
  host().SetFocus(back);
}

// Gives the focus back to "&Back" first, wherever it was, so that the next
// opening starts there too.
void InfoWindow::OnBackClick() {
  host().SetFocus(back);
  forms::ReturnToOpener(*this);
}

// "&Exit" ends the whole program, as the close box does.
void InfoWindow::OnQuitcmdClick() { program().End(); }

// The values exactly as stored, no units. Without a Voodoo3 adapter the
// labels that come from the driver's keys stay empty.
void InfoWindow::ShowValues() {
  if (adapter_) product.SetCaption(adapter_->Description());
  hardware_version.SetCaption(texts::kHardVersionValue.english);
  manufacturer.SetCaption(texts::kManufacturerValue.english);
  if (!adapter_) return;
  const std::string keys[] = {adapter_->InfoKey(), adapter_->DriverKey()};
  for (const StoredValue& value : stored_values_) {
    value.label->SetCaption(reg_.GetString(registry::kLocalMachine, keys[value.key], value.name));
  }
}

// The model follows from the two output labels just filled, by the same
// rule as the main window and the uninstaller.
void InfoWindow::ShowModel() {
  const registry::CardModel model = registry::ModelFromOutputs(lcd.Caption(), tv_out.Caption());
  framinfo.SetCaption(framinfo.Caption() +
                      texts::kModelCaptions[static_cast<int>(model)].In(dutch_));
}

}  // namespace info
