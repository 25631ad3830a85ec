// The gamma window's texts: each design text in English, and the Dutch that
// replaces it where there is one. The Glide and Direct3D notes share the
// desktop note's Dutch.
#pragma once

#include "look/texts.h"

namespace gamma_settings::texts {

using look::Text;

constexpr Text kCaption{"Tarnolux Gamma Settings"};
constexpr Text kDesktop{"Desktop Gamma Settings", "gammainstellingen bureaublad"};
constexpr Text kGlide{"Glide/OpenGL Gamma Settings", "gammainstellingen Glide/OpenGL"};
constexpr Text kDirect3D{"Direct3D Gamma Settings", "gammainstellingen Direct3D"};
constexpr Text kLock{"Lock Gamma", "Koppel gamma"};
constexpr Text kRed{"R"};
constexpr Text kGreen{"G"};
constexpr Text kBlue{"B"};
constexpr Text kDesktopNote{
    "Changing these will change the gamma for 2D operations.  You can't damage your Voodoo3 by "
    "changing these.",
    "Deze sliders veranderen de gammainstellingen voor 2D toepassingen. U kan uw Voodoo3 kaart "
    "niet beschadigen door deze instellingen te veranderen"};
constexpr Text kGlideNote{
    "Changing these will change the gamma for Glide/OpenGL operations.  You can't damage your "
    "Voodoo3 by changing these.",
    kDesktopNote.dutch};
constexpr Text kDirect3DNote{
    "Changing these will change the gamma for Direct3D operations.  You can't damage your "
    "Voodoo3 by changing these.",
    kDesktopNote.dutch};

}  // namespace gamma_settings::texts
