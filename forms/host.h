// What the forms ask of the platform. The Win32 host does it for real;
// the headless host records it for tests.
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
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
  // Loads a JPEG into the image; false leaves the image as it was.
  virtual bool LoadPicture(Image& image, const std::string& path) = 0;
  // Deletes every file matching a wildcard pattern ("C:\dir\name*").
  virtual void RemoveFiles(const std::string& pattern) = 0;
  // Deletes one file; false when it is missing, read-only or in use.
  virtual bool RemoveFile(const std::string& path) = 0;
  // The folder of the running program, without a trailing backslash
  // except at a drive's root ("C:\").
  virtual std::string ProgramFolder() = 0;
  // The Windows folder, by the same rule.
  virtual std::string WindowsFolder() = 0;
  // Whether a file (not a folder) of that name exists.
  virtual bool FileExists(const std::string& path) = 0;
  // Writes `bytes` as the whole file: first to a fresh file in the same
  // folder, then renamed, so the file is never there half-written. False
  // when it could not be written; nothing is left behind then.
  virtual bool WriteFileReplacing(const std::string& path, const std::string& bytes) = 0;
  // Gives the keyboard focus to a control of a shown form.
  virtual void SetFocus(Control& control) = 0;
  // Ends the process; nothing runs after it.
  virtual void EndProgram() = 0;
  // The form is being destroyed: drop whatever the host keeps for it.
  virtual void FormDestroyed(Form&) {}
};

// `folder` and `file` joined by exactly one backslash ("C:\" + "a.jpg"
// gives "C:\a.jpg", "C:\dir" + "a.jpg" gives "C:\dir\a.jpg").
std::string JoinPath(const std::string& folder, const std::string& file);

}  // namespace forms
