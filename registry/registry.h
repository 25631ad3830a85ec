// The five registry procedures every window uses. They open or create the
// key, do one thing, close it and never report a failure: a value that
// cannot be read reads as the caller's default, a write that fails is
// lost. A path with a trailing backslash names the same key. Paths, names
// and strings are UTF-8; the store converts them to its code page.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "registry/store.h"

namespace registry {

class Registry {
 public:
  explicit Registry(Store& store) : store_(store) {}

  // Value names are C strings (the callers' names are literals); paths
  // and texts are views of a literal or of a string the caller has. No
  // call makes a string to pass one.

  // The key with its values and every key below it; a missing key is
  // left as it is.
  void DeleteKey(Hkey root, std::string_view path);
  std::string GetString(Hkey root, std::string_view path, const char* name,
                        std::string_view fallback = {});
  void SaveString(Hkey root, std::string_view path, const char* name, std::string_view data);
  std::int32_t GetDWord(Hkey root, std::string_view path, const char* name,
                        std::int32_t fallback = 0);
  void SaveDWord(Hkey root, std::string_view path, const char* name, std::int32_t value);

  Store& store() { return store_; }

  // Runs `hook` once, just before the first change (SaveString, SaveDWord,
  // DeleteKey) this Registry makes from now on; reads never trigger it.
  void SetBeforeFirstChange(std::function<void()> hook) {
    before_first_change_ = std::move(hook);
    changed_ = false;
  }

 private:
  // The store's form of a key path: no trailing "\", in its code page.
  std::string KeyPath(std::string_view path);
  // The store's form of a value name or a text.
  std::string StoreText(std::string_view text);
  void BeforeChange();

  Store& store_;
  std::function<void()> before_first_change_;
  bool changed_ = false;
};

// A string value's text, or nothing when the value is absent.
std::optional<std::string> GetPresentString(Registry& reg, Hkey root, std::string_view path,
                                            const char* name);

}  // namespace registry
