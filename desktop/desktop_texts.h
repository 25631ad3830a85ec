// The desktop window's texts: the English design and the Dutch table.
#pragma once

namespace desktop {

namespace english {
constexpr const char* kCaption = "Windows Options";
constexpr const char* kOk = "&OK";
constexpr const char* kCancel = "&Cancel";
constexpr const char* kFramreso = "Desktop Resolution";
constexpr const char* kLabel1 = "Choose you desktop resolution:";
constexpr const char* kCombo1 = "640,480";
constexpr const char* kLabel2 = "Choose your desktop color depth:";
constexpr const char* kOption1 = "4bit";
constexpr const char* kOption3 = "8bit";
constexpr const char* kOption2 = "16bit";
constexpr const char* kOption4 = "24bit";
constexpr const char* kOption5 = "32bit";
constexpr const char* kLabel3 =
    "These settings only apply to 2D.  Some monitors may not be able to handle higher "
    "resolutions.";
constexpr const char* kFramfont = "Windows Font Sizes";
constexpr const char* kLabel4 = "Move the scroll bar to select which font size you want to use.";
constexpr const char* kLabel5 = "Font Size:";
constexpr const char* kLabel6 = "Label6";
constexpr const char* kLabel7 =
    "The default font size in 96.  The highest is twice as large while the lowest is 1/4 the "
    "size.";
constexpr const char* kFramcow = "Win98 or Win95 Plus Options Only";
constexpr const char* kGdi = "Enable Hardware GDI";
constexpr const char* kShowC = "Show Windows While Draging";
constexpr const char* kSmooth = "Smoothe Edges Of Screen Fonts";
constexpr const char* kStrech = "Strech Wallpaper To Fill Screen";
constexpr const char* kLabel8 =
    "These options have been tested and work with Windows 98.  They won't work with Win95 "
    "unless you have the Plus pack installed.";
constexpr const char* kBadResolution = "Type the resolution as width,height, for example 800,600.";
}  // namespace english

namespace dutch {
constexpr const char* kCancel = "Annuleren";
constexpr const char* kFramreso = "Resolutie bureaublad";
constexpr const char* kLabel1 = "Kies uw bureaublad resolutie:";
constexpr const char* kLabel2 = "Kies de kleurendiepte van uw bureaublad:";
constexpr const char* kLabel3 =
    "Deze instellingen slaan alleen op het 2D gedeelte. Sommige monitors zullen deze hogere "
    "resoluties niet aankunnen.";
constexpr const char* kFramfont = "Windows lettertypegrootte";
constexpr const char* kLabel4 = "Verplaats de slider om de grootte van uw lettertype te kiezen";
constexpr const char* kLabel5 = "Letter grootte:";
constexpr const char* kLabel7 =
    "De standaardwaarde is 96. De grootste waarde is dubbel zo groot en de kleinste versie is "
    "¼ van deze waarde.";
constexpr const char* kFramcow = "Opties alleen voor Win98 of Win95 Plus";
constexpr const char* kGdi = "Laat GDI in hardware toe.";
constexpr const char* kShowC = "Geeft de inhoud weer bij verslepen vensters.";
constexpr const char* kSmooth = "Vloeiende randen bij schermlettertypen";
constexpr const char* kStrech = "Rekken van achtergrondafbeelding tot volledig scherm";
constexpr const char* kLabel8 =
    "Deze opties werken alleen bij Windows 98 en ook bij Windows95 als het Plus pack is "
    "geïnstalleerd";
constexpr const char* kBadResolution = "Typ de resolutie als breedte,hoogte, bijvoorbeeld 800,600.";
}  // namespace dutch

constexpr const char* kMessageTitle = "Tarnolux";

}  // namespace desktop
