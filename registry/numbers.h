// The text rules that every window shares: numbers as stored text, and
// the blanks and letter case typed or stored text may differ in. Stored
// settings are decimal text with a point as separator, whatever the
// Windows locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace registry {

// The text without the blanks (spaces and tabs) around it.
std::string_view Trimmed(std::string_view text);

// Whether two texts are the same but for the case of ASCII letters, as
// Windows compares the names of files and values.
bool SameText(std::string_view a, std::string_view b);

// A decimal number from text: optional surrounding blanks, an optional
// sign, digits with at most one point ("1.3", "-1", " 60 ", ".5").
// Empty or anything else ("abc", "1,5", "1e3") is no value.
std::optional<double> Decimal(std::string_view text);

// A whole number from stored text: the decimal rounded to the nearest
// integer, halves to even ("2.5" -> 2, "3.5" -> 4), within the 16-bit
// range; empty, non-numeric or out-of-range text is no value.
std::optional<std::int16_t> WholeNumber(std::string_view text);

// Decimal text of a whole number ("-1", "183"), without the C runtime's
// formatter.
std::string NumberText(long value);

// A count typed into a box, as it is stored: digits alone, blanks around
// them ignored, the leading zeros dropped ("0085" -> "85"), at least 1 and
// at most `most_digits` digits long. Empty, zero, a sign, a point or any
// other character is no value.
std::optional<std::string> CountText(std::string_view text, std::size_t most_digits);

// Gamma: slider positions are gamma times 100. The text is the shortest
// decimal form: 130 -> "1.3", 100 -> "1", 85 -> "0.85", 10 -> "0.1".
std::string GammaText(int position);
// The position of a stored gamma text: times 100, rounded halves to even
// ("1.125" -> 112, "1.30" -> 130); no value when not a number or outside
// the 16-bit range. Whether the position is usable (10..400) is the
// caller's rule.
std::optional<std::int16_t> GammaPosition(std::string_view text);

}  // namespace registry
