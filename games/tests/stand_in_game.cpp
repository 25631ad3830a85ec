// A stand-in for a game: writes what it was started with to "seen.txt" in
// its current folder, one line each: "command=" its command line,
// "folder=" its current folder, "env=" each environment entry, then "end".
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string seen = std::string("command=") + GetCommandLineA() + "\r\n";
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  seen += std::string("folder=") + folder + "\r\n";
  char* block = GetEnvironmentStrings();
  for (const char* entry = block; entry && *entry; entry += lstrlenA(entry) + 1) {
    seen += std::string("env=") + entry + "\r\n";
  }
  if (block) FreeEnvironmentStringsA(block);
  seen += "end\r\n";
  // Written whole under another name first, so a reader never sees half.
  HANDLE file = CreateFileA("seen.tmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, seen.data(), static_cast<DWORD>(seen.size()), &written, nullptr);
  CloseHandle(file);
  return MoveFileA("seen.tmp", "seen.txt") ? 0 : 1;
}
