// The raw registry interface that the five procedures stand on: the
// handful of advapi32 calls they use, with advapi32's semantics and
// return codes. Two stores implement it: the real advapi32 one and an
// in-memory one for tests, kept honest by one conformance suite.
#pragma once

#include <cstdint>
#include <string>

namespace registry {

// A key handle, or one of the predefined roots below.
using Hkey = std::uintptr_t;

constexpr Hkey kCurrentUser = 0x80000001u;
constexpr Hkey kLocalMachine = 0x80000002u;
constexpr Hkey kCurrentConfig = 0x80000005u;

// Value types.
constexpr std::uint32_t kString = 1;        // REG_SZ
constexpr std::uint32_t kExpandString = 2;  // REG_EXPAND_SZ
constexpr std::uint32_t kBinary = 3;        // REG_BINARY
constexpr std::uint32_t kDword = 4;         // REG_DWORD

// Return codes, as advapi32 gives them.
constexpr long kOk = 0;
constexpr long kNotFound = 2;      // ERROR_FILE_NOT_FOUND
constexpr long kAccessDenied = 5;  // ERROR_ACCESS_DENIED
constexpr long kInvalidHandle = 6;
constexpr long kMoreData = 234;    // ERROR_MORE_DATA
constexpr long kNoMoreItems = 259; // ERROR_NO_MORE_ITEMS

class Store {
 public:
  virtual ~Store() = default;

  // RegOpenKeyA: opens an existing key; path relative to parent.
  virtual long OpenKey(Hkey parent, const std::string& path, Hkey* key) = 0;
  // RegCreateKeyA: opens the key, creating every missing key on the path.
  virtual long CreateKey(Hkey parent, const std::string& path, Hkey* key) = 0;
  // RegQueryValueExA. With data null only type and size come back. With
  // data, *size is the buffer's size on the way in and the data's size on
  // the way out; a buffer too small gives kMoreData.
  virtual long QueryValue(Hkey key, const std::string& name, std::uint32_t* type,
                          void* data, std::uint32_t* size) = 0;
  // RegSetValueExA: stores exactly `size` bytes of `data` with `type`.
  virtual long SetValue(Hkey key, const std::string& name, std::uint32_t type,
                        const void* data, std::uint32_t size) = 0;
  // RegCloseKey.
  virtual long CloseKey(Hkey key) = 0;
  // RegDeleteKeyA: removes the key and its values. A key that still has
  // subkeys is refused, as on Windows NT and Wine.
  virtual long DeleteKey(Hkey parent, const std::string& path) = 0;
  // RegEnumKeyA: the name of the index-th subkey, kNoMoreItems past the end.
  virtual long EnumKey(Hkey key, std::uint32_t index, std::string* name) = 0;
  // RegEnumValueA: the index-th value's name, type and raw data.
  virtual long EnumValue(Hkey key, std::uint32_t index, std::string* name,
                         std::uint32_t* type, std::string* data) = 0;
};

}  // namespace registry
