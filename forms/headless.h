// A host without a screen, for tests: it records what the program asked
// of the platform, and holds the pretend machine's files (its pictures are
// loaded from them). Tests act as the user through the controls' User*
// calls (UserClick, UserScroll, ...):
//
//   forms::HeadlessHost host;
//   forms::Program program{host, host.files};
#pragma once

#include <string>
#include <vector>

#include "forms/forms.h"
#include "forms/memory_files.h"

namespace forms {

class HeadlessHost : public Host {
 public:
  struct Message {
    std::string text;
    std::string title;
  };

  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void ShowMessage(const std::string& text, const char* title) override;
  bool LoadPicture(Image& image, const std::string& path) override;
  void SetFocus(Control& control) override { focus = &control; }
  void EndProgram() override { ended = true; }

  MemoryFiles files;
  std::vector<Message> messages;
  std::vector<std::string> pictures;  // paths asked for
  std::vector<std::string> shows;     // form names, in order
  Control* focus = nullptr;
  bool ended = false;
};

}  // namespace forms
