// The desktop window, frmwondowz: Windows' own display and desktop
// settings (resolution, colour depth, font size, hardware GDI, font
// smoothing, full-window drag, stretched wallpaper). It reads them when
// first opened and when its changes are cancelled, and writes them on OK.
// It needs no driver key.
#pragma once

#include <optional>
#include <string>

#include "forms/forms.h"
#include "forms/hover.h"
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

class DesktopWindow : public forms::Form {
 public:
  DesktopWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order.
  forms::Image Image2{*this, "Image2"};
  forms::Image imgvoodoo3{*this, "imgvoodoo3"};
  forms::Image Image1{*this, "Image1"};
  forms::CommandButton ok{*this, "ok"};
  forms::CommandButton cancel{*this, "cancel"};

  forms::Frame framreso{*this, "framreso"};
  forms::Label Label1{framreso, "Label1"};
  forms::ComboBox Combo1{framreso, "Combo1"};
  forms::Label Label2{framreso, "Label2"};
  forms::OptionButton Option1{framreso, "Option1"};  // 4bit
  forms::OptionButton Option3{framreso, "Option3"};  // 8bit
  forms::OptionButton Option2{framreso, "Option2"};  // 16bit
  forms::OptionButton Option4{framreso, "Option4"};  // 24bit
  forms::OptionButton Option5{framreso, "Option5"};  // 32bit
  forms::Label Label3{framreso, "Label3"};

  forms::Frame framfont{*this, "framfont"};
  forms::Label Label4{framfont, "Label4"};
  forms::ScrollBar HScroll1{framfont, "HScroll1", forms::Orientation::Horizontal};
  forms::Label Label5{framfont, "Label5"};
  forms::Label Label6{framfont, "Label6"};
  forms::Label Label7{framfont, "Label7"};

  forms::Frame framcow{*this, "framcow"};
  forms::CheckBox gdi{framcow, "gdi"};
  forms::CheckBox showC{framcow, "showC"};
  forms::CheckBox smooth{framcow, "smooth"};
  forms::CheckBox strech{framcow, "strech"};
  forms::Label Label8{framcow, "Label8"};

 protected:
  void OnLoad() override;

 private:
  void Design();
  void ApplyDutch();

  void OnHScroll1Change();
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
  bool dutch_ = false;
  forms::Hover hover_;
};

}  // namespace desktop
