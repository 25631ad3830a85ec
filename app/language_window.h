// The language window (FrmLanguage): asked once, at the first start. Each
// button stores its choice and ends the program; the user starts it again
// to see the windows in that language. The close box stores nothing.
//
// Every window picks its texts by the same rule: while it loads it reads
// the choice once (registry::IsDutch) and, for "2" only, replaces its
// English design texts with its Dutch table.
#pragma once

#include "forms/forms.h"
#include "look/design.h"
#include "registry/registry.h"

namespace app {

class LanguageWindow : public look::DesignedWindow {
 public:
  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) LanguageWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order, as app/language_design.h makes them.
  forms::CommandButton& choose_english = Next<forms::CommandButton>();  // Command2
  forms::CommandButton& choose_dutch = Next<forms::CommandButton>();    // Command1

 private:
  void Design();
  void ConnectEvents();

  void OnChooseEnglishClick();
  void OnChooseDutchClick();
  void Choose(const char* language);

  registry::Registry& reg_;
};

}  // namespace app
