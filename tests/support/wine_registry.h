// The registry as the Wine tests read, compare and clean it: straight
// through advapi32, so that what a test sees does not rest on the store
// under test. Header-only.
//
//   const auto before = test_support::RawTreeOf(HKEY_LOCAL_MACHINE, driver, true);
//   ...                                   // what should write nothing
//   CHECK(test_support::RawTreeOf(HKEY_LOCAL_MACHINE, driver, true) == before);
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/wine_process.h"

namespace test_support {

// A value as advapi32 holds it: its type and its bytes.
struct RawValue {
  DWORD type = REG_NONE;
  std::string bytes;

  bool operator==(const RawValue& other) const {
    return type == other.type && bytes == other.bytes;
  }
  bool operator!=(const RawValue& other) const { return !(*this == other); }
};

// The values of one key by name ("name"), or of a key and everything
// under it by place: "|name" for a value of the key itself, "\sub\key|name"
// for one below it.
using RawValues = std::map<std::string, RawValue>;
// The same as a test reads them: a string's text up to its NUL, a DWORD
// as "dword:N".
using Values = std::map<std::string, std::string>;

// Keys with subkeys cannot be deleted: leaves first.
inline void DeleteTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyA(root, path.c_str(), &key) != ERROR_SUCCESS) return;
  char name[MAX_PATH];
  while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) {
    const std::string child = path + "\\" + name;
    DeleteTree(root, child);
    HKEY check = nullptr;
    if (RegOpenKeyA(root, child.c_str(), &check) == ERROR_SUCCESS) {  // would not go
      RegCloseKey(check);
      break;
    }
  }
  RegCloseKey(key);
  RegDeleteKeyA(root, path.c_str());
}

// The values of an open key, by name; `prefix` goes before each name.
inline void CollectValues(HKEY key, const std::string& prefix, RawValues* out) {
  std::vector<char> name(16384);  // the longest value name a key may hold
  std::string data(1024, '\0');
  for (DWORD i = 0;;) {
    DWORD name_size = static_cast<DWORD>(name.size());
    DWORD data_size = static_cast<DWORD>(data.size());
    DWORD type = REG_NONE;
    const LONG result = RegEnumValueA(key, i, name.data(), &name_size, nullptr, &type,
                                      reinterpret_cast<BYTE*>(&data[0]), &data_size);
    if (result == ERROR_MORE_DATA && data_size > data.size()) {
      data.resize(data_size);  // the same value again, with room for it
      continue;
    }
    if (result != ERROR_SUCCESS) return;
    (*out)[prefix + std::string(name.data(), name_size)] = {type, data.substr(0, data_size)};
    ++i;
  }
}

// An open key's subkeys as "\sub\key"; with `keys`, each also as
// "\sub\key\" (no value) in `out`, so that an empty key counts too.
inline void CollectTree(HKEY key, const std::string& place, bool keys, RawValues* out) {
  CollectValues(key, place + "|", out);
  std::vector<std::string> subkeys;
  char name[MAX_PATH];
  for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
    subkeys.push_back(name);
  }
  for (const std::string& sub : subkeys) {
    HKEY child = nullptr;
    if (RegOpenKeyExA(key, sub.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    if (keys) (*out)[place + "\\" + sub + "\\"] = {};
    CollectTree(child, place + "\\" + sub, keys, out);
    RegCloseKey(child);
  }
}

// The values of one key, by name; none when there is no such key.
inline RawValues RawValuesOf(HKEY root, const std::string& path) {
  RawValues out;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return out;
  CollectValues(key, "", &out);
  RegCloseKey(key);
  return out;
}

// A key and everything under it, by place; with `keys` the subkeys too.
inline RawValues RawTreeOf(HKEY root, const std::string& path, bool keys = false) {
  RawValues out;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return out;
  CollectTree(key, "", keys, &out);
  RegCloseKey(key);
  return out;
}

inline std::string Shown(const RawValue& value) {
  if (value.type == REG_DWORD && value.bytes.size() >= sizeof(DWORD)) {
    DWORD number = 0;
    value.bytes.copy(reinterpret_cast<char*>(&number), sizeof number);
    return "dword:" + std::to_string(number);
  }
  return value.bytes.substr(0, value.bytes.find('\0'));
}

inline Values Shown(const RawValues& values) {
  Values out;
  for (const auto& [where, value] : values) out[where] = Shown(value);
  return out;
}

inline Values ValuesOf(HKEY root, const std::string& path) {
  return Shown(RawValuesOf(root, path));
}
inline Values TreeOf(HKEY root, const std::string& path) { return Shown(RawTreeOf(root, path)); }

// One value as a test reads it, or "<absent>".
inline std::string Value(HKEY root, const std::string& path, const std::string& name) {
  const RawValues values = RawValuesOf(root, path);
  const auto found = values.find(name);
  return found == values.end() ? "<absent>" : Shown(found->second);
}

// Imports a REGEDIT4 file (a Windows path) with Wine's own regedit;
// whether it ran to its end without a fault.
inline bool ImportWithRegedit(const std::string& file) {
  Process regedit("regedit.exe /S \"" + file + "\"");
  return regedit.Ended(30000);
}

// One value as advapi32 has it, put back as it was when this goes.
class SavedValue {
 public:
  SavedValue(HKEY root, std::string key, std::string name)
      : root_(root), key_(std::move(key)), name_(std::move(name)) {
    const RawValues values = RawValuesOf(root_, key_);
    const auto found = values.find(name_);
    existed_ = found != values.end();
    if (existed_) value_ = found->second;
  }
  ~SavedValue() {
    HKEY key = nullptr;
    if (!existed_) {
      if (RegOpenKeyExA(root_, key_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
      RegDeleteValueA(key, name_.c_str());
    } else {
      if (RegCreateKeyA(root_, key_.c_str(), &key) != ERROR_SUCCESS) return;
      RegSetValueExA(key, name_.c_str(), 0, value_.type,
                     reinterpret_cast<const BYTE*>(value_.bytes.data()),
                     static_cast<DWORD>(value_.bytes.size()));
    }
    RegCloseKey(key);
  }
  SavedValue(const SavedValue&) = delete;
  SavedValue& operator=(const SavedValue&) = delete;

 private:
  HKEY root_;
  std::string key_, name_;
  bool existed_ = false;
  RawValue value_;
};

}  // namespace test_support
