// The file system as the forms ask for it, with the ANSI API.
#pragma once

#include <string>

namespace forms::win32 {

// Deletes every file (not folder) matching a wildcard pattern.
void RemoveFiles(const std::string& pattern);
// Deletes one file; false when it is missing, read-only or in use.
bool RemoveFile(const std::string& path);
// The running program's folder: "C:\dir", or "C:\" at a drive's root.
std::string ProgramFolder();
// The Windows folder: "C:\WINDOWS".
std::string WindowsFolder();
// Whether a file (not a folder) of that name exists.
bool FileExists(const std::string& path);
// Writes the whole file through a fresh file beside it and a rename.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);
// The folder part of a full file name, by the same rule.
std::string FolderOf(const std::string& file);

}  // namespace forms::win32
