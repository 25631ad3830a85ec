// Bench helpers on the portable side: a Store that counts the calls made
// through it, and a REGEDIT4 importer to seed a store with a demo machine.
#pragma once

#include <string>

#include "registry/store.h"

namespace bench {

struct CallCounts {
  int open = 0;
  int create = 0;
  int query = 0;
  int set = 0;
  int close = 0;
  int del = 0;
  int enumerate = 0;  // EnumKey and EnumValue

  int Total() const { return open + create + query + set + close + del + enumerate; }
};

// Passes every call on to another store and counts it by kind.
class CountingStore : public registry::Store {
 public:
  explicit CountingStore(registry::Store& inner) : inner_(inner) {}

  long OpenKey(registry::Hkey parent, const std::string& path, registry::Hkey* key) override;
  long CreateKey(registry::Hkey parent, const std::string& path, registry::Hkey* key) override;
  long QueryValue(registry::Hkey key, const std::string& name, std::uint32_t* type, void* data,
                  std::uint32_t* size) override;
  long SetValue(registry::Hkey key, const std::string& name, std::uint32_t type, const void* data,
                std::uint32_t size) override;
  long CloseKey(registry::Hkey key) override;
  long DeleteKey(registry::Hkey parent, const std::string& path) override;
  long EnumKey(registry::Hkey key, std::uint32_t index, std::string* name) override;
  long EnumValue(registry::Hkey key, std::uint32_t index, std::string* name, std::uint32_t* type,
                 std::string* data) override;
  std::string ToStoreText(const std::string& utf8) override { return inner_.ToStoreText(utf8); }
  std::string FromStoreText(const std::string& text) override { return inner_.FromStoreText(text); }

  const CallCounts& counts() const { return counts_; }
  void Reset() { counts_ = CallCounts(); }

 private:
  registry::Store& inner_;
  CallCounts counts_;
};

// Imports a REGEDIT4 file's keys, string values and dword values into
// `store`; false when the file cannot be read or a line is not understood.
bool ImportRegFile(registry::Store& store, const std::string& path);

}  // namespace bench
