// REGEDIT4 text as Windows 98's regedit reads it with a double-click: ANSI,
// CRLF line ends, "REGEDIT4" first, a [HKEY_...\path] line per key, then
// its values: "name"="text" (\ and " escaped), dword:xxxxxxxx, and hex for
// every other type, folded at 80 columns as regedit folds it. A value or
// key whose name has a line break cannot be written; a ";" comment line in
// its key's section says what was left out.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "registry/store.h"

namespace backup {

class RegFile {
 public:
  // The key and every key below it, with all their values, as they are
  // now. A missing key adds nothing.
  void AddTree(registry::Store& store, registry::Hkey root, const std::string& path);
  // The key with only the named values that exist; nothing when none does.
  void AddValues(registry::Store& store, registry::Hkey root, const char* path,
                 std::initializer_list<const char*> names);

  // The whole file.
  std::string Text() const;
  int ValueCount() const { return values_; }

 private:
  void AddKey(registry::Store& store, registry::Hkey key, const std::string& header,
              const std::vector<std::string>* only, const std::string& notes);

  std::string sections_;
  int values_ = 0;
};

// One value's line(s), without the final CRLF. `data` is the raw bytes,
// in the store's code page.
std::string ValueLine(const std::string& name, std::uint32_t type, const std::string& data);

// "HKEY_LOCAL_MACHINE" and the other roots by their full names.
std::string RootName(registry::Hkey root);

}  // namespace backup
