#include "backup/regedit4.h"

namespace backup {

namespace {

constexpr const char* kCrlf = "\r\n";
// regedit starts a new line once a hex line passes this column.
constexpr std::size_t kFoldColumn = 76;

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

// REGEDIT4 has no way to write a name with a line break: the line would
// end inside it and the rest of the file would not read.
bool HasLineBreak(const std::string& name) {
  return name.find_first_of("\r\n") != std::string::npos;
}

// A name for a comment line: quoted, its line breaks as \r and \n.
std::string Described(const std::string& name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      if (c == '\\' || c == '"') out += '\\';
      out += c;
    }
  }
  return out + "\"";
}

std::string ValueLeftOut(const std::string& header, const std::string& name) {
  return "; " + header + ": the value " + Described(name) +
         " is left out because its name has a line break" + kCrlf;
}

std::string KeyLeftOut(const std::string& header, const std::string& name) {
  return "; " + header + ": the key " + Described(name) +
         " and all below it are left out because its name has a line break" + kCrlf;
}

char HexDigit(unsigned value) { return "0123456789abcdef"[value & 0xF]; }

// REG_SZ text that a quoted string gives back byte for byte on import:
// one final NUL and no other, no line breaks.
bool IsPlainString(std::uint32_t type, const std::string& data) {
  if (type != registry::kString) return false;
  if (data.empty()) return true;
  const std::string::size_type nul = data.find('\0');
  return nul == data.size() - 1 && data.find_first_of("\r\n") == std::string::npos;
}

std::string HexType(std::uint32_t type) {
  if (type == registry::kBinary) return "hex:";
  std::string digits;
  do {
    digits.insert(digits.begin(), HexDigit(type));
    type >>= 4;
  } while (type != 0);
  return "hex(" + digits + "):";
}

std::string HexData(const std::string& prefix, std::uint32_t type, const std::string& data) {
  std::string out = prefix + HexType(type);
  std::size_t column = out.size();
  for (std::size_t i = 0; i < data.size(); ++i) {
    const auto byte = static_cast<unsigned char>(data[i]);
    out += HexDigit(byte >> 4);
    out += HexDigit(byte);
    column += 2;
    if (i + 1 == data.size()) break;
    out += ',';
    ++column;
    if (column >= kFoldColumn) {
      out += "\\\r\n  ";
      column = 2;
    }
  }
  return out;
}

}  // namespace

std::string RootName(registry::Hkey root) {
  switch (root) {
    case registry::kCurrentUser:
      return "HKEY_CURRENT_USER";
    case registry::kLocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case registry::kCurrentConfig:
      return "HKEY_CURRENT_CONFIG";
    default:
      return "HKEY_CLASSES_ROOT";
  }
}

std::string ValueLine(const std::string& name, std::uint32_t type, const std::string& data) {
  const std::string prefix = (name.empty() ? std::string("@") : Quoted(name)) + "=";
  if (IsPlainString(type, data)) return prefix + Quoted(data.substr(0, data.find('\0')));
  if (type == registry::kDword && data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(data[i]);
    std::string digits(8, '0');
    for (int i = 7; i >= 0; --i, number >>= 4) digits[i] = HexDigit(number);
    return prefix + "dword:" + digits;
  }
  return HexData(prefix, type, data);
}

void RegFile::AddKey(registry::Store& store, registry::Hkey key, const std::string& header,
                     const std::vector<std::string>* only, const std::string& notes) {
  std::string lines;
  std::string name;
  std::string data;
  std::uint32_t type = 0;
  for (std::uint32_t i = 0; store.EnumValue(key, i, &name, &type, &data) == registry::kOk; ++i) {
    if (only) {
      bool wanted = false;
      for (const std::string& one : *only) wanted = wanted || SameName(one, name);
      if (!wanted) continue;
    }
    if (HasLineBreak(name)) {
      lines += ValueLeftOut(header, name);
      continue;
    }
    lines += ValueLine(name, type, data) + kCrlf;
    ++values_;
  }
  if (only && lines.empty()) return;
  sections_ += kCrlf + ("[" + header + "]") + kCrlf + lines + notes;
}

void RegFile::AddTree(registry::Store& store, registry::Hkey root, const std::string& path) {
  const std::string store_path = store.ToStoreText(path);
  registry::Hkey key = 0;
  if (store.OpenKey(root, store_path, &key) != registry::kOk) return;
  const std::string header = RootName(root) + "\\" + store_path;
  std::vector<std::string> subkeys;
  std::string notes;
  std::string name;
  for (std::uint32_t i = 0; store.EnumKey(key, i, &name) == registry::kOk; ++i) {
    if (HasLineBreak(name)) {
      notes += KeyLeftOut(header, name);
    } else {
      subkeys.push_back(name);
    }
  }
  AddKey(store, key, header, nullptr, notes);
  store.CloseKey(key);
  // Names are already in the store's code page; going through AddTree's
  // conversion again is harmless for the ASCII names the driver uses.
  for (const std::string& sub : subkeys)
    AddTree(store, root, path + "\\" + store.FromStoreText(sub));
}

void RegFile::AddValues(registry::Store& store, registry::Hkey root, const std::string& path,
                        std::initializer_list<const char*> names) {
  const std::string store_path = store.ToStoreText(path);
  registry::Hkey key = 0;
  if (store.OpenKey(root, store_path, &key) != registry::kOk) return;
  std::vector<std::string> store_names;
  for (const char* name : names) store_names.push_back(store.ToStoreText(name));
  AddKey(store, key, RootName(root) + "\\" + store_path, &store_names, "");
  store.CloseKey(key);
}

std::string RegFile::Text() const { return std::string("REGEDIT4") + kCrlf + sections_ + kCrlf; }

}  // namespace backup
