// One run of Tarnolux: the windows, wired to each other, on one host, one
// set of files and one registry. The program entry picks the real ones;
// tests pick the headless host, its pretend files and the memory store.
#pragma once

#include "advanced/advanced_window.h"
#include "app/language_window.h"
#include "app/main_window.h"
#include "desktop/desktop_window.h"
#include "forms/forms.h"
#include "forms/shell.h"
#include "games/games_window.h"
#include "gamma/gamma_window.h"
#include "info/info_window.h"
#include "presets/presets_window.h"
#include "refresh/refresh_window.h"
#include "registry/registry.h"
#include "registry/store.h"

namespace app {

class Tarnolux {
 public:
  Tarnolux(forms::Host& host, forms::Files& files, registry::Store& store);
  Tarnolux(const Tarnolux&) = delete;
  Tarnolux& operator=(const Tarnolux&) = delete;

  // Shows the main window; its load decides what the user sees first.
  void Start();
  // The shell the games window starts games and makes shortcuts with.
  void SetShell(forms::Shell& shell) { games_.SetShell(&shell); }

  forms::Program& program() { return program_; }
  registry::Registry& reg() { return reg_; }
  MainWindow& main_window() { return main_; }
  LanguageWindow& language_window() { return language_; }

 private:
  forms::Program program_;
  registry::Registry reg_;
  // The windows; the main window is the hub that opens the others.
  MainWindow main_{program_, reg_};
  LanguageWindow language_{program_, reg_};
  info::InfoWindow info_{program_, reg_};
  desktop::DesktopWindow desktop_{program_, reg_};
  presets::PresetsWindow presets_{program_, reg_};
  advanced::AdvancedWindow advanced_{program_, reg_};
  refresh::RefreshWindow refresh_{program_, reg_};
  gamma_settings::GammaWindow gamma_{program_, reg_};
  games::GamesWindow games_{program_, reg_};
};

}  // namespace app
