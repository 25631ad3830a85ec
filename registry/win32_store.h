// The real registry: advapi32's ANSI calls, as Windows 95 has them.
// Built only for Windows. The raw calls pass names and data through as
// they are; the procedures convert their UTF-8 texts with ToStoreText and
// FromStoreText.
#pragma once

#include "registry/store.h"

namespace registry {

class Win32Store : public Store {
 public:
  long OpenKey(Hkey parent, const std::string& path, Hkey* key) override;
  long CreateKey(Hkey parent, const std::string& path, Hkey* key) override;
  long QueryValue(Hkey key, const std::string& name, std::uint32_t* type, void* data,
                  std::uint32_t* size) override;
  long SetValue(Hkey key, const std::string& name, std::uint32_t type, const void* data,
                std::uint32_t size) override;
  long CloseKey(Hkey key) override;
  long DeleteKey(Hkey parent, const std::string& path) override;
  long EnumKey(Hkey key, std::uint32_t index, std::string* name) override;
  long EnumValue(Hkey key, std::uint32_t index, std::string* name, std::uint32_t* type,
                 std::string* data) override;
  // UTF-8 to and from the system's ANSI code page.
  std::string ToStoreText(const std::string& utf8) override;
  std::string FromStoreText(const std::string& text) override;
};

}  // namespace registry
