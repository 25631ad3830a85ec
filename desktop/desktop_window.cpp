#include "desktop/desktop_window.h"

#include <cstdint>
#include <string_view>

#include "desktop/desktop_texts.h"
#include "forms/handoff.h"
#include "registry/driver.h"
#include "registry/numbers.h"

namespace desktop {

namespace {

constexpr const char* kDisplaySettings = "Display\\Settings";
constexpr const char* kResolution = "Resolution";
constexpr const char* kBitsPerPixel = "BitsPerPixel";
constexpr const char* kDpiPhysicalY = "DPIPhysicalY";
constexpr const char* kDpiValues[] = {"DPIPhysicalY", "DPIPhysicalX", "DPILogicalY", "DPILogicalX"};
constexpr const char* kAdvanced = "Advanced";

constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kFontSmoothing = "FontSmoothing";
constexpr const char* kDragFullWindows = "DragFullWindows";
constexpr const char* kWallpaperStyle = "WallpaperStyle";
constexpr const char* kStretched = "2";
constexpr const char* kNotStretched = "0";

constexpr int kLineHeight = 255;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A whole number from 1 to 9999 as digits without leading zeros.
std::optional<std::string> PixelCount(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text == "0" || text.size() > 4) return std::nullopt;
  return std::string(text);
}

// A check box state from stored text: 0, 1 or 2, else cleared.
int CheckState(std::optional<std::int32_t> number) {
  return number && *number >= 0 && *number <= 2 ? *number : 0;
}

forms::Font SmallFonts() { return forms::Font{"Small Fonts", 7, false}; }

}  // namespace

std::optional<int> FontSizePosition(const std::string& dpi) {
  const std::optional<double> dots = registry::Decimal(dpi);
  if (!dots) return std::nullopt;
  const double steps = *dots / kDotsPerStep;
  if (!(steps >= kSmallestSize - 0.5 && steps <= kLargestSize + 0.5)) return std::nullopt;
  const double whole = static_cast<int>(steps);  // steps >= 0.5 here: that is the floor
  const double rest = steps - whole;
  int position = static_cast<int>(whole);
  if (rest > 0.5 || (rest == 0.5 && position % 2 != 0)) ++position;  // halves to even
  if (position < kSmallestSize || position > kLargestSize) return std::nullopt;
  return position;
}

std::optional<std::string> ResolutionText(const std::string& text) {
  const std::string_view all = text;
  const auto comma = all.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<std::string> width = PixelCount(all.substr(0, comma));
  const std::optional<std::string> height = PixelCount(all.substr(comma + 1));
  if (!width || !height) return std::nullopt;
  return *width + "," + *height;
}

DesktopWindow::DesktopWindow(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "frmwondowz"), reg_(reg) {
  HScroll1.Change = [this] { OnHScroll1Change(); };
  ok.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
  Design();
  hover_.Group(framreso, {&framreso, &Label1, &Label3, &Option1, &Option3, &Option4, &Option5});
  hover_.Group(framfont, {&framfont, &Label4, &Label5, &Label7});
  hover_.Group(framcow, {&framcow, &gdi, &showC, &smooth, &strech, &Label8});
  hover_.Rest({this, &Image1, &Image2, &imgvoodoo3});
}

void DesktopWindow::Design() {
  SetCaption(english::kCaption);
  SetClientSize(5850, 6360);
  ok.SetCaption(english::kOk);
  cancel.SetCaption(english::kCancel);
  SetDefaultButton(&ok);
  SetCancelButton(&cancel);
  forms::PlaceTopRow(Image2, imgvoodoo3, Image1, ok, cancel);

  framreso.SetCaption(english::kFramreso);
  framreso.Move(240, 840, 5415, 1575);
  Label1.SetCaption(english::kLabel1);
  Label1.Move(120, 360, 2265, kLineHeight);
  Combo1.Move(2400, 330, 1215, 315);
  for (const char* resolution : registry::kResolutionList) Combo1.AddItem(resolution);
  Combo1.SetText(english::kCombo1);
  Label2.SetCaption(english::kLabel2);
  Label2.Move(120, 840, 3615, kLineHeight);
  Option1.SetCaption(english::kOption1);
  Option1.Move(120, 1200, 555, kLineHeight);
  Option3.SetCaption(english::kOption3);
  Option3.Move(720, 1200, 555, kLineHeight);
  Option2.SetCaption(english::kOption2);
  Option2.Move(1320, 1200, 675, kLineHeight);
  Option4.SetCaption(english::kOption4);
  Option4.Move(2040, 1200, 675, kLineHeight);
  Option5.SetCaption(english::kOption5);
  Option5.Move(2760, 1200, 675, kLineHeight);
  Label3.SetCaption(english::kLabel3);
  Label3.Move(3840, 240, 1455, 1215);

  framfont.SetCaption(english::kFramfont);
  framfont.Move(240, 2520, 5415, 1695);
  Label4.SetCaption(english::kLabel4);
  Label4.Move(240, 360, 4935, kLineHeight);
  HScroll1.Move(240, 720, 4335, 255);
  Label5.SetCaption(english::kLabel5);
  Label5.Move(240, 1200, 795, kLineHeight);
  Label6.SetCaption(english::kLabel6);
  Label6.Move(1080, 1200, 375, kLineHeight);
  Label7.SetCaption(english::kLabel7);
  Label7.Move(1440, 1200, 3855, 435);
  HScroll1.SetRange(kSmallestSize, kLargestSize, 1, 2);
  HScroll1.SetValue(kDefaultSize);  // its Change shows the size in Label6

  framcow.SetCaption(english::kFramcow);
  framcow.Move(240, 4320, 5415, 1935);
  gdi.SetCaption(english::kGdi);
  gdi.Move(120, 360, 3015, kLineHeight);
  showC.SetCaption(english::kShowC);
  showC.Move(120, 720, 3015, kLineHeight);
  smooth.SetCaption(english::kSmooth);
  smooth.Move(120, 1080, 3015, kLineHeight);
  strech.SetCaption(english::kStrech);
  strech.Move(120, 1440, 4335, kLineHeight);  // room for the Dutch caption
  Label8.SetCaption(english::kLabel8);
  Label8.Move(3240, 240, 1935, 1215);

  forms::UseDarkScheme(*this);
  framreso.SetFontBold(true);
  framfont.SetFontBold(true);
  framcow.SetFontBold(true);
}

void DesktopWindow::ApplyDutch() {
  cancel.SetCaption(dutch::kCancel);
  framreso.SetCaption(dutch::kFramreso);
  Label1.SetCaption(dutch::kLabel1);
  Label2.SetCaption(dutch::kLabel2);
  Label3.SetCaption(dutch::kLabel3);
  Label3.SetFont(SmallFonts());
  framfont.SetCaption(dutch::kFramfont);
  Label4.SetCaption(dutch::kLabel4);
  Label5.SetCaption(dutch::kLabel5);
  Label5.SetFont(SmallFonts());
  Label5.SetLeft(120);
  Label5.SetWidth(975);
  Label7.SetCaption(dutch::kLabel7);
  Label7.SetFont(SmallFonts());
  framcow.SetCaption(dutch::kFramcow);
  gdi.SetCaption(dutch::kGdi);
  showC.SetCaption(dutch::kShowC);
  showC.SetFont(SmallFonts());
  smooth.SetCaption(dutch::kSmooth);
  smooth.SetWidth(3855);
  strech.SetCaption(dutch::kStrech);
  Label8.SetCaption(dutch::kLabel8);
}

void DesktopWindow::OnLoad() {
  dutch_ = registry::IsDutch(reg_);
  if (dutch_) ApplyDutch();
  forms::LoadTopPictures(imgvoodoo3, Image1, Image2);
  ReadSettings();
}

void DesktopWindow::OnHScroll1Change() {
  Label6.SetCaption(registry::NumberText(HScroll1.Value() * kDotsPerStep));
}

void DesktopWindow::OnOkClick() {
  if (!ResolutionIsUsable()) return;
  WriteSettings();
  forms::ReturnToOpener(*this);
}

// Cancel shows the stored values again, so that a later OK cannot write a
// change the user threw away.
void DesktopWindow::OnCancelClick() {
  ReadSettings();
  forms::ReturnToOpener(*this);
}

void DesktopWindow::ReadSettings() {
  ReadResolution();
  ReadColorDepth();
  ReadFontSize();
  ReadDesktopOptions();
  ReadHardwareGdi();
}

// A missing value leaves the box empty, and OK then writes none.
void DesktopWindow::ReadResolution() {
  Combo1.SetText(reg_.GetString(registry::kCurrentConfig, kDisplaySettings, kResolution));
}

void DesktopWindow::ReadColorDepth() {
  const std::optional<std::int16_t> depth = registry::WholeNumber(
      reg_.GetString(registry::kCurrentConfig, kDisplaySettings, kBitsPerPixel));
  for (forms::OptionButton* option : {&Option1, &Option3, &Option2, &Option4, &Option5}) {
    option->SetValue(false);
  }
  if (!depth) return;
  switch (*depth) {
    case 4:
      Option1.SetValue(true);
      break;
    case 8:
      Option3.SetValue(true);
      break;
    case 16:
      Option2.SetValue(true);
      break;
    case 24:
      Option4.SetValue(true);
      break;
    case 32:
      Option5.SetValue(true);
      break;
    default:
      break;  // no option for it, and OK writes none
  }
}

void DesktopWindow::ReadFontSize() {
  const std::optional<int> position =
      FontSizePosition(reg_.GetString(registry::kCurrentConfig, kDisplaySettings, kDpiPhysicalY));
  HScroll1.SetValue(position.value_or(kDefaultSize));
  OnHScroll1Change();
}

void DesktopWindow::ReadDesktopOptions() {
  const auto number = [this](const char* name) {
    const std::optional<std::int16_t> value =
        registry::WholeNumber(reg_.GetString(registry::kCurrentUser, kDesktop, name));
    return value ? std::optional<std::int32_t>(*value) : std::nullopt;
  };
  smooth.SetValue(CheckState(number(kFontSmoothing)));
  showC.SetValue(CheckState(number(kDragFullWindows)));
  strech.SetValue(number(kWallpaperStyle) == 2 ? 1 : 0);
}

// Anything but a DWORD reads as 0.
void DesktopWindow::ReadHardwareGdi() {
  gdi.SetValue(CheckState(reg_.GetDWord(registry::kCurrentConfig, kDisplaySettings, kAdvanced)));
}

bool DesktopWindow::ResolutionIsUsable() {
  if (Combo1.Text().empty() || ResolutionText(Combo1.Text())) return true;
  host().ShowMessage(dutch_ ? dutch::kBadResolution : english::kBadResolution, kMessageTitle);
  host().SetFocus(Combo1);
  return false;
}

void DesktopWindow::WriteSettings() {
  const std::optional<std::string> resolution = ResolutionText(Combo1.Text());
  if (resolution) {
    reg_.SaveString(registry::kCurrentConfig, kDisplaySettings, kResolution, *resolution);
  }
  const std::pair<forms::OptionButton*, const char*> depths[] = {
      {&Option1, "4"}, {&Option3, "8"}, {&Option2, "16"}, {&Option4, "24"}, {&Option5, "32"}};
  for (const auto& [option, bits] : depths) {
    if (option->Value()) {
      reg_.SaveString(registry::kCurrentConfig, kDisplaySettings, kBitsPerPixel, bits);
      break;
    }
  }
  for (const char* name : kDpiValues) {
    reg_.SaveString(registry::kCurrentConfig, kDisplaySettings, name, Label6.Caption());
  }
  reg_.SaveString(registry::kCurrentUser, kDesktop, kFontSmoothing,
                  registry::NumberText(smooth.Value()));
  reg_.SaveString(registry::kCurrentUser, kDesktop, kDragFullWindows,
                  registry::NumberText(showC.Value()));
  reg_.SaveString(registry::kCurrentUser, kDesktop, kWallpaperStyle,
                  strech.Value() == 1 ? kStretched : kNotStretched);
  reg_.SaveDWord(registry::kCurrentConfig, kDisplaySettings, kAdvanced, gdi.Value());
}

}  // namespace desktop
