#include "registry/registry.h"

namespace registry {

namespace {

// "Software\Tarno\" and "Software\Tarno" name the same key. Windows NT and
// Wine skip the trailing "\" themselves; we drop it so that no store has
// to.
std::string WithoutTrailingBackslash(const std::string& path) {
  std::string::size_type end = path.size();
  while (end > 0 && path[end - 1] == '\\') --end;
  return path.substr(0, end);
}

}  // namespace

std::string Registry::KeyPath(const std::string& path) {
  return store_.ToStoreText(WithoutTrailingBackslash(path));
}

// The flag is set first so that a hook that writes does not run itself.
void Registry::BeforeChange() {
  if (changed_) return;
  changed_ = true;
  if (before_first_change_) before_first_change_();
}

void Registry::DeleteKey(Hkey root, const std::string& path) {
  const std::string key_path = KeyPath(path);
  if (key_path.empty()) return;  // never the root itself
  BeforeChange();
  store_.DeleteKey(root, key_path);
}

std::string Registry::GetString(Hkey root, const std::string& path, const std::string& name,
                                const std::string& fallback) {
  Hkey key = 0;
  if (store_.OpenKey(root, KeyPath(path), &key) != kOk) return fallback;
  std::string result = fallback;
  const std::string value_name = store_.ToStoreText(name);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (store_.QueryValue(key, value_name, &type, nullptr, &size) == kOk && type == kString) {
    std::string text(size, ' ');
    if (size == 0 || store_.QueryValue(key, value_name, &type, text.data(), &size) == kOk) {
      if (size < text.size()) text.resize(size);
      result = store_.FromStoreText(text.substr(0, text.find('\0')));
    }
  }
  store_.CloseKey(key);
  return result;
}

void Registry::SaveString(Hkey root, const std::string& path, const std::string& name,
                          const std::string& data) {
  BeforeChange();
  Hkey key = 0;
  if (store_.CreateKey(root, KeyPath(path), &key) != kOk) return;
  const std::string text = store_.ToStoreText(data);
  store_.SetValue(key, store_.ToStoreText(name), kString, text.c_str(),
                  static_cast<std::uint32_t>(text.size() + 1));
  store_.CloseKey(key);
}

std::int32_t Registry::GetDWord(Hkey root, const std::string& path, const std::string& name,
                                std::int32_t fallback) {
  Hkey key = 0;
  if (store_.OpenKey(root, KeyPath(path), &key) != kOk) return fallback;
  std::int32_t result = fallback;
  unsigned char bytes[4] = {0, 0, 0, 0};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof bytes;
  if (store_.QueryValue(key, store_.ToStoreText(name), &type, bytes, &size) == kOk &&
      type == kDword) {
    const std::uint32_t raw = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                              (static_cast<std::uint32_t>(bytes[3]) << 24);
    result = static_cast<std::int32_t>(raw);
  }
  store_.CloseKey(key);
  return result;
}

void Registry::SaveDWord(Hkey root, const std::string& path, const std::string& name,
                         std::int32_t value) {
  BeforeChange();
  Hkey key = 0;
  if (store_.CreateKey(root, KeyPath(path), &key) != kOk) return;
  const auto raw = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {
      static_cast<unsigned char>(raw), static_cast<unsigned char>(raw >> 8),
      static_cast<unsigned char>(raw >> 16), static_cast<unsigned char>(raw >> 24)};
  store_.SetValue(key, store_.ToStoreText(name), kDword, bytes, sizeof bytes);
  store_.CloseKey(key);
}

}  // namespace registry
