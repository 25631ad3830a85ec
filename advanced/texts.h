// The advanced window's texts: the English design, and the Dutch texts that
// replace some of it.
#pragma once

// English, as designed; what Dutch does not replace stays so in Dutch.
namespace advanced::english {
constexpr const char* kCaption = "Tarnolux Advanced Settings";
constexpr const char* kGlideFrame = "Advanced Glide/OpenGL Settings";
constexpr const char* kDirect3dFrame = "Advanced Direct3D Settings";
constexpr const char* kAlphaAuto = "Set Alpha-Blending To Automatic";
constexpr const char* kAlphaSharper = "Set Alpha-Blending To Sharper";
constexpr const char* kAlphaSmoother = "Set Alpha-Blending To Smoother";
constexpr const char* kDetailAuto = "Automatically Decide Detail Levels";
constexpr const char* kDetailNormal = "Set Detail Levels To Normal";
constexpr const char* kDetailHigh = "Set Detail Levels To High";
// The inner frames' design captions; they are drawn so that they do not show.
constexpr const char* kAlphaFrame = "Frame1";
constexpr const char* kDetailFrame = "Frame2";
constexpr const char* kNote =
    "Changing Alpha-Blending to sharper will result in a  \"screen door\" effect.  Smoother "
    "will performe a slight slower without the \"screen door\" effect.  High detail is enabling "
    "the 22bit color filter.  Automatic settings allow your adapter to decide the settings for "
    "you.";
constexpr const char* kFooter = "Tarnolux for 3dfx Voodoo3";
}  // namespace advanced::english

namespace advanced::dutch {
constexpr const char* kGlideFrame = "Geavanceerde Glide/OpenGL instellingen";
constexpr const char* kDirect3dFrame = "Geavanceerde Direct3D instellingen";
constexpr const char* kAlphaAuto = "Plaats alfavermenging op automatisch";
constexpr const char* kAlphaSharper = "Plaats alfavermenging op scherper";
constexpr const char* kAlphaSmoother = "Plaats alfavermenging op vloeiender";
constexpr const char* kDetailAuto = "Automatisch beslissen over detail instellingen";
constexpr const char* kDetailNormal = "Plaats detail instellingen op normaal";
constexpr const char* kDetailHigh = "Plaats detail instellingen op hoog";
constexpr const char* kNote =
    "Veranderen van de alfavermenging naar scherper zal een 'screen door' effect geven. "
    "Vloeiender zal iets trager werken, maar zal het 'screen door' effect tenietdoen. Hoog "
    "detail schakelt het gebruik van de 22 bit filter in. Automatische instellingen laat de "
    "videokaart voor u beslissen";
// The long Dutch texts need the small font.
constexpr const char* kSmallFont = "Small Fonts";
constexpr double kSmallFontSize = 7;
}  // namespace advanced::dutch
