// The presets window as designed: the help line above a row of four
// buttons. Every text changes with the language; the help line's other
// lines follow the mouse (ConnectHover), not the table.
#pragma once

#include "look/design.h"
#include "presets/texts.h"

namespace presets::design {

using namespace look::rows;

constexpr const Texts& kEn = english::kTexts;
constexpr const Texts& kNl = dutch::kTexts;

// clang-format off
constexpr look::ControlDesign kControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover
  {kLabel,  "Label1",    kForm,  120, 120, 5400,  255, {kEn.general_help, kNl.general_help}},
  {kButton, "defaults",  kForm,  120, 495, 1245,  375, {kEn.defaults, kNl.defaults}},
  {kButton, "fastest",   kForm, 1505, 495, 1245,  375, {kEn.fastest, kNl.fastest}},
  {kButton, "prettiest", kForm, 2890, 495, 1245,  375, {kEn.prettiest, kNl.prettiest}},
  {kButton, "cancel",    kForm, 4275, 495, 1245,  375, {kEn.cancel, kNl.cancel}},
};
// clang-format on

constexpr auto kRows = look::Pack(kControls);
constexpr look::WindowDesign kWindow{
    "frmdefaults", {kEn.caption, kNl.caption}, 5640, 990, kRows, {}};

}  // namespace presets::design
