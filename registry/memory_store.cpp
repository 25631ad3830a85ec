#include "registry/memory_store.h"

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace registry {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Key and value names compare without regard to ASCII case. Ordering by
// the lower-case form is also the order advapi32 enumerates in under Wine.
struct NoCase {
  bool operator()(const std::string& a, const std::string& b) const {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
      const unsigned char x = static_cast<unsigned char>(Lower(a[i]));
      const unsigned char y = static_cast<unsigned char>(Lower(b[i]));
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};

struct Value {
  std::uint32_t type = 0;
  std::string data;
};

}  // namespace

struct MemoryStore::Node {
  std::string name;
  std::weak_ptr<Node> parent;
  std::map<std::string, std::shared_ptr<Node>, NoCase> subkeys;
  std::map<std::string, Value, NoCase> values;
  bool deleted = false;
  bool root = false;
};

MemoryStore::MemoryStore() {
  for (auto* root : {&current_user_, &local_machine_, &current_config_}) {
    *root = std::make_shared<Node>();
    (*root)->root = true;
  }
}

MemoryStore::~MemoryStore() = default;

std::shared_ptr<MemoryStore::Node> MemoryStore::Resolve(Hkey key, long* code) {
  std::shared_ptr<Node> node;
  if (key == kCurrentUser) {
    node = current_user_;
  } else if (key == kLocalMachine) {
    node = local_machine_;
  } else if (key == kCurrentConfig) {
    node = current_config_;
  } else {
    auto it = handles_.find(key);
    if (it != handles_.end()) node = it->second;
  }
  if (!node) {
    *code = kInvalidHandle;
  } else if (node->deleted) {
    *code = kKeyDeleted;
    node.reset();
  } else {
    *code = kOk;
  }
  return node;
}

long MemoryStore::Walk(std::shared_ptr<Node> node, const std::string& path, bool create,
                       std::shared_ptr<Node>* found) {
  if (!path.empty() && path[0] == '\\') return kBadPathname;
  std::size_t pos = 0;
  while (pos < path.size()) {
    std::size_t end = path.find('\\', pos);
    if (end == std::string::npos) end = path.size();
    if (end > pos) {
      std::string part = path.substr(pos, end - pos);
      auto it = node->subkeys.find(part);
      if (it != node->subkeys.end()) {
        node = it->second;
      } else if (!create) {
        return kNotFound;
      } else {
        auto child = std::make_shared<Node>();
        child->name = part;
        child->parent = node;
        node->subkeys.emplace(std::move(part), child);
        node = std::move(child);
      }
    }
    pos = end + 1;
  }
  *found = std::move(node);
  return kOk;
}

Hkey MemoryStore::NewHandle(std::shared_ptr<Node> node) {
  const Hkey handle = next_handle_;
  next_handle_ += 4;
  handles_.emplace(handle, std::move(node));
  return handle;
}

long MemoryStore::OpenKey(Hkey parent, const std::string& path, Hkey* key) {
  if (path.empty()) {  // advapi32 hands the parent back unchecked
    *key = parent;
    return kOk;
  }
  *key = 0;
  long code;
  auto from = Resolve(parent, &code);
  if (!from) return code;
  std::shared_ptr<Node> found;
  code = Walk(from, path, false, &found);
  if (code == kOk) *key = NewHandle(std::move(found));
  return code;
}

long MemoryStore::CreateKey(Hkey parent, const std::string& path, Hkey* key) {
  *key = 0;
  long code;
  auto from = Resolve(parent, &code);
  if (!from) return code;
  std::shared_ptr<Node> found;
  // Windows 98 creates "\\Key" as "Key"; opening or deleting it fails.
  const bool leading = !path.empty() && path[0] == '\\';
  code = Walk(from, leading ? path.substr(1) : path, true, &found);
  if (code == kOk) *key = NewHandle(std::move(found));
  return code;
}

long MemoryStore::QueryValue(Hkey key, const std::string& name, std::uint32_t* type, void* data,
                             std::uint32_t* size) {
  if (data && !size) return kInvalidParameter;
  long code;
  auto node = Resolve(key, &code);
  if (!node) return code;
  auto it = node->values.find(name);
  if (it == node->values.end()) return kNotFound;
  const Value& value = it->second;
  const auto length = static_cast<std::uint32_t>(value.data.size());
  if (type) *type = value.type;
  if (data) {
    if (length > *size) {
      *size = length;
      return kMoreData;
    }
    char* out = static_cast<char*>(data);
    std::memcpy(out, value.data.data(), length);
    if (IsTextType(value.type) && length > 0 && length < *size && out[length - 1] != '\0') {
      out[length] = '\0';
    }
  }
  if (size) *size = length;
  return kOk;
}

long MemoryStore::SetValue(Hkey key, const std::string& name, std::uint32_t type, const void* data,
                           std::uint32_t size) {
  if (!data && size) return kNoAccess;
  const char* bytes = static_cast<const char*>(data);
  // Windows 98 stores a REG_SZ up to its first NUL and that NUL, whatever
  // size the caller gives.
  if (bytes && type == kString) size = static_cast<std::uint32_t>(std::strlen(bytes) + 1);
  long code;
  auto node = Resolve(key, &code);
  if (!node) return code;
  Value& value = node->values[name];
  value.type = type;
  value.data.assign(bytes ? bytes : "", size);
  return kOk;
}

long MemoryStore::CloseKey(Hkey key) {
  if (key == kCurrentUser || key == kLocalMachine || key == kCurrentConfig) return kOk;
  return handles_.erase(key) ? kOk : kInvalidHandle;
}

long MemoryStore::DeleteKey(Hkey parent, const std::string& path) {
  long code;
  auto from = Resolve(parent, &code);
  if (!from) return code;
  std::shared_ptr<Node> target;
  code = Walk(from, path, false, &target);
  if (code != kOk) return code;
  if (target->root) return kAccessDenied;
  if (auto up = target->parent.lock()) up->subkeys.erase(target->name);
  MarkDeleted(*target);
  return kOk;
}

// The key and everything below it: handles still open on any of them
// answer kKeyDeleted from now on.
void MemoryStore::MarkDeleted(Node& node) {
  for (auto& entry : node.subkeys) MarkDeleted(*entry.second);
  node.subkeys.clear();
  node.values.clear();
  node.deleted = true;
}

long MemoryStore::EnumKey(Hkey key, std::uint32_t index, std::string* name) {
  long code;
  auto node = Resolve(key, &code);
  if (!node) return code;
  if (index >= node->subkeys.size()) return kNoMoreItems;
  auto it = node->subkeys.begin();
  std::advance(it, index);
  *name = it->first;
  return kOk;
}

long MemoryStore::EnumValue(Hkey key, std::uint32_t index, std::string* name, std::uint32_t* type,
                            std::string* data) {
  long code;
  auto node = Resolve(key, &code);
  if (!node) return code;
  if (index >= node->values.size()) return kNoMoreItems;
  auto it = node->values.begin();
  std::advance(it, index);
  *name = it->first;
  *type = it->second.type;
  *data = it->second.data;
  return kOk;
}

}  // namespace registry
