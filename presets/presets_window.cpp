#include "presets/presets_window.h"

#include <optional>

#include "forms/handoff.h"
#include "look/look.h"
#include "presets/design.h"
#include "registry/driver.h"

namespace presets {

PresetsWindow::PresetsWindow(forms::Program& program, registry::Registry& reg)
    : look::DesignedWindow(program, design::kWindow), reg_(reg) {
  Design();
  ConnectEvents();
  ConnectHover();
}

void PresetsWindow::Design() {
  // No default button, as designed: Enter presses the focused button,
  // which Load makes Cancel.
  SetCancelButton(&cancel);
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
void PresetsWindow::ApplyDutch() {
  ApplyDesignDutch();
  texts_ = &dutch::kTexts;
}

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
