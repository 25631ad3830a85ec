#include "desktop/desktop_window.h"

#include <cstdint>
#include <string_view>

#include "desktop/design.h"
#include "desktop/texts.h"
#include "forms/handoff.h"
#include "look/look.h"
#include "registry/driver.h"
#include "registry/numbers.h"

namespace desktop {

namespace {

constexpr const char* kDisplaySettings = "Display\\Settings";
constexpr const char* kResolution = "Resolution";
constexpr const char* kBitsPerPixel = "BitsPerPixel";
constexpr const char* kDpiPhysicalY = "DPIPhysicalY";
// OK writes the size to all four; Load reads only the first.
constexpr const char* kDpiValues[] = {"DPIPhysicalY", "DPIPhysicalX", "DPILogicalY", "DPILogicalX"};
constexpr const char* kAdvanced = "Advanced";

constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kFontSmoothing = "FontSmoothing";
constexpr const char* kDragFullWindows = "DragFullWindows";
constexpr const char* kWallpaperStyle = "WallpaperStyle";
constexpr const char* kStretched = "2";
constexpr const char* kNotStretched = "0";

// Each side of a resolution: 1 to 9999 pixels.
constexpr std::size_t kPixelDigits = 4;

// A check box state from stored text: 0, 1 or 2, else cleared.
int CheckState(std::optional<std::int32_t> number) {
  return number && *number >= 0 && *number <= 2 ? *number : 0;
}

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
  const std::optional<std::string> width = registry::CountText(all.substr(0, comma), kPixelDigits);
  const std::optional<std::string> height =
      registry::CountText(all.substr(comma + 1), kPixelDigits);
  if (!width || !height) return std::nullopt;
  std::string resolution = *width;
  resolution += ',';
  resolution += *height;
  return resolution;
}

DesktopWindow::DesktopWindow(forms::Program& program, registry::Registry& reg)
    : look::SettingsWindow(program, design::kWindow),
      reg_(reg),
      depths_{{{&depth4, 4}, {&depth8, 8}, {&depth16, 16}, {&depth24, 24}, {&depth32, 32}}} {
  Design();
  ConnectEvents();
  ConnectHover();
}

void DesktopWindow::Design() {
  for (const char* listed : registry::kResolutionList) resolution.AddItem(listed);
  resolution.SetText(texts::kResolution.english);
  font_size.SetRange(kSmallestSize, kLargestSize, 1, 2);
  font_size.SetValue(kDefaultSize);
  OnFontSizeChange();  // the design caption "Label6" never shows
  look::UseDarkScheme(*this);
}

void DesktopWindow::ConnectEvents() {
  font_size.Change = [this] { OnFontSizeChange(); };
  ok.Click = [this] { OnOkClick(); };
  cancel.Click = [this] { OnCancelClick(); };
}

void DesktopWindow::ConnectHover() { ConnectDesignHover(hover_); }

void DesktopWindow::ApplyDutch() { ApplyDesignDutch(); }

void DesktopWindow::OnLoad() {
  dutch_ = registry::IsDutch(reg_);
  if (dutch_) ApplyDutch();
  LoadPictures();
  ReadSettings();
}

void DesktopWindow::OnFontSizeChange() {
  font_size_value.SetCaption(registry::NumberText(font_size.Value() * kDotsPerStep));
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
  resolution.SetText(reg_.GetString(registry::kCurrentConfig, kDisplaySettings, kResolution));
}

// A depth with no option selects none, and OK then writes none.
void DesktopWindow::ReadColorDepth() {
  const std::optional<std::int16_t> bits = registry::WholeNumber(
      reg_.GetString(registry::kCurrentConfig, kDisplaySettings, kBitsPerPixel));
  for (const Depth& depth : depths_) depth.option->SetValue(false);
  if (!bits) return;
  for (const Depth& depth : depths_) {
    if (depth.bits == *bits) depth.option->SetValue(true);
  }
}

void DesktopWindow::ReadFontSize() {
  const std::optional<int> position =
      FontSizePosition(reg_.GetString(registry::kCurrentConfig, kDisplaySettings, kDpiPhysicalY));
  font_size.SetValue(position.value_or(kDefaultSize));
  OnFontSizeChange();  // also when the position stays
}

void DesktopWindow::ReadDesktopOptions() {
  const auto number = [this](const char* name) {
    const std::optional<std::int16_t> value =
        registry::WholeNumber(reg_.GetString(registry::kCurrentUser, kDesktop, name));
    return value ? std::optional<std::int32_t>(*value) : std::nullopt;
  };
  smooth.SetValue(CheckState(number(kFontSmoothing)));
  show_while_dragging.SetValue(CheckState(number(kDragFullWindows)));
  stretch_wallpaper.SetValue(number(kWallpaperStyle) == 2 ? 1 : 0);
}

// Anything but a DWORD reads as 0.
void DesktopWindow::ReadHardwareGdi() {
  gdi.SetValue(CheckState(reg_.GetDWord(registry::kCurrentConfig, kDisplaySettings, kAdvanced)));
}

bool DesktopWindow::ResolutionIsUsable() {
  if (resolution.Text().empty() || ResolutionText(resolution.Text())) return true;
  host().ShowMessage(texts::kBadResolution.In(dutch_), texts::kMessageTitle.english);
  host().SetFocus(resolution);
  return false;
}

void DesktopWindow::WriteSettings() {
  const std::optional<std::string> typed = ResolutionText(resolution.Text());
  if (typed) reg_.SaveString(registry::kCurrentConfig, kDisplaySettings, kResolution, *typed);
  for (const Depth& depth : depths_) {
    if (depth.option->Value()) {
      reg_.SaveString(registry::kCurrentConfig, kDisplaySettings, kBitsPerPixel,
                      registry::NumberText(depth.bits));
      break;
    }
  }
  for (const char* name : kDpiValues) {
    reg_.SaveString(registry::kCurrentConfig, kDisplaySettings, name, font_size_value.Caption());
  }
  reg_.SaveString(registry::kCurrentUser, kDesktop, kFontSmoothing,
                  registry::NumberText(smooth.Value()));
  reg_.SaveString(registry::kCurrentUser, kDesktop, kDragFullWindows,
                  registry::NumberText(show_while_dragging.Value()));
  reg_.SaveString(registry::kCurrentUser, kDesktop, kWallpaperStyle,
                  stretch_wallpaper.Value() == 1 ? kStretched : kNotStretched);
  reg_.SaveDWord(registry::kCurrentConfig, kDisplaySettings, kAdvanced, gdi.Value());
}

}  // namespace desktop
