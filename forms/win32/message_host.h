// A host that can only show message boxes: for a program whose forms are
// never shown, such as one whose Load does all its work and ends the
// program. It makes no window and registers no class, so a program built
// on it links none of the window code of Win32Host.
//
//   forms::win32::MessageHost host;
//   forms::win32::Win32Files files;
//   forms::Program program(host, files);
#pragma once

#include "forms/host.h"

namespace forms::win32 {

class MessageHost : public Host {
 public:
  // A form stays unshown; Load has run by then (Form::Show).
  void ShowForm(Form&) override {}
  void HideForm(Form&) override {}
  // A message box with OK and no owner.
  void ShowMessage(const std::string& text, const char* title) override;
  // There is no window to show a picture in.
  bool LoadPicture(Image&, const std::string&) override { return false; }
  void SetFocus(Control&) override {}
  // Ends the process at once.
  void EndProgram() override;
};

}  // namespace forms::win32
