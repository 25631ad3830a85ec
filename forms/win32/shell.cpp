#include "forms/win32/shell.h"

#include <windows.h>
// These stand on windows.h.
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include "forms/win32/files.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

// An environment block's entries, one by one, through `convert`.
template <typename Convert>
std::string ConvertBlock(const char* block, Convert convert) {
  std::string out;
  while (block && *block) {
    const std::string entry(block);
    out += convert(entry);
    out += '\0';
    block += entry.size() + 1;
  }
  return out + '\0';
}

// A DLL loaded for one task and let go at its end.
class Library {
 public:
  explicit Library(const char* name) : module_(LoadLibraryA(name)) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  template <typename Function>
  Function Find(const char* name) const {
    return module_
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
               : nullptr;
  }

 private:
  HMODULE module_;
};

using GetOpenFileNameFn = BOOL(WINAPI*)(LPOPENFILENAMEA);
using GetSpecialFolderFn = HRESULT(WINAPI*)(HWND, int, LPITEMIDLIST*);
using GetPathFn = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
using GetMallocFn = HRESULT(WINAPI*)(IMalloc**);

}  // namespace

std::string Win32Shell::Environment() {
  char* block = GetEnvironmentStrings();
  std::string utf8 = ConvertBlock(block, AnsiToUtf8);
  if (block) FreeEnvironmentStringsA(block);
  return utf8;
}

bool Win32Shell::StartProgram(const std::string& program, const std::string& command_line,
                              const std::string& environment, const std::string& folder) {
  const std::string ansi_program = Utf8ToAnsi(program);
  std::string line = Utf8ToAnsi(command_line);
  std::string block = ConvertBlock(environment.c_str(), Utf8ToAnsi);
  const std::string ansi_folder = Utf8ToAnsi(folder);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(ansi_program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, &block[0],
                      ansi_folder.empty() ? nullptr : ansi_folder.c_str(), &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

std::string Win32Shell::ChooseProgram(const std::string& title, const std::string& filter) {
  const Library comdlg32("comdlg32.dll");
  const auto open = comdlg32.Find<GetOpenFileNameFn>("GetOpenFileNameA");
  if (!open) return "";
  const std::string ansi_title = Utf8ToAnsi(title);
  std::string filters = Utf8ToAnsi(filter);
  filters.append("\0*.exe\0", 8);  // the pattern, then the list's end
  char file[MAX_PATH] = {};
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // as the first Windows 95 knows it
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrTitle = ansi_title.c_str();
  dialog.lpstrDefExt = "exe";
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!open(&dialog)) return "";
  return AnsiToUtf8(file);
}

std::string Win32Shell::ThisProgram() { return ProgramPath(); }

std::string Win32Shell::DesktopFolder() {
  const Library shell32("shell32.dll");
  const auto special = shell32.Find<GetSpecialFolderFn>("SHGetSpecialFolderLocation");
  const auto path_of = shell32.Find<GetPathFn>("SHGetPathFromIDListA");
  const auto get_malloc = shell32.Find<GetMallocFn>("SHGetMalloc");
  if (!special || !path_of || !get_malloc) return "";
  LPITEMIDLIST list = nullptr;
  if (FAILED(special(nullptr, CSIDL_DESKTOPDIRECTORY, &list)) || !list) return "";
  char path[MAX_PATH] = {};
  const bool found = path_of(list, path) != FALSE;
  // The shell's own allocator: on the first Windows 95 it is not OLE's.
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(get_malloc(&allocator)) && allocator) {
    allocator->Free(list);
    allocator->Release();
  }
  return found ? AnsiToUtf8(path) : "";
}

bool Win32Shell::MakeShortcut(const std::string& path, const Shortcut& shortcut) {
  const HRESULT com = CoInitialize(nullptr);
  bool saved = false;
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    link->SetPath(Utf8ToAnsi(shortcut.target).c_str());
    link->SetArguments(Utf8ToAnsi(shortcut.arguments).c_str());
    link->SetWorkingDirectory(Utf8ToAnsi(shortcut.folder).c_str());
    link->SetIconLocation(Utf8ToAnsi(shortcut.icon).c_str(), 0);
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      saved = SUCCEEDED(file->Save(Utf8ToWide(path).c_str(), TRUE));
      file->Release();
    }
    link->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return saved;
}

}  // namespace forms::win32
