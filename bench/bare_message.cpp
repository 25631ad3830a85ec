// The start-up baseline for Uninstall.exe: a bare Win32 program that only
// shows the uninstaller's closing message box and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxA(nullptr, "Now delete this file.", "Uninstall", MB_OK);
  return 0;
}
