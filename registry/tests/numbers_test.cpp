#include "registry/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>

namespace registry {
namespace {

constexpr std::optional<std::int16_t> kNone = std::nullopt;

struct WholeCase {
  const char* text;
  std::optional<std::int16_t> expected;
};

TEST(WholeNumber, RoundsHalvesToEvenWithinSixteenBits) {
  // clang-format off
  const WholeCase cases[] = {
      {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"-3.5", -4}, {"1.5", 2}, {".5", 0},
      {"2.5000001", 3}, {"1.125", 1}, {"1.30", 1}, {"4.5", 4}, {"0.05", 0}, {"-0.4", 0},
      {"-1", -1}, {" 60 ", 60}, {"\t7\t", 7}, {" 1", 1}, {"3", 3}, {"+4", 4}, {"085", 85},
      {"5.", 5}, {"32767", 32767}, {"-32768", -32768}, {"-32768.5", -32768},
      {"32768", kNone}, {"-32769", kNone}, {"32767.5", kNone}, {"99999999999999999999", kNone}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(c.expected, WholeNumber(c.text)) << '"' << c.text << '"';
}

TEST(WholeNumber, AnythingButPlainDecimalTextIsNoValue) {
  for (const char* text :
       {"", "   ", "abc", "1,5", "1e3", "-", ".", "1.2.3", "0x10", "1 2", "12a", "--1", "1-"}) {
    EXPECT_EQ(kNone, WholeNumber(text)) << '"' << text << '"';
    EXPECT_EQ(std::nullopt, Decimal(text)) << '"' << text << '"';
    EXPECT_EQ(kNone, GammaPosition(text)) << '"' << text << '"';
  }
}

TEST(Decimal, ReadsAPointWhateverTheLocaleAndRoundsCorrectly) {
  // clang-format off
  const std::pair<const char*, double> cases[] = {
      {"1.3", 1.3}, {"-1", -1}, {" 60 ", 60}, {".5", 0.5}, {"1.125", 1.125}, {"0.85", 0.85},
      {"0.1", 0.1}, {"5.", 5}, {"085", 85}, {"2046", 2046}, {"0.000001", 0.000001},
      {"-0.05", -0.05}, {"123456.789", 123456.789}};
  // clang-format on
  for (const auto& [text, expected] : cases) EXPECT_EQ(expected, Decimal(text)) << text;
  const auto huge = Decimal("123456789012345678901234.5");
  ASSERT_TRUE(huge.has_value());
  EXPECT_NEAR(1.234567890123456789e23, *huge, 1e9);
}

TEST(GammaPosition, IsTheTextTimesAHundredRoundedFromItsDigits) {
  // clang-format off
  const WholeCase cases[] = {
      {"1.3", 130}, {"1.30", 130}, {"1", 100}, {"0.85", 85}, {"0.1", 10}, {"4", 400},
      {"4.5", 450}, {"1.125", 112}, {"1.135", 114}, {"0.05", 5}, {"0.005", 0}, {"0.015", 2},
      {" 1.3 ", 130}, {".5", 50}, {"-0.5", -50}, {"327.67", 32767}, {"327.68", kNone},
      {"1.3000000001", 130}, {"1.1250001", 113}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(c.expected, GammaPosition(c.text)) << '"' << c.text << '"';
}

TEST(GammaText, IsTheShortestDecimalAndReadsBack) {
  const std::pair<int, const char*> cases[] = {
      {130, "1.3"},  {100, "1"},    {85, "0.85"}, {10, "0.1"}, {400, "4"},
      {112, "1.12"}, {105, "1.05"}, {5, "0.05"},  {0, "0"},    {-50, "-0.5"}};
  for (const auto& [position, text] : cases) EXPECT_EQ(text, GammaText(position)) << position;
  for (int position = 0; position <= 1000; ++position) {
    EXPECT_EQ(position, GammaPosition(GammaText(position)));
  }
}

TEST(NumberText, MatchesTheCRuntimeAcrossTheRange) {
  for (long value : {0L, 1L, -1L, 9L, 10L, 60L, 183L, -32768L, 2147483647L, LONG_MAX, LONG_MIN}) {
    EXPECT_EQ(std::to_string(value), NumberText(value));
  }
  for (long value = -1000; value <= 1000; value += 7) {
    EXPECT_EQ(value, WholeNumber(NumberText(value)));
  }
}

}  // namespace
}  // namespace registry
