// The advanced window's texts: the English design and the Dutch table.
#pragma once

namespace advanced {

// English design.
constexpr const char* kCaption = "Tarnolux Advanced Settings";
constexpr const char* kOk = "&OK";
constexpr const char* kCancel = "&Cancel";
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
constexpr const char* kExplanation =
    "Changing Alpha-Blending to sharper will result in a  \"screen door\" effect.  Smoother "
    "will performe a slight slower without the \"screen door\" effect.  High detail is enabling "
    "the 22bit color filter.  Automatic settings allow your adapter to decide the settings for "
    "you.";
constexpr const char* kFooter = "Tarnolux for 3dfx Voodoo3";

// Dutch.
constexpr const char* kCancelNl = "Annuleren";
constexpr const char* kGlideFrameNl = "Geavanceerde Glide/OpenGL instellingen";
constexpr const char* kDirect3dFrameNl = "Geavanceerde Direct3D instellingen";
constexpr const char* kAlphaAutoNl = "Plaats alfavermenging op automatisch";
constexpr const char* kAlphaSharperNl = "Plaats alfavermenging op scherper";
constexpr const char* kAlphaSmootherNl = "Plaats alfavermenging op vloeiender";
constexpr const char* kDetailAutoNl = "Automatisch beslissen over detail instellingen";
constexpr const char* kDetailNormalNl = "Plaats detail instellingen op normaal";
constexpr const char* kDetailHighNl = "Plaats detail instellingen op hoog";
constexpr const char* kExplanationNl =
    "Veranderen van de alfavermenging naar scherper zal een 'screen door' effect geven. "
    "Vloeiender zal iets trager werken, maar zal het 'screen door' effect tenietdoen. Hoog "
    "detail schakelt het gebruik van de 22 bit filter in. Automatische instellingen laat de "
    "videokaart voor u beslissen";
// The long Dutch texts need the small font.
constexpr const char* kSmallFontName = "Small Fonts";
constexpr double kSmallFontSize = 7;

}  // namespace advanced
