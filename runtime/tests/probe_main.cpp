// A program on the project's own runtime that checks one piece of it and
// tells through its exit code: 0 when the piece did what it must. The Wine
// test starts it once per piece, named by the command line's first word.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Set by a static object's constructor, which must run before WinMain.
bool constructed = false;

struct Static {
  Static() { constructed = true; }
  // Runs after WinMain has returned: ends the process with its own code.
  ~Static() {
    if (exit_code_from_destructor) ExitProcess(exit_code_from_destructor);
  }
  unsigned exit_code_from_destructor = 0;
};

Static static_object;

// Called through pointers, so that the compiler cannot put its own inline
// copies in place of the runtime's routines.
void* (*volatile copy)(void*, const void*, std::size_t) = memcpy;
void* (*volatile move)(void*, const void*, std::size_t) = memmove;
void* (*volatile fill)(void*, int, std::size_t) = memset;
int (*volatile compare)(const void*, const void*, std::size_t) = memcmp;
std::size_t (*volatile length)(const char*) = strlen;

bool MemoryRoutinesWork() {
  char text[16] = "abcdefgh";
  move(text + 2, text, 6);  // overlapping, forwards
  if (std::string(text) != "ababcdef") return false;
  move(text, text + 2, 6);  // overlapping, backwards
  if (std::string(text, 6) != "abcdef") return false;
  fill(text, 'x', 3);
  if (compare(text, "xxxdef", 6) != 0 || compare("a", "b", 1) >= 0) return false;
  if (compare("\xff", "a", 1) <= 0) return false;  // bytes compare unsigned
  char copied[16] = {};
  copy(copied, "Voodoo3", 8);
  return length(copied) == 7 && length("") == 0;
}

bool StringsWork() {
  std::string text = "4.12.01";
  text += ".1222";
  std::wstring wide(L"Voodoo3");
  wide += L" 3000";
  std::vector<std::string> many(100, text);
  return text == "4.12.01.1222" && wide.size() == 12 && many[99].find("1222") == 8;
}

// A frame larger than a page: the stack probe must grow the stack page by
// page, or touching the far end faults.
__attribute__((noinline)) int DeepFrame(int seed) {
  volatile char big[64 * 1024];
  for (unsigned i = 0; i < sizeof big; i += 4096) big[i] = static_cast<char>(seed);
  big[sizeof big - 1] = static_cast<char>(seed);
  return big[0] + big[sizeof big - 1];
}

// Asks for more than the address space holds: operator new must end the
// process with the fatal exit code, never return null.
int RunOutOfMemory() {
  const std::size_t too_much = sizeof(void*) == 4 ? 0xFFFF0000u : std::size_t{1} << 47;
  static void* volatile kept;
  kept = ::operator new(too_much);
  return kept ? 10 : 11;
}

bool Is(const std::string& line, const std::string& word) {
  return line.compare(0, word.size(), word) == 0 &&
         (line.size() == word.size() || line[word.size()] == ' ');
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR line, int show) {
  if (!constructed || instance != GetModuleHandleA(nullptr) || previous) return 1;
  if (Is(line, "tail")) return std::string(line) == "tail  two words\t" ? 0 : 2;
  if (Is(line, "show")) return show;
  if (Is(line, "exit-code")) return 42;
  if (Is(line, "at-exit")) {
    static_object.exit_code_from_destructor = 43;
    return 0;
  }
  if (Is(line, "memory")) return MemoryRoutinesWork() ? 0 : 3;
  if (Is(line, "strings")) return StringsWork() ? 0 : 4;
  if (Is(line, "stack")) return DeepFrame(3) == 6 ? 0 : 5;
  if (Is(line, "out-of-memory")) return RunOutOfMemory();
  return 9;
}
