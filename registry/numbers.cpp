#include "registry/numbers.h"

#include <cstdint>

namespace registry {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A decimal text taken apart: sign, the digits before the point and the
// digits after it. Rounding works on these digits, so no binary fraction
// gets in the way ("1.125" is exactly 1.125).
struct Digits {
  bool negative = false;
  std::string_view whole;
  std::string_view fraction;
};

std::optional<Digits> Split(std::string_view text) {
  text = Trimmed(text);
  Digits d;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    d.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::string_view::size_type i = 0;
  while (i < text.size() && IsDigit(text[i])) ++i;
  d.whole = text.substr(0, i);
  if (i < text.size() && text[i] == '.') {
    std::string_view::size_type j = i + 1;
    while (j < text.size() && IsDigit(text[j])) ++j;
    d.fraction = text.substr(i + 1, j - i - 1);
    i = j;
  }
  if (i != text.size() || (d.whole.empty() && d.fraction.empty())) return std::nullopt;
  return d;
}

// The number times 10^shift, rounded to the nearest integer with halves to
// even, if it fits in 16 bits.
std::optional<std::int16_t> Rounded(const Digits& d, std::size_t shift) {
  constexpr std::int64_t kLimit = 40000;  // beyond any 16-bit magnitude
  std::int64_t magnitude = 0;
  auto take = [&](char c) {
    if (magnitude < kLimit) magnitude = magnitude * 10 + (c - '0');
  };
  for (char c : d.whole) take(c);
  for (std::size_t k = 0; k < shift; ++k) take(k < d.fraction.size() ? d.fraction[k] : '0');
  // What is left of the fraction decides the rounding: below, at or above
  // one half.
  std::string_view rest = shift < d.fraction.size() ? d.fraction.substr(shift) : "";
  if (!rest.empty()) {
    bool beyond_half = false;
    for (std::size_t k = 1; k < rest.size(); ++k) beyond_half = beyond_half || rest[k] != '0';
    if (rest[0] > '5' || (rest[0] == '5' && (beyond_half || magnitude % 2 != 0))) ++magnitude;
  }
  const std::int64_t value = d.negative ? -magnitude : magnitude;
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::optional<double> Decimal(std::string_view text) {
  const auto d = Split(text);
  if (!d) return std::nullopt;
  // Up to 18 significant digits are exact in an integer; more cannot
  // change a double that matters here.
  std::uint64_t mantissa = 0;
  int exponent = 0;
  int significant = 0;
  auto take = [&](char c, bool after_point) {
    if (significant < 18) {
      if (mantissa != 0 || c != '0') ++significant;
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
      if (after_point) --exponent;
    } else if (!after_point) {
      ++exponent;
    }
  };
  for (char c : d->whole) take(c, false);
  for (char c : d->fraction) take(c, true);
  double value = static_cast<double>(mantissa);
  // Powers of ten up to 1e22 are exact doubles, so one division by one of
  // them rounds correctly.
  for (; exponent < -22; exponent += 22) value /= 1e22;
  for (; exponent > 22; exponent -= 22) value *= 1e22;
  double scale = 1;
  for (int k = exponent < 0 ? -exponent : exponent; k > 0; --k) scale *= 10;
  value = exponent < 0 ? value / scale : value * scale;
  return d->negative ? -value : value;
}

std::optional<std::int16_t> WholeNumber(std::string_view text) {
  const auto d = Split(text);
  if (!d) return std::nullopt;
  return Rounded(*d, 0);
}

std::string NumberText(long value) {
  unsigned long magnitude =
      value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  char buffer[24];
  char* end = buffer + sizeof buffer;
  char* p = end;
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  return std::string(p, end);
}

std::optional<std::string> CountText(std::string_view text, std::size_t most_digits) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
  }
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text == "0" || text.size() > most_digits) return std::nullopt;
  return std::string(text);
}

std::string GammaText(int position) {
  // Unsigned, so that the most negative int has a magnitude too (and no
  // 64-bit division, which would need the toolchain's helper code).
  const unsigned magnitude =
      position < 0 ? 0u - static_cast<unsigned>(position) : static_cast<unsigned>(position);
  std::string text = position < 0 ? "-" : "";
  text += NumberText(static_cast<long>(magnitude / 100));
  const int hundredths = static_cast<int>(magnitude % 100);
  if (hundredths != 0) {
    text += '.';
    text += static_cast<char>('0' + hundredths / 10);
    if (hundredths % 10 != 0) text += static_cast<char>('0' + hundredths % 10);
  }
  return text;
}

std::optional<std::int16_t> GammaPosition(std::string_view text) {
  const auto d = Split(text);
  if (!d) return std::nullopt;
  return Rounded(*d, 2);
}

}  // namespace registry
