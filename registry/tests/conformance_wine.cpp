// The conformance cases on advapi32 under Wine, with doctest.
#include <doctest.h>

#include "registry/win32_store.h"

using ConformanceStore = registry::Win32Store;
struct ConformanceBase {};
#define CONFORMANCE_CASE(name) TEST_CASE_FIXTURE(Conformance, #name)
#define EXPECT_EQ(a, b) CHECK_EQ(a, b)
#define ASSERT_EQ(a, b) REQUIRE_EQ(a, b)
#define EXPECT_TRUE(a) CHECK(a)
#define EXPECT_FALSE(a) CHECK_FALSE(a)

#include "registry/tests/conformance_cases.h"

// advapi32's ANSI calls take the system's code page (Windows-1252 in the
// test prefix); the procedures' UTF-8 is converted at that boundary.
TEST_CASE("The advapi32 store converts UTF-8 to the ANSI code page and back") {
  registry::Win32Store store;
  CHECK_EQ(std::string("\xE9\xE9n \xBC"), store.ToStoreText("\xC3\xA9\xC3\xA9n \xC2\xBC"));
  CHECK_EQ(std::string("\xC3\xA9\xC3\xA9n \xC2\xBC"), store.FromStoreText("\xE9\xE9n \xBC"));
  CHECK_EQ(std::string("plain"), store.ToStoreText("plain"));
  // Broken UTF-8 and what the code page lacks become "?".
  CHECK_EQ(std::string("a?z"), store.ToStoreText("a\x80z"));
  CHECK_EQ(std::string("?x"), store.ToStoreText("\xE2\x82x"));    // one "?" per broken sequence
  CHECK_EQ(std::string("?"), store.ToStoreText("\xE2\x98\x83"));  // U+2603
}
