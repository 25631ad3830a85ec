// The main window's and the language window's texts: the English design,
// and the Dutch texts that replace some of the main window's. The check-box
// captions keep their runs of blanks: they push the second part of each
// caption onto a second line.
#pragma once

// English, as designed; what Dutch does not replace stays so in Dutch.
namespace app::english {

// ---- Main window (frmv3) ----
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

// ---- Language window (FrmLanguage); it has no Dutch texts ----
constexpr const char* kLanguageCaption = "Language";
constexpr const char* kChooseEnglish = "&English";
constexpr const char* kChooseDutch = "&Dutch";

}  // namespace app::english

// The main window's Dutch texts, in the order ApplyDutch sets them. The
// other buttons and the window caption keep their English texts.
namespace app::dutch {
constexpr const char* kClockMemory = "Klok/Geheugen";
constexpr const char* kSpeedFrame = "Snelheid";
constexpr const char* kMiscFrame = "Allerlei";
constexpr const char* kVsyncGlide =
    "Schakelt Vsync uit voor Glide/OpenGL          (Betere prestaties, maar mindere "
    "beelkwaliteit)";
constexpr const char* kVsyncD3d =
    "Schakelt Vsync uit voor Direct3D                   (Betere prestaties, maar mindere "
    "beelkwaliteit)";
constexpr const char* kAntiAlias =
    "Toelaten van gebruik van anti-aliasing in Direct3D (Betere beeldkwaliteit maar mindere "
    "prestaties)";
constexpr const char* kTextureLimit = "Textuurgeheugen beperken tot 2MB in Glide/OpenGL";
constexpr const char* kSplash =
    "Schakelt het Glide/OpenGL splash screen uit (Schakelt het draaiende 3dfx logo uit)";
constexpr const char* kMipmap =
    "Forceer mipmap rasteren in Glide/OpenGL      (Beter visuele kwaliteit, sterk aangeraden)";
constexpr const char* kTriple = "Forceer drievoudige buffering in Glide/OpenGL";
// The second line of the triple-buffering text, a label of its own.
constexpr const char* kTripleSecondLine = "(Betere prestaties bij spellen die het ondersteunen)";
constexpr const char* kAdvanced = "Geavanceerd";
constexpr const char* kApply = "Toepassen";
constexpr const char* kNoDriverMessage =
    "Er is geen 3dfx Voodoo3 beeldschermstuurprogramma gevonden.";
// "Geavanceerd" needs the small font to fit its button.
constexpr const char* kSmallFont = "Small Fonts";
constexpr double kSmallFontSize = 7;
}  // namespace app::dutch
