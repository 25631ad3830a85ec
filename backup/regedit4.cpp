#include "backup/regedit4.h"

#include "registry/numbers.h"

namespace backup {

namespace {

constexpr const char* kCrlf = "\r\n";
// regedit starts a new line once a hex line passes this column.
constexpr std::size_t kFoldColumn = 76;

// Each piece of the file is appended to the text that it goes into.
void AppendQuoted(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

// REGEDIT4 has no way to write a name with a line break: the line would
// end inside it and the rest of the file would not read.
bool HasLineBreak(const std::string& name) {
  return name.find_first_of("\r\n") != std::string::npos;
}

// A name for a comment line: quoted, its line breaks as \r and \n.
void AppendDescribed(std::string& out, const std::string& name) {
  out += '"';
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
  out += '"';
}

// "; header: the <what> "name" <why>", a comment line.
void AppendLeftOut(std::string& out, const std::string& header, const char* what,
                   const std::string& name, const char* why) {
  out += "; ";
  out += header;
  out += what;
  AppendDescribed(out, name);
  out += why;
  out += kCrlf;
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

void AppendHexType(std::string& out, std::uint32_t type) {
  if (type == registry::kBinary) {
    out += "hex:";
    return;
  }
  std::string digits;
  do {
    digits.insert(digits.begin(), HexDigit(type));
    type >>= 4;
  } while (type != 0);
  out += "hex(";
  out += digits;
  out += "):";
}

// The hex bytes of a value whose line began at `line_start` in `out`.
void AppendHexData(std::string& out, std::size_t line_start, std::uint32_t type,
                   const std::string& data) {
  AppendHexType(out, type);
  std::size_t column = out.size() - line_start;
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
}

void AppendValueLine(std::string& out, const std::string& name, std::uint32_t type,
                     const std::string& data) {
  const std::size_t line_start = out.size();
  if (name.empty()) {
    out += '@';
  } else {
    AppendQuoted(out, name);
  }
  out += '=';
  if (IsPlainString(type, data)) return AppendQuoted(out, data.substr(0, data.find('\0')));
  if (type == registry::kDword && data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(data[i]);
    std::string digits(8, '0');
    for (int i = 7; i >= 0; --i, number >>= 4) digits[i] = HexDigit(number);
    out += "dword:";
    out += digits;
    return;
  }
  AppendHexData(out, line_start, type, data);
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

namespace {

// "HKEY_...\path", a section's header without its brackets.
std::string Header(registry::Hkey root, const std::string& store_path) {
  std::string header = RootName(root);
  header += '\\';
  header += store_path;
  return header;
}

}  // namespace

std::string ValueLine(const std::string& name, std::uint32_t type, const std::string& data) {
  std::string line;
  AppendValueLine(line, name, type, data);
  return line;
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
      for (const std::string& one : *only) wanted = wanted || registry::SameText(one, name);
      if (!wanted) continue;
    }
    if (HasLineBreak(name)) {
      AppendLeftOut(lines, header, ": the value ", name,
                    " is left out because its name has a line break");
      continue;
    }
    AppendValueLine(lines, name, type, data);
    lines += kCrlf;
    ++values_;
  }
  if (only && lines.empty()) return;
  sections_ += kCrlf;
  sections_ += '[';
  sections_ += header;
  sections_ += ']';
  sections_ += kCrlf;
  sections_ += lines;
  sections_ += notes;
}

void RegFile::AddTree(registry::Store& store, registry::Hkey root, const std::string& path) {
  const std::string store_path = store.ToStoreText(path);
  registry::Hkey key = 0;
  if (store.OpenKey(root, store_path, &key) != registry::kOk) return;
  const std::string header = Header(root, store_path);
  std::vector<std::string> subkeys;
  std::string notes;
  std::string name;
  for (std::uint32_t i = 0; store.EnumKey(key, i, &name) == registry::kOk; ++i) {
    if (HasLineBreak(name)) {
      AppendLeftOut(notes, header, ": the key ", name,
                    " and all below it are left out because its name has a line break");
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

void RegFile::AddValues(registry::Store& store, registry::Hkey root, const char* path,
                        std::initializer_list<const char*> names) {
  const std::string store_path = store.ToStoreText(path);
  registry::Hkey key = 0;
  if (store.OpenKey(root, store_path, &key) != registry::kOk) return;
  std::vector<std::string> store_names;
  for (const char* name : names) store_names.push_back(store.ToStoreText(name));
  AddKey(store, key, Header(root, store_path), &store_names, "");
  store.CloseKey(key);
}

std::string RegFile::Text() const {
  std::string text = "REGEDIT4";
  text += kCrlf;
  text += sections_;
  text += kCrlf;
  return text;
}

}  // namespace backup
