// Renders every window of the screenshot table in English and in Dutch to
// BMP files in the folder given: <file>-en.bmp, <file>-nl.bmp, and the same
// with "-hover" while the mouse is over the first control in a frame.
// Runs on the prefix's real registry, which the caller seeds.
#include <windows.h>

#include <memory>
#include <string>

#include "forms/win32/automation.h"
#include "forms/win32/files.h"
#include "forms/win32/win32_host.h"
#include "registry/driver.h"
#include "registry/win32_store.h"
#include "tools/screenshot_windows.h"

namespace {

// Writes the screen's pixels under `rect` as a 24-bit BMP.
bool SaveScreen(const RECT& rect, const std::string& path) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFOHEADER info = {};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  std::string pixels(stride * static_cast<DWORD>(height), '\0');
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), &pixels[0],
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(out, &file, sizeof(file), &written, nullptr);
  WriteFile(out, &info, sizeof(info), &written, nullptr);
  WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
  CloseHandle(out);
  return true;
}

// The first control in a frame that reacts to the mouse: hovering it
// lights a caption in the windows' hover tables.
forms::Control* InFrame(forms::Form& form) {
  for (forms::Control* control : form.AllControls()) {
    if (control->frame() && control->Visible() && control->MouseMove) return control;
  }
  return nullptr;
}

void Render(const screenshots::Window& window, registry::Registry& reg, const char* language,
            const std::string& folder) {
  forms::win32::Win32Host host;
  host.on_end = [] {};  // a window that ends the program still gets its picture
  forms::win32::Win32Files files;
  forms::Program program(host, files);
  forms::automation::Robot robot(host);
  forms::automation::MessageBoxes boxes;  // a box at load must not stop us
  std::unique_ptr<forms::Form> form = window.make(program, reg);
  form->Show();
  robot.Pump(300);
  for (forms::Form* shown : program.VisibleForms()) {
    HWND hwnd = host.WindowOf(*shown);
    if (!hwnd) continue;
    // Wherever the cursor stood when the window came up, the plain picture
    // shows the resting colours: the mouse leaves and crosses the background.
    SetCursorPos(0, 0);
    robot.Pump(100);
    shown->UserMouseMove();
    robot.Pump(200);
    std::string name = folder + "\\" + window.file;
    if (shown != form.get()) name += "-" + shown->Name();
    name += std::string("-") + language;
    RECT rect;
    GetWindowRect(hwnd, &rect);
    SaveScreen(rect, name + ".bmp");
    if (forms::Control* control = InFrame(*shown)) {
      robot.MouseOver(forms::automation::FindControl(hwnd, control->Name()));
      robot.Pump(200);
      SaveScreen(rect, name + "-hover.bmp");
      SetCursorPos(0, 0);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string folder = argv[1];
  registry::Win32Store store;
  registry::Registry reg(store);
  const std::string chosen =
      reg.GetString(registry::kLocalMachine, registry::kProgramKey, registry::kLanguageValue);
  for (const screenshots::Window& window : screenshots::Windows()) {
    for (const char* language : {"en", "nl"}) {
      reg.SaveString(registry::kLocalMachine, registry::kProgramKey, registry::kLanguageValue,
                     language[0] == 'n' ? "2" : "1");
      Render(window, reg, language, folder);
    }
  }
  reg.SaveString(registry::kLocalMachine, registry::kProgramKey, registry::kLanguageValue, chosen);
  return 0;
}
