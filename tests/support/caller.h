// The checks of a helper that a Wine test calls, reported at the test's
// line rather than the helper's. A helper takes `Caller at = {}` last; the
// default argument is evaluated where the helper is called, so `at` holds
// that file and line (GCC's __builtin_FILE and __builtin_LINE). Called
// from a fixture's constructor, it is the line of the test case.
//
//   HWND OpenWindow(const char* name, test_support::Caller at = {}) {
//     HWND form = FindForm(name);
//     test_support::Require(form != nullptr, "the window shows", at);
//     return form;
//   }
//
// Each check is one of doctest's own assertions, counted and reported as
// CHECK and REQUIRE are, with `what` (what must hold) as its expression.
#pragma once

#include <doctest.h>

#include <string>

namespace test_support {

struct Caller {
  Caller(const char* file = __builtin_FILE(), int line = __builtin_LINE())
      : file(file), line(line) {}
  const char* file;
  int line;
};

// A CHECK of `ok` at the caller's line; `shown` says what was found
// instead. Returns `ok`.
inline bool Check(bool ok, const std::string& what, const Caller& at,
                  const std::string& shown = "false") {
  return doctest::detail::decomp_assert(doctest::assertType::DT_CHECK, at.file, at.line,
                                        what.c_str(), doctest::detail::Result(ok, shown.c_str()));
}

// As Check, a REQUIRE: the test case stops there when `ok` is false.
inline void Require(bool ok, const std::string& what, const Caller& at,
                    const std::string& shown = "false") {
  doctest::detail::decomp_assert(doctest::assertType::DT_REQUIRE, at.file, at.line, what.c_str(),
                                 doctest::detail::Result(ok, shown.c_str()));
}

}  // namespace test_support
