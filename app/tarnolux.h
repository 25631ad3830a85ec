// One run of Tarnolux: the windows, wired to each other, on one host and
// one registry. The program entry picks the real host and store; tests
// pick the headless host and the memory store.
#pragma once

#include "app/language_window.h"
#include "app/main_window.h"
#include "forms/forms.h"
#include "registry/registry.h"
#include "registry/store.h"

namespace app {

class Tarnolux {
 public:
  Tarnolux(forms::Host& host, registry::Store& store);
  Tarnolux(const Tarnolux&) = delete;
  Tarnolux& operator=(const Tarnolux&) = delete;

  // Shows the main window; its load decides what the user sees first.
  void Start();

  forms::Program& program() { return program_; }
  registry::Registry& reg() { return reg_; }
  MainWindow& main_window() { return main_; }
  LanguageWindow& language_window() { return language_; }

 private:
  forms::Program program_;
  registry::Registry reg_;
  // The windows. Another window plugs in here as a member, constructed
  // (program_, reg_), and in the constructor's MainTargets.
  MainWindow main_{program_, reg_};
  LanguageWindow language_{program_, reg_};
};

}  // namespace app
