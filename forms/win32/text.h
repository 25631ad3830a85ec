// Text at the Win32 boundary. The model keeps UTF-8; the ANSI API wants the
// system's code page. Windows 95 has no CP_UTF8, so UTF-8 is decoded here
// and only CP_ACP is asked of the system.
#pragma once

#include <windows.h>

#include <string>

namespace forms::win32 {

// UTF-8 to UTF-16; a malformed byte becomes U+FFFD.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

// UTF-8 to the ANSI code page and back.
std::string Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const std::string& text);

// A window's text in the ANSI code page, as GetWindowTextA gives it.
std::string NativeText(HWND hwnd);

}  // namespace forms::win32
