// The real files, with the ANSI API: forms::Files for the programs, and
// the same steps as plain functions for tests.
#pragma once

#include <string>

#include "forms/files.h"

namespace forms::win32 {

class Win32Files : public Files {
 public:
  void RemoveFiles(const std::string& pattern) override;
  bool RemoveFile(const std::string& path) override;
  std::string ProgramFolder() override;
  std::string WindowsFolder() override;
  bool FileExists(const std::string& path) override;
  bool WriteFileReplacing(const std::string& path, const std::string& bytes) override;
};

// Deletes every file (not folder) matching a wildcard pattern.
void RemoveFiles(const std::string& pattern);
// Deletes one file; false when it is missing, read-only or in use.
bool RemoveFile(const std::string& path);
// The running program's full path, or "" when it is longer than MAX_PATH.
std::string ProgramPath();
// The running program's folder: "C:\dir", or "C:\" at a drive's root.
std::string ProgramFolder();
// The Windows folder: "C:\WINDOWS".
std::string WindowsFolder();
// Whether a file (not a folder) of that name exists.
bool FileExists(const std::string& path);
// Writes the whole file through a fresh file beside it and a rename.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

}  // namespace forms::win32
