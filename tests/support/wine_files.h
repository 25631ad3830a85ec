// Files and folders for the Wine tests, straight through the Windows API:
// the build's paths as Wine sees them, a folder's files, a whole file's
// bytes, a folder removed with what it holds. Header-only.
#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace test_support {

// A Linux path of the build machine as Wine sees it (its Z: drive).
inline std::string WinePath(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "Z:" + path;
}

// The names of the files (not folders) in a folder.
inline std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.insert(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

// A file's bytes, or "" when it cannot be read.
inline std::string FileText(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

// A folder and its files, read-only ones too; it must hold no folders.
inline void RemoveFolder(const std::string& folder) {
  for (const std::string& file : FilesIn(folder)) {
    const std::string path = folder + "\\" + file;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace test_support
