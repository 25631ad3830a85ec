#include "look/look.h"

#include <string>

#include "look/texts.h"

namespace look {

void UseDarkScheme(forms::Form& form) {
  form.SetBackColor(forms::kBlack);
  for (forms::Control* control : form.AllControls()) {
    switch (control->kind()) {
      case forms::Kind::Label:
      case forms::Kind::Frame:
      case forms::Kind::CheckBox:
      case forms::Kind::Option:
        control->SetBackColor(forms::kBlack);
        control->SetForeColor(kCaptions.resting);
        break;
      default:
        break;
    }
  }
}

void LoadTopPictures(forms::Image& left, forms::Image& banner, forms::Image& right) {
  const std::string folder = banner.form().files().ProgramFolder();
  banner.LoadPicture(forms::JoinPath(folder, kBanner));
  const std::string emblem = forms::JoinPath(folder, kEmblem);
  left.LoadPicture(emblem);
  right.LoadPicture(emblem);
}

void UseSmallFont(forms::Control& control) {
  forms::Font font = control.Font();
  font.name = kSmallFont;
  font.size = kSmallFontSize;
  control.SetFont(font);
}

}  // namespace look
