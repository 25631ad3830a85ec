// What the advanced, gamma, refresh, desktop and games windows share: the row of
// pictures along the top and, at the right, OK above Cancel, which Enter
// and Esc press. These are the first five rows of the window's design
// (look/design.h), before the window's own controls.
#pragma once

#include "forms/forms.h"
#include "look/design.h"

namespace look {

class SettingsWindow : public DesignedWindow {
 public:
  forms::Image& left_emblem = Next<forms::Image>();
  forms::Image& imgvoodoo3 = Next<forms::Image>();
  forms::Image& right_emblem = Next<forms::Image>();
  forms::CommandButton& ok = Next<forms::CommandButton>();
  forms::CommandButton& cancel = Next<forms::CommandButton>();

 protected:
  // OK and Cancel become the buttons Enter and Esc press.
  SettingsWindow(forms::Program& program, const WindowDesign& design);

  // The step every settings window's Load takes.
  void LoadPictures();
};

}  // namespace look
