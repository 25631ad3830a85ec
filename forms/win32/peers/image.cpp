#include "forms/win32/peers/image.h"

namespace forms::win32 {

namespace {

LRESULT CALLBACK ImageProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  // The control window subclasses each image; this is what lies below.
  if (message == WM_NCHITTEST) return HTCLIENT;
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

void RegisterImageClass(HINSTANCE instance, const char* name) {
  WNDCLASSA image = {};
  image.lpfnWndProc = &ImageProc;
  image.hInstance = instance;
  image.hCursor = LoadCursor(nullptr, IDC_ARROW);
  image.lpszClassName = name;
  RegisterClassA(&image);
}

const char* ImageWindow::ClassName() const { return context().image_class.c_str(); }

bool ImageWindow::OnOwnMessage(UINT message, WPARAM /*wparam*/, LRESULT* result) {
  switch (message) {
    case WM_ERASEBKGND:
      *result = 1;  // painted whole in WM_PAINT
      return true;
    case WM_PAINT:
      if (forgotten()) return false;
      OnPaint();
      *result = 0;
      return true;
    default:
      return false;
  }
}

void ImageWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  RECT client;
  GetClientRect(hwnd(), &client);
  if (image_.Picture().empty() || !context().pictures.Render(image_.Picture(), dc, client)) {
    // An empty image shows the form through it.
    const Color back = image_.form().BackColor();
    FillRect(dc, &client,
             back == kSystemColor ? GetSysColorBrush(COLOR_BTNFACE) : context().gdi.Brush(back));
  }
  EndPaint(hwnd(), &paint);
}

}  // namespace forms::win32
