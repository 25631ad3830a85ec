// The desktop window's texts: the English design, and the Dutch texts that
// replace some of it.
#pragma once

// English, as designed; what Dutch does not replace stays so in Dutch.
namespace desktop::english {
constexpr const char* kCaption = "Windows Options";
constexpr const char* kResolutionFrame = "Desktop Resolution";
constexpr const char* kResolutionPrompt = "Choose you desktop resolution:";
constexpr const char* kResolution = "640,480";
constexpr const char* kDepthPrompt = "Choose your desktop color depth:";
constexpr const char* kDepth4 = "4bit";
constexpr const char* kDepth8 = "8bit";
constexpr const char* kDepth16 = "16bit";
constexpr const char* kDepth24 = "24bit";
constexpr const char* kDepth32 = "32bit";
constexpr const char* kResolutionNote =
    "These settings only apply to 2D.  Some monitors may not be able to handle higher "
    "resolutions.";
constexpr const char* kFontFrame = "Windows Font Sizes";
constexpr const char* kFontSizePrompt =
    "Move the scroll bar to select which font size you want to use.";
constexpr const char* kFontSizeCaption = "Font Size:";
// Replaced by the size before the window is first shown.
constexpr const char* kFontSizeValue = "Label6";
constexpr const char* kFontSizeNote =
    "The default font size in 96.  The highest is twice as large while the lowest is 1/4 the "
    "size.";
constexpr const char* kOptionsFrame = "Win98 or Win95 Plus Options Only";
constexpr const char* kGdi = "Enable Hardware GDI";
constexpr const char* kShowWhileDragging = "Show Windows While Draging";
constexpr const char* kSmooth = "Smoothe Edges Of Screen Fonts";
constexpr const char* kStretchWallpaper = "Strech Wallpaper To Fill Screen";
constexpr const char* kWin98Note =
    "These options have been tested and work with Windows 98.  They won't work with Win95 "
    "unless you have the Plus pack installed.";
constexpr const char* kMessageTitle = "Tarnolux";
constexpr const char* kBadResolution = "Type the resolution as width,height, for example 800,600.";
}  // namespace desktop::english

namespace desktop::dutch {
constexpr const char* kResolutionFrame = "Resolutie bureaublad";
constexpr const char* kResolutionPrompt = "Kies uw bureaublad resolutie:";
constexpr const char* kDepthPrompt = "Kies de kleurendiepte van uw bureaublad:";
constexpr const char* kResolutionNote =
    "Deze instellingen slaan alleen op het 2D gedeelte. Sommige monitors zullen deze hogere "
    "resoluties niet aankunnen.";
constexpr const char* kFontFrame = "Windows lettertypegrootte";
constexpr const char* kFontSizePrompt =
    "Verplaats de slider om de grootte van uw lettertype te kiezen";
constexpr const char* kFontSizeCaption = "Letter grootte:";
constexpr const char* kFontSizeNote =
    "De standaardwaarde is 96. De grootste waarde is dubbel zo groot en de kleinste versie is "
    "¼ van deze waarde.";
constexpr const char* kOptionsFrame = "Opties alleen voor Win98 of Win95 Plus";
constexpr const char* kGdi = "Laat GDI in hardware toe.";
constexpr const char* kShowWhileDragging = "Geeft de inhoud weer bij verslepen vensters.";
constexpr const char* kSmooth = "Vloeiende randen bij schermlettertypen";
constexpr const char* kStretchWallpaper = "Rekken van achtergrondafbeelding tot volledig scherm";
constexpr const char* kWin98Note =
    "Deze opties werken alleen bij Windows 98 en ook bij Windows95 als het Plus pack is "
    "geïnstalleerd";
constexpr const char* kBadResolution = "Typ de resolutie als breedte,hoogte, bijvoorbeeld 800,600.";
// Some long Dutch texts need the small font.
constexpr const char* kSmallFont = "Small Fonts";
constexpr double kSmallFontSize = 7;
}  // namespace desktop::dutch
