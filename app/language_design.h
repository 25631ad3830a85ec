// The language window as designed: the two buttons side by side, English
// first although its design name is the second. English only, as the
// language is not chosen yet, and without hover reactions.
#pragma once

#include "app/texts.h"
#include "look/design.h"

namespace app::design {

using namespace look::rows;

// clang-format off
constexpr look::ControlDesign kLanguageControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover
  {kButton, "Command2", kForm,  240, 240, 1275,  375, texts::kChooseEnglish},
  {kButton, "Command1", kForm, 1725, 240, 1275,  375, texts::kChooseDutch},
};
// clang-format on

constexpr auto kLanguageRows = look::Pack(kLanguageControls);
constexpr look::WindowDesign kLanguageWindow{"FrmLanguage", texts::kLanguageCaption, 3240,
                                             855,           kLanguageRows,           {}};

}  // namespace app::design
