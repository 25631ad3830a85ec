// The desktop window, frmwondowz: Windows' own display and desktop
// settings (resolution, colour depth, font size, hardware GDI, font
// smoothing, full-window drag, stretched wallpaper). It reads them when
// first opened and when its changes are cancelled, and writes them on OK.
// It needs no driver key.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "forms/forms.h"
#include "forms/hover.h"
#include "look/look.h"
#include "look/settings_window.h"
#include "registry/registry.h"

namespace desktop {

// The font-size slider: position P stands for P x 24 dots per inch.
constexpr int kDotsPerStep = 24;
constexpr int kSmallestSize = 1;
constexpr int kLargestSize = 8;
// 96 dots per inch, the Windows default: shown when nothing usable is
// stored.
constexpr int kDefaultSize = 4;

// The slider position for a stored dots-per-inch text: the number over 24,
// rounded halves to even; nothing when it is not a number or the position
// falls outside 1 to 8.
std::optional<int> FontSizePosition(const std::string& dpi);

// A resolution typed as "width,height", each a whole number from 1 to
// 9999 (blanks around them allowed), in the form Windows stores
// ("0800, 600" gives "800,600"); nothing for any other text.
std::optional<std::string> ResolutionText(const std::string& text);

class DesktopWindow : public look::SettingsWindow {
 public:
  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) DesktopWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order after the top row, as desktop/design.h makes
  // them.
  forms::Frame& framreso = Next<forms::Frame>();
  forms::Label& resolution_prompt = Next<forms::Label>();  // Label1
  forms::ComboBox& resolution = Next<forms::ComboBox>();   // Combo1
  forms::Label& depth_prompt = Next<forms::Label>();       // Label2
  // The colour depths from left to right; their design names run 1, 3, 2, 4, 5.
  forms::OptionButton& depth4 = Next<forms::OptionButton>();   // Option1
  forms::OptionButton& depth8 = Next<forms::OptionButton>();   // Option3
  forms::OptionButton& depth16 = Next<forms::OptionButton>();  // Option2
  forms::OptionButton& depth24 = Next<forms::OptionButton>();  // Option4
  forms::OptionButton& depth32 = Next<forms::OptionButton>();  // Option5
  forms::Label& resolution_note = Next<forms::Label>();        // Label3

  forms::Frame& framfont = Next<forms::Frame>();
  forms::Label& font_size_prompt = Next<forms::Label>();   // Label4
  forms::ScrollBar& font_size = Next<forms::ScrollBar>();  // HScroll1
  forms::Label& font_size_caption = Next<forms::Label>();  // Label5
  forms::Label& font_size_value = Next<forms::Label>();    // Label6
  forms::Label& font_size_note = Next<forms::Label>();     // Label7

  forms::Frame& framcow = Next<forms::Frame>();
  forms::CheckBox& gdi = Next<forms::CheckBox>();
  forms::CheckBox& show_while_dragging = Next<forms::CheckBox>();  // showC
  forms::CheckBox& smooth = Next<forms::CheckBox>();
  forms::CheckBox& stretch_wallpaper = Next<forms::CheckBox>();  // strech
  forms::Label& win98_note = Next<forms::Label>();               // Label8

 protected:
  void OnLoad() override;

 private:
  // A colour-depth option and the "BitsPerPixel" number it stands for.
  struct Depth {
    forms::OptionButton* option;
    std::int16_t bits;
  };

  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();

  void OnFontSizeChange();
  void OnOkClick();
  void OnCancelClick();

  // Shows what is stored; anything unusable shows the design state
  // (no depth, 96 dots per inch, boxes cleared).
  void ReadSettings();
  void ReadResolution();
  void ReadColorDepth();
  void ReadFontSize();
  void ReadDesktopOptions();
  void ReadHardwareGdi();

  // Tells the user and keeps the window open when the resolution box
  // holds something that is no resolution.
  bool ResolutionIsUsable();
  void WriteSettings();

  registry::Registry& reg_;
  // Read and written by this one table, in the order OK tests the options.
  std::array<Depth, 5> depths_;
  bool dutch_ = false;
  forms::Hover hover_{look::kCaptions};
};

}  // namespace desktop
