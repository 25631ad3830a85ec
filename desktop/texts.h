// The desktop window's texts: each design text in English, and the Dutch
// that replaces it where there is one.
#pragma once

#include "look/texts.h"

namespace desktop::texts {

using look::Text;

constexpr Text kCaption{"Windows Options"};
constexpr Text kResolutionFrame{"Desktop Resolution", "Resolutie bureaublad"};
constexpr Text kResolutionPrompt{"Choose you desktop resolution:", "Kies uw bureaublad resolutie:"};
constexpr Text kResolution{"640,480"};
constexpr Text kDepthPrompt{"Choose your desktop color depth:",
                            "Kies de kleurendiepte van uw bureaublad:"};
constexpr Text kDepth4{"4bit"};
constexpr Text kDepth8{"8bit"};
constexpr Text kDepth16{"16bit"};
constexpr Text kDepth24{"24bit"};
constexpr Text kDepth32{"32bit"};
constexpr Text kResolutionNote{
    "These settings only apply to 2D.  Some monitors may not be able to handle higher "
    "resolutions.",
    "Deze instellingen slaan alleen op het 2D gedeelte. Sommige monitors zullen deze hogere "
    "resoluties niet aankunnen."};
constexpr Text kFontFrame{"Windows Font Sizes", "Windows lettertypegrootte"};
constexpr Text kFontSizePrompt{"Move the scroll bar to select which font size you want to use.",
                               "Verplaats de slider om de grootte van uw lettertype te kiezen"};
constexpr Text kFontSizeCaption{"Font Size:", "Letter grootte:"};
// Replaced by the size before the window is first shown.
constexpr Text kFontSizeValue{"Label6"};
constexpr Text kFontSizeNote{
    "The default font size in 96.  The highest is twice as large while the lowest is 1/4 the "
    "size.",
    "De standaardwaarde is 96. De grootste waarde is dubbel zo groot en de kleinste versie is "
    "¼ van deze waarde."};
constexpr Text kOptionsFrame{"Win98 or Win95 Plus Options Only",
                             "Opties alleen voor Win98 of Win95 Plus"};
constexpr Text kGdi{"Enable Hardware GDI", "Laat GDI in hardware toe."};
constexpr Text kShowWhileDragging{"Show Windows While Draging",
                                  "Geeft de inhoud weer bij verslepen vensters."};
constexpr Text kSmooth{"Smoothe Edges Of Screen Fonts", "Vloeiende randen bij schermlettertypen"};
constexpr Text kStretchWallpaper{"Strech Wallpaper To Fill Screen",
                                 "Rekken van achtergrondafbeelding tot volledig scherm"};
constexpr Text kWin98Note{
    "These options have been tested and work with Windows 98.  They won't work with Win95 "
    "unless you have the Plus pack installed.",
    "Deze opties werken alleen bij Windows 98 en ook bij Windows95 als het Plus pack is "
    "geïnstalleerd"};
constexpr Text kMessageTitle{"Tarnolux"};
constexpr Text kBadResolution{"Type the resolution as width,height, for example 800,600.",
                              "Typ de resolutie als breedte,hoogte, bijvoorbeeld 800,600."};

}  // namespace desktop::texts
