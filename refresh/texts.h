// The refresh window's texts: the English design, and the Dutch texts that
// replace some of it.
#pragma once

// English, as designed; what Dutch does not replace stays so in Dutch.
namespace refresh::english {

// One resolution row: its label and the choices its box offers.
struct RowDesign {
  const char* caption;
  const char* choices;  // separated by single blanks
};

// Rows 1 to 15, in the order of registry::kResolutionList. The driver
// knows row 15 as 2046 wide, and rows 8 and 13 offer 76 Hz.
constexpr RowDesign kRowDesign[15] = {
    {"640x480", "Best 60 72 75 85 100 120 140 160"},
    {"800x600", "Best 60 72 75 85 100 120 140 160"},
    {"960x720", "Best 60 75 85"},
    {"1024x768", "Best 60 75 85 100 120"},
    {"1152x864", "Best 60 75 85 100 120"},
    {"1280x960", "Best 60 75 85"},
    {"1280x1024", "Best 60 75 85 100"},
    {"1600x1024", "Best 60 76 85"},
    {"1600x1200", "Best 60 65 70 75 80 85 100"},
    {"1792x1344", "Best 60 75"},
    {"1856x1392", "Best 60 75"},
    {"1920x1080", "Best 60 72 75 85"},
    {"1920x1200", "Best 60 76 85"},
    {"1920x1440", "Best 60 75"},
    {"2046x1536", "Best 60 75"},
};

constexpr const char* kCaption = "Tarnolux Refreash Rates Settings";
constexpr const char* kRatesFrame = "Refresh Rates";
constexpr const char* kDepthFrame = "Color Depths";
constexpr const char* kBit8 = "8bit";
constexpr const char* kBit16 = "16bit";
constexpr const char* kBit24 = "24bit";
constexpr const char* kBit32 = "32bit";
constexpr const char* kLinkAllBit = "Link all color depths.";
constexpr const char* kRatesNote =
    "Changing these options will change how many time your monitor refreshes itself in one "
    "secound, all values are in Hz.  Some monitors won't be able to handle the higher refresh "
    "rates.";
constexpr const char* kMessageTitle = "Tarnolux";
// Follows the row's caption: "1024x768: choose ...".
constexpr const char* kBadRate = ": choose Best or type a refresh rate in Hz.";

}  // namespace refresh::english

namespace refresh::dutch {
constexpr const char* kRatesFrame = "Vernieuwingsfrequenties";
constexpr const char* kDepthFrame = "Kleurendieptes";
constexpr const char* kLinkAllBit = "Koppel alle kleurendieptes";
constexpr const char* kRatesNote =
    "Veranderen van deze opties zal de verversingsfrequentie van de monitor wijzigen, alle "
    "waarden zijn in uitgedrukt in Hz. Sommige monitors kunnen de hogere "
    "verversingsfrequenties niet aan.";
constexpr const char* kBadRate = ": kies Best of typ een verversingsfrequentie in Hz.";
// The long Dutch texts need the small font.
constexpr const char* kSmallFont = "Small Fonts";
constexpr double kSmallFontSize = 7;
}  // namespace refresh::dutch
