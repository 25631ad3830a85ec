// The language window (FrmLanguage): asked once, at the first start. Each
// button stores its choice and ends the program; the user starts it again
// to see the windows in that language. The close box stores nothing.
//
// Every window picks its texts by the same rule: while it loads it reads
// the choice once (registry::IsDutch) and, for "2" only, replaces its
// English design texts with its Dutch table.
#pragma once

#include "forms/forms.h"
#include "registry/registry.h"

namespace app {

class LanguageWindow : public forms::Form {
 public:
  LanguageWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order, each created with its design name; English
  // comes first although its design name is the second.
  forms::CommandButton choose_english{*this, "Command2"};
  forms::CommandButton choose_dutch{*this, "Command1"};

 private:
  void Design();
  void ConnectEvents();

  void OnChooseEnglishClick();
  void OnChooseDutchClick();
  void Choose(const char* language);

  registry::Registry& reg_;
};

}  // namespace app
