// The information window as designed: every control in tab order (top to
// bottom, left to right), each line of the frames a caption label (lbl...)
// reaching up to the value label after it, which shows stored text as it
// is, "&" included (kNoMnemonic).
#pragma once

#include "info/texts.h"
#include "look/design.h"

namespace info::design {

using namespace look::rows;
using look::kBold;
using look::kLarge;
using look::kNoMnemonic;
using look::kSmallInDutch;

// As designed, the value labels "Label5" to "Label12" and the two buttons
// have no hover reaction. The information frame's caption stays empty
// until Load appends the model. "Label15" comes last in its frame so that
// it draws over the value labels' empty right ends, which reach under it.
// The driver version reaches up to the provider's caption: "4.12.01.1222"
// is 63 pixels wide at 96 DPI.
// clang-format off
constexpr look::ControlDesign kControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover
  {kImage,  "Image2",           kForm,         360,  120,  765,  585, {},                  0,                  kRests},
  {kImage,  "imgvoodoo3",       kForm,        1080,  120, 2490,  570, {},                  0,                  kRests},
  {kImage,  "Image1",           kForm,        3600,  120,  765,  585, {},                  0,                  kRests},
  {kButton, "quitcmd",          kForm,        4680,  120,  975,  255, texts::kExit},
  {kButton, "back",             kForm,        4680,  480,  975,  255, texts::kBack},
  {kFrame,  "framinfo",         kForm,         120,  840, 5535, 4575, {},                  kBold,              kLights},
  {kLabel,  "lblproduct",       "framinfo",    120,  240,  720,  255, texts::kProduct,     0,                  kLights},
  {kLabel,  "Label3",           "framinfo",    840,  240, 3855,  255, {},                  kNoMnemonic,        kLights},
  {kLabel,  "lblHardVersion",   "framinfo",    120,  600, 1440,  255, texts::kHardVersion, 0,                  kLights},
  {kLabel,  "Label4",           "framinfo",   1560,  600, 3255,  255, {},                  kNoMnemonic,        kLights},
  {kLabel,  "lblManufact",      "framinfo",    120,  960, 1080,  255, texts::kManufacturer, 0,                 kLights},
  {kLabel,  "Label5",           "framinfo",   1200,  960, 3855,  255, {},                  kNoMnemonic},
  {kLabel,  "lblBusType",       "framinfo",    120, 1320,  840,  255, texts::kBusType,     0,                  kLights},
  {kLabel,  "Label6",           "framinfo",    960, 1320, 3975,  255, {},                  kNoMnemonic},
  {kLabel,  "lblMemoryType",    "framinfo",    120, 1680, 1080,  255, texts::kMemoryType,  kSmallInDutch,      kLights},
  {kLabel,  "Label7",           "framinfo",   1200, 1680, 3495,  255, {},                  kNoMnemonic},
  {kLabel,  "lblTotalMemory",   "framinfo",    120, 2040, 1680,  255, texts::kTotalMemory, kSmallInDutch,      kLights},
  {kLabel,  "Label8",           "framinfo",   1800, 2040, 3375,  255, {},                  kNoMnemonic},
  {kLabel,  "lblmemoryspeed",   "framinfo",    120, 2400, 1680,  255, texts::kMemorySpeed, kSmallInDutch,      kLights},
  {kLabel,  "Label9",           "framinfo",   1800, 2400, 3135,  255, {},                  kNoMnemonic},
  {kLabel,  "lblGraphicsSpeed", "framinfo",    120, 2760, 1680,  255, texts::kGraphicsSpeed, kSmallInDutch,    kLights},
  {kLabel,  "Label10",          "framinfo",   1800, 2760, 2175,  255, {},                  kNoMnemonic},
  {kLabel,  "lblClockSpeed",    "framinfo",    120, 3120, 1440,  255, texts::kClockSpeed,  kSmallInDutch,      kLights},
  {kLabel,  "Label11",          "framinfo",   1560, 3120, 2175,  255, {},                  kNoMnemonic},
  {kLabel,  "lblBIOSVersion",   "framinfo",    120, 3480, 1080,  255, texts::kBiosVersion, 0,                  kLights},
  {kLabel,  "Label12",          "framinfo",   1200, 3480, 3135,  255, {},                  kNoMnemonic},
  {kLabel,  "lblTVOut",         "framinfo",    120, 3840,  600,  255, texts::kTvOut,       0,                  kLights},
  {kLabel,  "Label13",          "framinfo",    720, 3840, 4095,  255, {},                  kNoMnemonic,        kLights},
  {kLabel,  "lblLCD",           "framinfo",    120, 4200,  480,  255, texts::kLcd,         0,                  kLights},
  {kLabel,  "Label14",          "framinfo",    600, 4200, 4575,  255, {},                  kNoMnemonic,        kLights},
  {kLabel,  "Label15",          "framinfo",   3120,  360, 2055, 3615, texts::kAbout,       kBold | kLarge,     kLights},
  {kFrame,  "framDriver",       kForm,         120, 5520, 5535,  735, texts::kDriverFrame, kBold,              kLights},
  {kLabel,  "lblDVersion",      "framDriver",  120,  360, 1095,  255, texts::kDriverVersion, 0,                kLights},
  {kLabel,  "label2",           "framDriver", 1200,  360, 1200,  255, {},                  kNoMnemonic,        kLights},
  {kLabel,  "lblProvider",      "framDriver", 2400,  360,  735,  255, texts::kProvider,    0,                  kLights},
  {kLabel,  "Label1",           "framDriver", 3120,  360, 1935,  255, {},                  kNoMnemonic,        kLights},
};

// The longer Dutch captions push their values to the right. The long
// "Stuurprogramma versie:" leaves no room for the version beside it (not
// at Left 1800, as the Dutch table has it): the version gets a line of its
// own below its caption and the driver frame grows by that line. The
// provider's caption is wide enough for 120 DPI too.
constexpr look::DutchPlace kDutchPlaces[] = {
  // name               left  top width height
  {"Label5",             960,  960, 3855,  255},
  {"lblTotalMemory",     120, 2040, 1935,  255},
  {"Label8",            2040, 2040, 3375,  255},
  {"lblGraphicsSpeed",   120, 2760, 2200,  255},
  {"Label10",           2400, 2760, 2175,  255},
  {"lblClockSpeed",      120, 3120, 2200,  255},
  {"Label11",           2400, 3120, 2175,  255},
  {"Label12",           1080, 3480, 3135,  255},
  {"lblDVersion",        120,  360, 2055,  255},
  {"Label1",            3360,  360, 1935,  255},
  {"lblProvider",       2160,  360, 1200,  255},
  {"label2",             120,  615, 2055,  255},
  {"framDriver",         120, 5520, 5535,  990},
};
// clang-format on

constexpr auto kRows = look::Pack(kControls);
constexpr look::WindowDesign kWindow{"frminfo", texts::kCaption, 5850, 6390, kRows, kDutchPlaces};

}  // namespace info::design
