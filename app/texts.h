// The main window's and the language window's texts: each design text in
// English, and the Dutch that replaces it where there is one. The check-box
// captions keep their runs of blanks: they push the second part of each
// caption onto a second line.
#pragma once

#include "look/texts.h"

namespace app::texts {

using look::Text;

// ---- Main window (frmv3) ----
constexpr Text kCaption{"Tarnolux 1.7"};
constexpr Text kInfo{"&Info"};
constexpr Text kWindows{"&Windows"};
constexpr Text kPreset{"&Pre Set"};
constexpr Text kAdvanced{"&Advanced", "Geavanceerd"};
constexpr Text kApply{"&Apply", "Toepassen"};
constexpr Text kRefresh{"&Refresh"};
constexpr Text kGamma{"&Gamma"};
constexpr Text kGames{"Ga&mes", "Spe&llen"};
constexpr Text kSpeedFrame{"Speed", "Snelheid"};
constexpr Text kClockMemory{"Clock/Memory", "Klok/Geheugen"};
constexpr Text kVsyncFrame{"Vsync"};
constexpr Text kVsyncD3d{
    "Dissable Vsync for Direct3D.                                 (better performance yet might "
    "cause screen tearing)",
    "Schakelt Vsync uit voor Direct3D                   (Betere prestaties, maar mindere "
    "beelkwaliteit)"};
constexpr Text kVsyncGlide{
    "Dissable Vsync for Glide/OpenGL.                      (better performance yet might cause "
    "screen tearing)",
    "Schakelt Vsync uit voor Glide/OpenGL          (Betere prestaties, maar mindere "
    "beelkwaliteit)"};
constexpr Text kMiscFrame{"Miscellaneous", "Allerlei"};
constexpr Text kMipmap{
    "Force Mipmap dithering in Glide/OpenGL.          (higher quality graphics, highly "
    "recommended)",
    "Forceer mipmap rasteren in Glide/OpenGL      (Beter visuele kwaliteit, sterk aangeraden)"};
constexpr Text kSplash{
    "Dissable the Glide/OpenGL spash screen.         (removes rotating 3dfx logo)",
    "Schakelt het Glide/OpenGL splash screen uit (Schakelt het draaiende 3dfx logo uit)"};
constexpr Text kTextureLimit{
    "Limit texture memory to 2MB in Glide/OpenGL.    (only check this if you are having "
    "problems)",
    "Textuurgeheugen beperken tot 2MB in Glide/OpenGL"};
constexpr Text kAntiAlias{
    "Enable Anti-alaising in Direct3D.                      (better video quality yet slower "
    "performance)",
    "Toelaten van gebruik van anti-aliasing in Direct3D (Betere beeldkwaliteit maar mindere "
    "prestaties)"};
constexpr Text kTriple{
    "Force tripple buffering in Glide/OpenGL.          (faster performance on gamess which "
    "support it)",
    "Forceer drievoudige buffering in Glide/OpenGL"};
constexpr Text kCredit{"Tarnolux 1.7 by the Tarnolux developers"};
constexpr Text kContact{"Questions and comments: tarnolux@example.org"};

// The model the adapter's outputs tell, appended to the caption.
constexpr Text kModel2000{" (Voodoo3 2000)"};
constexpr Text kModel3000{" (Voodoo3 3000)"};
constexpr Text kModel3500{" (Voodoo3 3500)"};

constexpr Text kMessageTitle{"Tarnolux"};
constexpr Text kRebootMessage{"You must reboot for some settings to take effect."};
constexpr Text kNoDriverMessage{"No 3dfx Voodoo3 display driver was found.",
                                "Er is geen 3dfx Voodoo3 beeldschermstuurprogramma gevonden."};

// ---- Language window (FrmLanguage); it has no Dutch texts ----
constexpr Text kLanguageCaption{"Language"};
constexpr Text kChooseEnglish{"&English"};
constexpr Text kChooseDutch{"&Dutch"};

// Empty in English: the second line of the Dutch triple-buffering text, a
// label of its own.
constexpr Text kTripleSecondLine{"", "(Betere prestaties bij spellen die het ondersteunen)"};

}  // namespace app::texts
