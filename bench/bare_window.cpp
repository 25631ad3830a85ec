// The start-up baseline for Tarnolux.exe: a bare Win32 program that does
// only what any program showing the main window must do. It registers a
// class, opens one window with the main window's frame and size, loads
// pic2.jpg and pic1.jpg from its own folder through OleLoadPicturePath,
// looked up at run time (ANSI path widened with MultiByteToWideChar, as
// the host does), paints
// them where the main window has them, and shows the window. The bench
// driver finds it by its title.
#include <ole2.h>
#include <olectl.h>
#include <windows.h>

namespace {

constexpr char kClass[] = "TarnoluxBareWindow";
constexpr char kTitle[] = "Tarnolux bare window";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The main window's client area and picture places, in pixels.
constexpr int kClientWidth = 456;
constexpr int kClientHeight = 400;
constexpr int kMargin = 8;
constexpr int kEmblemWidth = 51;
constexpr int kBannerWidth = 166;
constexpr int kPictureHeight = 39;

struct Pictures {
  IPicture* banner = nullptr;  // pic2.jpg
  IPicture* emblem = nullptr;  // pic1.jpg, shown twice
};

// The picture file beside the program, loaded as the host loads one.
IPicture* LoadBeside(const char* file) {
  char path[MAX_PATH + 16] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD slash = length;
  while (slash > 0 && path[slash - 1] != '\\') --slash;
  lstrcpyA(path + slash, file);
  WCHAR wide[MAX_PATH + 16] = {};
  if (MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH + 16) <= 0) return nullptr;
  typedef HRESULT(WINAPI * LoadPicturePath)(wchar_t*, void*, DWORD, DWORD, REFIID, void**);
  HMODULE oleaut32 = LoadLibraryA("oleaut32.dll");
  auto load = oleaut32 ? reinterpret_cast<LoadPicturePath>(reinterpret_cast<void (*)()>(
                             GetProcAddress(oleaut32, "OleLoadPicturePath")))
                       : nullptr;
  IPicture* picture = nullptr;
  if (!load ||
      FAILED(load(wide, nullptr, 0, 0, IID_IPicture, reinterpret_cast<void**>(&picture)))) {
    return nullptr;
  }
  return picture;  // oleaut32 stays loaded while the picture lives
}

void Render(IPicture* picture, HDC dc, int left, int width) {
  if (!picture) return;
  OLE_XSIZE_HIMETRIC w = 0;
  OLE_YSIZE_HIMETRIC h = 0;
  picture->get_Width(&w);
  picture->get_Height(&h);
  picture->Render(dc, left, kMargin, width, kPictureHeight, 0, h, w, -h, nullptr);
}

void OnPaint(HWND hwnd, const Pictures& pictures) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  Render(pictures.emblem, dc, kMargin, kEmblemWidth);
  Render(pictures.banner, dc, (kClientWidth - kBannerWidth) / 2, kBannerWidth);
  Render(pictures.emblem, dc, kClientWidth - kMargin - kEmblemWidth, kEmblemWidth);
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* pictures = reinterpret_cast<Pictures*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (pictures) {
        OnPaint(hwnd, *pictures);
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClass;
  RegisterClassA(&window_class);

  Pictures pictures;
  pictures.banner = LoadBeside("pic2.jpg");
  pictures.emblem = LoadBeside("pic1.jpg");

  RECT outer = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&outer, kStyle, FALSE);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  HWND hwnd =
      CreateWindowExA(0, kClass, kTitle, kStyle, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                      (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                      instance, nullptr);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&pictures));
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  UpdateWindow(hwnd);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (pictures.banner) pictures.banner->Release();
  if (pictures.emblem) pictures.emblem->Release();
  if (ole) OleUninitialize();
  return 0;
}
