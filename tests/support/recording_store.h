// The memory registry of the windows' native tests, noting every change
// the program makes, in order: each value written, as one line
// "path|name=data" (see WriteLine), and each key deleted, as "delete path"
// (see DeleteLine). Keys are only made on the way to a value written, so
// an empty list means the registry was not changed at all.
// Header only: each window's test includes it and links nothing more.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "registry/memory_store.h"
#include "registry/store.h"
#include "tests/support/registry_dump.h"

namespace test_support {

// One write: the key's path as the registry procedures open it (without a
// trailing backslash), the value's name and its data, which is the text of
// a string value or "dword:" and the number of a DWORD.
inline std::string WriteLine(const std::string& path, const std::string& name,
                             const std::string& data) {
  return path + "|" + name + "=" + data;
}

// One key deleted with all below it, by its path as the procedures open it.
inline std::string DeleteLine(const std::string& path) { return "delete " + path; }

class RecordingStore : public registry::MemoryStore {
 public:
  long CreateKey(registry::Hkey parent, const std::string& path, registry::Hkey* key) override {
    const long code = MemoryStore::CreateKey(parent, path, key);
    if (code == registry::kOk) paths_[*key] = path;
    return code;
  }
  long SetValue(registry::Hkey key, const std::string& name, std::uint32_t type, const void* data,
                std::uint32_t size) override {
    const std::string bytes(static_cast<const char*>(data), size);
    writes.push_back(WriteLine(paths_[key], name, ValueText(type, bytes)));
    return MemoryStore::SetValue(key, name, type, data, size);
  }
  long DeleteKey(registry::Hkey parent, const std::string& path) override {
    const auto opened = paths_.find(parent);
    writes.push_back(DeleteLine(opened == paths_.end() ? path : opened->second + "\\" + path));
    return MemoryStore::DeleteKey(parent, path);
  }

  // The value names of the writes, in order; deletions have none.
  std::vector<std::string> WrittenNames() const {
    std::vector<std::string> names;
    for (const std::string& line : writes) {
      const std::size_t bar = line.find('|');
      if (bar == std::string::npos) continue;
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
  std::map<registry::Hkey, std::string> paths_;
};

}  // namespace test_support
