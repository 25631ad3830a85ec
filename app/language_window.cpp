#include "app/language_window.h"

#include "app/texts.h"
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
  SetCaption(kLanguageCaption);
  SetClientSize(kClientWidth, kClientHeight);
  Command2.Move(kMargin, kMargin, kButtonWidth, kButtonHeight);
  Command2.SetCaption(kEnglish);
  Command1.Move(kMargin + kButtonWidth + kGap, kMargin, kButtonWidth, kButtonHeight);
  Command1.SetCaption(kDutch);
  forms::UseDarkScheme(*this);
  Command1.Click = [this] { OnCommand1Click(); };
  Command2.Click = [this] { OnCommand2Click(); };
}

void LanguageWindow::OnCommand1Click() { Choose(kDutchSetting); }

void LanguageWindow::OnCommand2Click() { Choose(kEnglishSetting); }

// The choice shows from the next start on.
void LanguageWindow::Choose(const char* language) {
  reg_.SaveString(registry::kLocalMachine, registry::kProgramKey, registry::kLanguageValue,
                  language);
  program().End();
}

}  // namespace app
