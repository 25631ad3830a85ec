// The files the programs touch, beside the windows: what they delete,
// write and find. The program entries pick the real ones (forms/win32,
// Win32Files); tests pick the pretend ones of forms/memory_files.h.
#pragma once

#include <string>

namespace forms {

class Files {
 public:
  virtual ~Files() = default;

  // Deletes every file matching a wildcard pattern ("C:\dir\name*").
  virtual void RemoveFiles(const std::string& pattern) = 0;
  // Deletes one file; false when it is missing, read-only or in use.
  virtual bool RemoveFile(const std::string& path) = 0;
  // The folder of the running program, without a trailing backslash
  // except at a drive's root ("C:\").
  virtual std::string ProgramFolder() = 0;
  // The Windows folder, by the same rule.
  virtual std::string WindowsFolder() = 0;
  // Whether a file (not a folder) of that name exists.
  virtual bool FileExists(const std::string& path) = 0;
  // Writes `bytes` as the whole file: first to a fresh file in the same
  // folder, then renamed, so the file is never there half-written. False
  // when it could not be written; nothing is left behind then.
  virtual bool WriteFileReplacing(const std::string& path, const std::string& bytes) = 0;
};

// `folder` and `file` joined by exactly one backslash ("C:\" + "a.jpg"
// gives "C:\a.jpg", "C:\dir" + "a.jpg" gives "C:\dir\a.jpg").
std::string JoinPath(const std::string& folder, const std::string& file);

// The folder of a file: "C:\Games\Arena" for "C:\Games\Arena\arena.exe",
// and "C:\" for a file at a drive's root ("C:" alone would mean the current
// folder of drive C); "" without a folder.
std::string FolderOf(const std::string& path);

}  // namespace forms
