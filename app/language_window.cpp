#include "app/language_window.h"

#include "app/texts.h"
#include "look/look.h"
#include "registry/driver.h"

namespace app {

namespace {

constexpr const char* kEnglishSetting = "1";
constexpr const char* kDutchSetting = "2";

// Layout in twips: the two buttons side by side.
constexpr int kMargin = 240;
constexpr int kButtonWidth = 1275;
constexpr int kButtonHeight = 375;
constexpr int kGap = 210;
constexpr int kClientWidth = 2 * kMargin + 2 * kButtonWidth + kGap;
constexpr int kClientHeight = 2 * kMargin + kButtonHeight;

}  // namespace

LanguageWindow::LanguageWindow(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "FrmLanguage"), reg_(reg) {
  Design();
  ConnectEvents();
}

// English only: the language is not chosen yet. No hover table either.
void LanguageWindow::Design() {
  SetCaption(texts::kLanguageCaption.english);
  SetClientSize(kClientWidth, kClientHeight);
  choose_english.Place(texts::kChooseEnglish.english, kMargin, kMargin, kButtonWidth,
                       kButtonHeight);
  choose_dutch.Place(texts::kChooseDutch.english, kMargin + kButtonWidth + kGap, kMargin,
                     kButtonWidth, kButtonHeight);
  look::UseDarkScheme(*this);
}

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
