#include "presets/presets_window.h"

#include <optional>

#include "forms/handoff.h"
#include "look/look.h"
#include "registry/driver.h"

namespace presets {

namespace {

// Layout in twips: the help line above a row of four buttons.
constexpr int kMargin = 120;
constexpr int kButtonWidth = 1245;
constexpr int kButtonHeight = 375;
constexpr int kButtonGap = 140;
constexpr int kRowWidth = 4 * kButtonWidth + 3 * kButtonGap;
constexpr int kHelpHeight = 255;
constexpr int kButtonTop = kMargin + kHelpHeight + 120;

}  // namespace

PresetsWindow::PresetsWindow(forms::Program& program, registry::Registry& reg)
    : forms::Form(program, "frmdefaults"), reg_(reg) {
  Design();
  ConnectEvents();
  ConnectHover();
}

void PresetsWindow::Design() {
  SetClientSize(kRowWidth + 2 * kMargin, kButtonTop + kButtonHeight + kMargin);
  help_line.Move(kMargin, kMargin, kRowWidth, kHelpHeight);
  forms::CommandButton* row[] = {&defaults, &fastest, &prettiest, &cancel};
  int left = kMargin;
  for (forms::CommandButton* button : row) {
    button->Move(left, kButtonTop, kButtonWidth, kButtonHeight);
    left += kButtonWidth + kButtonGap;
  }
  // No default button, as designed: Enter presses the focused button,
  // which Load makes Cancel.
  SetCancelButton(&cancel);
  ShowTexts(english::kTexts);
  look::UseDarkScheme(*this);
}

void PresetsWindow::ConnectEvents() {
  defaults.Click = [this] { OnDefaultsClick(); };
  fastest.Click = [this] { OnFastestClick(); };
  prettiest.Click = [this] { OnPrettiestClick(); };
  cancel.Click = [this] { OnCancelClick(); };
}

// Each preset button explains itself on the help line; Cancel and the rest
// of the window show the general line. The help line itself has no
// reaction: the mouse over it leaves the line as it is.
void PresetsWindow::ConnectHover() {
  defaults.MouseMove = [this] { ShowHelp(texts_->defaults_help); };
  fastest.MouseMove = [this] { ShowHelp(texts_->fastest_help); };
  prettiest.MouseMove = [this] { ShowHelp(texts_->prettiest_help); };
  cancel.MouseMove = [this] { ShowHelp(texts_->general_help); };
  MouseMove = [this] { ShowHelp(texts_->general_help); };
}

// Every text changes, the help lines too.
void PresetsWindow::ApplyDutch() { ShowTexts(dutch::kTexts); }

void PresetsWindow::OnLoad() {
  if (registry::IsDutch(reg_)) ApplyDutch();
  // Deliberate: the window opens with the focus on Cancel, not on
  // "&Defaults", so that Enter or Space pressed at once goes back instead
  // of rewriting every setting.
  host().SetFocus(cancel);
}

void PresetsWindow::OnDefaultsClick() { RunPreset(Preset::Defaults); }

void PresetsWindow::OnFastestClick() { RunPreset(Preset::Fastest); }

void PresetsWindow::OnPrettiestClick() { RunPreset(Preset::Prettiest); }

// Back to the main window, which stays where it was. The focus goes back
// to Cancel first, wherever it was, so that the next opening starts there
// too.
void PresetsWindow::OnCancelClick() {
  host().SetFocus(cancel);
  forms::ReturnInPlace(*this);
}

void PresetsWindow::ShowTexts(const Texts& texts) {
  texts_ = &texts;
  SetCaption(texts.caption);
  help_line.SetCaption(texts.general_help);
  defaults.SetCaption(texts.defaults);
  fastest.SetCaption(texts.fastest);
  prettiest.SetCaption(texts.prettiest);
  cancel.SetCaption(texts.cancel);
}

void PresetsWindow::ShowHelp(const char* line) { help_line.SetCaption(line); }

// The adapter is looked up afresh for every preset; without one nothing
// is written and the program goes on.
void PresetsWindow::RunPreset(Preset preset) {
  std::optional<registry::Adapter> adapter = registry::FindAdapter(reg_);
  if (!adapter) return;
  WritePreset(reg_, *adapter, preset);
  program().End();
}

}  // namespace presets
