#include "journeys/machine.h"

#include <utility>

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

void DeleteValue(HKEY root, const char* path, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

}  // namespace

std::set<std::string> ProgramFiles() {
  std::set<std::string> files = test_support::FilesIn(kFolder);
  files.erase(kBackupFile);
  return files;
}

std::string BackupText() {
  return test_support::FileText(std::string(kFolder) + "\\" + kBackupFile);
}

Machine::Machine(const char* demo) {
  for (const Named& value : kOutsideValues) {
    saved_.push_back(std::make_unique<test_support::SavedValue>(value.root, value.key, value.name));
  }
  Clean();
  const std::string file = test_support::WinePath(std::string(TARNOLUX_SOURCE) + "/demo/" + demo);
  ready_ = test_support::ImportWithRegedit(file) && MakeFolder();
}

// Then the saved values go back.
Machine::~Machine() { Clean(); }

void Machine::ChooseEnglish() {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_LOCAL_MACHINE, kProgramKey, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, "Language", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
  RegCloseKey(key);
}

void Machine::Clean() {
  test_support::DeleteTree(HKEY_LOCAL_MACHINE, kDisplay);
  test_support::DeleteTree(HKEY_LOCAL_MACHINE, kProgramKey);
  DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, "3dfx Tools");
  test_support::RemoveFolder(kFolder);
  char windows[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  DeleteFileA((std::string(windows, length) + "\\" + kBackupFile).c_str());
  DeleteFileA(kLeftover);
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
    if (!CopyFileA(test_support::WinePath(from).c_str(), to.c_str(), FALSE)) return false;
  }
  return true;
}

}  // namespace journeys
