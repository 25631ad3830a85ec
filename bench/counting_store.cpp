#include "bench/counting_store.h"

#include <cstdlib>
#include <fstream>

namespace bench {

long CountingStore::OpenKey(registry::Hkey parent, const std::string& path, registry::Hkey* key) {
  ++counts_.open;
  return inner_.OpenKey(parent, path, key);
}

long CountingStore::CreateKey(registry::Hkey parent, const std::string& path, registry::Hkey* key) {
  ++counts_.create;
  return inner_.CreateKey(parent, path, key);
}

long CountingStore::QueryValue(registry::Hkey key, const std::string& name, std::uint32_t* type,
                               void* data, std::uint32_t* size) {
  ++counts_.query;
  return inner_.QueryValue(key, name, type, data, size);
}

long CountingStore::SetValue(registry::Hkey key, const std::string& name, std::uint32_t type,
                             const void* data, std::uint32_t size) {
  ++counts_.set;
  return inner_.SetValue(key, name, type, data, size);
}

long CountingStore::CloseKey(registry::Hkey key) {
  ++counts_.close;
  return inner_.CloseKey(key);
}

long CountingStore::DeleteKey(registry::Hkey parent, const std::string& path) {
  ++counts_.del;
  return inner_.DeleteKey(parent, path);
}

long CountingStore::EnumKey(registry::Hkey key, std::uint32_t index, std::string* name) {
  ++counts_.enumerate;
  return inner_.EnumKey(key, index, name);
}

long CountingStore::EnumValue(registry::Hkey key, std::uint32_t index, std::string* name,
                              std::uint32_t* type, std::string* data) {
  ++counts_.enumerate;
  return inner_.EnumValue(key, index, name, type, data);
}

namespace {

bool RootOf(const std::string& name, registry::Hkey* root) {
  if (name == "HKEY_LOCAL_MACHINE") {
    *root = registry::kLocalMachine;
  } else if (name == "HKEY_CURRENT_USER") {
    *root = registry::kCurrentUser;
  } else if (name == "HKEY_CURRENT_CONFIG") {
    *root = registry::kCurrentConfig;
  } else {
    return false;
  }
  return true;
}

// A quoted REGEDIT4 string starting at `at` (on the opening quote), with
// \\ and \" undone; `at` ends past the closing quote.
bool Quoted(const std::string& line, std::size_t* at, std::string* text) {
  if (*at >= line.size() || line[*at] != '"') return false;
  text->clear();
  for (std::size_t i = *at + 1; i < line.size(); ++i) {
    if (line[i] == '"') {
      *at = i + 1;
      return true;
    }
    if (line[i] == '\\' && i + 1 < line.size()) ++i;
    *text += line[i];
  }
  return false;
}

bool ImportValue(registry::Store& store, registry::Hkey key, const std::string& line) {
  std::size_t at = 0;
  std::string name, text;
  if (!Quoted(line, &at, &name) || at >= line.size() || line[at] != '=') return false;
  ++at;
  if (Quoted(line, &at, &text)) {
    return store.SetValue(key, name, registry::kString, text.c_str(),
                          static_cast<std::uint32_t>(text.size() + 1)) == registry::kOk;
  }
  const std::string dword = "dword:";
  if (line.compare(at, dword.size(), dword) != 0) return false;
  const std::uint32_t number =
      static_cast<std::uint32_t>(std::strtoul(line.c_str() + at + dword.size(), nullptr, 16));
  const unsigned char bytes[4] = {
      static_cast<unsigned char>(number), static_cast<unsigned char>(number >> 8),
      static_cast<unsigned char>(number >> 16), static_cast<unsigned char>(number >> 24)};
  return store.SetValue(key, name, registry::kDword, bytes, 4) == registry::kOk;
}

}  // namespace

bool ImportRegFile(registry::Store& store, const std::string& path) {
  std::ifstream in(path);
  if (!in) return false;
  registry::Hkey key = 0;
  bool ok = true;
  std::string line;
  while (ok && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';' || line == "REGEDIT4") continue;
    if (line[0] == '[') {
      if (key) store.CloseKey(key);
      key = 0;
      const std::size_t slash = line.find('\\');
      registry::Hkey root = 0;
      ok = line.back() == ']' && slash != std::string::npos &&
           RootOf(line.substr(1, slash - 1), &root) &&
           store.CreateKey(root, line.substr(slash + 1, line.size() - slash - 2), &key) ==
               registry::kOk;
    } else {
      ok = key && ImportValue(store, key, line);
    }
  }
  if (key) store.CloseKey(key);
  return ok;
}

}  // namespace bench
