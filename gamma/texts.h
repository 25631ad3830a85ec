// The gamma window's texts: the English design, and the Dutch texts that
// replace some of it (ApplyDutch, in the order of its table).
#pragma once

// English, as designed; what Dutch does not replace stays so in Dutch.
namespace gamma_settings::english {
constexpr const char* kCaption = "Tarnolux Gamma Settings";
constexpr const char* kDesktop = "Desktop Gamma Settings";
constexpr const char* kGlide = "Glide/OpenGL Gamma Settings";
constexpr const char* kDirect3D = "Direct3D Gamma Settings";
constexpr const char* kLock = "Lock Gamma";
constexpr const char* kRed = "R";
constexpr const char* kGreen = "G";
constexpr const char* kBlue = "B";
constexpr const char* kDesktopNote =
    "Changing these will change the gamma for 2D operations.  You can't damage your Voodoo3 by "
    "changing these.";
constexpr const char* kGlideNote =
    "Changing these will change the gamma for Glide/OpenGL operations.  You can't damage your "
    "Voodoo3 by changing these.";
constexpr const char* kDirect3DNote =
    "Changing these will change the gamma for Direct3D operations.  You can't damage your "
    "Voodoo3 by changing these.";
}  // namespace gamma_settings::english

// Dutch. The Glide and Direct3D notes and the other two link boxes copy
// these texts from their neighbours, so they have no constants of their own.
namespace gamma_settings::dutch {
constexpr const char* kDesktop = "gammainstellingen bureaublad";
constexpr const char* kLock = "Koppel gamma";
constexpr const char* kNote =
    "Deze sliders veranderen de gammainstellingen voor 2D toepassingen. U kan uw Voodoo3 kaart "
    "niet beschadigen door deze instellingen te veranderen";
constexpr const char* kGlide = "gammainstellingen Glide/OpenGL";
constexpr const char* kDirect3D = "gammainstellingen Direct3D";
// The long Dutch notes need the small font.
constexpr const char* kSmallFont = "Small Fonts";
constexpr double kSmallFontSize = 7;
}  // namespace gamma_settings::dutch
