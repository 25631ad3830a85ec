#include "info/info_window.h"

#include "forms/handoff.h"
#include "info/texts.h"
#include "look/look.h"

namespace info {

namespace {

constexpr int kLineHeight = 255;
constexpr int kCaptionLeft = 120;
constexpr int kClientWidth = 5850, kClientHeight = 6390;
constexpr int kDriverFrameHeight = 735;
constexpr int kDriverLineTop = 360;

}  // namespace

InfoWindow::InfoWindow(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "frminfo"), reg_(reg) {
  SetCaption(texts::kCaption);
  SetClientSize(kClientWidth, kClientHeight);
  Layout();
  look::UseDarkScheme(*this);
  DeclareHover();
  back.Click = [this] { OnBack(); };
  quitcmd.Click = [this] { OnQuit(); };
}

void InfoWindow::Layout() {
  look::PlaceTopRow(Image2, imgvoodoo3, Image1, quitcmd, back);
  quitcmd.SetCaption(texts::kExit);
  back.SetCaption(texts::kBack);

  framinfo.Move(120, 840, 5535, 4575);
  framinfo.SetFontBold(true);
  PlaceLine(lblproduct, texts::kProduct, Label3, 840, 240, 3855);
  PlaceLine(lblHardVersion, texts::kHardVersion, Label4, 1560, 600, 3255);
  PlaceLine(lblManufact, texts::kManufacturer, Label5, 1200, 960, 3855);
  PlaceLine(lblBusType, texts::kBusType, Label6, 960, 1320, 3975);
  PlaceLine(lblMemoryType, texts::kMemoryType, Label7, 1200, 1680, 3495);
  PlaceLine(lblTotalMemory, texts::kTotalMemory, Label8, 1800, 2040, 3375);
  PlaceLine(lblmemoryspeed, texts::kMemorySpeed, Label9, 1800, 2400, 3135);
  PlaceLine(lblGraphicsSpeed, texts::kGraphicsSpeed, Label10, 1800, 2760, 2175);
  PlaceLine(lblClockSpeed, texts::kClockSpeed, Label11, 1560, 3120, 2175);
  PlaceLine(lblBIOSVersion, texts::kBiosVersion, Label12, 1200, 3480, 3135);
  PlaceLine(lblTVOut, texts::kTvOut, Label13, 720, 3840, 4095);
  PlaceLine(lblLCD, texts::kLcd, Label14, 600, 4200, 4575);
  Label15.SetCaption(texts::kAbout);
  Label15.Move(3120, 360, 2055, 3615);
  Label15.SetFontSize(9.75);
  Label15.SetFontBold(true);

  framDriver.SetCaption(texts::kDriverFrame);
  framDriver.Move(120, 5520, 5535, kDriverFrameHeight);
  framDriver.SetFontBold(true);
  lblDVersion.SetCaption(texts::kDriverVersion);
  lblDVersion.Move(120, kDriverLineTop, 1095, kLineHeight);
  // The version reaches up to the provider's caption: "4.12.01.1222" is
  // 63 pixels wide at 96 DPI.
  label2.Move(1200, kDriverLineTop, 1200, kLineHeight);
  label2.SetUseMnemonic(false);
  lblProvider.SetCaption(texts::kProvider);
  lblProvider.Move(2400, kDriverLineTop, 735, kLineHeight);
  Label1.Move(3120, kDriverLineTop, 1935, kLineHeight);
  Label1.SetUseMnemonic(false);
}

// A caption label at the frame's left edge and its value label on the
// same line; the caption reaches up to the value.
void InfoWindow::PlaceLine(forms::Label& caption, const char* text, forms::Label& value,
                           int value_left, int top, int value_width) {
  caption.SetCaption(text);
  caption.Move(kCaptionLeft, top, value_left - kCaptionLeft, kLineHeight);
  value.Move(value_left, top, value_width, kLineHeight);
  value.SetUseMnemonic(false);  // stored text, "&" included, shown as it is
}

void InfoWindow::DeclareHover() {
  hover_.Rest({this, &Image1, &Image2, &imgvoodoo3});
  hover_.Group(framinfo, {&framinfo, &Label3, &Label4, &Label13, &Label14, &Label15, &lblproduct,
                          &lblHardVersion, &lblManufact, &lblBusType, &lblMemoryType,
                          &lblTotalMemory, &lblmemoryspeed, &lblGraphicsSpeed, &lblClockSpeed,
                          &lblBIOSVersion, &lblTVOut, &lblLCD});
  hover_.Group(framDriver, {&framDriver, &Label1, &label2, &lblDVersion, &lblProvider});
}

// Each step stands alone: a missing picture or value leaves its control
// empty and the load goes on.
void InfoWindow::OnLoad() {
  dutch_ = registry::IsDutch(reg_);
  if (dutch_) UseDutch();
  look::LoadTopPictures(Image2, imgvoodoo3, Image1);
  adapter_ = registry::FindAdapter(reg_);
  FillValues();
  ShowModel();
  // A key pressed at once must not end the program: "&Back" has the focus.
  host().SetFocus(back);
}

// The Dutch captions, fonts and positions, in the order of the design.
void InfoWindow::UseDutch() {
  quitcmd.SetCaption(texts::kDutchExit);
  back.SetCaption(texts::kDutchBack);
  lblHardVersion.SetCaption(texts::kDutchHardVersion);
  lblManufact.SetCaption(texts::kDutchManufacturer);
  lblMemoryType.SetCaption(texts::kDutchMemoryType);
  Label5.SetLeft(960);
  lblMemoryType.SetFontName(texts::kSmallFont);
  lblMemoryType.SetFontSize(texts::kSmallFontSize);
  lblTotalMemory.SetCaption(texts::kDutchTotalMemory);
  lblTotalMemory.SetFontName(texts::kSmallFont);
  lblTotalMemory.SetFontSize(texts::kSmallFontSize);
  Label8.SetLeft(2040);
  lblTotalMemory.SetWidth(1935);
  lblmemoryspeed.SetCaption(texts::kDutchMemorySpeed);
  lblmemoryspeed.SetFontName(texts::kSmallFont);
  lblmemoryspeed.SetFontSize(texts::kSmallFontSize);
  lblGraphicsSpeed.SetCaption(texts::kDutchProcessorSpeed);
  lblGraphicsSpeed.SetFontName(texts::kSmallFont);
  lblGraphicsSpeed.SetFontSize(texts::kSmallFontSize);
  Label10.SetLeft(2400);
  lblGraphicsSpeed.SetWidth(2200);
  lblClockSpeed.SetCaption(texts::kDutchProcessorSpeed);
  lblClockSpeed.SetFontName(texts::kSmallFont);
  lblClockSpeed.SetFontSize(texts::kSmallFontSize);
  lblClockSpeed.SetWidth(2200);
  Label11.SetLeft(2400);
  lblBIOSVersion.SetCaption(texts::kDutchBiosVersion);
  Label12.SetLeft(1080);
  lblTVOut.SetCaption(texts::kDutchTvOut);
  Label15.SetCaption(texts::kDutchAbout);
  framDriver.SetCaption(texts::kDutchDriverFrame);
  lblDVersion.SetCaption(texts::kDutchDriverVersion);
  lblProvider.SetCaption(texts::kDutchProvider);
  lblDVersion.SetWidth(2055);
  Label1.SetLeft(3360);
  // Wide enough for its caption at 120 DPI too.
  lblProvider.Move(2160, lblProvider.Top(), 1200, lblProvider.Height());
  UseDutchVersionLine();
}

// The long Dutch caption leaves no room for the version beside it: the
// version goes on a line of its own below the caption, and the frame and
// the window grow by that line.
void InfoWindow::UseDutchVersionLine() {
  label2.Move(kCaptionLeft, kDriverLineTop + kLineHeight, 2055, kLineHeight);
  framDriver.SetHeight(kDriverFrameHeight + kLineHeight);
  SetClientSize(kClientWidth, kClientHeight + kLineHeight);
}

// The values exactly as stored, no units. Without a Voodoo3 adapter the
// labels that come from the driver's keys stay empty.
void InfoWindow::FillValues() {
  if (adapter_) Label3.SetCaption(adapter_->Description());
  Label4.SetCaption(texts::kHardVersionValue);
  Label5.SetCaption(texts::kManufacturerValue);
  if (!adapter_) return;
  const std::string data = adapter_->InfoKey();
  const std::string driver = adapter_->DriverKey();
  auto read = [this](const std::string& key, const char* name) {
    return reg_.GetString(registry::kLocalMachine, key, name);
  };
  Label6.SetCaption(read(data, "Bus Type"));
  Label7.SetCaption(read(data, "Memory Type"));
  Label8.SetCaption(read(data, "Total Video Memory"));
  Label9.SetCaption(read(data, "Memory Clock Speed"));
  Label10.SetCaption(read(data, "Graphics Clock Speed"));
  Label11.SetCaption(read(data, "GFX Clock Speed"));
  Label12.SetCaption(read(data, "BIOS Version"));
  Label1.SetCaption(read(driver, "ProviderName"));
  label2.SetCaption(read(driver, "Ver"));
  Label14.SetCaption(read(data, "LCD"));
  Label13.SetCaption(read(data, "TV Out"));
}

// The model follows from the two output labels just filled, by the same
// rule as the main window and the uninstaller.
void InfoWindow::ShowModel() {
  const registry::CardModel model =
      registry::ModelFromOutputs(Label14.Caption(), Label13.Caption());
  const auto& captions = dutch_ ? texts::kDutchModelCaptions : texts::kModelCaptions;
  framinfo.SetCaption(framinfo.Caption() + captions[static_cast<int>(model)]);
}

// The next opening starts on "&Back" again, wherever the focus was.
void InfoWindow::OnBack() {
  host().SetFocus(back);
  forms::ReturnToOpener(*this);
}

// "&Exit" ends the whole program, as the close box does.
void InfoWindow::OnQuit() { program().End(); }

}  // namespace info
