#include "forms/win32/message_host.h"

#include <windows.h>

#include "forms/win32/text.h"

namespace forms::win32 {

void MessageHost::ShowMessage(const std::string& text, const char* title) {
  MessageBoxA(nullptr, Utf8ToAnsi(text).c_str(), Utf8ToAnsi(title).c_str(), MB_OK);
}

void MessageHost::EndProgram() { ExitProcess(0); }

}  // namespace forms::win32
