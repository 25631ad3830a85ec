// The advanced window's texts: each design text in English, and the Dutch
// that replaces it where there is one.
#pragma once

#include "look/texts.h"

namespace advanced::texts {

using look::Text;

constexpr Text kCaption{"Tarnolux Advanced Settings"};
constexpr Text kGlideFrame{"Advanced Glide/OpenGL Settings",
                           "Geavanceerde Glide/OpenGL instellingen"};
constexpr Text kDirect3dFrame{"Advanced Direct3D Settings", "Geavanceerde Direct3D instellingen"};
constexpr Text kAlphaAuto{"Set Alpha-Blending To Automatic",
                          "Plaats alfavermenging op automatisch"};
constexpr Text kAlphaSharper{"Set Alpha-Blending To Sharper", "Plaats alfavermenging op scherper"};
constexpr Text kAlphaSmoother{"Set Alpha-Blending To Smoother",
                              "Plaats alfavermenging op vloeiender"};
constexpr Text kDetailAuto{"Automatically Decide Detail Levels",
                           "Automatisch beslissen over detail instellingen"};
constexpr Text kDetailNormal{"Set Detail Levels To Normal",
                             "Plaats detail instellingen op normaal"};
constexpr Text kDetailHigh{"Set Detail Levels To High", "Plaats detail instellingen op hoog"};
// The inner frames' design captions; they are drawn so that they do not show.
constexpr Text kAlphaFrame{"Frame1"};
constexpr Text kDetailFrame{"Frame2"};
constexpr Text kNote{
    "Changing Alpha-Blending to sharper will result in a  \"screen door\" effect.  Smoother "
    "will performe a slight slower without the \"screen door\" effect.  High detail is enabling "
    "the 22bit color filter.  Automatic settings allow your adapter to decide the settings for "
    "you.",
    "Veranderen van de alfavermenging naar scherper zal een 'screen door' effect geven. "
    "Vloeiender zal iets trager werken, maar zal het 'screen door' effect tenietdoen. Hoog "
    "detail schakelt het gebruik van de 22 bit filter in. Automatische instellingen laat de "
    "videokaart voor u beslissen"};
constexpr Text kFooter{"Tarnolux for 3dfx Voodoo3"};

}  // namespace advanced::texts
