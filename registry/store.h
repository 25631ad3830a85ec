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
constexpr std::uint32_t kMultiString = 7;   // REG_MULTI_SZ

// Return codes, as advapi32 gives them.
constexpr long kOk = 0;
constexpr long kNotFound = 2;      // ERROR_FILE_NOT_FOUND
constexpr long kAccessDenied = 5;  // ERROR_ACCESS_DENIED
constexpr long kInvalidHandle = 6;
constexpr long kInvalidParameter = 87;  // ERROR_INVALID_PARAMETER
constexpr long kBadPathname = 161;      // ERROR_BAD_PATHNAME: a path with a leading "\"
constexpr long kMoreData = 234;         // ERROR_MORE_DATA
constexpr long kNoMoreItems = 259;      // ERROR_NO_MORE_ITEMS
constexpr long kNoAccess = 998;         // ERROR_NOACCESS: no data but a non-zero size
constexpr long kKeyDeleted = 1018;      // ERROR_KEY_DELETED: the handle's key was deleted

// True for the types whose data is text (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ).
constexpr bool IsTextType(std::uint32_t type) {
  return type == kString || type == kExpandString || type == kMultiString;
}

class Store {
 public:
  virtual ~Store() = default;

  // Paths are relative to `parent`, components separated by "\"; empty
  // components (a trailing or doubled "\") are skipped, a leading "\" is
  // kBadPathname. Names compare case-insensitively and keep the case they
  // were created with.

  // RegOpenKeyA: opens an existing key; path relative to parent. An empty
  // path gives `parent` itself back, not a new handle.
  virtual long OpenKey(Hkey parent, const std::string& path, Hkey* key) = 0;
  // RegCreateKeyA: opens the key, creating every missing key on the path.
  virtual long CreateKey(Hkey parent, const std::string& path, Hkey* key) = 0;
  // RegQueryValueExA. With data null only type and size come back. With
  // data, *size is the buffer's size on the way in and the data's size on
  // the way out; a buffer too small gives kMoreData and is left as it was.
  // Text data without a final NUL gets one after it when the buffer has
  // room (not counted in *size).
  virtual long QueryValue(Hkey key, const std::string& name, std::uint32_t* type, void* data,
                          std::uint32_t* size) = 0;
  // RegSetValueExA: stores `size` bytes of `data` with `type`. Like
  // advapi32, text data whose last byte is not NUL but whose next byte is
  // gets that NUL counted too, so `data` must be readable one byte past
  // `size` in that case.
  virtual long SetValue(Hkey key, const std::string& name, std::uint32_t type, const void* data,
                        std::uint32_t size) = 0;
  // RegCloseKey.
  virtual long CloseKey(Hkey key) = 0;
  // RegDeleteKeyA as Windows 95 and 98 have it: removes the key with its
  // values and every key below it. Handles still open on a deleted key
  // answer kKeyDeleted until closed.
  virtual long DeleteKey(Hkey parent, const std::string& path) = 0;
  // RegEnumKeyA: the name of the index-th subkey, kNoMoreItems past the end.
  // The order is the store's own; callers must not rely on it.
  virtual long EnumKey(Hkey key, std::uint32_t index, std::string* name) = 0;
  // RegEnumValueA: the index-th value's name, type and raw data.
  virtual long EnumValue(Hkey key, std::uint32_t index, std::string* name, std::uint32_t* type,
                         std::string* data) = 0;

  // The program's texts are UTF-8. A store whose names and string data
  // are in another code page (advapi32's ANSI calls use the system's ANSI
  // code page) converts them; these two are where the procedures do so.
  virtual std::string ToStoreText(const std::string& utf8) { return utf8; }
  virtual std::string FromStoreText(const std::string& text) { return text; }
};

}  // namespace registry
