#include "journeys/machine.h"

#include <cstdio>
#include <cstring>

namespace journeys {

const std::set<std::string> kShippedFiles = {"Tarnolux.exe", "Uninstall.exe", "pic1.jpg",
                                             "pic2.jpg", "readme.txt"};

namespace {

constexpr const char* kDisplay = "System\\CurrentControlSet\\Services\\Class\\Display";
constexpr const char* kProgramKey = "Software\\Tarno";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The values outside the display keys that a demo file sets: kept as the
// prefix had them and put back after the journey.
struct Named {
  HKEY root;
  const char* key;
  const char* name;
};
const Named kOutsideValues[] = {
    {HKEY_LOCAL_MACHINE, kRunKey, "ScanRegistry"},
    {HKEY_LOCAL_MACHINE, kRunKey, "SystemTray"},
    {HKEY_LOCAL_MACHINE, kRunKey, "3dfx Tools"},
    {HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper"},
    {HKEY_CURRENT_USER, "Control Panel\\Desktop", "TileWallpaper"},
    {HKEY_CURRENT_USER, "Control Panel\\Desktop", "WallpaperStyle"},
    {HKEY_CURRENT_USER, "Control Panel\\Desktop", "FontSmoothing"},
    {HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "Resolution"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "BitsPerPixel"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "DPIPhysicalX"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "DPIPhysicalY"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "DPILogicalX"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "DPILogicalY"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "fonts.fon"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "fixedfon.fon"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "oemfonts.fon"},
    {HKEY_CURRENT_CONFIG, "Display\\Settings", "Advanced"},
};

std::string Shown(DWORD type, const std::vector<BYTE>& data) {
  if (type == REG_DWORD && data.size() >= sizeof(DWORD)) {
    DWORD number = 0;
    memcpy(&number, data.data(), sizeof number);
    char text[16];
    snprintf(text, sizeof text, "dword:%lu", static_cast<unsigned long>(number));
    return text;
  }
  std::string text(data.begin(), data.end());
  return text.substr(0, text.find('\0'));
}

void Collect(HKEY key, const std::string& prefix, bool deep, Values* out) {
  char name[256];
  BYTE data[1024];
  for (DWORD i = 0;; ++i) {
    DWORD name_size = sizeof name, data_size = sizeof data, type = 0;
    if (RegEnumValueA(key, i, name, &name_size, nullptr, &type, data, &data_size) !=
        ERROR_SUCCESS) {
      break;
    }
    (*out)[prefix + name] = Shown(type, std::vector<BYTE>(data, data + data_size));
  }
  if (!deep) return;
  for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
    HKEY sub = nullptr;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
    // "|name" at the top, "\sub\key|name" below it.
    Collect(sub, prefix.substr(0, prefix.size() - 1) + "\\" + name + "|", true, out);
    RegCloseKey(sub);
  }
}

Values Read(HKEY root, const std::string& path, bool deep) {
  Values out;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return out;
  Collect(key, deep ? "|" : "", deep, &out);
  RegCloseKey(key);
  return out;
}

// Keys with subkeys cannot be deleted: leaves first.
void DeleteTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  std::vector<std::string> subkeys;
  char name[256];
  for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
    subkeys.push_back(name);
  }
  RegCloseKey(key);
  for (const std::string& sub : subkeys) DeleteTree(root, path + "\\" + sub);
  RegDeleteKeyA(root, path.c_str());
}

void DeleteValue(HKEY root, const char* path, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

void RemoveFolder(const std::string& folder) {
  for (const std::string& file : FilesIn(folder)) {
    const std::string path = folder + "\\" + file;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
  RemoveDirectoryA(folder.c_str());
}

bool RunToEnd(std::string command) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended && code == 0;
}

}  // namespace

std::string Value(HKEY root, const std::string& key, const std::string& name) {
  const Values values = ValuesOf(root, key);
  const auto found = values.find(name);
  return found == values.end() ? "<absent>" : found->second;
}

Values ValuesOf(HKEY root, const std::string& key) { return Read(root, key, false); }

Values TreeOf(HKEY root, const std::string& key) { return Read(root, key, true); }

std::string WinePath(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "Z:" + path;
}

std::set<std::string> ProgramFiles() {
  std::set<std::string> files = FilesIn(kFolder);
  files.erase(kBackupFile);
  return files;
}

std::string BackupText() {
  const std::string path = std::string(kFolder) + "\\" + kBackupFile;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

Machine::Machine(const char* demo) {
  for (const Named& value : kOutsideValues) {
    Saved saved{value.root, value.key, value.name, false, 0, std::vector<BYTE>(1024)};
    HKEY key = nullptr;
    if (RegOpenKeyExA(value.root, value.key, 0, KEY_READ, &key) == ERROR_SUCCESS) {
      DWORD size = static_cast<DWORD>(saved.data.size());
      saved.existed = RegQueryValueExA(key, value.name, nullptr, &saved.type, saved.data.data(),
                                       &size) == ERROR_SUCCESS;
      saved.data.resize(saved.existed ? size : 0);
      RegCloseKey(key);
    }
    saved_.push_back(saved);
  }
  Clean();
  ready_ = Import(demo) && MakeFolder();
}

Machine::~Machine() {
  Clean();
  for (const Saved& saved : saved_) {
    if (!saved.existed) {
      DeleteValue(saved.root, saved.key.c_str(), saved.name.c_str());
      continue;
    }
    HKEY key = nullptr;
    if (RegCreateKeyA(saved.root, saved.key.c_str(), &key) != ERROR_SUCCESS) continue;
    RegSetValueExA(key, saved.name.c_str(), 0, saved.type, saved.data.data(),
                   static_cast<DWORD>(saved.data.size()));
    RegCloseKey(key);
  }
}

void Machine::ChooseEnglish() {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_LOCAL_MACHINE, kProgramKey, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, "Language", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
  RegCloseKey(key);
}

void Machine::Clean() {
  DeleteTree(HKEY_LOCAL_MACHINE, kDisplay);
  DeleteTree(HKEY_LOCAL_MACHINE, kProgramKey);
  DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, "3dfx Tools");
  RemoveFolder(kFolder);
  char windows[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  DeleteFileA((std::string(windows, length) + "\\" + kBackupFile).c_str());
  DeleteFileA(kLeftover);
}

bool Machine::Import(const char* demo) {
  const std::string file = WinePath(std::string(TARNOLUX_SOURCE) + "/demo/" + demo);
  return RunToEnd("regedit.exe /S \"" + file + "\"");
}

bool Machine::MakeFolder() {
  const std::string source = TARNOLUX_SOURCE;
  const std::pair<std::string, const char*> copies[] = {{TARNOLUX_EXE, "Tarnolux.exe"},
                                                        {UNINSTALL_EXE, "Uninstall.exe"},
                                                        {source + "/art/pic1.jpg", "pic1.jpg"},
                                                        {source + "/art/pic2.jpg", "pic2.jpg"},
                                                        {source + "/doc/readme.txt", "readme.txt"}};
  if (!CreateDirectoryA(kFolder, nullptr)) return false;
  for (const auto& [from, name] : copies) {
    const std::string to = std::string(kFolder) + "\\" + name;
    if (!CopyFileA(WinePath(from).c_str(), to.c_str(), FALSE)) return false;
  }
  return true;
}

}  // namespace journeys
