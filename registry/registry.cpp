#include "registry/registry.h"

#include <algorithm>

namespace registry {

// "Software\Tarno\" and "Software\Tarno" name the same key. Windows NT and
// Wine skip the trailing "\" themselves; we drop it so that no store has
// to.
std::string Registry::KeyPath(std::string_view path) {
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return StoreText(path);
}

std::string Registry::StoreText(std::string_view text) {
  return store_.ToStoreText(std::string(text));
}

// The flag is set first so that a hook that writes does not run itself.
void Registry::BeforeChange() {
  if (changed_) return;
  changed_ = true;
  if (before_first_change_) before_first_change_();
}

void Registry::DeleteKey(Hkey root, std::string_view path) {
  const std::string key_path = KeyPath(path);
  if (key_path.empty()) return;  // never the root itself
  BeforeChange();
  store_.DeleteKey(root, key_path);
}

std::string Registry::GetString(Hkey root, std::string_view path, const char* name,
                                std::string_view fallback) {
  std::string result(fallback);
  Hkey key = 0;
  if (store_.OpenKey(root, KeyPath(path), &key) != kOk) return result;
  const std::string value_name = StoreText(name);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (store_.QueryValue(key, value_name, &type, nullptr, &size) == kOk && type == kString) {
    std::string text(size, ' ');
    if (size == 0 || store_.QueryValue(key, value_name, &type, text.data(), &size) == kOk) {
      // What was written, up to its first NUL.
      text.resize(std::min<std::size_t>(size, text.find('\0')));
      result = store_.FromStoreText(text);
    }
  }
  store_.CloseKey(key);
  return result;
}

void Registry::SaveString(Hkey root, std::string_view path, const char* name,
                          std::string_view data) {
  BeforeChange();
  Hkey key = 0;
  if (store_.CreateKey(root, KeyPath(path), &key) != kOk) return;
  const std::string text = StoreText(data);
  store_.SetValue(key, StoreText(name), kString, text.c_str(),
                  static_cast<std::uint32_t>(text.size() + 1));
  store_.CloseKey(key);
}

std::int32_t Registry::GetDWord(Hkey root, std::string_view path, const char* name,
                                std::int32_t fallback) {
  Hkey key = 0;
  if (store_.OpenKey(root, KeyPath(path), &key) != kOk) return fallback;
  std::int32_t result = fallback;
  unsigned char bytes[4] = {0, 0, 0, 0};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof bytes;
  if (store_.QueryValue(key, StoreText(name), &type, bytes, &size) == kOk && type == kDword) {
    const std::uint32_t raw = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                              (static_cast<std::uint32_t>(bytes[3]) << 24);
    result = static_cast<std::int32_t>(raw);
  }
  store_.CloseKey(key);
  return result;
}

void Registry::SaveDWord(Hkey root, std::string_view path, const char* name, std::int32_t value) {
  BeforeChange();
  Hkey key = 0;
  if (store_.CreateKey(root, KeyPath(path), &key) != kOk) return;
  const auto raw = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {
      static_cast<unsigned char>(raw), static_cast<unsigned char>(raw >> 8),
      static_cast<unsigned char>(raw >> 16), static_cast<unsigned char>(raw >> 24)};
  store_.SetValue(key, StoreText(name), kDword, bytes, sizeof bytes);
  store_.CloseKey(key);
}

// Text read from the registry never holds a NUL, so a NUL fallback marks
// the absent value.
std::optional<std::string> GetPresentString(Registry& reg, Hkey root, std::string_view path,
                                            const char* name) {
  constexpr std::string_view kAbsent("", 1);
  std::string text = reg.GetString(root, path, name, kAbsent);
  if (text == kAbsent) return std::nullopt;
  return text;
}

}  // namespace registry
