// A registry kept in memory with advapi32's semantics, for tests and for
// hosts without a Windows registry. Three roots: HKEY_CURRENT_USER,
// HKEY_LOCAL_MACHINE and HKEY_CURRENT_CONFIG, each empty at first.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "registry/store.h"

namespace registry {

class MemoryStore : public Store {
 public:
  MemoryStore();
  ~MemoryStore() override;
  MemoryStore(const MemoryStore&) = delete;
  MemoryStore& operator=(const MemoryStore&) = delete;

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

  // Handles opened and not yet closed; roots do not count.
  std::size_t OpenHandles() const { return handles_.size(); }

 private:
  struct Node;

  // The live key a handle stands for, or null with the code to return.
  std::shared_ptr<Node> Resolve(Hkey key, long* code);
  // Walks `path` down from `node`; with `create`, makes missing keys.
  static long Walk(std::shared_ptr<Node> node, const std::string& path, bool create,
                   std::shared_ptr<Node>* found);
  Hkey NewHandle(std::shared_ptr<Node> node);
  static void MarkDeleted(Node& node);

  std::shared_ptr<Node> current_user_;
  std::shared_ptr<Node> local_machine_;
  std::shared_ptr<Node> current_config_;
  std::map<Hkey, std::shared_ptr<Node>> handles_;
  Hkey next_handle_ = 0x100;
};

}  // namespace registry
