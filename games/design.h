// The games window as designed, in tab order: the top row, then the games
// frame (the list, then Add and Remove above Start and Make shortcut) and
// the settings frame (the four lists, each after its label, the note
// beside them, the gamma boxes, per channel the letter, the value label
// and the slider, then the three check boxes). The value labels say the
// drivers' factory gamma until a game is shown (Design).
#pragma once

#include "games/texts.h"
#include "look/design.h"

namespace games::design {

using namespace look::rows;

// The lists, the buttons and the sliders leave the colours as they are.
// The letters, "Vsync", "Buffering" and "&OK" keep their texts in Dutch.
// clang-format off
constexpr look::ControlDesign kControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover
  {kImage,  "Image2",       kForm,          360,  120,  765,  585, {},                    0, kRests},
  {kImage,  "imgvoodoo3",   kForm,         1080,  120, 2490,  570, {},                    0, kRests},
  {kImage,  "Image1",       kForm,         3600,  120,  765,  585, {},                    0, kRests},
  {kButton, "ok",           kForm,         4680,  120,  975,  255, look::kOk},
  {kButton, "cancel",       kForm,         4680,  480,  975,  255, look::kCancel},
  {kFrame,  "framgames",    kForm,          120,  840, 5655, 1140, texts::kGamesFrame,    0, kLights},
  {kCombo,  "cbogames",     "framgames",    120,  300, 2760,  315, {}},
  {kButton, "cmdadd",       "framgames",   3000,  240, 1215,  345, texts::kAdd},
  {kButton, "cmdremove",    "framgames",   4320,  240, 1215,  345, texts::kRemove},
  {kButton, "cmdstart",     "framgames",   3000,  660, 1215,  345, texts::kStart},
  {kButton, "cmdshortcut",  "framgames",   4320,  660, 1215,  345, texts::kShortcut},
  {kFrame,  "framsettings", kForm,          120, 2100, 5655, 4320, texts::kSettingsFrame, 0, kLights},
  {kLabel,  "lblvsync",     "framsettings", 120,  345, 1380,  255, texts::kVsync,         0, kLights},
  {kCombo,  "cbovsync",     "framsettings",1500,  300, 1740,  315, {}},
  {kLabel,  "lblrefresh",   "framsettings", 120,  735, 1380,  255, texts::kRefresh,       0, kLights},
  {kCombo,  "cborefresh",   "framsettings",1500,  690, 1740,  315, {}},
  {kLabel,  "lblalpha",     "framsettings", 120, 1125, 1380,  255, texts::kAlpha,         0, kLights},
  {kCombo,  "cboalpha",     "framsettings",1500, 1080, 1740,  315, {}},
  {kLabel,  "lblbuffers",   "framsettings", 120, 1515, 1380,  255, texts::kBuffers,       0, kLights},
  {kCombo,  "cbobuffers",   "framsettings",1500, 1470, 1740,  315, {}},
  {kLabel,  "lblnote",      "framsettings",3360,  300, 2175, 1485, texts::kNote,          0, kLights},
  {kCheck,  "chkgamma",     "framsettings", 120, 1920, 2040,  255, texts::kOwnGamma,      0, kLights},
  {kCheck,  "chklock",      "framsettings",2280, 1920, 1800,  255, texts::kLock,          0, kLights},
  {kLabel,  "lblr",         "framsettings", 240, 2250,  240,  255, texts::kRed,           0, kLights},
  {kLabel,  "lblgr",        "framsettings", 480, 2250,  480,  255, {},                    0, kLights},
  {kScroll, "gr",           "framsettings",1020, 2250, 2400,  255, {}},
  {kLabel,  "lblg",         "framsettings", 240, 2580,  240,  255, texts::kGreen,         0, kLights},
  {kLabel,  "lblgg",        "framsettings", 480, 2580,  480,  255, {},                    0, kLights},
  {kScroll, "gg",           "framsettings",1020, 2580, 2400,  255, {}},
  {kLabel,  "lblb",         "framsettings", 240, 2910,  240,  255, texts::kBlue,          0, kLights},
  {kLabel,  "lblgb",        "framsettings", 480, 2910,  480,  255, {},                    0, kLights},
  {kScroll, "gb",           "framsettings",1020, 2910, 2400,  255, {}},
  {kCheck,  "chk2mb",       "framsettings", 120, 3300, 5415,  255, texts::kTextureLimit,  0, kLights},
  {kCheck,  "chksplash",    "framsettings", 120, 3600, 5415,  255, texts::kSplash,        0, kLights},
  {kCheck,  "chkmipmap",    "framsettings", 120, 3900, 5415,  255, texts::kMipmap,        0, kLights},
};
// clang-format on

constexpr auto kRows = look::Pack(kControls);
constexpr look::WindowDesign kWindow{"frmgames", texts::kCaption, 5895, 6540, kRows, {}};

}  // namespace games::design
