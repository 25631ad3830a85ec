// The gamma window as designed, in tab order: the top row, then three
// frames alike, desktop, Glide and Direct3D, each with per channel the
// letter, the value label and the slider, the note after the red channel
// and the lock box last. The value labels say the dark initial position
// until Load shows what is stored (Design).
#pragma once

#include "gamma/texts.h"
#include "look/design.h"

namespace gamma_settings::design {

using namespace look::rows;
using look::kSmallInDutch;

// The sliders and the two buttons leave the colours as they are. The
// window caption, "&OK" and the letters keep their design texts in Dutch.
// clang-format off
constexpr look::ControlDesign kControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover
  {kImage,  "Image2",     kForm,       120,  120,  765,  585, {},                  0,             kRests},
  {kImage,  "imgvoodoo3", kForm,      1005,  120, 2490,  570, {},                  0,             kRests},
  {kImage,  "Image1",     kForm,      3615,  120,  765,  585, {},                  0,             kRests},
  {kButton, "OK",         kForm,      4680,  120, 1200,  315, look::kOk},
  {kButton, "cancel",     kForm,      4680,  480, 1200,  315, look::kCancel},
  {kFrame,  "desktop",    kForm,       120,  960, 5760, 1740, texts::kDesktop,     0,             kLights},
  {kLabel,  "Label3",     "desktop",   120,  300,  240,  255, texts::kRed,         0,             kLights},
  {kLabel,  "lbldr",      "desktop",   360,  300,  480,  255, {},                  0,             kLights},
  {kScroll, "dr",         "desktop",   840,  300, 2400,  255, {}},
  {kLabel,  "lbldgs",     "desktop",  3360,  240, 2280, 1380, texts::kDesktopNote, kSmallInDutch, kLights},
  {kLabel,  "Label10",    "desktop",   120,  660,  240,  255, texts::kGreen,       0,             kLights},
  {kLabel,  "lbldg",      "desktop",   360,  660,  480,  255, {},                  0,             kLights},
  {kScroll, "dg",         "desktop",   840,  660, 2400,  255, {}},
  {kLabel,  "Label11",    "desktop",   120, 1020,  240,  255, texts::kBlue,        0,             kLights},
  {kLabel,  "lbldb",      "desktop",   360, 1020,  480,  255, {},                  0,             kLights},
  {kScroll, "db",         "desktop",   840, 1020, 2400,  255, {}},
  {kCheck,  "chkdesk",    "desktop",   120, 1350, 1800,  255, texts::kLock,        0,             kLights},
  {kFrame,  "glide",      kForm,       120, 2760, 5760, 1740, texts::kGlide,       0,             kLights},
  {kLabel,  "Label4",     "glide",     120,  300,  240,  255, texts::kRed,         0,             kLights},
  {kLabel,  "lblgr",      "glide",     360,  300,  480,  255, {},                  0,             kLights},
  {kScroll, "gr",         "glide",     840,  300, 2400,  255, {}},
  {kLabel,  "Label1",     "glide",    3360,  240, 2280, 1380, texts::kGlideNote,   kSmallInDutch, kLights},
  {kLabel,  "Label8",     "glide",     120,  660,  240,  255, texts::kGreen,       0,             kLights},
  {kLabel,  "lblgg",      "glide",     360,  660,  480,  255, {},                  0,             kLights},
  {kScroll, "gg",         "glide",     840,  660, 2400,  255, {}},
  {kLabel,  "Label9",     "glide",     120, 1020,  240,  255, texts::kBlue,        0,             kLights},
  {kLabel,  "lblgb",      "glide",     360, 1020,  480,  255, {},                  0,             kLights},
  {kScroll, "gb",         "glide",     840, 1020, 2400,  255, {}},
  {kCheck,  "chkglide",   "glide",     120, 1350, 1800,  255, texts::kLock,        0,             kLights},
  {kFrame,  "direct3d",   kForm,       120, 4560, 5760, 1740, texts::kDirect3D,    0,             kLights},
  {kLabel,  "Label5",     "direct3d",  120,  300,  240,  255, texts::kRed,         0,             kLights},
  {kLabel,  "lblddr",     "direct3d",  360,  300,  480,  255, {},                  0,             kLights},
  {kScroll, "ddr",        "direct3d",  840,  300, 2400,  255, {}},
  {kLabel,  "Label2",     "direct3d", 3360,  240, 2280, 1380, texts::kDirect3DNote, kSmallInDutch, kLights},
  {kLabel,  "Label6",     "direct3d",  120,  660,  240,  255, texts::kGreen,       0,             kLights},
  {kLabel,  "lblddg",     "direct3d",  360,  660,  480,  255, {},                  0,             kLights},
  {kScroll, "ddg",        "direct3d",  840,  660, 2400,  255, {}},
  {kLabel,  "Label7",     "direct3d",  120, 1020,  240,  255, texts::kBlue,        0,             kLights},
  {kLabel,  "lblddb",     "direct3d",  360, 1020,  480,  255, {},                  0,             kLights},
  {kScroll, "ddb",        "direct3d",  840, 1020, 2400,  255, {}},
  {kCheck,  "chkd3d",     "direct3d",  120, 1350, 1800,  255, texts::kLock,        0,             kLights},
};
// clang-format on

constexpr auto kRows = look::Pack(kControls);
constexpr look::WindowDesign kWindow{"frmgamma", texts::kCaption, 6000, 6420, kRows, {}};

}  // namespace gamma_settings::design
