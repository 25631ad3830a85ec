// What the advanced, gamma, refresh and desktop windows share: the row of
// pictures along the top and, at the right, OK above Cancel, which Enter
// and Esc press. These come first in the tab order, before the window's
// own controls, each created with its design name.
#pragma once

#include "forms/forms.h"

namespace look {

class SettingsWindow : public forms::Form {
 public:
  // The design names: the form's, then the pictures' from the left and
  // OK's. Cancel is "cancel" in every window.
  struct Names {
    const char *form, *left_emblem, *banner, *right_emblem, *ok;
  };

  forms::Image left_emblem;
  forms::Image imgvoodoo3;
  forms::Image right_emblem;
  forms::CommandButton ok;
  forms::CommandButton cancel;

 protected:
  // OK and Cancel get their texts and their keys; the window places them.
  SettingsWindow(forms::Program& program, const Names& names);

  // The steps every settings window's Load and ApplyDutch take.
  void LoadPictures();
  void CancelInDutch();
};

}  // namespace look
