#include "forms/headless.h"

#include <algorithm>
#include <cctype>

#include "forms/memory_files.h"

namespace forms {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string NameOf(const std::string& path) {
  auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Match(const char* p, const char* s) {
  for (; *p; ++p, ++s) {
    if (*p == '*') {
      for (const char* rest = s;; ++rest) {
        if (Match(p + 1, rest)) return true;
        if (!*rest) return false;
      }
    }
    if (!*s) return false;
    if (*p != '?' && *p != *s) return false;
  }
  return !*s;
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  return Match(Lower(pattern).c_str(), Lower(name).c_str());
}

void HeadlessHost::ShowForm(Form& form) { shows.push_back(form.Name()); }

void HeadlessHost::HideForm(Form&) {}

void HeadlessHost::ShowMessage(const std::string& text, const char* title) {
  messages.push_back({text, title});
}

bool HeadlessHost::LoadPicture(Image& image, const std::string& path) {
  pictures.push_back(path);
  if (!files.HasFile(path)) return false;
  image.set_picture(path);
  return true;
}

void MemoryFiles::RemoveFiles(const std::string& pattern) {
  delete_patterns.push_back(pattern);
  const std::string folder = Lower(FolderOf(pattern));
  const std::string name = NameOf(pattern);
  std::vector<std::string> matched;
  for (const std::string& file : files_) {
    if (FolderOf(file) == folder && WildcardMatch(name, NameOf(file)) && !read_only_.count(file)) {
      matched.push_back(file);
    }
  }
  for (const std::string& file : matched) {
    files_.erase(file);
    deleted.push_back(file);
  }
}

bool MemoryFiles::RemoveFile(const std::string& path) {
  const std::string file = Lower(path);
  if (!files_.count(file) || read_only_.count(file)) return false;
  files_.erase(file);
  deleted.push_back(file);
  return true;
}

void MemoryFiles::AddFile(const std::string& path, bool read_only) {
  files_.insert(Lower(path));
  if (read_only) read_only_.insert(Lower(path));
}

bool MemoryFiles::WriteFileReplacing(const std::string& path, const std::string& bytes) {
  writes.push_back(path);
  const std::string file = Lower(path);
  if (unwritable_.count(FolderOf(file)) || read_only_.count(file)) return false;
  files_.insert(file);
  contents_[file] = bytes;
  return true;
}

std::string MemoryFiles::FileText(const std::string& path) const {
  auto found = contents_.find(Lower(path));
  return found == contents_.end() ? std::string() : found->second;
}

void MemoryFiles::MakeUnwritable(const std::string& folder) { unwritable_.insert(Lower(folder)); }

bool MemoryFiles::HasFile(const std::string& path) const { return files_.count(Lower(path)) > 0; }

}  // namespace forms
