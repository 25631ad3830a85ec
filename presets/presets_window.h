// The presets window (frmdefaults): three one-click settings for the
// driver. A preset rewrites the driver's settings and ends the program;
// Cancel goes back to the main window where it stood.
#pragma once

#include "forms/forms.h"
#include "look/design.h"
#include "presets/preset.h"
#include "presets/texts.h"
#include "registry/registry.h"

namespace presets {

class PresetsWindow : public look::DesignedWindow {
 public:
  // Out of line: inlined into the composition of a run, which makes every
  // window in one function, each control taken costs more bytes.
  __attribute__((noinline)) PresetsWindow(forms::Program& program, registry::Registry& reg);

  // Controls in tab order, as presets/design.h makes them.
  forms::Label& help_line = Next<forms::Label>();  // Label1
  forms::CommandButton& defaults = Next<forms::CommandButton>();
  forms::CommandButton& fastest = Next<forms::CommandButton>();
  forms::CommandButton& prettiest = Next<forms::CommandButton>();
  forms::CommandButton& cancel = Next<forms::CommandButton>();

 protected:
  void OnLoad() override;

 private:
  void Design();
  void ConnectEvents();
  void ConnectHover();
  void ApplyDutch();

  void OnDefaultsClick();
  void OnFastestClick();
  void OnPrettiestClick();
  void OnCancelClick();

  void ShowHelp(const char* line);
  void RunPreset(Preset preset);

  registry::Registry& reg_;
  // The language's texts, which the help line takes its lines from.
  const Texts* texts_ = &english::kTexts;
};

}  // namespace presets
