// Texts in both languages, and the ones every settings window shares: its
// OK and Cancel buttons, and the small font some long Dutch texts need.
#pragma once

namespace look {

// A design text and the Dutch that replaces it; without Dutch, the English
// text stays in Dutch too.
struct Text {
  const char* english;
  const char* dutch = nullptr;

  // The text in Dutch or in English.
  constexpr const char* In(bool in_dutch) const { return in_dutch && dutch ? dutch : english; }
};

constexpr Text kOk{"&OK"};
constexpr Text kCancel{"&Cancel", "Annuleren"};

constexpr const char* kSmallFont = "Small Fonts";
constexpr double kSmallFontSize = 7;

}  // namespace look
