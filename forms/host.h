// What the forms ask of the platform's windowing: windows, message boxes,
// pictures, focus, the end of the program. The Win32 host does it for
// real; the headless host records it for tests. Files are forms/files.h.
#pragma once

#include <string>

namespace forms {

class Form;
class Image;
class Control;

class Host {
 public:
  virtual ~Host() = default;

  // Makes the form's window (the first time) and shows it; hides it.
  virtual void ShowForm(Form& form) = 0;
  virtual void HideForm(Form& form) = 0;
  // A message box with one OK button and no icon; returns when closed.
  virtual void ShowMessage(const std::string& text, const char* title) = 0;
  // Loads a JPEG into the image; false leaves the image as it was.
  virtual bool LoadPicture(Image& image, const std::string& path) = 0;
  // Gives the keyboard focus to a control of a shown form.
  virtual void SetFocus(Control& control) = 0;
  // Ends the process; nothing runs after it.
  virtual void EndProgram() = 0;
  // The form is being destroyed: drop whatever the host keeps for it.
  virtual void FormDestroyed(Form&) {}
};

}  // namespace forms
