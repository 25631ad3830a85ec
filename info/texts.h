// The card information window's texts: the English design, and the Dutch
// texts that replace some of it (ApplyDutch, in the order of its table).
#pragma once

// English, as designed; what Dutch does not replace stays so in Dutch.
namespace info::english {
constexpr const char* kCaption = "Tarnolux Adapter Information";
constexpr const char* kExit = "&Exit";
constexpr const char* kBack = "&Back";
constexpr const char* kDriverFrame = "Driver Information";
constexpr const char* kProduct = "Product:";
constexpr const char* kHardVersion = "Hardware Version:";
constexpr const char* kManufacturer = "Manufacturer:";
constexpr const char* kBusType = "Bus Type:";
constexpr const char* kMemoryType = "Memory Type:";
constexpr const char* kTotalMemory = "Total Memory Amount:";
constexpr const char* kMemorySpeed = "Memory Clock Speed:";
constexpr const char* kGraphicsSpeed = "Graphics Clock Speed:";
constexpr const char* kClockSpeed = "GFX Clock Speed:";
constexpr const char* kBiosVersion = "BIOS Version:";
constexpr const char* kTvOut = "TV Out:";
constexpr const char* kLcd = "LCD:";
constexpr const char* kDriverVersion = "Driver Version:";
constexpr const char* kProvider = "Provider:";
constexpr const char* kAbout =
    "This is information about your 3dfx Voodoo3 display adapter and drivers.  You cannot cange "
    "these settings through this window.  This window is here for reference uses only.";

// The two fixed values, the same in Dutch.
constexpr const char* kHardVersionValue = "001";
constexpr const char* kManufacturerValue = "3dfx Interactive, Inc.";

// The model caption of the information frame, by model: 2000, 3000, 3500.
// The 3500 text begins with a blank.
constexpr const char* kModelCaptions[] = {"Voodoo3 2000 Information", "Voodoo3 3000 Information",
                                          " Voodoo3 3500 Information"};
}  // namespace info::english

namespace info::dutch {
// By model, as the English ones; no leading blank here.
constexpr const char* kModelCaptions[] = {"Voodoo3 2000 Informatie", "Voodoo3 3000 Informatie",
                                          "Voodoo3 3500 Informatie"};
constexpr const char* kExit = "Verlaten";
constexpr const char* kBack = "Terug";
constexpr const char* kHardVersion = "Hardware versie:";
constexpr const char* kManufacturer = "Fabrikant:";
constexpr const char* kMemoryType = "Geheugen type:";
constexpr const char* kTotalMemory = "Totale geheugenhoeveelheid:";
constexpr const char* kMemorySpeed = "Kloksnelheid geheugen:";
// Both the graphics and the GFX clock caption.
constexpr const char* kProcessorSpeed = "Kloksnelheid Voodoo3 processor:";
constexpr const char* kBiosVersion = "BIOS versie:";
constexpr const char* kTvOut = "TV Uit:";
constexpr const char* kAbout =
    "Dit is informatie over uw Voodoo3 grafische kaart en stuurprogramma's. U kan deze niet "
    "veranderen via dit venster. Dit venster is alleen maar bedoeld ter referentie.";
constexpr const char* kDriverFrame = "Driver  informatie";
constexpr const char* kDriverVersion = "Stuurprogramma versie:";
constexpr const char* kProvider = "Toeleverancier:";
// The long Dutch captions need the small font.
constexpr const char* kSmallFont = "Small Fonts";
constexpr double kSmallFontSize = 7;
}  // namespace info::dutch
