// The main window's and the language window's texts: the English design
// and the Dutch table. The check-box captions keep their runs of blanks:
// they push the second part of each caption onto a second line.
#pragma once

namespace app {

// ---- Main window (frmv3), English design ----
constexpr const char* kCaption = "Tarnolux 1.7";
constexpr const char* kInfo = "&Info";
constexpr const char* kWindows = "&Windows";
constexpr const char* kPreset = "&Pre Set";
constexpr const char* kAdvanced = "&Advanced";
constexpr const char* kApply = "&Apply";
constexpr const char* kRefresh = "&Refresh";
constexpr const char* kGamma = "&Gamma";
constexpr const char* kSpeedFrame = "Speed";
constexpr const char* kClockMemory = "Clock/Memory";
constexpr const char* kVsyncFrame = "Vsync";
constexpr const char* kVsyncD3d =
    "Dissable Vsync for Direct3D.                                 (better performance yet might "
    "cause screen tearing)";
constexpr const char* kVsyncGlide =
    "Dissable Vsync for Glide/OpenGL.                      (better performance yet might cause "
    "screen tearing)";
constexpr const char* kMiscFrame = "Miscellaneous";
constexpr const char* kMipmap =
    "Force Mipmap dithering in Glide/OpenGL.          (higher quality graphics, highly "
    "recommended)";
constexpr const char* kSplash =
    "Dissable the Glide/OpenGL spash screen.         (removes rotating 3dfx logo)";
constexpr const char* kTextureLimit =
    "Limit texture memory to 2MB in Glide/OpenGL.    (only check this if you are having "
    "problems)";
constexpr const char* kAntiAlias =
    "Enable Anti-alaising in Direct3D.                      (better video quality yet slower "
    "performance)";
constexpr const char* kTriple =
    "Force tripple buffering in Glide/OpenGL.          (faster performance on gamess which "
    "support it)";
constexpr const char* kCredit = "Tarnolux 1.7 by the Tarnolux developers";
constexpr const char* kContact = "Questions and comments: tarnolux@example.org";

// The model the adapter's outputs tell, appended to the caption.
constexpr const char* kModel2000 = " (Voodoo3 2000)";
constexpr const char* kModel3000 = " (Voodoo3 3000)";
constexpr const char* kModel3500 = " (Voodoo3 3500)";

constexpr const char* kMessageTitle = "Tarnolux";
constexpr const char* kRebootMessage = "You must reboot for some settings to take effect.";
constexpr const char* kNoDriverMessage = "No 3dfx Voodoo3 display driver was found.";

// ---- Main window, Dutch ----
struct DutchText {
  const char* control;  // design name
  const char* text;
};
constexpr DutchText kDutchTexts[] = {
    {"Label1", "Klok/Geheugen"},
    {"framclk", "Snelheid"},
    {"crap", "Allerlei"},
    {"chkvg",
     "Schakelt Vsync uit voor Glide/OpenGL          (Betere prestaties, maar mindere "
     "beelkwaliteit)"},
    {"chkvd3d",
     "Schakelt Vsync uit voor Direct3D                   (Betere prestaties, maar mindere "
     "beelkwaliteit)"},
    {"chkanti",
     "Toelaten van gebruik van anti-aliasing in Direct3D (Betere beeldkwaliteit maar mindere "
     "prestaties)"},
    {"chk2mb", "Textuurgeheugen beperken tot 2MB in Glide/OpenGL"},
    {"chksplash",
     "Schakelt het Glide/OpenGL splash screen uit (Schakelt het draaiende 3dfx logo uit)"},
    {"chkmipmap",
     "Forceer mipmap rasteren in Glide/OpenGL      (Beter visuele kwaliteit, sterk aangeraden)"},
    {"chktripple", "Forceer drievoudige buffering in Glide/OpenGL"},
    {"Label3", "(Betere prestaties bij spellen die het ondersteunen)"},
    {"adv", "Geavanceerd"},
    {"apply", "Toepassen"},
};
constexpr const char* kNoDriverMessageNl =
    "Er is geen 3dfx Voodoo3 beeldschermstuurprogramma gevonden.";
// "Geavanceerd" needs the small font to fit its button.
constexpr const char* kSmallFontName = "Small Fonts";
constexpr double kSmallFontSize = 7;

// ---- Language window (FrmLanguage) ----
constexpr const char* kLanguageCaption = "Language";
constexpr const char* kEnglish = "&English";
constexpr const char* kDutch = "&Dutch";

}  // namespace app
