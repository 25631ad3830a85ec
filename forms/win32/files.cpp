#include "forms/win32/files.h"

#include <windows.h>

#include "forms/win32/text.h"

namespace forms::win32 {

void RemoveFiles(const std::string& pattern) {
  const std::string ansi = Utf8ToAnsi(pattern);
  const std::string::size_type slash = ansi.find_last_of("\\/:");
  const std::string folder = slash == std::string::npos ? std::string() : ansi.substr(0, slash + 1);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(ansi.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      DeleteFileA((folder + found.cFileName).c_str());
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

bool RemoveFile(const std::string& path) { return DeleteFileA(Utf8ToAnsi(path).c_str()) != 0; }

std::string FolderOf(const std::string& file) {
  const std::string::size_type slash = file.find_last_of('\\');
  if (slash == std::string::npos) return std::string();
  // "C:\x.exe" keeps its backslash: "C:" alone would mean the current
  // folder of drive C.
  if (slash == 2 && file[1] == ':') return file.substr(0, 3);
  return file.substr(0, slash);
}

std::string ProgramFolder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return AnsiToUtf8(FolderOf(std::string(buffer, length)));
}

}  // namespace forms::win32
