// One line per window: add the window here and its library to
// tools/screenshot_windows.cmake.
#include "tools/screenshot_windows.h"

#include "advanced/advanced_window.h"
#include "app/language_window.h"
#include "app/main_window.h"
#include "desktop/desktop_window.h"
#include "forms/win32/tests/test_form.h"
#include "games/games_window.h"
#include "gamma/gamma_window.h"
#include "info/info_window.h"
#include "presets/presets_window.h"
#include "refresh/refresh_window.h"

namespace screenshots {

const std::vector<Window>& Windows() {
  static const std::vector<Window> windows = {
      {"testform", &Make<forms::win32::TestForm>},
      {"main", &Make<app::MainWindow>},
      {"language", &Make<app::LanguageWindow>},
      {"presets", &Make<presets::PresetsWindow>},
      {"advanced", &Make<advanced::AdvancedWindow>},
      {"gamma", &Make<gamma_settings::GammaWindow>},
      {"games", &Make<games::GamesWindow>},
      {"refresh", &Make<refresh::RefreshWindow>},
      {"desktop", &Make<desktop::DesktopWindow>},
      {"info", &Make<info::InfoWindow>},
  };
  return windows;
}

}  // namespace screenshots
