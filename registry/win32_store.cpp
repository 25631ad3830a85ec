#include "registry/win32_store.h"

#include <windows.h>

namespace registry {

namespace {

// The predefined roots are 32-bit values that Windows sign-extends in a
// 64-bit HKEY (HKEY_CURRENT_USER is 0xFFFFFFFF80000001 there); our Hkey
// keeps them as 0x8000000N on every build.
bool IsRoot(Hkey key) { return key >= 0x80000000u && key <= 0x800000FFu; }

HKEY ToHandle(Hkey key) {
  if (IsRoot(key)) {
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(key)));
  }
  return reinterpret_cast<HKEY>(key);
}

Hkey FromHandle(HKEY handle) {
  const auto value = reinterpret_cast<ULONG_PTR>(handle);
  const auto low = static_cast<Hkey>(static_cast<DWORD>(value));
  if (IsRoot(low) && ToHandle(low) == handle) return low;
  return static_cast<Hkey>(value);
}

bool IsAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// UTF-8 to UTF-16 by hand: Windows 95 has no CP_UTF8. A broken sequence
// becomes U+FFFD.
std::wstring Utf8ToWide(const std::string& text) {
  std::wstring wide;
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    int length = 0;  // a stray continuation byte or an invalid lead
    if (lead < 0x80) {
      length = 1;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      length = 2;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3;
    } else if (lead >= 0xF0 && lead < 0xF5) {
      length = 4;
    }
    unsigned long code = length == 1 ? lead : lead & (0x7F >> length);
    int k = 1;
    for (; k < length && i + k < text.size(); ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) break;
      code = (code << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (length == 0 || k != length || overlong || code > 0x10FFFF ||
        (code >= 0xD800 && code < 0xE000)) {
      wide += static_cast<wchar_t>(0xFFFD);
      i += k > 1 ? k : 1;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      wide += static_cast<wchar_t>(0xD800 + (code >> 10));
      wide += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    } else {
      wide += static_cast<wchar_t>(code);
    }
    i += length;
  }
  return wide;
}

std::string WideToUtf8(const std::wstring& wide) {
  std::string text;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    unsigned long code = static_cast<unsigned short>(wide[i]);
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<unsigned short>(wide[++i]) - 0xDC00);
    }
    if (code < 0x80) {
      text += static_cast<char>(code);
    } else if (code < 0x800) {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      text += static_cast<char>(0xE0 | (code >> 12));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (code >> 18));
      text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}

long DeleteTree(HKEY parent, const char* path);

// Deleting a subkey moves the ones after it down a place, so the walk
// keeps asking for the first one, stepping past only those that will not
// go (or whose name does not fit, which no registry allows).
void DeleteSubkeys(HKEY key) {
  char name[MAX_PATH];
  DWORD index = 0;
  for (;;) {
    const LONG code = RegEnumKeyA(key, index, name, sizeof name);
    if (code == ERROR_MORE_DATA) {
      ++index;
    } else if (code != ERROR_SUCCESS) {
      return;
    } else if (DeleteTree(key, name) != ERROR_SUCCESS) {
      ++index;
    }
  }
}

// Windows 95 and 98 delete a key's whole tree with one RegDeleteKeyA;
// Windows NT refuses a key that has subkeys. Deleting the subkeys first,
// depth first and with calls Windows 95 has, gives Windows 98's result on
// both.
long DeleteTree(HKEY parent, const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyA(parent, path, &key) == ERROR_SUCCESS) {
    DeleteSubkeys(key);
    if (key != parent) RegCloseKey(key);  // an empty path opens nothing new
  }
  return RegDeleteKeyA(parent, path);
}

}  // namespace

std::string Win32Store::ToStoreText(const std::string& utf8) {
  if (IsAscii(utf8)) return utf8;
  const std::wstring wide = Utf8ToWide(utf8);
  const int wide_size = static_cast<int>(wide.size());
  const int size =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
  std::string ansi(size > 0 ? size : 0, '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_size, ansi.data(), size, nullptr, nullptr);
  }
  return ansi;
}

std::string Win32Store::FromStoreText(const std::string& text) {
  if (IsAscii(text)) return text;
  const int text_size = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), text_size, nullptr, 0);
  std::wstring wide(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), text_size, wide.data(), size);
  return WideToUtf8(wide);
}

long Win32Store::OpenKey(Hkey parent, const std::string& path, Hkey* key) {
  HKEY handle = nullptr;
  const LONG code = RegOpenKeyA(ToHandle(parent), path.c_str(), &handle);
  *key = code == ERROR_SUCCESS ? FromHandle(handle) : 0;
  return code;
}

long Win32Store::CreateKey(Hkey parent, const std::string& path, Hkey* key) {
  HKEY handle = nullptr;
  const LONG code = RegCreateKeyA(ToHandle(parent), path.c_str(), &handle);
  *key = code == ERROR_SUCCESS ? FromHandle(handle) : 0;
  return code;
}

long Win32Store::QueryValue(Hkey key, const std::string& name, std::uint32_t* type, void* data,
                            std::uint32_t* size) {
  DWORD value_type = 0;
  DWORD value_size = size ? *size : 0;
  const LONG code = RegQueryValueExA(ToHandle(key), name.c_str(), nullptr, &value_type,
                                     static_cast<BYTE*>(data), size ? &value_size : nullptr);
  if (code == ERROR_SUCCESS || code == ERROR_MORE_DATA) {
    if (type) *type = value_type;
    if (size) *size = value_size;
  }
  return code;
}

long Win32Store::SetValue(Hkey key, const std::string& name, std::uint32_t type, const void* data,
                          std::uint32_t size) {
  return RegSetValueExA(ToHandle(key), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

long Win32Store::CloseKey(Hkey key) { return RegCloseKey(ToHandle(key)); }

long Win32Store::DeleteKey(Hkey parent, const std::string& path) {
  return DeleteTree(ToHandle(parent), path.c_str());
}

long Win32Store::EnumKey(Hkey key, std::uint32_t index, std::string* name) {
  // Key names are at most 255 characters; grow anyway if a store says more.
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const LONG code =
        RegEnumKeyA(ToHandle(key), index, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (code == ERROR_MORE_DATA && buffer.size() < 65536) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (code == ERROR_SUCCESS) name->assign(buffer.c_str());
    return code;
  }
}

long Win32Store::EnumValue(Hkey key, std::uint32_t index, std::string* name, std::uint32_t* type,
                           std::string* data) {
  // Value names are at most 16383 characters; the data can be any size and
  // advapi32 tells how much it needs.
  std::string name_buffer(16384, '\0');
  std::string data_buffer(1024, '\0');
  for (int attempt = 0;; ++attempt) {
    DWORD name_size = static_cast<DWORD>(name_buffer.size());
    DWORD data_size = static_cast<DWORD>(data_buffer.size());
    DWORD value_type = 0;
    const LONG code =
        RegEnumValueA(ToHandle(key), index, name_buffer.data(), &name_size, nullptr, &value_type,
                      reinterpret_cast<BYTE*>(data_buffer.data()), &data_size);
    if (code == ERROR_MORE_DATA && attempt < 8) {
      const std::size_t wanted =
          data_size > data_buffer.size() ? data_size : data_buffer.size() * 2;
      data_buffer.assign(wanted, '\0');
      continue;
    }
    if (code == ERROR_SUCCESS) {
      name->assign(name_buffer.data(), name_size);
      *type = value_type;
      data->assign(data_buffer.data(), data_size);
    }
    return code;
  }
}

}  // namespace registry
