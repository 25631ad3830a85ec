#include "forms/win32/win32_host.h"

#include <ole2.h>

#include "forms/win32/context.h"
#include "forms/win32/form_window.h"
#include "forms/win32/names.h"
#include "forms/win32/text.h"

namespace forms::win32 {

Win32Host::Win32Host(const Options& options)
    : context_(std::make_unique<Context>(options.picture_loader, options.palette_gdi,
                                         options.form_class, options.image_class)) {
  context_->instance = GetModuleHandleA(nullptr);
  RegisterClasses(context_->instance, options.form_class, options.image_class);
  ole_ = SUCCEEDED(OleInitialize(nullptr));
}

Win32Host::~Win32Host() {
  windows_.clear();
  context_.reset();  // pictures go before OLE does
  if (ole_) OleUninitialize();
}

FormWindow* Win32Host::WindowFor(Form& form) {
  auto found = windows_.find(&form);
  if (found != windows_.end()) return found->second.get();
  auto window = std::make_unique<FormWindow>(*context_, form);
  FormWindow* made = window.get();
  windows_[&form] = std::move(window);
  auto pending = pending_focus_.find(&form);
  if (pending != pending_focus_.end()) {
    made->Focus(*pending->second);
    pending_focus_.erase(pending);
  }
  return made;
}

void Win32Host::ShowForm(Form& form) {
  if (ended_) return;
  WindowFor(form)->Show();
}

void Win32Host::HideForm(Form& form) {
  auto found = windows_.find(&form);
  if (found != windows_.end()) found->second->Hide();
}

void Win32Host::FormDestroyed(Form& form) {
  auto found = windows_.find(&form);
  if (found != windows_.end()) {
    found->second->Forget();
    windows_.erase(found);
  }
  pending_focus_.erase(&form);
}

void Win32Host::ShowMessage(const std::string& text, const char* title) {
  // Owned by the window the user sees, so it stays on top of it.
  HWND owner = nullptr;
  for (auto& entry : windows_) {
    HWND hwnd = entry.second->hwnd();
    if (hwnd && IsWindowVisible(hwnd)) {
      owner = hwnd;
      if (hwnd == GetActiveWindow()) break;
    }
  }
  MessageBoxA(owner, Utf8ToAnsi(text).c_str(), Utf8ToAnsi(title).c_str(), MB_OK);
}

bool Win32Host::LoadPicture(Image& image, const std::string& path) {
  if (!context_->pictures.Load(path)) return false;
  image.set_picture(path);
  return true;
}

void Win32Host::SetFocus(Control& control) {
  Form& form = control.form();
  auto found = windows_.find(&form);
  if (found != windows_.end()) {
    found->second->Focus(control);
  } else {
    pending_focus_[&form] = &control;
  }
}

void Win32Host::EndProgram() {
  ended_ = true;
  if (!on_end) {
    // The names are global atoms: they would outlive the process.
    for (auto& entry : windows_) {
      if (entry.second->hwnd()) ReleaseNames(entry.second->hwnd());
    }
    ExitProcess(0);
  }
  for (auto& entry : windows_) entry.second->Hide();
  on_end();
}

HWND Win32Host::WindowOf(const Form& form) const {
  auto found = windows_.find(&form);
  return found == windows_.end() ? nullptr : found->second->hwnd();
}

void Win32Host::Dispatch(MSG& message) {
  FormWindow* active = FormWindow::From(GetActiveWindow());
  if (active && active->TranslateKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

int Win32Host::Run() {
  MSG message;
  while (!ended_ && GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return 0;
}

void Win32Host::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

}  // namespace forms::win32
