// The five registry procedures every window uses. They open or create the
// key, do one thing, close it and never report a failure: a value that
// cannot be read reads as the caller's default, a write that fails is
// lost. A path with a trailing backslash names the same key. Paths, names
// and strings are UTF-8; the store converts them to its code page.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "registry/store.h"

namespace registry {

class Registry {
 public:
  explicit Registry(Store& store) : store_(store) {}

  // The key with its values and every key below it; a missing key is
  // left as it is.
  void DeleteKey(Hkey root, const std::string& path);
  std::string GetString(Hkey root, const std::string& path, const std::string& name,
                        const std::string& fallback = "");
  void SaveString(Hkey root, const std::string& path, const std::string& name,
                  const std::string& data);
  std::int32_t GetDWord(Hkey root, const std::string& path, const std::string& name,
                        std::int32_t fallback = 0);
  void SaveDWord(Hkey root, const std::string& path, const std::string& name, std::int32_t value);

  Store& store() { return store_; }

  // Runs `hook` once, just before the first change (SaveString, SaveDWord,
  // DeleteKey) this Registry makes from now on; reads never trigger it.
  void SetBeforeFirstChange(std::function<void()> hook) {
    before_first_change_ = std::move(hook);
    changed_ = false;
  }

 private:
  // The store's form of a key path: no trailing "\", in its code page.
  std::string KeyPath(const std::string& path);
  void BeforeChange();

  Store& store_;
  std::function<void()> before_first_change_;
  bool changed_ = false;
};

}  // namespace registry
