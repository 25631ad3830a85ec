#include "look/settings_window.h"

#include "look/look.h"
#include "look/texts.h"

namespace look {

SettingsWindow::SettingsWindow(forms::Program& program, const Names& names)
    : forms::Form(program, names.form),
      left_emblem(*this, names.left_emblem),
      imgvoodoo3(*this, names.banner),
      right_emblem(*this, names.right_emblem),
      ok(*this, names.ok),
      cancel(*this, "cancel") {
  ok.SetCaption(kOk.english);
  cancel.SetCaption(kCancel.english);
  SetDefaultButton(&ok);
  SetCancelButton(&cancel);
}

void SettingsWindow::LoadPictures() { LoadTopPictures(left_emblem, imgvoodoo3, right_emblem); }

void SettingsWindow::CancelInDutch() { cancel.SetCaption(kCancel.dutch); }

}  // namespace look
