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

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return AnsiToUtf8(std::string(path, length < sizeof path ? length : 0));
}

std::string ProgramFolder() { return FolderOf(ProgramPath()); }

std::string WindowsFolder() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  if (length == 0 || length > MAX_PATH) return "C:\\WINDOWS";
  return AnsiToUtf8(std::string(buffer, length));
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(Utf8ToAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// Creates a new file and writes all of `bytes`; false leaves no file.
bool WriteNewFile(const std::string& ansi_path, const std::string& bytes) {
  HANDLE file = CreateFileA(ansi_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL wrote =
      bytes.empty() ||
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  const BOOL flushed = FlushFileBuffers(file);
  const BOOL closed = CloseHandle(file);
  if (wrote && flushed && closed && written == bytes.size()) return true;
  DeleteFileA(ansi_path.c_str());
  return false;
}

}  // namespace

// MoveFileExA is not on Windows 95: the old file goes first, then the new
// one takes its name. Only the complete new file ever carries the name.
bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
  const std::string ansi = Utf8ToAnsi(path);
  const std::string temporary = ansi + ".new";
  if (!WriteNewFile(temporary, bytes)) return false;
  DeleteFileA(ansi.c_str());
  if (MoveFileA(temporary.c_str(), ansi.c_str())) return true;
  DeleteFileA(temporary.c_str());
  return false;
}

void Win32Files::RemoveFiles(const std::string& pattern) { win32::RemoveFiles(pattern); }

bool Win32Files::RemoveFile(const std::string& path) { return win32::RemoveFile(path); }

std::string Win32Files::ProgramFolder() { return win32::ProgramFolder(); }

std::string Win32Files::WindowsFolder() { return win32::WindowsFolder(); }

bool Win32Files::FileExists(const std::string& path) { return win32::FileExists(path); }

bool Win32Files::WriteFileReplacing(const std::string& path, const std::string& bytes) {
  return win32::WriteFileReplacing(path, bytes);
}

}  // namespace forms::win32
