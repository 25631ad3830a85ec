// Allocation through the process's Windows heap. Running out of memory
// ends the program at once with the fatal exit code: the programs are
// built without exceptions, so there is nobody to tell.
#include <windows.h>

#include <cstddef>
#include <new>

#include "runtime/runtime.h"

namespace {

void* Allocate(std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); }

void* AllocateOrEnd(std::size_t size) {
  void* block = Allocate(size);
  if (!block) ExitProcess(runtime::kFatalExitCode);
  return block;
}

void Free(void* block) {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrEnd(size); }
void* operator new[](std::size_t size) { return AllocateOrEnd(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Free(block); }
