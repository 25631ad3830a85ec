// The desktop window on real Win32 controls and the real registry, under
// Wine: the stored settings reach the real controls, and OK writes them
// back, "Advanced" as a real DWORD.
#include <doctest.h>

#include <string>
#include <vector>

#include "desktop/desktop_window.h"
#include "forms/handoff.h"
#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/win32_store.h"

namespace {

namespace robot = forms::automation;

constexpr const char* kSettings = "Display\\Settings";
constexpr const char* kDesktop = "Control Panel\\Desktop";

// One value as advapi32 has it, put back as it was when the test ends.
class SavedValue {
 public:
  SavedValue(HKEY root, const char* key, const char* name) : root_(root), key_(key), name_(name) {
    HKEY handle = nullptr;
    if (RegOpenKeyA(root_, key_, &handle) != ERROR_SUCCESS) return;
    DWORD size = sizeof(data_);
    existed_ = RegQueryValueExA(handle, name_, nullptr, &type_, data_, &size) == ERROR_SUCCESS;
    size_ = size;
    RegCloseKey(handle);
  }
  ~SavedValue() {
    HKEY handle = nullptr;
    if (RegCreateKeyA(root_, key_, &handle) != ERROR_SUCCESS) return;
    if (existed_) {
      RegSetValueExA(handle, name_, 0, type_, data_, size_);
    } else {
      RegDeleteValueA(handle, name_);
    }
    RegCloseKey(handle);
  }
  SavedValue(const SavedValue&) = delete;
  SavedValue& operator=(const SavedValue&) = delete;

 private:
  HKEY root_;
  const char* key_;
  const char* name_;
  bool existed_ = false;
  DWORD type_ = 0, size_ = 0;
  BYTE data_[256] = {};
};

// "Advanced" straight from advapi32: its type and its 4 bytes.
struct Dword {
  DWORD type = 0;
  DWORD value = 0;
};
Dword ReadAdvanced() {
  Dword result;
  HKEY handle = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_CONFIG, kSettings, &handle) != ERROR_SUCCESS) return result;
  DWORD size = sizeof(result.value);
  RegQueryValueExA(handle, "Advanced", nullptr, &result.type,
                   reinterpret_cast<BYTE*>(&result.value), &size);
  RegCloseKey(handle);
  return result;
}

void DeleteAdvanced() {
  HKEY handle = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_CONFIG, kSettings, &handle) != ERROR_SUCCESS) return;
  RegDeleteValueA(handle, "Advanced");
  RegCloseKey(handle);
}

// Every value the window reads or writes, kept as the prefix had them.
struct SavedSettings {
  SavedValue values[10] = {
      {HKEY_CURRENT_CONFIG, kSettings, "Resolution"},
      {HKEY_CURRENT_CONFIG, kSettings, "BitsPerPixel"},
      {HKEY_CURRENT_CONFIG, kSettings, "DPIPhysicalY"},
      {HKEY_CURRENT_CONFIG, kSettings, "DPIPhysicalX"},
      {HKEY_CURRENT_CONFIG, kSettings, "DPILogicalY"},
      {HKEY_CURRENT_CONFIG, kSettings, "DPILogicalX"},
      {HKEY_CURRENT_CONFIG, kSettings, "Advanced"},
      {HKEY_CURRENT_USER, kDesktop, "FontSmoothing"},
      {HKEY_CURRENT_USER, kDesktop, "DragFullWindows"},
      {HKEY_CURRENT_USER, kDesktop, "WallpaperStyle"},
  };
};

// The program with its main window and the desktop window on screen.
struct Screen {
  explicit Screen(void (*seed)(registry::Registry&)) {
    seed(reg);
    host.on_end = [] {};
    main.Show();
    forms::OpenAt(window, main);
    robot.Pump();
    form = robot::FindForm("frmwondowz");
  }
  HWND Control(const char* name) { return robot::FindControl(form, name); }
  std::string Setting(const char* name) {
    return reg.GetString(registry::kCurrentConfig, kSettings, name, "<none>");
  }

  SavedSettings saved;
  registry::Win32Store store;
  registry::Registry reg{store};
  forms::win32::Win32Host host;
  forms::win32::Win32Files files;
  forms::Program program{host, files};
  forms::Form main{program, "frmv3"};
  desktop::DesktopWindow window{program, reg};
  robot::Robot robot{host};
  HWND form = nullptr;
};

void SeedSettings(registry::Registry& reg) {
  reg.SaveString(registry::kCurrentConfig, kSettings, "Resolution", "1024,768");
  reg.SaveString(registry::kCurrentConfig, kSettings, "BitsPerPixel", "16");
  reg.SaveString(registry::kCurrentConfig, kSettings, "DPIPhysicalY", "120");
  reg.SaveString(registry::kCurrentUser, kDesktop, "FontSmoothing", "2");
  reg.SaveString(registry::kCurrentUser, kDesktop, "WallpaperStyle", "2");
  DeleteAdvanced();
}

TEST_CASE("OK writes what the real controls show, Advanced as a DWORD") {
  Screen screen(SeedSettings);
  REQUIRE(screen.form != nullptr);
  CHECK(robot::Text(screen.Control("Combo1")) == "1024,768");
  CHECK(robot::CheckState(screen.Control("Option2")) == 1);
  CHECK(robot::ScrollPos(screen.Control("HScroll1")) == 5);
  CHECK(robot::Text(screen.Control("Label6")) == "120");
  CHECK(robot::CheckState(screen.Control("smooth")) == 2);
  CHECK(robot::CheckState(screen.Control("strech")) == 1);
  CHECK(robot::CheckState(screen.Control("gdi")) == 0);

  screen.robot.Scroll(screen.Control("HScroll1"), SB_LINEDOWN);
  screen.robot.Pump();
  CHECK(robot::Text(screen.Control("Label6")) == "144");
  screen.robot.MouseClick(screen.Control("gdi"));
  screen.robot.Click(screen.Control("ok"));
  screen.robot.Pump();

  CHECK_FALSE(robot::Shown(screen.form));
  const Dword advanced = ReadAdvanced();
  CHECK(advanced.type == REG_DWORD);
  CHECK(advanced.value == 1);
  CHECK(screen.Setting("Resolution") == "1024,768");
  CHECK(screen.Setting("BitsPerPixel") == "16");
  CHECK(screen.Setting("DPILogicalX") == "144");
  CHECK(screen.reg.GetString(registry::kCurrentUser, kDesktop, "FontSmoothing") == "2");
}

TEST_CASE("a resolution that is none gets a message box and writes nothing") {
  Screen screen(SeedSettings);
  screen.robot.Type(screen.Control("Combo1"), "800x600");
  {
    robot::MessageBoxes boxes;
    screen.robot.Click(screen.Control("ok"));
    screen.robot.Pump();
    REQUIRE(boxes.seen().size() == 1);
    CHECK(boxes.seen()[0].title == "Tarnolux");
    CHECK(boxes.seen()[0].text == "Type the resolution as width,height, for example 800,600.");
  }
  screen.robot.Pump();
  CHECK(robot::Shown(screen.form));
  CHECK(screen.Setting("Resolution") == "1024,768");
  CHECK(ReadAdvanced().type == 0);

  // Cancel shows the stored resolution again.
  screen.robot.Click(screen.Control("cancel"));
  screen.robot.Pump();
  CHECK(robot::Text(screen.Control("Combo1")) == "1024,768");
}

}  // namespace
