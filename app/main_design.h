// The main window as designed: the pictures, the Speed frame on the left,
// the Vsync and Miscellaneous frames in the middle, the buttons on the
// right, the labels below, in tab order. Each check box has two lines:
// its width makes each caption's run of blanks end the first line, so
// that the bracketed part starts the second.
#pragma once

#include "app/texts.h"
#include "look/design.h"

namespace app::design {

using namespace look::rows;
using look::kDutchOnly;
using look::kSmallInDutch;
using look::kVertical;

// The scroll bar, the buttons and "Label3" leave the colours as they are.
// "Label3" is the second line of the Dutch triple-buffering text, empty
// and hidden in English so that it does not cover the box's own second
// line. "Label1" ("Clock/Memory") stands under the Speed frame, outside
// it, and lights with it (ConnectHover).
// clang-format off
constexpr look::ControlDesign kMainControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover
  {kImage,  "Image1",     kForm,        120,  120,  765,  585, {},                   0,             kRests},
  {kImage,  "imgvoodoo3", kForm,       2175,  120, 2490,  585, {},                   0,             kRests},
  {kImage,  "Image2",     kForm,       5955,  120,  765,  585, {},                   0,             kRests},
  {kFrame,  "framclk",    kForm,        120,  825, 1095, 3780, texts::kSpeedFrame,   0,             kLights},
  {kScroll, "scrspeed",   "framclk",    180,  300,  255, 3300, {},                   kVertical},
  {kLabel,  "lblspeed",   "framclk",    525, 1770,  510,  240, {},                   0,             kLights},
  {kFrame,  "framVsync",  kForm,       1335,  825, 4185, 1260, texts::kVsyncFrame,   0,             kLights},
  {kCheck,  "chkvd3d",    "framVsync",  150,  240, 3885,  420, texts::kVsyncD3d,     0,             kLights},
  {kCheck,  "chkvg",      "framVsync",  150,  720, 3885,  420, texts::kVsyncGlide,   0,             kLights},
  {kFrame,  "crap",       kForm,       1335, 2205, 4185, 2700, texts::kMiscFrame,    0,             kLights},
  {kCheck,  "chkmipmap",  "crap",       150,  240, 3885,  420, texts::kMipmap,       0,             kLights},
  {kCheck,  "chksplash",  "crap",       150,  720, 3885,  420, texts::kSplash,       0,             kLights},
  {kCheck,  "chk2mb",     "crap",       150, 1200, 3885,  420, texts::kTextureLimit, 0,             kLights},
  {kCheck,  "chkanti",    "crap",       150, 1680, 3885,  420, texts::kAntiAlias,    0,             kLights},
  {kCheck,  "chktripple", "crap",       150, 2160, 3885,  420, texts::kTriple,       0,             kLights},
  {kLabel,  "Label3",     "crap",       390, 2370, 3645,  210, texts::kTripleSecondLine, kDutchOnly},
  {kButton, "cmdinfo",    kForm,       5640,  825, 1080,  345, texts::kInfo},
  {kButton, "windowz",    kForm,       5640, 1230, 1080,  345, texts::kWindows},
  {kButton, "preset",     kForm,       5640, 1635, 1080,  345, texts::kPreset},
  {kButton, "adv",        kForm,       5640, 2040, 1080,  345, texts::kAdvanced,     kSmallInDutch},
  {kButton, "apply",      kForm,       5640, 2445, 1080,  345, texts::kApply},
  {kButton, "refresh",    kForm,       5640, 2850, 1080,  345, texts::kRefresh},
  {kButton, "gamma",      kForm,       5640, 3255, 1080,  345, texts::kGamma},
  {kButton, "games",      kForm,       5640, 3660, 1080,  345, texts::kGames},
  {kLabel,  "Label1",     kForm,        142, 4665, 1050,  240, texts::kClockMemory},
  {kLabel,  "Label2",     kForm,        120, 5025, 6600,  240, texts::kCredit,       0,             kRests},
  {kLabel,  "Label4",     kForm,        120, 5265, 6600,  240, texts::kContact,      0,             kRests},
};

// The longer "Klok/Geheugen" stays centred under the Speed frame. The
// Dutch triple-buffering text is one line; "Label3" is its second.
constexpr look::DutchPlace kMainDutchPlaces[] = {
  // name        left  top width height
  {"Label1",       83, 4665, 1170,  240},
  {"chktripple",  150, 2160, 3885,  210},
};
// clang-format on

constexpr auto kMainRows = look::Pack(kMainControls);
constexpr look::WindowDesign kMainWindow{"frmv3", texts::kCaption, 6840,
                                         5625,    kMainRows,       kMainDutchPlaces};

}  // namespace app::design
