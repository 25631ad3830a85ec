// The advanced window as designed, in tab order: the top row, the Glide
// frame above the Direct3D frame, then the footer. Each option group sits
// in an inner frame of its own, so that its options exclude each other
// and nothing else; the inner frames' captions do not show (Design).
#pragma once

#include "advanced/texts.h"
#include "look/design.h"

namespace advanced::design {

using namespace look::rows;
using look::kSmallInDutch;

// As designed, only "Frame3" of the inner frames lights its API frame:
// the empty areas of the other three, and the two buttons, leave the
// colours as they are. The window caption, "&OK" and the footer keep
// their design texts in Dutch.
// clang-format off
constexpr look::ControlDesign kControls[] = {
  // kind, design name, frame, left, top, width, height (twips), text, style, hover
  {kImage,  "Image1",         kForm,           120,  120,  765,  585, {},                    0,             kRests},
  {kImage,  "imgvoodoo3",     kForm,          1005,  120, 2490,  585, {},                    0,             kRests},
  {kImage,  "Image2",         kForm,          3615,  120,  765,  585, {},                    0,             kRests},
  {kButton, "ok",             kForm,          5520,  120, 1200,  345, look::kOk},
  {kButton, "cancel",         kForm,          5520,  525, 1200,  345, look::kCancel},
  {kFrame,  "framGlide",      kForm,           120, 1020, 6600, 2460, texts::kGlideFrame,    0,             kLights},
  {kFrame,  "Frame3",         "framGlide",     120,  240, 3360, 1020, texts::kAlphaFrame,    0,             kLights},
  {kOption, "glideautO",      "Frame3",        120,  210, 3120,  240, texts::kAlphaAuto,     kSmallInDutch, kLights},
  {kOption, "glidesharpeR",   "Frame3",        120,  450, 3120,  240, texts::kAlphaSharper,  kSmallInDutch, kLights},
  {kOption, "glidesmootheR",  "Frame3",        120,  690, 3120,  240, texts::kAlphaSmoother, kSmallInDutch, kLights},
  {kFrame,  "Frame4",         "framGlide",     120, 1320, 3360, 1020, texts::kDetailFrame},
  {kOption, "glideDetAuto",   "Frame4",        120,  210, 3120,  240, texts::kDetailAuto,    kSmallInDutch, kLights},
  {kOption, "glidenormaL",    "Frame4",        120,  450, 3120,  240, texts::kDetailNormal,  kSmallInDutch, kLights},
  {kOption, "glidehigH",      "Frame4",        120,  690, 3120,  240, texts::kDetailHigh,    kSmallInDutch, kLights},
  {kLabel,  "Label1",         "framGlide",    3600,  240, 2880, 2100, texts::kNote,          kSmallInDutch, kLights},
  {kFrame,  "framDirect3d",   kForm,           120, 3600, 6600, 2460, texts::kDirect3dFrame, 0,             kLights},
  {kFrame,  "Frame1",         "framDirect3d",  120,  240, 3360, 1020, texts::kAlphaFrame},
  {kOption, "directautO",     "Frame1",        120,  210, 3120,  240, texts::kAlphaAuto,     kSmallInDutch, kLights},
  {kOption, "directsharpeR",  "Frame1",        120,  450, 3120,  240, texts::kAlphaSharper,  kSmallInDutch, kLights},
  {kOption, "directsmootheR", "Frame1",        120,  690, 3120,  240, texts::kAlphaSmoother, kSmallInDutch, kLights},
  {kFrame,  "Frame2",         "framDirect3d",  120, 1320, 3360, 1020, texts::kDetailFrame},
  {kOption, "directAutoDet",  "Frame2",        120,  210, 3120,  240, texts::kDetailAuto,    kSmallInDutch, kLights},
  {kOption, "directnormaL",   "Frame2",        120,  450, 3120,  240, texts::kDetailNormal,  kSmallInDutch, kLights},
  {kOption, "directhigH",     "Frame2",        120,  690, 3120,  240, texts::kDetailHigh,    kSmallInDutch, kLights},
  {kLabel,  "Label2",         "framDirect3d", 3600,  240, 2880, 2100, texts::kNote,          kSmallInDutch, kLights},
  {kLabel,  "Label3",         kForm,           120, 6150, 6600,  255, texts::kFooter,        0,             kRests},
};
// clang-format on

constexpr auto kRows = look::Pack(kControls);
constexpr look::WindowDesign kWindow{"frmnew", texts::kCaption, 6840, 6525, kRows, {}};

}  // namespace advanced::design
