// Pretend files for tests: a few full paths in memory, compared without
// regard to letter case, and a record of what the program asked.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/files.h"

namespace forms {

class MemoryFiles : public Files {
 public:
  void RemoveFiles(const std::string& pattern) override;
  bool RemoveFile(const std::string& path) override;
  std::string ProgramFolder() override { return folder; }
  std::string WindowsFolder() override { return windows_folder; }
  bool FileExists(const std::string& path) override { return HasFile(path); }
  bool WriteFileReplacing(const std::string& path, const std::string& bytes) override;

  void AddFile(const std::string& path, bool read_only = false);
  bool HasFile(const std::string& path) const;
  // What WriteFileReplacing wrote, or "" for any other file.
  std::string FileText(const std::string& path) const;
  // Writing into this folder fails from now on, as on a read-only disk.
  void MakeUnwritable(const std::string& folder);

  std::string folder = "C:\\Program Files\\App";
  std::string windows_folder = "C:\\WINDOWS";
  std::vector<std::string> writes;           // paths asked for, written or not
  std::vector<std::string> delete_patterns;  // as asked
  std::vector<std::string> deleted;          // files that went

 private:
  std::set<std::string> files_;                  // lower case
  std::set<std::string> read_only_;              // lower case
  std::map<std::string, std::string> contents_;  // lower case
  std::set<std::string> unwritable_;             // lower case folders
};

// Whether a file name matches a pattern with * and ?, ignoring case.
bool WildcardMatch(const std::string& pattern, const std::string& name);

}  // namespace forms
