#include "look/settings_window.h"

#include "look/look.h"

namespace look {

SettingsWindow::SettingsWindow(forms::Program& program, const WindowDesign& design)
    : DesignedWindow(program, design) {
  SetDefaultButton(&ok);
  SetCancelButton(&cancel);
}

void SettingsWindow::LoadPictures() { LoadTopPictures(left_emblem, imgvoodoo3, right_emblem); }

}  // namespace look
