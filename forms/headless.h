// A host without a screen, for tests: it records what the program asked
// of the platform and keeps a small pretend file system. Tests act as the
// user through the controls' User* calls (UserClick, UserScroll, ...).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/forms.h"

namespace forms {

class HeadlessHost : public Host {
 public:
  struct Message {
    std::string text;
    std::string title;
  };

  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  bool LoadPicture(Image& image, const std::string& path) override;
  void RemoveFiles(const std::string& pattern) override;
  bool RemoveFile(const std::string& path) override;
  std::string ProgramFolder() override { return folder; }
  std::string WindowsFolder() override { return windows_folder; }
  bool FileExists(const std::string& path) override { return HasFile(path); }
  bool WriteFileReplacing(const std::string& path, const std::string& bytes) override;
  void SetFocus(Control& control) override { focus = &control; }
  void EndProgram() override { ended = true; }

  // Pretend files: full paths, compared without regard to letter case.
  void AddFile(const std::string& path, bool read_only = false);
  bool HasFile(const std::string& path) const;
  // What WriteFileReplacing wrote, or "" for any other file.
  std::string FileText(const std::string& path) const;
  // Writing into this folder fails from now on, as on a read-only disk.
  void MakeUnwritable(const std::string& folder);

  std::string folder = "C:\\Program Files\\Tarnolux";
  std::string windows_folder = "C:\\WINDOWS";
  std::vector<std::string> writes;  // paths asked for, written or not
  std::vector<Message> messages;
  std::vector<std::string> delete_patterns;  // as asked
  std::vector<std::string> deleted;          // files that went
  std::vector<std::string> pictures;         // paths asked for
  std::vector<std::string> shows;            // form names, in order
  Control* focus = nullptr;
  bool ended = false;

 private:
  std::set<std::string> files_;                  // lower case
  std::set<std::string> read_only_;              // lower case
  std::map<std::string, std::string> contents_;  // lower case
  std::set<std::string> unwritable_;             // lower case folders
};

// Whether a file name matches a pattern with * and ?, ignoring case.
bool WildcardMatch(const std::string& pattern, const std::string& name);

}  // namespace forms
