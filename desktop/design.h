// The desktop window as designed, in tab order: the top row, then the
// resolution, font-size and Windows-options frames. The colour depths run
// from left to right; their design names run 1, 3, 2, 4, 5.
#pragma once

#include "desktop/texts.h"
#include "look/design.h"

namespace desktop::design {

using namespace look::rows;
using look::kBold;
using look::kSmallInDutch;

// As designed, "Option2" (16 bit), the resolution box, "Label2",
// "Label6" (the size), the slider and the buttons have no hover reaction.
// "strech" is wider than its English caption: room for the Dutch one.
// The window caption, "&OK", the depth options and the size keep their
// design texts in Dutch; "Label6" shows the size from the first.
// clang-format off
constexpr look::ControlDesign kControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover
  {kImage,  "Image2",     kForm,       360,  120,  765,  585, {},                        0,             kRests},
  {kImage,  "imgvoodoo3", kForm,      1080,  120, 2490,  570, {},                        0,             kRests},
  {kImage,  "Image1",     kForm,      3600,  120,  765,  585, {},                        0,             kRests},
  {kButton, "ok",         kForm,      4680,  120,  975,  255, look::kOk},
  {kButton, "cancel",     kForm,      4680,  480,  975,  255, look::kCancel},
  {kFrame,  "framreso",   kForm,       240,  840, 5415, 1575, texts::kResolutionFrame,   kBold,         kLights},
  {kLabel,  "Label1",     "framreso",  120,  360, 2265,  255, texts::kResolutionPrompt,  0,             kLights},
  {kCombo,  "Combo1",     "framreso", 2400,  330, 1215,  315, {}},
  {kLabel,  "Label2",     "framreso",  120,  840, 3615,  255, texts::kDepthPrompt},
  {kOption, "Option1",    "framreso",  120, 1200,  555,  255, texts::kDepth4,            0,             kLights},
  {kOption, "Option3",    "framreso",  720, 1200,  555,  255, texts::kDepth8,            0,             kLights},
  {kOption, "Option2",    "framreso", 1320, 1200,  675,  255, texts::kDepth16},
  {kOption, "Option4",    "framreso", 2040, 1200,  675,  255, texts::kDepth24,           0,             kLights},
  {kOption, "Option5",    "framreso", 2760, 1200,  675,  255, texts::kDepth32,           0,             kLights},
  {kLabel,  "Label3",     "framreso", 3840,  240, 1455, 1215, texts::kResolutionNote,    kSmallInDutch, kLights},
  {kFrame,  "framfont",   kForm,       240, 2520, 5415, 1695, texts::kFontFrame,         kBold,         kLights},
  {kLabel,  "Label4",     "framfont",  240,  360, 4935,  255, texts::kFontSizePrompt,    0,             kLights},
  {kScroll, "HScroll1",   "framfont",  240,  720, 4335,  255, {}},
  {kLabel,  "Label5",     "framfont",  240, 1200,  795,  255, texts::kFontSizeCaption,   kSmallInDutch, kLights},
  {kLabel,  "Label6",     "framfont", 1080, 1200,  375,  255, texts::kFontSizeValue},
  {kLabel,  "Label7",     "framfont", 1440, 1200, 3855,  435, texts::kFontSizeNote,      kSmallInDutch, kLights},
  {kFrame,  "framcow",    kForm,       240, 4320, 5415, 1935, texts::kOptionsFrame,      kBold,         kLights},
  {kCheck,  "gdi",        "framcow",   120,  360, 3015,  255, texts::kGdi,               0,             kLights},
  {kCheck,  "showC",      "framcow",   120,  720, 3015,  255, texts::kShowWhileDragging, kSmallInDutch, kLights},
  {kCheck,  "smooth",     "framcow",   120, 1080, 3015,  255, texts::kSmooth,            0,             kLights},
  {kCheck,  "strech",     "framcow",   120, 1440, 4335,  255, texts::kStretchWallpaper,  0,             kLights},
  {kLabel,  "Label8",     "framcow",  3240,  240, 1935, 1215, texts::kWin98Note,         0,             kLights},
};

constexpr look::DutchPlace kDutchPlaces[] = {
  // name     left  top width height
  {"Label5",   120, 1200,  975,  255},
  {"smooth",   120, 1080, 3855,  255},
};
// clang-format on

constexpr auto kRows = look::Pack(kControls);
constexpr look::WindowDesign kWindow{"frmwondowz", texts::kCaption, 5850,
                                     6360,         kRows,           kDutchPlaces};

}  // namespace desktop::design
