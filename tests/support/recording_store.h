// The memory registry of the windows' native tests, noting every value the
// program writes, in order, as one line "path|name=data" (see WriteLine).
// Header only: each window's test includes it and links nothing more.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "registry/memory_store.h"
#include "registry/store.h"

namespace test_support {

// One write: the key's path as the registry procedures open it (without a
// trailing backslash), the value's name and its data, which is the text of
// a string value or "dword:" and the number of a DWORD.
inline std::string WriteLine(const std::string& path, const std::string& name,
                             const std::string& data) {
  return path + "|" + name + "=" + data;
}

class RecordingStore : public registry::MemoryStore {
 public:
  long CreateKey(registry::Hkey parent, const std::string& path, registry::Hkey* key) override {
    const long code = MemoryStore::CreateKey(parent, path, key);
    if (code == registry::kOk) paths_[*key] = path;
    return code;
  }
  long SetValue(registry::Hkey key, const std::string& name, std::uint32_t type, const void* data,
                std::uint32_t size) override {
    writes.push_back(WriteLine(paths_[key], name, DataText(type, data, size)));
    return MemoryStore::SetValue(key, name, type, data, size);
  }

  // The value names of the writes, in order.
  std::vector<std::string> WrittenNames() const {
    std::vector<std::string> names;
    for (const std::string& line : writes) {
      const std::size_t bar = line.find('|');
      names.push_back(line.substr(bar + 1, line.find('=', bar) - bar - 1));
    }
    return names;
  }
  // Whether a value of this name was written.
  bool Wrote(const std::string& name) const {
    for (const std::string& written : WrittenNames()) {
      if (written == name) return true;
    }
    return false;
  }

  std::vector<std::string> writes;

 private:
  static std::string DataText(std::uint32_t type, const void* data, std::uint32_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (type == registry::kDword && size == 4) {
      const std::uint32_t raw =
          bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
      return "dword:" + std::to_string(static_cast<std::int32_t>(raw));
    }
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    if (registry::IsTextType(type)) return text.substr(0, text.find('\0'));
    return "type " + std::to_string(type) + ", " + std::to_string(size) + " bytes";
  }

  std::map<registry::Hkey, std::string> paths_;
};

}  // namespace test_support
