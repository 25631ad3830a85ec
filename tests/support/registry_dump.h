// The memory registry as the native tests read it back: every key and
// value as text, so that a test can compare the whole registry (or a tree
// of it) before and after, or list what changed. Header only.
//
//   const test_support::RegistryDump before = test_support::DumpAll(store);
//   ...
//   EXPECT_EQ(test_support::Changes(before, test_support::DumpAll(store)), expected);
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "registry/store.h"

namespace test_support {

// A value's data as text: the text of a string value (up to its NUL),
// "dword:" and the number of a DWORD, else its type and size.
inline std::string ValueText(std::uint32_t type, const std::string& bytes) {
  if (type == registry::kDword && bytes.size() == 4) {
    const auto byte = [&](int i) { return static_cast<std::uint32_t>(bytes[i] & 0xFF); };
    const std::uint32_t raw = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    return "dword:" + std::to_string(static_cast<std::int32_t>(raw));
  }
  if (registry::IsTextType(type)) return bytes.substr(0, bytes.find('\0'));
  return "type " + std::to_string(type) + ", " + std::to_string(bytes.size()) + " bytes";
}

// One entry per key, "path" -> "", and one per value, "path|name" -> its
// ValueText. Paths are whole, as the registry procedures open them.
using RegistryDump = std::map<std::string, std::string>;

namespace dump_detail {

inline void DumpKey(registry::Store& store, registry::Hkey key, const std::string& path,
                    RegistryDump* out) {
  (*out)[path];
  std::string name, data;
  std::uint32_t type = 0;
  for (std::uint32_t i = 0; store.EnumValue(key, i, &name, &type, &data) == registry::kOk; ++i) {
    (*out)[path + "|" + name] = ValueText(type, data);
  }
  for (std::uint32_t i = 0; store.EnumKey(key, i, &name) == registry::kOk; ++i) {
    registry::Hkey sub = 0;
    if (store.OpenKey(key, name, &sub) != registry::kOk) continue;
    DumpKey(store, sub, path.empty() ? name : path + "\\" + name, out);
    store.CloseKey(sub);
  }
}

}  // namespace dump_detail

// The key `path` of `root` and everything below it; empty when it is
// missing. An empty path is the whole root, whose own entry is "".
inline RegistryDump DumpOf(registry::Store& store, registry::Hkey root, const std::string& path) {
  RegistryDump out;
  registry::Hkey key = 0;
  if (store.OpenKey(root, path, &key) != registry::kOk) return out;
  dump_detail::DumpKey(store, key, path, &out);
  if (key != root) store.CloseKey(key);
  return out;
}

// The three roots, each path after "HKCU\", "HKLM\" or "HKCC\".
inline RegistryDump DumpAll(registry::Store& store) {
  RegistryDump out;
  const std::pair<registry::Hkey, const char*> roots[] = {{registry::kCurrentUser, "HKCU"},
                                                          {registry::kLocalMachine, "HKLM"},
                                                          {registry::kCurrentConfig, "HKCC"}};
  for (const auto& [root, root_name] : roots) {
    for (auto& [where, data] : DumpOf(store, root, "")) {
      out[where.empty() || where[0] == '|' ? root_name + where : root_name + ("\\" + where)] = data;
    }
  }
  return out;
}

// The values of the key itself, name -> ValueText, without its subkeys'.
inline std::map<std::string, std::string> ValuesOf(registry::Store& store, registry::Hkey root,
                                                   const std::string& path) {
  std::map<std::string, std::string> values;
  const std::string own = path + "|";
  for (auto& [where, data] : DumpOf(store, root, path)) {
    if (where.compare(0, own.size(), own) == 0) values[where.substr(own.size())] = data;
  }
  return values;
}

// The names of the key's own values, in name order.
inline std::vector<std::string> ValueNames(registry::Store& store, registry::Hkey root,
                                           const std::string& path) {
  std::vector<std::string> names;
  for (auto& [name, data] : ValuesOf(store, root, path)) names.push_back(name);
  return names;
}

// What differs from `before` to `after`, in path order: "path|name=data"
// for a value set or changed (as RecordingStore notes a write),
// "path|name gone" for a value that went, "path made" and "path gone" for
// keys.
inline std::vector<std::string> Changes(const RegistryDump& before, const RegistryDump& after) {
  std::map<std::string, bool> everywhere;  // path -> whether it is a value
  for (const RegistryDump* dump : {&before, &after}) {
    for (auto& [where, data] : *dump) everywhere[where] = where.find('|') != std::string::npos;
  }
  std::vector<std::string> changes;
  for (auto& [where, is_value] : everywhere) {
    const auto was = before.find(where);
    const auto is = after.find(where);
    if (is == after.end()) {
      changes.push_back(where + " gone");
    } else if (was == before.end() && !is_value) {
      changes.push_back(where + " made");
    } else if (is_value && (was == before.end() || was->second != is->second)) {
      changes.push_back(where + "=" + is->second);
    }
  }
  return changes;
}

}  // namespace test_support
