#include "app/language_window.h"

#include "app/language_design.h"
#include "look/look.h"
#include "registry/driver.h"

namespace app {

namespace {

constexpr const char* kEnglishSetting = "1";
constexpr const char* kDutchSetting = "2";

}  // namespace

LanguageWindow::LanguageWindow(forms::Program& program, registry::Registry& reg)
    : look::DesignedWindow(program, design::kLanguageWindow), reg_(reg) {
  Design();
  ConnectEvents();
}

void LanguageWindow::Design() { look::UseDarkScheme(*this); }

void LanguageWindow::ConnectEvents() {
  choose_dutch.Click = [this] { OnChooseDutchClick(); };
  choose_english.Click = [this] { OnChooseEnglishClick(); };
}

void LanguageWindow::OnChooseEnglishClick() { Choose(kEnglishSetting); }

void LanguageWindow::OnChooseDutchClick() { Choose(kDutchSetting); }

// The choice shows from the next start on.
void LanguageWindow::Choose(const char* language) {
  reg_.SaveString(registry::kLocalMachine, registry::kProgramKey, registry::kLanguageValue,
                  language);
  program().End();
}

}  // namespace app
