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
  defaults.Click = [this] { OnDefaultsClick(); };
  fastest.Click = [this] { OnFastestClick(); };
  prettiest.Click = [this] { OnPrettiestClick(); };
  cancel.Click = [this] { OnCancelClick(); };

  // Hover help: each preset button explains itself; the rest of the
  // window shows the general line.
  defaults.MouseMove = [this] { ShowHelp(texts_->defaults_help); };
  fastest.MouseMove = [this] { ShowHelp(texts_->fastest_help); };
  prettiest.MouseMove = [this] { ShowHelp(texts_->prettiest_help); };
  cancel.MouseMove = [this] { ShowHelp(texts_->general_help); };
  MouseMove = [this] { ShowHelp(texts_->general_help); };
}

void PresetsWindow::Design() {
  SetClientSize(kRowWidth + 2 * kMargin, kButtonTop + kButtonHeight + kMargin);
  Label1.Move(kMargin, kMargin, kRowWidth, kHelpHeight);
  forms::CommandButton* row[] = {&defaults, &fastest, &prettiest, &cancel};
  int left = kMargin;
  for (forms::CommandButton* button : row) {
    button->Move(left, kButtonTop, kButtonWidth, kButtonHeight);
    left += kButtonWidth + kButtonGap;
  }
  SetCancelButton(&cancel);
  UseTexts(kEnglish);
  look::UseDarkScheme(*this);
}

void PresetsWindow::UseTexts(const Texts& texts) {
  texts_ = &texts;
  SetCaption(texts.caption);
  Label1.SetCaption(texts.general_help);
  defaults.SetCaption(texts.defaults);
  fastest.SetCaption(texts.fastest);
  prettiest.SetCaption(texts.prettiest);
  cancel.SetCaption(texts.cancel);
}

void PresetsWindow::OnLoad() {
  if (registry::IsDutch(reg_)) UseTexts(kDutch);
  // Enter or Space pressed at once must not rewrite every setting.
  host().SetFocus(cancel);
}

// The adapter is looked up afresh for every preset; without one nothing
// is written and the program goes on.
void PresetsWindow::Run(Preset preset) {
  std::optional<registry::Adapter> adapter = registry::FindAdapter(reg_);
  if (!adapter) return;
  WritePreset(reg_, *adapter, preset);
  program().End();
}

// Back to the main window, which stays where it was. The next opening
// starts on Cancel again, wherever the focus was.
void PresetsWindow::OnCancelClick() {
  host().SetFocus(cancel);
  forms::ReturnInPlace(*this);
}

}  // namespace presets
