// The refresh window as designed, in tab order: the top row, then the
// rates frame with its fifteen rows (a resolution label and the rate box
// of the design's control array "Combo", eight on the left, seven on the
// right), the colour-depth frame and the note. The boxes' choices are
// texts::kRowDesign's, filled in by Design.
#pragma once

#include "look/design.h"
#include "refresh/texts.h"

namespace refresh::design {

using namespace look::rows;
using look::kBold;
using look::kSmallInDutch;

constexpr const texts::RowDesign* kRow = texts::kRowDesign;

// Only the rates frame ever lights: the depth frame, its options and the
// rate boxes leave the colours as they are. The window caption, "&OK",
// the one-depth options and the row labels keep their design texts in
// Dutch.
// clang-format off
constexpr look::ControlDesign kControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover, index
  {kImage,  "Image2",     kForm,        360,  120,  765,  585, {},                 0,             kRests},
  {kImage,  "imgvoodoo3", kForm,       1080,  120, 2490,  570, {},                 0,             kRests},
  {kImage,  "Image1",     kForm,       3600,  120,  765,  585, {},                 0,             kRests},
  {kButton, "ok",         kForm,       4680,  120,  975,  255, look::kOk},
  {kButton, "cancel",     kForm,       4680,  480,  975,  255, look::kCancel},
  {kFrame,  "Frame1",     kForm,        120,  840, 5655, 5415, texts::kRatesFrame, kBold,         kLights},
  {kLabel,  "Label1",     "Frame1",     240,  405, 1020,  255, {kRow[0].caption}},
  {kCombo,  "Combo",      "Frame1",    1320,  360, 1215,  315, {},                 0,             kStill, 1},
  {kLabel,  "Label2",     "Frame1",     240,  885, 1020,  255, {kRow[1].caption}},
  {kCombo,  "Combo",      "Frame1",    1320,  840, 1215,  315, {},                 0,             kStill, 2},
  {kLabel,  "Label3",     "Frame1",     240, 1365, 1020,  255, {kRow[2].caption}},
  {kCombo,  "Combo",      "Frame1",    1320, 1320, 1215,  315, {},                 0,             kStill, 3},
  {kLabel,  "Label4",     "Frame1",     240, 1845, 1020,  255, {kRow[3].caption}},
  {kCombo,  "Combo",      "Frame1",    1320, 1800, 1215,  315, {},                 0,             kStill, 4},
  {kLabel,  "Label5",     "Frame1",     240, 2325, 1020,  255, {kRow[4].caption}},
  {kCombo,  "Combo",      "Frame1",    1320, 2280, 1215,  315, {},                 0,             kStill, 5},
  {kLabel,  "Label6",     "Frame1",     240, 2805, 1020,  255, {kRow[5].caption}},
  {kCombo,  "Combo",      "Frame1",    1320, 2760, 1215,  315, {},                 0,             kStill, 6},
  {kLabel,  "Label7",     "Frame1",     240, 3285, 1020,  255, {kRow[6].caption}},
  {kCombo,  "Combo",      "Frame1",    1320, 3240, 1215,  315, {},                 0,             kStill, 7},
  {kLabel,  "Label8",     "Frame1",     240, 3765, 1020,  255, {kRow[7].caption}},
  {kCombo,  "Combo",      "Frame1",    1320, 3720, 1215,  315, {},                 0,             kStill, 8},
  {kLabel,  "Label9",     "Frame1",    2880,  405, 1020,  255, {kRow[8].caption}},
  {kCombo,  "Combo",      "Frame1",    3960,  360, 1215,  315, {},                 0,             kStill, 9},
  {kLabel,  "Label10",    "Frame1",    2880,  885, 1020,  255, {kRow[9].caption}},
  {kCombo,  "Combo",      "Frame1",    3960,  840, 1215,  315, {},                 0,             kStill, 10},
  {kLabel,  "Label11",    "Frame1",    2880, 1365, 1020,  255, {kRow[10].caption}},
  {kCombo,  "Combo",      "Frame1",    3960, 1320, 1215,  315, {},                 0,             kStill, 11},
  {kLabel,  "Label12",    "Frame1",    2880, 1845, 1020,  255, {kRow[11].caption}},
  {kCombo,  "Combo",      "Frame1",    3960, 1800, 1215,  315, {},                 0,             kStill, 12},
  {kLabel,  "Label13",    "Frame1",    2880, 2325, 1020,  255, {kRow[12].caption}},
  {kCombo,  "Combo",      "Frame1",    3960, 2280, 1215,  315, {},                 0,             kStill, 13},
  {kLabel,  "Label14",    "Frame1",    2880, 2805, 1020,  255, {kRow[13].caption}},
  {kCombo,  "Combo",      "Frame1",    3960, 2760, 1215,  315, {},                 0,             kStill, 14},
  {kLabel,  "Label15",    "Frame1",    2880, 3285, 1020,  255, {kRow[14].caption}},
  {kCombo,  "Combo",      "Frame1",    3960, 3240, 1215,  315, {},                 0,             kStill, 15},
  {kFrame,  "framcolor",  "Frame1",    3120, 3720, 2055, 1455, texts::kDepthFrame, kBold},
  {kOption, "Bit8",       "framcolor",  120,  360,  855,  255, texts::kBit8},
  {kOption, "Bit16",      "framcolor", 1080,  360,  855,  255, texts::kBit16},
  {kOption, "Bit24",      "framcolor",  120,  720,  855,  255, texts::kBit24},
  {kOption, "Bit32",      "framcolor", 1080,  720,  855,  255, texts::kBit32},
  {kOption, "LinkAllBit", "framcolor",  120, 1080, 1875,  255, texts::kLinkAllBit, kSmallInDutch},
  {kLabel,  "Label16",    "Frame1",     240, 4200, 2775,  975, texts::kRatesNote,  kSmallInDutch, kLights},
};
// clang-format on

constexpr auto kRows = look::Pack(kControls);
constexpr look::WindowDesign kWindow{"frmrefresh", texts::kCaption, 5895, 6390, kRows, {}};

}  // namespace refresh::design
